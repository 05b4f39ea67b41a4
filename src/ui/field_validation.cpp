#include "ui/field_validation.h"

#include "fields/number_edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTimer>

namespace lancefall {

FieldValidator::FieldValidator(MessageService &messages, QWidget *owner, QObject *parent)
    : QObject(parent)
    , mMessages(messages)
    , mOwner(owner)
{
}

void FieldValidator::attach(QLineEdit *field, FieldRule rule, const QString &name)
{
    if (!field)
        return;
    if (!mRules.contains(field)) {
        field->installEventFilter(this);
        connect(field, &QObject::destroyed, this, [this, field] { mRules.remove(field); });
    }
    mRules.insert(field, Rule{rule, name});
}

void FieldValidator::setSeveralRecords(QWidget *view, bool several)
{
    for (auto it = mRules.begin(); it != mRules.end(); ++it) {
        if (view->isAncestorOf(it.key()))
            it->several = several;
    }
}

FieldCheck FieldValidator::check(const QLineEdit *field, const Rule &rule) const
{
    const TextSource source = field->isModified() ? TextSource::Typed : TextSource::Shown;
    if (rule.several) {
        if (source == TextSource::Shown)
            return {field->text(), {}};
        const bool number = rule.rule == FieldRule::Count || rule.rule == FieldRule::Skill;
        const std::optional<NumberEdit> edit = number ? parseNumberEdit(field->text(), true) : std::nullopt;
        if (edit && edit->kind != NumberEdit::Kind::Set)
            return {field->text(), {}};
    }
    return checkField(rule.rule, field->text(), source, rule.name);
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

void FieldValidator::fieldLeft(QLineEdit *field, const Rule &rule)
{
    const FieldCheck result = check(field, rule);
    if (result.text != field->text()) {
        field->setText(result.text);
        // The text now differs from what the view showed, as if typed.
        field->setModified(true);
    }
    if (!result.problem || mComplaining || mComplaintPending)
        return;
    // Showing a modal message or moving the focus while Qt is still handing the focus
    // to the next widget would be undone by that hand-over: wait for it to finish.
    mComplaintPending = true;
    QTimer::singleShot(0, this, [this, guarded = QPointer<QLineEdit>(field)] { complain(guarded); });
}

void FieldValidator::complain(const QPointer<QLineEdit> &field)
{
    mComplaintPending = false;
    // The field may have gone, or been refilled by the view, since it was left.
    if (!field || !mRules.contains(field.data()))
        return;
    const FieldCheck result = check(field, mRules.value(field.data()));
    if (!result.problem)
        return;

    // A drop-down opened by the click that left the field would sit above the message.
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();

    mComplaining = true;
    const auto done = qScopeGuard([this] { mComplaining = false; });
    mMessages.show(mOwner, *result.problem, MessageLook::Critical);
    if (field && field->isVisible() && field->isEnabled()) {
        // Without a window manager nothing hands the activation back once the box closes.
        field->window()->activateWindow();
        field->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace lancefall
