#include "ui/record_filter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>

namespace lancefall {

RecordFilter::RecordFilter(QLineEdit *field, QListView *list) : QObject(field), mField(field), mList(list)
{
    connect(field, &QLineEdit::textChanged, this, &RecordFilter::apply);
    // A new module refills the list: its rows are all shown again, then filtered.
    connect(list->model(), &QAbstractItemModel::modelReset, this, [this] {
        mHiding = false; // the list shows every row again
        apply();
    });
    field->installEventFilter(this);
}

bool RecordFilter::matches(int row) const
{
    return mText.isEmpty() || mList->model()->index(row, 0).data().toString().contains(mText, Qt::CaseInsensitive);
}

void RecordFilter::apply()
{
    mText = mField->text().trimmed();
    // A list refilled without a filter has nothing to show again.
    if (mText.isEmpty() && !mHiding)
        return;
    const int rows = mList->model()->rowCount();
    for (int row = 0; row < rows; ++row)
        mList->setRowHidden(row, !matches(row));
    mHiding = !mText.isEmpty();
    if (mList->currentIndex().isValid() && !mList->isRowHidden(mList->currentIndex().row()))
        mList->scrollTo(mList->currentIndex());
}

void RecordFilter::reveal(int k)
{
    if (mList->isRowHidden(k))
        mField->clear();
}

bool RecordFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mField && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier && !mField->text().isEmpty()) {
            mField->clear();
            return true;
        }
        if (key->key() == Qt::Key_Down && key->modifiers() == Qt::NoModifier) {
            mList->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lancefall
