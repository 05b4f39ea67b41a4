#pragma once

#include "references/cross_references.h"

#include <array>
#include <optional>

namespace lancefall {

// What a replacement replaces everywhere it is named.
enum class ReferenceKind { Item, Troop, PartyTemplate, Faction };
inline constexpr int kReferenceKindCount = 4;

// The fields that name a reference.
enum class ReferenceField { InventorySlot, UpgradePathA, UpgradePathB, MemberSlot, Template, Faction };

// One place that names a reference: a field of a record. A replacement finds the field by
// `where` and `slot`; `field` only names it, in the language of the search.
struct ReferencePlace {
    RecordKind kind = RecordKind::Troop;
    qsizetype record = -1;
    ReferenceField where = ReferenceField::Faction;
    int slot = 0;  // the inventory slot (from 1) or the member slot (from 0); 0 for the other fields
    QString field; // "inventory slot 4", "upgrade path A", "member 2", "template", "faction"

    friend bool operator==(const ReferencePlace &, const ReferencePlace &) = default;
};

// The records a search is limited to, by RecordKind; none for a kind means all its records.
using RecordLimits = std::array<std::optional<QList<qsizetype>>, kEditedFileCount>;

// Every place that names `target`, in record order: an item number (1 for the catalogue's
// first entry) in inventories; a troop in upgrade paths and template member slots; a party
// template in parties; a faction number in troops, templates and parties. Found through the
// cross-reference index, so that a reference used a thousand times is found at once.
QList<ReferencePlace> findReferences(const ModuleDocument &document, const CrossReferences &references,
                                     ReferenceKind kind, qint64 target, const RecordLimits &only = {});

// The change that makes every one of `places` name `replacement` instead of `target`, one
// change of every record concerned. An item keeps its modifier and its slot; a troop
// replaced by troop 0 empties the upgrade path or member slot. Every record is checked as
// an Update of it would be.
Result<ModuleChange> replaceReferences(const ModuleDocument &document, ReferenceKind kind, qint64 target,
                                       qint64 replacement, const QList<ReferencePlace> &places);

} // namespace lancefall
