#include "ui/edit_tracker.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

namespace lancefall {

void EditTracker::watch(QWidget *view, const QList<QWidget *> &except)
{
    const auto edited = [this](const QObject *control) { return [this, control] { mEdited.insert(control); }; };
    // A control excepted takes its parts with it (the clear button of a field).
    const auto watched = [&except](const QWidget *control) {
        return !except.contains(control) && !except.contains(control->parentWidget());
    };
    for (QLineEdit *field : view->findChildren<QLineEdit *>()) {
        // Text typed into a drop-down only looks for an entry; its choice is the edit.
        if (watched(field) && !field->isReadOnly() && !qobject_cast<QComboBox *>(field->parentWidget()))
            connect(field, &QLineEdit::textEdited, this, edited(field));
    }
    for (QComboBox *chooser : view->findChildren<QComboBox *>()) {
        if (watched(chooser))
            connect(chooser, &QComboBox::activated, this, edited(chooser));
    }
    for (QAbstractButton *button : view->findChildren<QAbstractButton *>()) {
        if (watched(button))
            connect(button, &QAbstractButton::clicked, this, edited(button));
    }
}

} // namespace lancefall
