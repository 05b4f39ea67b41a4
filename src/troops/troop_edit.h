#pragma once

#include "lines/error.h"
#include "troops/troop_record.h"

#include <array>
#include <optional>

namespace lancefall {

// One change of the inventory made in the view of several troops: an item appended to each
// troop, or the first occurrence of an item taken out of each.
struct InventoryChange {
    bool add = true;
    InventoryEntry entry;
};

// What the user changed in the troop view while several troops were selected: each field
// that holds a value was changed and is written to every troop; the rest of each troop
// stays its own. Number fields hold what was typed: a whole number for every troop, or
// "+N", "-N", "*X" to change each troop's own value (see NumberEdit).
struct TroopEdit {
    std::optional<QString> name1, name2;
    std::optional<int> faction, upgradeA, upgradeB, race;
    std::array<std::optional<bool>, kTroopFlagCount> flags;
    std::array<std::optional<QString>, kAttributeCount> attributes;
    std::array<std::optional<QString>, kProficiencyCount> proficiencies;
    std::array<std::optional<QString>, kSkillCount> skills;
    std::optional<QString> face1, face2;
    QList<InventoryChange> inventory; // in the order the user made them
};

// The view of one troop with the edit made to it; `record` names the troop in messages.
// Refuses a number the field cannot hold and an inventory of more than 64 items, naming
// the troop and the field.
Result<TroopView> editedTroop(const TroopView &view, const TroopEdit &edit, const QString &record);

} // namespace lancefall
