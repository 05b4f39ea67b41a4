#include "troops/inventory.h"

#include "fields/field_rules.h"

#include <QCoreApplication>

namespace lancefall {

namespace {

bool hasCurrent(const InventoryState &state)
{
    return state.current >= 0 && state.current < state.entries.size();
}

} // namespace

QString tooManyItemsMessage()
{
    return QCoreApplication::translate("Troops", "ERROR: you cannot have more than 64 items, please remove some!");
}

QString modifierText(const QByteArray &stored)
{
    constexpr qint64 kModifierUnit = qint64(1) << 24;
    const std::optional<qint64> value = parseWholeNumber(QByteArrayView(stored));
    if (value && *value > 0 && *value % kModifierUnit == 0)
        return QString::number(*value / kModifierUnit);
    return QString::fromLatin1(stored);
}

InventoryState addItem(InventoryState state, qint64 item, const QString &label)
{
    state.entries.append(InventoryEntry{item, QByteArrayLiteral("0"), label});
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
