#pragma once

#include "lines/error.h"

#include <QString>
#include <QStringList>

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

// Shows an error in the look its kind asks for: a refused value names the field without
// an error number, a failure to read or write gives "Error #n: ...".
void showError(MessageService &messages, QWidget *owner, const Error &error);

// The questions the editor asks before work could be lost.
enum class CloseAnswer { Save, Discard, Cancel };
// When the save question comes: the window is closing, or another folder is opening.
enum class SaveMoment { Closing, OpeningFolder };
enum class ApplyAnswer { Apply, Discard, Cancel };

class QuestionService {
public:
    virtual ~QuestionService() = default;
    // The module has updates that are not saved: save them first?
    virtual CloseAnswer askSaveChanges(QWidget *owner, SaveMoment moment) = 0;
    // The fields of record (its list entry) were changed without Update, and the user
    // is leaving it: apply the changes first?
    virtual ApplyAnswer askApplyEdits(QWidget *owner, const QString &record) = 0;
    // A save would replace files (names) of folder that another program changed since
    // they were loaded or saved: true to overwrite them, false to write nothing.
    virtual bool askOverwrite(QWidget *owner, const QString &folder, const QStringList &files) = 0;
    // Files of the module changed on disk and nothing is unsaved: true to load it again.
    virtual bool askReload(QWidget *owner, const QString &folder, const QStringList &files) = 0;
};

// What a file is picked for: to be read, or to be written.
enum class FileUse { Open, Save };

// Picks a folder, or a file (a table to import or export); an empty optional is a cancel.
class FolderPicker {
public:
    virtual ~FolderPicker() = default;
    virtual std::optional<QString> pickFolder(QWidget *owner, const QString &title, const QString &startFolder) = 0;
    // `filter` as file dialogs take it: "CSV tables (*.csv)".
    virtual std::optional<QString> pickFile(QWidget *owner, const QString &title, const QString &start,
                                            const QString &filter, FileUse use)
    {
        Q_UNUSED(owner) Q_UNUSED(title) Q_UNUSED(start) Q_UNUSED(filter) Q_UNUSED(use) return std::nullopt;
    }
};

} // namespace lancefall
