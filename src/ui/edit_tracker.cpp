#include "ui/edit_tracker.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

namespace lancefall {

void EditTracker::watch(QWidget *view, const QList<QWidget *> &except)
{
    const auto edited = [this, view] { mEdited = view; };
    for (QLineEdit *field : view->findChildren<QLineEdit *>()) {
        // Text typed into a drop-down only looks for an entry; its choice is the edit.
        if (!except.contains(field) && !field->isReadOnly() && !qobject_cast<QComboBox *>(field->parentWidget()))
            connect(field, &QLineEdit::textEdited, this, edited);
    }
    for (QComboBox *chooser : view->findChildren<QComboBox *>()) {
        if (!except.contains(chooser))
            connect(chooser, &QComboBox::activated, this, edited);
    }
    for (QAbstractButton *button : view->findChildren<QAbstractButton *>()) {
        if (!except.contains(button))
            connect(button, &QAbstractButton::clicked, this, edited);
    }
}

} // namespace lancefall
