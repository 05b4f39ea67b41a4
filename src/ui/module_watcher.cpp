#include "ui/module_watcher.h"

#include "ui/edit_session.h"
#include "ui/services.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace lancefall {

namespace {

// Long enough for a build tool to finish writing the module, short enough to feel prompt.
constexpr int kSettleMs = 300;

QString watchedPath(const QString &path)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

QStringList fileNames(const QList<ModuleFile> &files)
{
    QStringList names;
    for (const ModuleFile file : files)
        names.append(moduleFileName(file));
    return names;
}

} // namespace

ModuleWatcher::ModuleWatcher(EditSession &session, MessageService &messages, QuestionService &questions,
                             QWidget *owner, std::function<bool()> unsaved)
    : QObject(owner)
    , mSession(session)
    , mMessages(messages)
    , mQuestions(questions)
    , mOwner(owner)
    , mUnsaved(std::move(unsaved))
{
    mSettle.setSingleShot(true);
    mSettle.setInterval(kSettleMs);
    connect(&mWatcher, &QFileSystemWatcher::directoryChanged, this, &ModuleWatcher::noteChange);
    connect(&mWatcher, &QFileSystemWatcher::fileChanged, this, &ModuleWatcher::noteChange);
    connect(&mSettle, &QTimer::timeout, this, &ModuleWatcher::settled);
    connect(&session, &EditSession::loaded, this, &ModuleWatcher::watch);
}

bool ModuleWatcher::mayOverwrite() const
{
    // Another program's changes are not replaced unasked; Cancel writes nothing.
    const QList<ModuleFile> changed = mSession.document().changedOnDisk();
    return changed.isEmpty() || mQuestions.askOverwrite(mOwner, mSession.document().folder(), fileNames(changed));
}

void ModuleWatcher::watch()
{
    const QStringList watched = mWatcher.files() + mWatcher.directories();
    if (!watched.isEmpty())
        mWatcher.removePaths(watched);
    mSettle.stop();
    mFiles.clear();
    for (const ModuleFile file : kModuleFiles)
        mFiles.append(watchedPath(mSession.module().path(file)));
    mWatcher.addPath(watchedPath(mSession.document().folder()));
    watchFiles();
}

void ModuleWatcher::watchFiles()
{
    // A file replaced by a rename is no longer watched: watch the new one. (The folder
    // sees files come and go, but not a file written in place.)
    const QStringList watched = mWatcher.files();
    for (const QString &file : std::as_const(mFiles)) {
        if (!watched.contains(file) && QFileInfo::exists(file))
            mWatcher.addPath(file);
    }
}

void ModuleWatcher::noteChange()
{
    watchFiles();
    mSettle.start();
}

void ModuleWatcher::settled()
{
    // A question asked over an open dialog would stack on it: wait until it closes.
    if (QApplication::activeModalWidget()) {
        mSettle.start();
        return;
    }
    const QList<ModuleFile> changed = mSession.document().takeOutsideChanges();
    if (changed.isEmpty())
        return;
    if (!mUnsaved()) {
        if (mQuestions.askReload(mOwner, mSession.document().folder(), fileNames(changed)))
            emit reloadRequested();
        return;
    }
    // The updates decide: a save asks before it replaces a changed file.
    mMessages.show(mOwner,
                   tr("These files in %1 were changed on disk by another program:\n\n  %2\n\nThe module has "
                      "changes that are not saved, so it is not loaded again. Saving asks before it replaces a "
                      "file that was changed.")
                       .arg(mSession.document().folder(), fileNames(changed).join(QStringLiteral("\n  "))),
                   MessageLook::Exclamation);
}

} // namespace lancefall
