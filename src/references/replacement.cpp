#include "references/replacement.h"

#include "troops/inventory_line.h"

#include <QCoreApplication>
#include <QMap>

#include <algorithm>

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

// The texts of this file, translated in the context "References".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(References)
};

ReferencePlace inventorySlot(qsizetype troop, int slot)
{
    return {RecordKind::Troop, troop, ReferenceField::InventorySlot, slot, Text::tr("inventory slot %1").arg(slot)};
}

ReferencePlace upgradePath(qsizetype troop, int path)
{
    if (path == 0)
        return {RecordKind::Troop, troop, ReferenceField::UpgradePathA, 0, Text::tr("upgrade path A")};
    return {RecordKind::Troop, troop, ReferenceField::UpgradePathB, 0, Text::tr("upgrade path B")};
}

ReferencePlace memberSlot(qsizetype group, int slot)
{
    return {RecordKind::PartyTemplate, group, ReferenceField::MemberSlot, slot, Text::tr("member %1").arg(slot + 1)};
}

ReferencePlace templateOf(qsizetype party)
{
    return {RecordKind::Party, party, ReferenceField::Template, 0, Text::tr("template")};
}

ReferencePlace factionOf(RecordKind kind, qsizetype k)
{
    return {kind, k, ReferenceField::Faction, 0, Text::tr("faction")};
}

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
                    places.append(inventorySlot(troop, slot.slot));
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
                    places.append(upgradePath(troop, path));
            }
        }
        for (const qsizetype group : limited(references.templatesWith(target), of(RecordKind::PartyTemplate))) {
            const Result<PartyTemplateView> view = document.templateView(group);
            for (int s = 0; view && s < kMemberSlots; ++s) {
                if (view->members[s].troop == target)
                    places.append(memberSlot(group, s));
            }
        }
        break;
    case ReferenceKind::PartyTemplate:
        for (const qsizetype party : limited(references.partiesUsing(target), of(RecordKind::Party)))
            places.append(templateOf(party));
        break;
    case ReferenceKind::Faction:
        for (const RecordKind records : kRecordKinds) {
            for (const qsizetype k : limited(references.ofFaction(records, int(target)), of(records)))
                places.append(factionOf(records, k));
        }
        break;
    }
    return places;
}

Result<ModuleChange> replaceReferences(const ModuleDocument &document, ReferenceKind kind, qint64 target,
                                       qint64 replacement, const QList<ReferencePlace> &places)
{
    // Each record once, with every field of it that changes.
    QMap<std::pair<int, qsizetype>, QList<ReferencePlace>> fields;
    for (const ReferencePlace &place : places)
        fields[{int(place.kind), place.record}].append(place);

    ModuleChange all;
    const int to = int(replacement);
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        const RecordKind recordKind = RecordKind(it.key().first);
        const qsizetype k = it.key().second;
        const QList<ReferencePlace> &named = it.value();
        const auto names = [&](ReferenceField where, int slot = 0) {
            return std::any_of(named.begin(), named.end(),
                               [&](const ReferencePlace &p) { return p.where == where && p.slot == slot; });
        };
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
            if (names(ReferenceField::Faction))
                view.faction = to;
            if (names(ReferenceField::UpgradePathA))
                view.upgradeA = to;
            if (names(ReferenceField::UpgradePathB))
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
            if (names(ReferenceField::Faction))
                view.faction = to;
            for (int s = 0; s < kMemberSlots; ++s) {
                if (names(ReferenceField::MemberSlot, s))
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
            if (names(ReferenceField::Faction))
                view.faction = to;
            if (names(ReferenceField::Template))
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
    all.text
        = Text::tr("Replace in %1")
              .arg(all.records.size() == 1 ? all.records.value(0).id : Text::tr("%1 records").arg(all.records.size()));
    return all;
}

} // namespace lancefall
