#include "references/replacement.h"

#include "troops/inventory_line.h"

#include <QMap>

namespace lancefall {

namespace {

QList<qsizetype> limited(const QList<qsizetype> &records, const std::optional<QList<qsizetype>> &only)
{
    if (!only)
        return records;
    QList<qsizetype> kept;
    for (const qsizetype k : records) {
        if (std::binary_search(only->begin(), only->end(), k))
            kept.append(k);
    }
    return kept;
}

QString upgradePath(int path)
{
    return path == 0 ? QStringLiteral("upgrade path A") : QStringLiteral("upgrade path B");
}

QString memberSlot(int slot)
{
    return QStringLiteral("member %1").arg(slot + 1);
}

const QString kFactionField = QStringLiteral("faction");
const QString kTemplateField = QStringLiteral("template");

} // namespace

QList<ReferencePlace> findReferences(const ModuleDocument &document, const CrossReferences &references,
                                     ReferenceKind kind, qint64 target, const RecordLimits &givenLimits)
{
    RecordLimits only = givenLimits;
    for (auto &records : only) {
        if (records)
            std::sort(records->begin(), records->end());
    }
    const auto of = [&](RecordKind k) -> const std::optional<QList<qsizetype>> & { return only[indexOf(k)]; };
    const Module &module = document.module();
    QList<ReferencePlace> places;
    switch (kind) {
    case ReferenceKind::Item:
        for (const qsizetype troop : limited(references.troopsHolding(target), of(RecordKind::Troop))) {
            const QByteArrayView line = module.troops.lines.line(module.troops.records.line(troop) + 1);
            for (const InventorySlot &slot : inventorySlots(line)) {
                if (slot.item == target)
                    places.append({RecordKind::Troop, troop, QStringLiteral("inventory slot %1").arg(slot.slot)});
            }
        }
        break;
    case ReferenceKind::Troop:
        for (const qsizetype troop : limited(references.upgradesTo(target), of(RecordKind::Troop))) {
            const Result<DecodedTroop> view = document.troopView(troop);
            if (!view)
                continue;
            for (const int path : {0, 1}) {
                if ((path == 0 ? view->view.upgradeA : view->view.upgradeB) == target)
                    places.append({RecordKind::Troop, troop, upgradePath(path)});
            }
        }
        for (const qsizetype group : limited(references.templatesWith(target), of(RecordKind::PartyTemplate))) {
            const Result<PartyTemplateView> view = document.templateView(group);
            for (int s = 0; view && s < kMemberSlots; ++s) {
                if (view->members[s].troop == target)
                    places.append({RecordKind::PartyTemplate, group, memberSlot(s)});
            }
        }
        break;
    case ReferenceKind::PartyTemplate:
        for (const qsizetype party : limited(references.partiesUsing(target), of(RecordKind::Party)))
            places.append({RecordKind::Party, party, kTemplateField});
        break;
    case ReferenceKind::Faction:
        for (const RecordKind records : kRecordKinds) {
            for (const qsizetype k : limited(references.ofFaction(records, int(target)), of(records)))
                places.append({records, k, kFactionField});
        }
        break;
    }
    return places;
}

Result<ModuleChange> replaceReferences(const ModuleDocument &document, ReferenceKind kind, qint64 target,
                                       qint64 replacement, const QList<ReferencePlace> &places)
{
    // Each record once, with every field of it that changes.
    QMap<std::pair<int, qsizetype>, QStringList> fields;
    for (const ReferencePlace &place : places)
        fields[{int(place.kind), place.record}].append(place.field);

    ModuleChange all;
    const int to = int(replacement);
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        const RecordKind recordKind = RecordKind(it.key().first);
        const qsizetype k = it.key().second;
        const QStringList &names = it.value();
        Result<ModuleChange> one = Error{ErrorCode::InvalidValue, QString()};
        switch (recordKind) {
        case RecordKind::Troop: {
            if (kind == ReferenceKind::Item) {
                const qsizetype first = document.module().troops.records.line(k);
                const QByteArrayView line = document.module().troops.lines.line(first + 1);
                one = document.linesChange(RecordKind::Troop, k,
                                           {{first + 1, withItemReplaced(line.toByteArray(), target, replacement)}});
                break;
            }
            const Result<DecodedTroop> stored = document.troopView(k);
            if (!stored) {
                one = stored.error();
                break;
            }
            TroopView view = stored->view;
            if (names.contains(kFactionField))
                view.faction = to;
            if (names.contains(upgradePath(0)))
                view.upgradeA = to;
            if (names.contains(upgradePath(1)))
                view.upgradeB = to;
            one = document.troopChange(k, view, &stored->view);
            break;
        }
        case RecordKind::PartyTemplate: {
            const Result<PartyTemplateView> stored = document.templateView(k);
            if (!stored) {
                one = stored.error();
                break;
            }
            PartyTemplateView view = *stored;
            if (names.contains(kFactionField))
                view.faction = to;
            for (int s = 0; s < kMemberSlots; ++s) {
                if (names.contains(memberSlot(s)))
                    view.members[s].troop = to;
            }
            one = document.templateChange(k, view);
            break;
        }
        case RecordKind::Party: {
            const Result<PartyView> stored = document.partyView(k);
            if (!stored) {
                one = stored.error();
                break;
            }
            PartyView view = *stored;
            if (names.contains(kFactionField))
                view.faction = to;
            if (names.contains(kTemplateField))
                view.partyTemplate = to;
            one = document.partyChange(k, view);
            break;
        }
        }
        if (!one) {
            Error error = one.error();
            error.description = document.recordName(recordKind, k) + QStringLiteral(": ") + error.description;
            return error;
        }
        all.append(*one);
    }
    all.text = QStringLiteral("Replace in %1").arg(all.records.size() == 1
                                                        ? all.records.value(0).id
                                                        : QStringLiteral("%1 records").arg(all.records.size()));
    return all;
}

} // namespace lancefall
