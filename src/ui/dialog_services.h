#pragma once

#include "ui/services.h"

namespace lancefall {

// The title of every message box.
inline const QString kProgramTitle = QStringLiteral("Lancefall Module Editor");

// The real services: modal QMessageBox and QFileDialog.
class DialogMessageService : public MessageService {
public:
    void show(QWidget *owner, const QString &text, MessageLook look) override;
    bool showDismissible(QWidget *owner, const QString &text, MessageLook look) override;
};

class DialogQuestionService : public QuestionService {
public:
    CloseAnswer askSaveChanges(QWidget *owner) override;
};

class DialogFolderPicker : public FolderPicker {
public:
    std::optional<QString> pickFolder(QWidget *owner, const QString &title, const QString &startFolder) override;
};

} // namespace lancefall
