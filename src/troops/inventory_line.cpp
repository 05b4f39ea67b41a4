#include "troops/inventory_line.h"

#include "fields/field_rules.h"

namespace lancefall {

QList<InventorySlot> inventorySlots(QByteArrayView line)
{
    QList<InventorySlot> found;
    InventorySlot pending;
    bool haveItem = false;
    int slot = 0;
    for (qsizetype start = 0; start <= line.size();) {
        qsizetype blank = line.indexOf(' ', start);
        if (blank < 0)
            blank = line.size();
        const QByteArrayView field = line.sliced(start, blank - start);
        const qsizetype at = start;
        start = blank + 1;
        if (field.isEmpty())
            continue;
        if (!haveItem) {
            pending = InventorySlot{++slot, parseWholeNumber(field).value_or(-1), {}, at, field.size()};
            haveItem = true;
            continue;
        }
        pending.modifier = field;
        found.append(pending);
        haveItem = false;
    }
    // A last item without its modifier counts with modifier 0, as the view reads it.
    if (haveItem)
        found.append(pending);
    return found;
}

QByteArray withItemReplaced(const QByteArray &line, qint64 what, qint64 with)
{
    QByteArray out = line;
    const QByteArray replacement = QByteArray::number(with);
    const QList<InventorySlot> found = inventorySlots(line);
    // From the end, so that the places of the found before stay true.
    for (auto slot = found.crbegin(); slot != found.crend(); ++slot) {
        if (slot->item == what)
            out.replace(slot->itemStart, slot->itemSize, replacement);
    }
    return out;
}

} // namespace lancefall
