#include "ui/dialog_services.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QMessageBox>

namespace lancefall {

namespace {

QMessageBox::Icon iconOf(MessageLook look)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (look) {
    case MessageLook::Plain:
        break;
    case MessageLook::Critical:
        icon = QMessageBox::Critical;
        break;
    case MessageLook::Exclamation:
        icon = QMessageBox::Warning;
        break;
    case MessageLook::Information:
        icon = QMessageBox::Information;
        break;
    }
    return icon;
}

} // namespace

void DialogMessageService::show(QWidget *owner, const QString &text, MessageLook look)
{
    QMessageBox box(iconOf(look), kProgramTitle, text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool DialogMessageService::showDismissible(QWidget *owner, const QString &text, MessageLook look)
{
    QMessageBox box(iconOf(look), kProgramTitle, text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.setCheckBox(new QCheckBox(QStringLiteral("Don't show this again")));
    box.exec();
    return box.checkBox()->isChecked();
}

CloseAnswer DialogQuestionService::askSaveChanges(QWidget *owner)
{
    const auto answer = QMessageBox::question(
        owner, kProgramTitle, QStringLiteral("The module has updates that are not saved. Save them before closing?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    switch (answer) {
    case QMessageBox::Save:
        return CloseAnswer::Save;
    case QMessageBox::Discard:
        return CloseAnswer::Discard;
    default:
        return CloseAnswer::Cancel;
    }
}

std::optional<QString> DialogFolderPicker::pickFolder(QWidget *owner, const QString &title, const QString &startFolder)
{
    const QString folder = QFileDialog::getExistingDirectory(owner, title, startFolder, QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

} // namespace lancefall
