#include "troops/troop_edit.h"

#include "fields/number_edit.h"

#include <QCoreApplication>

namespace lancefall {

namespace {

template <typename T>
void set(T &field, const std::optional<T> &value)
{
    if (value)
        field = *value;
}

} // namespace

Result<TroopView> editedTroop(const TroopView &view, const TroopEdit &edit, const QString &record)
{
    TroopView out = view;
    set(out.name1, edit.name1);
    set(out.name2, edit.name2);
    set(out.faction, edit.faction);
    set(out.upgradeA, edit.upgradeA);
    set(out.upgradeB, edit.upgradeB);
    set(out.race, edit.race);
    for (int f = 0; f < kTroopFlagCount; ++f)
        set(out.flags[f], edit.flags[f]);
    set(out.face1, edit.face1);
    set(out.face2, edit.face2);
    for (int i = 0; i < kAttributeCount; ++i) {
        const Status done
            = applyNumberEdit(out.attributes[i], edit.attributes[i], NumberRange::Count, attributeName(i), record);
        if (!done)
            return done.error();
    }
    for (int i = 0; i < kProficiencyCount; ++i) {
        const Status done = applyNumberEdit(out.proficiencies[i], edit.proficiencies[i], NumberRange::Count,
                                            proficiencyName(i), record);
        if (!done)
            return done.error();
    }
    for (int s = 0; s < kSkillCount; ++s) {
        const Status done
            = applyNumberEdit(out.skills[s], edit.skills[s], NumberRange::Skill, skillName(Skill(s)), record);
        if (!done)
            return done.error();
    }
    for (const InventoryChange &change : edit.inventory) {
        if (change.add) {
            out.inventory.append(change.entry);
            continue;
        }
        const auto held = std::find_if(out.inventory.begin(), out.inventory.end(),
                                       [&](const InventoryEntry &e) { return e.item == change.entry.item; });
        if (held != out.inventory.end())
            out.inventory.erase(held);
    }
    if (out.inventory.size() > kInventorySlots && out.inventory != view.inventory)
        return Error{ErrorCode::TooManyItems,
                     QCoreApplication::translate("Troops", "%1 would hold %2 items; an inventory holds at most %3")
                         .arg(record, QString::number(out.inventory.size()), QString::number(kInventorySlots))};
    return out;
}

} // namespace lancefall
