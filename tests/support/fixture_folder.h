#pragma once

#include <QByteArray>
#include <QString>

namespace lancefall::testing {

// Copies every file of `source` into `target` (which must exist).
bool copyFolder(const QString &source, const QString &target);

QByteArray readBytes(const QString &path);

// Writes content to name in dir and returns the file's path.
QString writeFile(const QString &dir, const QString &name, const QByteArray &content);

// The bytes the editor writes for a file it read unchanged: every line as read,
// each followed by CR LF. Worked out independently of the editor's own reader.
QByteArray withCrLfLineEnds(const QByteArray &content);

} // namespace lancefall::testing
