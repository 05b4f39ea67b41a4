#include "references/cross_references.h"

#include "troops/inventory_line.h"

#include <algorithm>

namespace lancefall {

namespace {

// The kind whose records a kind's records point to: troops and templates name troops,
// parties name templates.
RecordKind targetKind(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Troop:
    case RecordKind::PartyTemplate:
        return RecordKind::Troop;
    case RecordKind::Party:
        break;
    }
    return RecordKind::PartyTemplate;
}

void insertSorted(QList<qsizetype> &list, qsizetype k)
{
    list.insert(std::lower_bound(list.begin(), list.end(), k), k);
}

void removeSorted(QList<qsizetype> &list, qsizetype k)
{
    const auto at = std::lower_bound(list.begin(), list.end(), k);
    if (at != list.end() && *at == k)
        list.erase(at);
}

template <typename T>
const QList<qsizetype> &entry(const std::vector<QList<qsizetype>> &lists, T at)
{
    static const QList<qsizetype> none;
    return at < 0 || std::size_t(at) >= lists.size() ? none : lists[std::size_t(at)];
}

} // namespace

CrossReferences::CrossReferences(const Module &module)
{
    mHolders.resize(std::size_t(module.items.size()) + 1);
    for (const RecordKind kind : kRecordKinds) {
        mFactionMembers[indexOf(kind)].resize(std::size_t(module.factions.size()));
        const qsizetype count = module.records(kind).count();
        mLinks[indexOf(kind)].resize(std::size_t(count));
        mUsers[indexOf(kind)].resize(std::size_t(module.records(targetKind(kind)).count()));
        for (qsizetype k = 0; k < count; ++k)
            add(kind, k, read(module, kind, k));
    }
}

CrossReferences::Links CrossReferences::read(const Module &module, RecordKind kind, qsizetype k) const
{
    const RecordIndex &records = module.records(kind);
    Links links;
    switch (kind) {
    case RecordKind::Troop: {
        if (records.unplaced.contains(k))
            break;
        const auto decoded = decodeTroopLinks(module.troops.lines, records.line(k), module.troops.layout);
        if (decoded) {
            links = {decoded->faction, {decoded->upgradeA, decoded->upgradeB}, {}};
            for (const InventorySlot &slot : inventorySlots(module.troops.lines.line(records.line(k) + 1))) {
                if (slot.item > 0)
                    links.items.append(slot.item);
            }
            std::sort(links.items.begin(), links.items.end());
            links.items.erase(std::unique(links.items.begin(), links.items.end()), links.items.end());
        }
        break;
    }
    case RecordKind::PartyTemplate: {
        const auto decoded = templateLinks(module.partyTemplates.lines, records.line(k));
        if (decoded) {
            links.faction = decoded->faction;
            links.targets = QList<qsizetype>(decoded->troops.begin(), decoded->troops.end());
        }
        break;
    }
    case RecordKind::Party: {
        const auto decoded = decodeParty(module.parties.lines, records.line(k));
        if (decoded)
            links = {decoded->faction, {decoded->partyTemplate}, {}};
        break;
    }
    }
    // Troop 0 in an upgrade path or a member slot means none; -1 is nothing chosen. A
    // number beyond the list names a record that does not exist, and so nothing here.
    const qsizetype none = kind == RecordKind::Party ? -1 : 0;
    const qsizetype end = module.records(targetKind(kind)).count();
    links.targets.removeIf([none, end](qsizetype target) { return target <= none || target >= end; });
    std::sort(links.targets.begin(), links.targets.end());
    links.targets.erase(std::unique(links.targets.begin(), links.targets.end()), links.targets.end());
    return links;
}

void CrossReferences::add(RecordKind kind, qsizetype k, Links links)
{
    std::vector<QList<qsizetype>> &users = mUsers[indexOf(kind)];
    for (const qsizetype target : std::as_const(links.targets))
        insertSorted(users[std::size_t(target)], k);
    std::vector<QList<qsizetype>> &members = mFactionMembers[indexOf(kind)];
    if (links.faction >= 0 && std::size_t(links.faction) < members.size())
        insertSorted(members[std::size_t(links.faction)], k);
    for (const qint64 item : std::as_const(links.items)) {
        if (std::size_t(item) < mHolders.size())
            insertSorted(mHolders[std::size_t(item)], k);
    }
    mLinks[indexOf(kind)][std::size_t(k)] = std::move(links);
}

void CrossReferences::remove(RecordKind kind, qsizetype k)
{
    Links &links = mLinks[indexOf(kind)][std::size_t(k)];
    for (const qsizetype target : std::as_const(links.targets))
        removeSorted(mUsers[indexOf(kind)][std::size_t(target)], k);
    std::vector<QList<qsizetype>> &members = mFactionMembers[indexOf(kind)];
    if (links.faction >= 0 && std::size_t(links.faction) < members.size())
        removeSorted(members[std::size_t(links.faction)], k);
    for (const qint64 item : std::as_const(links.items)) {
        if (std::size_t(item) < mHolders.size())
            removeSorted(mHolders[std::size_t(item)], k);
    }
    links = Links{};
}

void CrossReferences::refresh(const Module &module, const ModuleChange &change)
{
    for (const RecordChange &record : change.records) {
        if (record.record < 0 || std::size_t(record.record) >= mLinks[indexOf(record.kind)].size())
            continue;
        remove(record.kind, record.record);
        add(record.kind, record.record, read(module, record.kind, record.record));
    }
}

const QList<qsizetype> &CrossReferences::users(RecordKind kind, qsizetype target) const
{
    return entry(mUsers[indexOf(kind)], target);
}

QList<qsizetype> CrossReferences::troopsHolding(qint64 item) const
{
    return entry(mHolders, item);
}

QList<qsizetype> CrossReferences::ofFaction(RecordKind kind, int faction) const
{
    return entry(mFactionMembers[indexOf(kind)], faction);
}

QList<qsizetype> CrossReferences::upgradesTo(qsizetype troop) const
{
    return users(RecordKind::Troop, troop);
}

QList<qsizetype> CrossReferences::templatesWith(qsizetype troop) const
{
    return users(RecordKind::PartyTemplate, troop);
}

QList<qsizetype> CrossReferences::partiesUsing(qsizetype partyTemplate) const
{
    return users(RecordKind::Party, partyTemplate);
}

QList<qsizetype> CrossReferences::partiesWith(qsizetype troop) const
{
    QList<qsizetype> parties;
    for (const qsizetype t : users(RecordKind::PartyTemplate, troop))
        parties += partiesUsing(t);
    std::sort(parties.begin(), parties.end());
    return parties;
}

FactionUse CrossReferences::factionUse(int faction) const
{
    return {ofFaction(RecordKind::Troop, faction).size(), ofFaction(RecordKind::PartyTemplate, faction).size(),
            ofFaction(RecordKind::Party, faction).size()};
}

} // namespace lancefall
