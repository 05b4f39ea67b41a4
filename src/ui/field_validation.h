#pragma once

#include "fields/field_rules.h"
#include "ui/services.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class QLineEdit;
class QWidget;

namespace lancefall {

// Runs the field rules on line edits when they lose the focus. The tidying (a "0" for
// an empty field, "_" for blanks) happens at once, so that a button pressed to leave
// the field already sees the tidied text. A refused value stays as typed; its message
// and the return of the focus follow once the focus change has finished.
//
// A field shows a record's value until the user edits it: a value that was shown and
// not edited is never refused. Focus lost to a pop-up (a drop-down opening) or to
// another window (a message box, another program) runs no rule: the user has not left
// the field. While the focus goes back to a refused field, the field it is taken from
// is tidied but not refused, so two fields holding refused values cannot pull the focus
// back and forth.
class FieldValidator : public QObject {
    Q_OBJECT
public:
    FieldValidator(MessageService &messages, QWidget *owner, QObject *parent = nullptr);

    // Attaches a rule to a field; `name` names it in the message of a refused number.
    void attach(QLineEdit *field, FieldRule rule, const QString &name = {});

    // A refused value was left and its message is still to come.
    bool complaintPending() const { return mComplaintPending; }

    // The fields inside view show several records at once (or one again): a number field
    // then also takes "+N", "-N" and "*X", and a field the user did not type into is left
    // as it is (empty where the records' values differ).
    void setSeveralRecords(QWidget *view, bool several);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Rule {
        FieldRule rule;
        QString name;
        bool several = false;
    };
    FieldCheck check(const QLineEdit *field, const Rule &rule) const;
    void fieldLeft(QLineEdit *field, const Rule &rule);
    void complain(const QPointer<QLineEdit> &field);

    MessageService &mMessages;
    QPointer<QWidget> mOwner;
    QHash<QLineEdit *, Rule> mRules;
    bool mComplaintPending = false;
    // The message is open or the focus is being handed back: focus-outs now are ours.
    bool mComplaining = false;
};

} // namespace lancefall
