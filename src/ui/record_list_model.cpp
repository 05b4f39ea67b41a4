#include "ui/record_list_model.h"

#include <algorithm>

namespace lancefall {

RecordListModel::RecordListModel(Source source, QObject *parent)
    : QAbstractListModel(parent)
    , mSource(std::move(source))
{
}

int RecordListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : mRows;
}

QVariant RecordListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return mSource().value(index.row());
}

void RecordListModel::reload()
{
    beginResetModel();
    mRows = int(mSource().size());
    endResetModel();
}

void RecordListModel::relabelled(const QList<qsizetype> &rows)
{
    if (rows.isEmpty())
        return;
    // One signal for the span of the rows: a change of a thousand records relabels its
    // lists in one step, not row by row.
    const auto [low, high] = std::minmax_element(rows.begin(), rows.end());
    emit dataChanged(index(int(*low)), index(int(*high)), {Qt::DisplayRole, Qt::EditRole});
}

} // namespace lancefall
