#pragma once

#include <QList>
#include <QObject>
#include <QSet>

class QWidget;

namespace lancefall {

// Notes which controls of a view the user changed since the view showed or applied its
// record (or records).
// Only what the user does counts: typing in a field (textEdited), a choice in a
// drop-down (activated), a click on a check box, an option or a button (the inventory
// edits). What the window itself puts into the controls emits none of these, so
// showing a record, moving through records or tidying a field is no edit.
class EditTracker : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Watches every text field, drop-down and button inside view but those in `except`
    // (controls that choose rather than edit, such as the item to add).
    void watch(QWidget *view, const QList<QWidget *> &except = {});
    bool isEdited() const { return !mEdited.isEmpty(); }
    // Whether the user changed this control.
    bool edited(const QObject *control) const { return mEdited.contains(control); }
    void reset() { mEdited.clear(); }

private:
    QSet<const QObject *> mEdited;
};

} // namespace lancefall
