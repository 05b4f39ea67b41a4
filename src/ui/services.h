#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace lancefall {

// The four looks of a message: no icon, critical (stop), exclamation, information.
enum class MessageLook { Plain, Critical, Exclamation, Information };

// Shows modal messages with one OK button. Tests pass a fake that records them.
class MessageService {
public:
    virtual ~MessageService() = default;
    virtual void show(QWidget *owner, const QString &text, MessageLook look) = 0;
    // The same message offering "Don't show this again"; true when the user ticked it.
    virtual bool showDismissible(QWidget *owner, const QString &text, MessageLook look)
    {
        show(owner, text, look);
        return false;
    }
};

// The one question the editor asks: save unsaved changes before closing?
enum class CloseAnswer { Save, Discard, Cancel };

class QuestionService {
public:
    virtual ~QuestionService() = default;
    virtual CloseAnswer askSaveChanges(QWidget *owner) = 0;
};

// Picks a folder; an empty optional is a cancel.
class FolderPicker {
public:
    virtual ~FolderPicker() = default;
    virtual std::optional<QString> pickFolder(QWidget *owner, const QString &title, const QString &startFolder) = 0;
};

} // namespace lancefall
