#pragma once

#include <QObject>

#include <optional>

class QAbstractItemModel;
class QComboBox;
class QConcatenateTablesProxyModel;
class QStringListModel;

namespace lancefall {

// A chooser of a troop, template or faction that also shows a stored reference to an entry
// the module does not hold: the stored number becomes an entry of its own after the list,
// "9999 - (missing)", highlighted while it is chosen. The number it names stays the stored
// one until the user chooses an entry of the list, so that an Update keeps the reference.
// The list itself stays the shared model; only the extra entry is the chooser's own.
class ReferenceChooser : public QObject {
    Q_OBJECT

public:
    ReferenceChooser(QComboBox *chooser, QAbstractItemModel *entries);

    QComboBox *chooser() const { return mChooser; }
    // Shows list position `position`, or the missing entry for a position beyond the list;
    // none for -1 or for the values of a selection that differ.
    void show(std::optional<int> position);
    // The position the chooser names: an entry of the list, the stored number while the
    // missing entry is chosen, -1 for none.
    int position() const;
    bool showsMissing() const;
    // The missing entry's words and tip, in the language of the interface.
    void retranslate();

private:
    void highlight();

    QComboBox *mChooser;
    QAbstractItemModel *mEntries;
    QStringListModel *mMissing;
    QConcatenateTablesProxyModel *mShown;
    int mMissingNumber = -1;
};

} // namespace lancefall
