#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace lancefall {

class EditSession;
class MessageService;
class QuestionService;

// The safeguards of the files on disk: watches the folder and the files of the module the
// session loaded, and once the changes there have settled (a build tool writes several
// files, and a save by rename shows as several events) asks whether to load the module
// again, or, with work not saved, says which files changed and leaves the decision to the
// save, which asks before it replaces one. It does not tell changes apart by itself: the
// document compares what is on disk with what the editor read or wrote, so the editor's
// own saves, temporary files and backups come to nothing.
class ModuleWatcher : public QObject {
    Q_OBJECT
public:
    // `unsaved` tells whether the window holds work that a reload would lose.
    ModuleWatcher(EditSession &session, MessageService &messages, QuestionService &questions, QWidget *owner,
                  std::function<bool()> unsaved);

    // Before a save: true when no file to be replaced changed on disk, or the user chose
    // to overwrite the changes.
    bool mayOverwrite() const;

signals:
    // The user chose to load the changed module again.
    void reloadRequested();

private:
    void watch();
    void watchFiles();
    void noteChange();
    void settled();

    EditSession &mSession;
    MessageService &mMessages;
    QuestionService &mQuestions;
    QWidget *mOwner;
    std::function<bool()> mUnsaved;

    QFileSystemWatcher mWatcher;
    QTimer mSettle;
    QStringList mFiles;
};

} // namespace lancefall
