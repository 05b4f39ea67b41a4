#pragma once

#include "ui/services.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class QLineEdit;
class QWidget;

namespace lancefall {

// The four families of checks run when a text field of a view loses the focus.
enum class FieldRule {
    Skill,    // a skill level 0..10; empty becomes "0", anything else is refused with a message
    ZeroFill, // counts and attributes: empty becomes "0"
    FaceCode, // face codes: empty becomes "0x" and 64 zeros
    NoBlanks, // identifiers and names: every blank becomes "_"
};

// Where the text of a field came from: typed by the user, or put there by the view
// when it showed a record and left alone since.
enum class TextSource { Typed, Shown };

// What a field holds after the check, and whether its value is refused.
struct FieldCheck {
    QString text;
    bool rejected = false;
};

// The tidied text of a field and the verdict on it, without any widget.
//
// A skill value is plain decimal number text: an optional sign, digits with an optional
// fraction ("5.5"), between 0 and 10 inclusive. Blanks (also around the number), a decimal
// comma, exponents and other digit sets are refused: the text goes into the troop's
// skills line as typed, where a blank would split the line's fields.
// A stored level above 10 is shown by the troop view as a single letter B..F; such a
// letter is accepted while it is still the shown text, so that passing through the field
// neither traps the focus nor forces the user to overwrite the stored level.
FieldCheck checkField(FieldRule rule, const QString &text, TextSource source = TextSource::Typed);

// Runs the rules on line edits when they lose the focus. The tidying (a "0" for an
// empty field, "_" for blanks) happens at once, so that a button pressed to leave the
// field already sees the tidied text. A refused skill value stays as typed; the message
// and the return of the focus follow once the focus change has finished.
//
// Focus lost to a pop-up (a drop-down opening) or to another window (a message box, another
// program) runs no rule: the user has not left the field. While the focus goes back to a
// refused field, the field it is taken from is tidied but not refused, so two fields holding
// refused values cannot pull the focus back and forth.
class FieldValidator : public QObject {
    Q_OBJECT
public:
    FieldValidator(MessageService &messages, QWidget *owner, QObject *parent = nullptr);

    // Attaches a rule to a field; attaching again replaces its rule.
    void attach(QLineEdit *field, FieldRule rule);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fieldLeft(QLineEdit *field, FieldRule rule);
    void complain(const QPointer<QLineEdit> &field, FieldRule rule);

    MessageService &mMessages;
    QPointer<QWidget> mOwner;
    QHash<QLineEdit *, FieldRule> mRules;
    // A refusal is waiting for its message; further ones are not queued meanwhile.
    bool mComplaintPending = false;
    // The message is open or the focus is being handed back: focus-outs now are ours.
    bool mComplaining = false;
};

} // namespace lancefall
