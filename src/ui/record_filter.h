#pragma once

#include <QObject>

class QLineEdit;
class QListView;

namespace lancefall {

// A filter field over a record list: only the entries whose text (number, name and
// identifier) contains the typed text, in any case, stay in sight. Rows are hidden, never
// filtered through a proxy model, so that row k of the list stays record k for every
// handler. Hiding a row keeps the selection: the record shown stays selected. Rows are
// hidden or shown again only when the filter text changes or the list is refilled, so an
// update never takes the record it changed out of sight. Escape in the field clears it;
// Down moves to the list.
class RecordFilter : public QObject {
    Q_OBJECT

public:
    RecordFilter(QLineEdit *field, QListView *list);

    QLineEdit *field() const { return mField; }
    // Clears the filter when it hides row k, so that the record can be selected.
    void reveal(int k);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply();
    bool matches(int row) const;

    QLineEdit *mField;
    QListView *mList;
    QString mText;
    bool mHiding = false; // rows may be hidden
};

} // namespace lancefall
