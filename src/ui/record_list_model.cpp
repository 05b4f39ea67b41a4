#include "ui/record_list_model.h"

#include <algorithm>

namespace lancefall {

RecordListModel::RecordListModel(Source source, QObject *parent, Shown shown)
    : QAbstractListModel(parent)
    , mSource(std::move(source))
    , mShown(std::move(shown))
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
    const QString label = mSource().value(index.row());
    if (mShown) {
        const QString shown = mShown(label);
        if (!shown.isEmpty())
            return shown;
    }
    return label;
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

void RecordListModel::retranslated()
{
    if (mRows > 0)
        emit dataChanged(index(0), index(mRows - 1), {Qt::DisplayRole, Qt::EditRole});
}

} // namespace lancefall
