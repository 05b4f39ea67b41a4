#include "references/cross_references.h"

#include <algorithm>

namespace lancefall {

namespace {

std::size_t slot(ModuleFile file)
{
    return std::size_t(std::find(kEditedFiles.begin(), kEditedFiles.end(), file) - kEditedFiles.begin());
}

// The file whose records a file's records point to: troops and templates name troops,
// parties name templates.
ModuleFile targetFile(ModuleFile file)
{
    return file == ModuleFile::Parties ? ModuleFile::PartyTemplates : ModuleFile::Troops;
}

qsizetype &countOf(FactionUse &use, ModuleFile file)
{
    switch (file) {
    case ModuleFile::PartyTemplates:
        return use.templates;
    case ModuleFile::Parties:
        return use.parties;
    default:
        return use.troops;
    }
}

} // namespace

CrossReferences::CrossReferences(const Module &module)
{
    mFactions.resize(std::size_t(module.factions.size()));
    for (const ModuleFile file : kEditedFiles) {
        const qsizetype count = module.records(file).count();
        mLinks[slot(file)].resize(std::size_t(count));
        mUsers[slot(file)].resize(std::size_t(module.records(targetFile(file)).count()));
        for (qsizetype k = 0; k < count; ++k)
            add(file, k, read(module, file, k));
    }
}

CrossReferences::Links CrossReferences::read(const Module &module, ModuleFile file, qsizetype k) const
{
    const int factions = int(module.factions.size());
    const int troops = int(module.records(ModuleFile::Troops).count());
    const RecordIndex &records = module.records(file);
    Links links;
    switch (file) {
    case ModuleFile::Troops: {
        if (records.unplaced.contains(k))
            break;
        const auto decoded = decodeTroopLinks(module.troops.lines, records.line(k), module.troops.layout,
                                              TroopLists{module.items, factions, troops});
        if (decoded)
            links = {decoded->faction, {decoded->upgradeA, decoded->upgradeB}};
        break;
    }
    case ModuleFile::PartyTemplates: {
        const auto decoded = templateLinks(module.partyTemplates.lines, records.line(k), factions, troops);
        if (decoded) {
            links.faction = decoded->faction;
            links.targets = QList<qsizetype>(decoded->troops.begin(), decoded->troops.end());
        }
        break;
    }
    default: {
        const auto decoded = decodeParty(module.parties.lines, records.line(k),
                                         int(module.records(ModuleFile::PartyTemplates).count()), factions);
        if (decoded)
            links = {decoded->faction, {decoded->partyTemplate}};
        break;
    }
    }
    // Troop 0 in an upgrade path or a member slot means none; -1 is nothing chosen.
    const qsizetype none = file == ModuleFile::Parties ? -1 : 0;
    links.targets.removeIf([none](qsizetype target) { return target <= none; });
    std::sort(links.targets.begin(), links.targets.end());
    links.targets.erase(std::unique(links.targets.begin(), links.targets.end()), links.targets.end());
    return links;
}

void CrossReferences::add(ModuleFile file, qsizetype k, Links links)
{
    std::vector<QList<qsizetype>> &users = mUsers[slot(file)];
    for (const qsizetype target : std::as_const(links.targets)) {
        QList<qsizetype> &list = users[std::size_t(target)];
        list.insert(std::lower_bound(list.begin(), list.end(), k), k);
    }
    if (links.faction >= 0 && std::size_t(links.faction) < mFactions.size())
        ++countOf(mFactions[std::size_t(links.faction)], file);
    mLinks[slot(file)][std::size_t(k)] = std::move(links);
}

void CrossReferences::remove(ModuleFile file, qsizetype k)
{
    Links &links = mLinks[slot(file)][std::size_t(k)];
    for (const qsizetype target : std::as_const(links.targets))
        mUsers[slot(file)][std::size_t(target)].removeOne(k);
    if (links.faction >= 0 && std::size_t(links.faction) < mFactions.size())
        --countOf(mFactions[std::size_t(links.faction)], file);
    links = Links{};
}

void CrossReferences::refresh(const Module &module, const RecordUpdate &update)
{
    if (update.record < 0 || std::size_t(update.record) >= mLinks[slot(update.file)].size())
        return;
    remove(update.file, update.record);
    add(update.file, update.record, read(module, update.file, update.record));
}

const QList<qsizetype> &CrossReferences::users(ModuleFile file, qsizetype target) const
{
    static const QList<qsizetype> none;
    const std::vector<QList<qsizetype>> &users = mUsers[slot(file)];
    if (target < 0 || std::size_t(target) >= users.size())
        return none;
    return users[std::size_t(target)];
}

QList<qsizetype> CrossReferences::upgradesTo(qsizetype troop) const
{
    return users(ModuleFile::Troops, troop);
}

QList<qsizetype> CrossReferences::templatesWith(qsizetype troop) const
{
    return users(ModuleFile::PartyTemplates, troop);
}

QList<qsizetype> CrossReferences::partiesUsing(qsizetype partyTemplate) const
{
    return users(ModuleFile::Parties, partyTemplate);
}

QList<qsizetype> CrossReferences::partiesWith(qsizetype troop) const
{
    QList<qsizetype> parties;
    for (const qsizetype t : users(ModuleFile::PartyTemplates, troop))
        parties += partiesUsing(t);
    std::sort(parties.begin(), parties.end());
    return parties;
}

FactionUse CrossReferences::factionUse(int faction) const
{
    if (faction < 0 || std::size_t(faction) >= mFactions.size())
        return {};
    return mFactions[std::size_t(faction)];
}

} // namespace lancefall
