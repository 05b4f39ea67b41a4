#include "lines/text_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace lancefall {

LineTable splitLines(const QByteArray &content)
{
    LineTable table;
    table.reserve(content.count('\n') + 1);
    const char *data = content.constData();
    const qsizetype size = content.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char c = data[i];
        if (c != '\n' && c != '\r')
            continue;
        table.append(content.sliced(start, i - start));
        if (c == '\r' && i + 1 < size && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        table.append(content.sliced(start));
    return table;
}

Result<LineTable> readTextFile(const QString &path, const QString &fileName)
{
    QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return fileError(ErrorCode::FileNotFound, fileName, QStringLiteral("the file does not exist"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fileError(ErrorCode::FileOpen, fileName, file.errorString());
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fileError(ErrorCode::FileRead, fileName, file.errorString());
    return splitLines(content);
}

Result<qsizetype> writeTextFile(const QString &path, const QString &fileName, const LineTable &lines)
{
    QByteArray content;
    qsizetype total = 0;
    for (const QByteArray &line : lines)
        total += line.size() + 2;
    content.reserve(total);
    for (const QByteArray &line : lines) {
        content.append(line);
        content.append("\r\n", 2);
    }

    // Unbuffered, and every byte checked before commit(): a buffered QSaveFile can
    // report success on a full disk and leave an empty file behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fileError(ErrorCode::FileWrite, fileName, file.errorString());
    qsizetype written = 0;
    while (written < content.size()) {
        const qint64 n = file.write(content.constData() + written, content.size() - written);
        if (n <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return fileError(ErrorCode::FileWrite, fileName, reason);
        }
        written += n;
    }
    if (!file.commit())
        return fileError(ErrorCode::FileWrite, fileName, file.errorString());
    return lines.lastIndex();
}

} // namespace lancefall
