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
    // What a label is shown as, when not empty: a fixed entry shown in the language of
    // the interface.
    using Shown = std::function<QString(const QString &label)>;
    RecordListModel(Source source, QObject *parent, Shown shown = {});

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // The list was read anew.
    void reload();
    // These rows were relabelled (in any order).
    void relabelled(const QList<qsizetype> &rows);
    // The language changed: every row may show another text.
    void retranslated();

private:
    Source mSource;
    Shown mShown;
    int mRows = 0;
};

} // namespace lancefall
