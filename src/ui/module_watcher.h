#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace lancefall {

// Watches the module folder and its files while a module is open, and says once that
// something changed there when the changes have settled (a build tool writes several
// files, and a save by rename shows as several events). It does not tell changes
// apart: the document compares what is on disk with what the editor read or wrote,
// so the editor's own saves, temporary files and backups come to nothing.
class ModuleWatcher : public QObject {
    Q_OBJECT
public:
    explicit ModuleWatcher(QObject *parent = nullptr);

    // Watches folder and files (paths), instead of whatever was watched before.
    void watch(const QString &folder, const QStringList &files);

signals:
    void changed();

private:
    void watchFiles();
    void noteChange();
    void settled();

    QFileSystemWatcher mWatcher;
    QTimer mSettle;
    QStringList mFiles;
};

} // namespace lancefall
