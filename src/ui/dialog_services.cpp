#include "ui/dialog_services.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace lancefall {

QString programTitle()
{
    return QCoreApplication::translate("Dialogs", "Lancefall Module Editor");
}

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

// Names the box's standard buttons in the language of the interface. The editor's own
// translations carry the names, so the buttons speak it whether or not the system has Qt's
// translations installed.
int ask(QMessageBox &box)
{
    static const std::pair<QMessageBox::StandardButton, const char *> kNames[] = {
        {QMessageBox::Ok, QT_TRANSLATE_NOOP("Dialogs", "OK")},
        {QMessageBox::Save, QT_TRANSLATE_NOOP("Dialogs", "Save")},
        {QMessageBox::Discard, QT_TRANSLATE_NOOP("Dialogs", "Discard")},
        {QMessageBox::Apply, QT_TRANSLATE_NOOP("Dialogs", "Apply")},
        {QMessageBox::Cancel, QT_TRANSLATE_NOOP("Dialogs", "Cancel")},
    };
    for (const auto &name : kNames) {
        if (QAbstractButton *button = box.button(name.first))
            button->setText(QCoreApplication::translate("Dialogs", name.second));
    }
    box.exec();
    return box.standardButton(box.clickedButton());
}

} // namespace

void DialogMessageService::show(QWidget *owner, const QString &text, MessageLook look)
{
    QMessageBox box(iconOf(look), programTitle(), text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    ask(box);
}

bool DialogMessageService::showDismissible(QWidget *owner, const QString &text, MessageLook look)
{
    QMessageBox box(iconOf(look), programTitle(), text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.setCheckBox(new QCheckBox(QCoreApplication::translate("Dialogs", "Don't show this again")));
    ask(box);
    return box.checkBox()->isChecked();
}

namespace {

QString fileList(const QStringList &files)
{
    return QStringLiteral("\n\n  ") + files.join(QStringLiteral("\n  ")) + QStringLiteral("\n\n");
}

} // namespace

CloseAnswer DialogQuestionService::askSaveChanges(QWidget *owner, SaveMoment moment)
{
    const QString text = moment == SaveMoment::Closing
        ? QCoreApplication::translate("Dialogs", "The module has updates that are not saved. Save them before closing?")
        : QCoreApplication::translate("Dialogs",
                                      "The module has updates that are not saved. Save them before opening another "
                                      "folder?");
    QMessageBox box(QMessageBox::Question, programTitle(), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, owner);
    box.setDefaultButton(QMessageBox::Save);
    switch (ask(box)) {
    case QMessageBox::Save:
        return CloseAnswer::Save;
    case QMessageBox::Discard:
        return CloseAnswer::Discard;
    default:
        return CloseAnswer::Cancel;
    }
}

ApplyAnswer DialogQuestionService::askApplyEdits(QWidget *owner, const QString &record)
{
    QMessageBox box(QMessageBox::Question, programTitle(),
                    QCoreApplication::translate(
                        "Dialogs", "The fields of %1 were changed without Update. Apply the changes before leaving it?")
                        .arg(record),
                    QMessageBox::Apply | QMessageBox::Discard | QMessageBox::Cancel, owner);
    box.setDefaultButton(QMessageBox::Apply);
    switch (ask(box)) {
    case QMessageBox::Apply:
        return ApplyAnswer::Apply;
    case QMessageBox::Discard:
        return ApplyAnswer::Discard;
    default:
        return ApplyAnswer::Cancel;
    }
}

bool DialogQuestionService::askOverwrite(QWidget *owner, const QString &folder, const QStringList &files)
{
    QMessageBox box(QMessageBox::Warning, programTitle(),
                    QCoreApplication::translate("Dialogs",
                                                "These files in %1 were changed on disk by another program since the "
                                                "editor loaded or saved them:%2Overwrite them with the editor's "
                                                "version? Cancel writes nothing.")
                        .arg(folder, fileList(files)),
                    QMessageBox::Cancel, owner);
    box.setTextFormat(Qt::PlainText);
    QPushButton *overwrite
        = box.addButton(QCoreApplication::translate("Dialogs", "Overwrite"), QMessageBox::DestructiveRole);
    box.setDefaultButton(QMessageBox::Cancel);
    ask(box);
    return box.clickedButton() == overwrite;
}

bool DialogQuestionService::askReload(QWidget *owner, const QString &folder, const QStringList &files)
{
    QMessageBox box(QMessageBox::Question, programTitle(),
                    QCoreApplication::translate("Dialogs",
                                                "These files in %1 were changed on disk by another program:%2Load the "
                                                "module again to see the changes?")
                        .arg(folder, fileList(files)),
                    QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText);
    QPushButton *reload = box.addButton(QCoreApplication::translate("Dialogs", "Reload"), QMessageBox::AcceptRole);
    box.addButton(QCoreApplication::translate("Dialogs", "Keep"), QMessageBox::RejectRole);
    box.setDefaultButton(reload);
    ask(box);
    return box.clickedButton() == reload;
}

std::optional<QString> DialogFolderPicker::pickFolder(QWidget *owner, const QString &title, const QString &startFolder)
{
    const QString folder = QFileDialog::getExistingDirectory(owner, title, startFolder, QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

std::optional<QString> DialogFolderPicker::pickFile(QWidget *owner, const QString &title, const QString &start,
                                                   const QString &filter, FileUse use)
{
    const QString file = use == FileUse::Open ? QFileDialog::getOpenFileName(owner, title, start, filter)
                                              : QFileDialog::getSaveFileName(owner, title, start, filter);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

} // namespace lancefall
