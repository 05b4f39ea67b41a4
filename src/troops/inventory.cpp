#include "troops/inventory.h"

#include "lines/line_table.h"

namespace lancefall {

namespace {

bool hasCurrent(const InventoryState &state)
{
    return state.current >= 0 && state.current < state.entries.size();
}

} // namespace

std::optional<qint64> itemNumberOf(const QString &label)
{
    const qsizetype separator = label.indexOf(QStringLiteral(" - "));
    const QString number = separator < 0 ? label : label.left(separator);
    qint64 value = 0;
    // Characters outside Latin-1 become '?', which no number contains.
    if (!parseInteger(number.toLatin1(), &value))
        return std::nullopt;
    return value;
}

InventoryState addItem(InventoryState state, const QString &catalogueLabel)
{
    state.entries.append(InventoryEntry{catalogueLabel, QByteArrayLiteral("0")});
    state.current = static_cast<int>(state.entries.size() - 1);
    return state;
}

InventoryState removeCurrent(InventoryState state)
{
    if (!hasCurrent(state))
        return state;
    state.entries.removeAt(state.current);
    state.current = static_cast<int>(state.entries.size() - 1);
    return state;
}

InventoryState moveUp(InventoryState state)
{
    if (!hasCurrent(state) || state.current == 0)
        return state;
    state.entries.swapItemsAt(state.current - 1, state.current);
    --state.current;
    return state;
}

InventoryState moveDown(InventoryState state)
{
    if (!hasCurrent(state) || state.current == state.entries.size() - 1)
        return state;
    state.entries.swapItemsAt(state.current, state.current + 1);
    ++state.current;
    return state;
}

} // namespace lancefall
