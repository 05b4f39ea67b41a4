#include "ui/module_watcher.h"

#include <QApplication>
#include <QFileInfo>

namespace lancefall {

namespace {

// Long enough for a build tool to finish writing the module, short enough to feel prompt.
constexpr int kSettleMs = 300;

} // namespace

ModuleWatcher::ModuleWatcher(QObject *parent) : QObject(parent)
{
    mSettle.setSingleShot(true);
    mSettle.setInterval(kSettleMs);
    connect(&mWatcher, &QFileSystemWatcher::directoryChanged, this, &ModuleWatcher::noteChange);
    connect(&mWatcher, &QFileSystemWatcher::fileChanged, this, &ModuleWatcher::noteChange);
    connect(&mSettle, &QTimer::timeout, this, &ModuleWatcher::settled);
}

void ModuleWatcher::watch(const QString &folder, const QStringList &files)
{
    const QStringList watched = mWatcher.files() + mWatcher.directories();
    if (!watched.isEmpty())
        mWatcher.removePaths(watched);
    mSettle.stop();
    mFiles = files;
    mWatcher.addPath(folder);
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
    emit changed();
}

} // namespace lancefall
