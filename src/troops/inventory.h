#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace lancefall {

// The inventory line holds 64 slots, each an item number and an item modifier.
inline constexpr int kInventorySlots = 64;

// The refusal of an inventory of more than 64 items.
QString tooManyItemsMessage();

// One entry of a troop's inventory list: the item number (-1 for an empty slot) and
// the modifier as stored, written back unchanged ("0" for an item added from the
// catalogue). The label is the catalogue entry, only for display.
struct InventoryEntry {
    qint64 item = -1;
    QByteArray modifier = QByteArrayLiteral("0");
    QString label;

    friend bool operator==(const InventoryEntry &a, const InventoryEntry &b)
    {
        return a.item == b.item && a.modifier == b.modifier;
    }
};

// The item modifier a stored modifier field holds: the inventory line keeps the modifier
// number in the top byte of a 32-bit word (modifier 29 is stored as 29 x 2^24). A stored
// value with other bits set is no plain modifier and is given as it is stored; so is a
// field that is not a number. "0" for no modifier.
QString modifierText(const QByteArray &stored);

// The inventory list being edited and its current (selected) position, -1 for none.
struct InventoryState {
    QList<InventoryEntry> entries;
    int current = -1;
};

// Appends item number `item` (-1 for nothing chosen in an empty catalogue, an empty
// slot) with modifier 0 and selects it. No count or duplicate check: the limit of 64
// belongs to the update.
InventoryState addItem(InventoryState state, qint64 item, const QString &label);

// Removes the current entry and selects the last remaining one (none when the list
// became empty). Without a current entry nothing is removed.
InventoryState removeCurrent(InventoryState state);

// Moves the current entry one place towards the top (or the bottom), keeping it
// selected; nothing changes at the end it moves towards or without a current entry.
InventoryState moveUp(InventoryState state);
InventoryState moveDown(InventoryState state);

} // namespace lancefall
