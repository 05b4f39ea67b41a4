#include "ui/dialog_services.h"

#include <QFileDialog>
#include <QMessageBox>

namespace lancefall {

void DialogMessageService::show(QWidget *owner, const QString &text, MessageLook look)
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
    QMessageBox box(icon, kProgramTitle, text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
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
