#include "ui/field_validation.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTimer>

namespace lancefall {

namespace {

using namespace Qt::StringLiterals;

// The text a face field gets back when it is emptied: a face word of zero.
const QString &emptyFaceCode()
{
    static const QString code = u"0x"_s + QString(64, u'0');
    return code;
}

// Decides 0 <= value <= 10 on the digits themselves, so that long fractions such as
// "10.0000000000000000001" are not rounded into the range.
bool isSkillLevel(const QString &text)
{
    static const QRegularExpression number(QRegularExpression::anchoredPattern(uR"(([+-]?)([0-9]*)(?:\.([0-9]*))?)"_s));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return false;
    QString whole = match.captured(2);
    QString fraction = match.captured(3);
    if (whole.isEmpty() && fraction.isEmpty())
        return false; // a sign or a point without a digit
    while (whole.startsWith(u'0'))
        whole.remove(0, 1);
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    const bool zero = whole.isEmpty() && fraction.isEmpty();
    if (match.captured(1) == u"-"_s)
        return zero;
    if (whole.size() > 2)
        return false;
    const int wholeValue = whole.isEmpty() ? 0 : whole.toInt();
    return wholeValue < 10 || (wholeValue == 10 && fraction.isEmpty());
}

// The troop view shows a stored level above 10 as its hexadecimal digit.
bool isShownHighLevel(const QString &text)
{
    if (text.size() != 1)
        return false;
    const QChar digit = text.front().toUpper();
    return digit >= u'B' && digit <= u'F';
}

} // namespace

FieldCheck checkField(FieldRule rule, const QString &text, TextSource source)
{
    switch (rule) {
    case FieldRule::Skill:
        if (text.isEmpty())
            return {u"0"_s, false};
        if (source == TextSource::Shown && isShownHighLevel(text))
            return {text, false};
        return {text, !isSkillLevel(text)};
    case FieldRule::ZeroFill:
        return {text.isEmpty() ? u"0"_s : text, false};
    case FieldRule::FaceCode:
        return {text.isEmpty() ? emptyFaceCode() : text, false};
    case FieldRule::NoBlanks: {
        QString tidied = text;
        tidied.replace(u' ', u'_');
        return {tidied, false};
    }
    }
    return {text, false};
}

FieldValidator::FieldValidator(MessageService &messages, QWidget *owner, QObject *parent)
    : QObject(parent)
    , mMessages(messages)
    , mOwner(owner)
{
}

void FieldValidator::attach(QLineEdit *field, FieldRule rule)
{
    if (!field)
        return;
    if (!mRules.contains(field)) {
        field->installEventFilter(this);
        connect(field, &QObject::destroyed, this, [this, field] { mRules.remove(field); });
    }
    mRules.insert(field, rule);
}

bool FieldValidator::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        auto *field = qobject_cast<QLineEdit *>(watched);
        const auto found = mRules.constFind(field);
        if (field && found != mRules.constEnd()) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                fieldLeft(field, found.value());
        }
    }
    return QObject::eventFilter(watched, event);
}

void FieldValidator::fieldLeft(QLineEdit *field, FieldRule rule)
{
    const TextSource source = field->isModified() ? TextSource::Typed : TextSource::Shown;
    const FieldCheck check = checkField(rule, field->text(), source);
    if (check.text != field->text()) {
        field->setText(check.text);
        // The text now differs from what the view showed, as if typed.
        field->setModified(true);
    }
    if (!check.rejected || mComplaining || mComplaintPending)
        return;
    // Showing a modal message or moving the focus while Qt is still handing the focus
    // to the next widget would be undone by that hand-over: wait for it to finish.
    mComplaintPending = true;
    QTimer::singleShot(0, this, [this, guarded = QPointer<QLineEdit>(field), rule] { complain(guarded, rule); });
}

void FieldValidator::complain(const QPointer<QLineEdit> &field, FieldRule rule)
{
    mComplaintPending = false;
    // The field may have gone, or been refilled by the view, since it was left.
    if (!field)
        return;
    const TextSource source = field->isModified() ? TextSource::Typed : TextSource::Shown;
    if (!checkField(rule, field->text(), source).rejected)
        return;

    // A drop-down opened by the click that left the field would sit above the message.
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();

    mComplaining = true;
    const auto done = qScopeGuard([this] { mComplaining = false; });
    mMessages.show(mOwner, u"Skill value must be between 0 and 10"_s, MessageLook::Critical);
    if (field && field->isVisible() && field->isEnabled()) {
        // Without a window manager nothing hands the activation back once the box closes.
        field->window()->activateWindow();
        field->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace lancefall
