#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace lancefall {

// The inventory line holds 64 slots, each an item number and an item modifier.
inline constexpr int kInventorySlots = 64;

inline const QString kTooManyItemsMessage
    = QStringLiteral("ERROR: you cannot have more than 64 items, please remove some!");

// One entry of a troop's inventory list.
struct InventoryEntry {
    // The item catalogue label ("3 - Short_Bow  (itm_short_bow)"); empty for an
    // empty slot.
    QString label;
    // The slot's modifier exactly as stored, written back unchanged; "0" for an
    // item added from the catalogue.
    QByteArray modifier = QByteArrayLiteral("0");

    friend bool operator==(const InventoryEntry &, const InventoryEntry &) = default;
};

// The inventory list being edited and its current (selected) position, -1 for none.
struct InventoryState {
    QList<InventoryEntry> entries;
    int current = -1;

    friend bool operator==(const InventoryState &, const InventoryState &) = default;
};

// The item number at the front of a catalogue label: the text before the first
// " - " (the whole text when there is none), read as a whole number. No value when
// that text is not a whole number, e.g. for the empty label of an empty slot.
std::optional<qint64> itemNumberOf(const QString &label);

// Appends the catalogue entry with modifier 0 and selects it. No count or duplicate
// check: the limit of 64 belongs to the update. An empty label (nothing chosen in an
// empty catalogue) appends an empty slot.
InventoryState addItem(InventoryState state, const QString &catalogueLabel);

// Removes the current entry and selects the last remaining one (none when the list
// became empty). Without a current entry nothing is removed.
InventoryState removeCurrent(InventoryState state);

// Moves the current entry one place towards the top, keeping it selected; nothing
// changes for the first entry or without a current entry.
InventoryState moveUp(InventoryState state);

// Moves the current entry one place towards the bottom, keeping it selected; nothing
// changes for the last entry or without a current entry.
InventoryState moveDown(InventoryState state);

} // namespace lancefall
