#include "support/fixture_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace lancefall::testing {

bool copyFolder(const QString &source, const QString &target)
{
    const QDir from(source);
    const QStringList files = from.entryList(QDir::Files);
    if (files.isEmpty())
        return false;
    for (const QString &name : files) {
        const QString to = QDir(target).filePath(name);
        QFile::remove(to);
        if (!QFile::copy(from.filePath(name), to))
            return false;
        QFile(to).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    return true;
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString sampleModuleFolder()
{
    return QFileInfo(QString::fromUtf8(__FILE__)).dir().absoluteFilePath(QStringLiteral("../../samples/module"));
}

QString moduleFixture(const QString &name)
{
    return QFileInfo(QString::fromUtf8(__FILE__)).dir().absoluteFilePath(QStringLiteral("../data/modules/") + name);
}

QByteArrayList editedFiles(const QString &folder, const QString &suffix)
{
    QByteArrayList contents;
    for (const char *name : {"troops.txt", "party_templates.txt", "parties.txt"})
        contents.append(readBytes(QDir(folder).filePath(QString::fromLatin1(name) + suffix)));
    return contents;
}

QString writeFile(const QString &dir, const QString &name, const QByteArray &content)
{
    const QString path = QDir(dir).filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

} // namespace lancefall::testing
