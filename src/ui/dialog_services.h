#pragma once

#include "ui/services.h"

namespace lancefall {

// The program's name, the title of every message box, in the language of the interface.
QString programTitle();

// The real services: modal QMessageBox and QFileDialog.
class DialogMessageService : public MessageService {
public:
    void show(QWidget *owner, const QString &text, MessageLook look) override;
    bool showDismissible(QWidget *owner, const QString &text, MessageLook look) override;
};

class DialogQuestionService : public QuestionService {
public:
    CloseAnswer askSaveChanges(QWidget *owner, SaveMoment moment) override;
    ApplyAnswer askApplyEdits(QWidget *owner, const QString &record) override;
    bool askOverwrite(QWidget *owner, const QString &folder, const QStringList &files) override;
    bool askReload(QWidget *owner, const QString &folder, const QStringList &files) override;
};

class DialogFolderPicker : public FolderPicker {
public:
    std::optional<QString> pickFolder(QWidget *owner, const QString &title, const QString &startFolder) override;
    std::optional<QString> pickFile(QWidget *owner, const QString &title, const QString &start, const QString &filter,
                                    FileUse use) override;
};

} // namespace lancefall
