#pragma once

#include <QAbstractListModel>
#include <QStringList>

#include <functional>

namespace lancefall {

// A list of the module (the labels of a record list, the items, the factions) as a model,
// read from where the document keeps it rather than copied. Every control that shows the
// list shares one such model: a load resets it, a change relabels its rows.
class RecordListModel : public QAbstractListModel {
    Q_OBJECT

public:
    using Source = std::function<const QStringList &()>;
    RecordListModel(Source source, QObject *parent);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // The list was read anew.
    void reload();
    // These rows were relabelled (in any order).
    void relabelled(const QList<qsizetype> &rows);

private:
    Source mSource;
    int mRows = 0;
};

} // namespace lancefall
