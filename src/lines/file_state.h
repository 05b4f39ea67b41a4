#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace lancefall {

// A module file as it stood on disk at one moment: enough to tell later whether
// another program (the module's build tools) changed it since.
struct FileState {
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;
    quint64 hash = 0;  // of the content, when it could be read
    QString readError; // why an existing file could not be read

    // The same bytes, or the same absence. The time alone does not count: a tool that
    // rewrites a file with the same bytes has changed nothing worth a question.
    bool sameContent(const FileState &other) const
    {
        return exists == other.exists && size == other.size && hash == other.hash;
    }
};

// The state of a file that held content when it was read, last modified at `modified`.
FileState contentState(const QByteArray &content, const QDateTime &modified);
// Reads the file at path; content, when given, receives its bytes.
FileState readFileState(const QString &path, QByteArray *content = nullptr);
// The state of a file just written with content, without reading it back.
FileState writtenFileState(const QString &path, const QByteArray &content);

} // namespace lancefall
