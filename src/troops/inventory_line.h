#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace lancefall {

// One slot of an inventory line as stored: the item number and the modifier, and where the
// item field stands in the line.
struct InventorySlot {
    int slot = 0; // 1 for the first pair of the line
    qint64 item = -1;
    QByteArrayView modifier;
    qsizetype itemStart = 0, itemSize = 0;
};

// The slots of an inventory line: its fields that are not empty, taken in pairs of item and
// modifier, as the troop view reads them. Slots whose item is not a number are left out.
QList<InventorySlot> inventorySlots(QByteArrayView line);

// The line with every slot that holds item `what` holding item `with` instead: its modifier,
// the other slots and the blanks between them stay as they are.
QByteArray withItemReplaced(const QByteArray &line, qint64 what, qint64 with);

} // namespace lancefall
