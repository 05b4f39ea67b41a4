#include "lines/text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

namespace lancefall {

namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

QByteArray lineEndBytes(LineEnd end)
{
    switch (end) {
    case LineEnd::Lf:
        return QByteArrayLiteral("\n");
    case LineEnd::Cr:
        return QByteArrayLiteral("\r");
    case LineEnd::CrLf:
        break;
    }
    return QByteArrayLiteral("\r\n");
}

QString sizeText(qint64 bytes)
{
    return QCoreApplication::translate("Lines", "%1 MB (%2 bytes)")
        .arg(double(bytes) / (1024 * 1024), 0, 'f', 1)
        .arg(bytes);
}

} // namespace

LineTable splitLines(const QByteArray &content)
{
    static_assert(kMaxModuleFileBytes < qint64(LineTable::kSetApart));
    Q_ASSERT(content.size() < qsizetype(LineTable::kSetApart));
    LineTable table;
    TextLayout layout;
    const qsizetype size = content.size();
    qsizetype start = 0;
    if (content.startsWith(kByteOrderMark)) {
        layout.byteOrderMark = true;
        start = kByteOrderMark.size();
    }
    table.mText = content;
    QList<quint32> &bounds = table.mBounds;
    bounds.clear();
    // Grown as the lines come, and not squeezed after: that would copy it, for a moment holding
    // it twice. What is left over of the last growth is never written, so never takes memory.
    bounds.reserve(size / 32 + 2);
    bounds.append(quint32(start)); // line 0, empty
    const char *data = content.constData();
    bool seen[3] = {false, false, false}; // by LineEnd
    // Lines end at LF; a CR before it makes CR LF, a CR anywhere else ends a line of its own.
    // The next LF is looked for once and kept while lone CRs end the lines before it: looking
    // for it again at every such line took time quadratic in the size of a file of lone CRs.
    qsizetype lf = -1;
    while (start < size) {
        bounds.append(quint32(start));
        if (lf < start) {
            const auto *found = static_cast<const char *>(std::memchr(data + start, '\n', size_t(size - start)));
            lf = found ? found - data : size;
        }
        const auto *cr = static_cast<const char *>(std::memchr(data + start, '\r', size_t(lf - start)));
        if (cr && (cr - data + 1 < lf || lf == size)) {
            seen[static_cast<int>(LineEnd::Cr)] = true;
            start = cr - data + 1;
            continue;
        }
        if (lf == size) {
            layout.finalLineEnd = false;
            break;
        }
        seen[static_cast<int>(cr ? LineEnd::CrLf : LineEnd::Lf)] = true;
        start = lf + 1;
    }
    bounds.append(quint32(size));
    const int kinds = int(seen[0]) + int(seen[1]) + int(seen[2]);
    if (kinds == 1)
        layout.lineEnd = seen[1] ? LineEnd::Lf : seen[2] ? LineEnd::Cr : LineEnd::CrLf;
    table.setLayout(layout);
    return table;
}

QByteArray joinLines(const LineTable &lines)
{
    const TextLayout &layout = lines.layout();
    const QByteArray end = lineEndBytes(layout.lineEnd);
    const qsizetype last = lines.lastIndex();
    qsizetype total = kByteOrderMark.size();
    for (qsizetype k = 1; k <= last; ++k)
        total += lines.line(k).size() + end.size();
    QByteArray content;
    content.reserve(total);
    if (layout.byteOrderMark)
        content.append(kByteOrderMark);
    for (qsizetype k = 1; k <= last; ++k) {
        content.append(lines.line(k));
        if (k < last || layout.finalLineEnd)
            content.append(end);
    }
    return content;
}

namespace {

// The longest path the system opens, in the bytes it is given as: past it, a file that is
// there cannot be reached by its path.
#if defined(Q_OS_WIN)
constexpr qsizetype kLongestPath = 259;
#elif defined(Q_OS_MACOS)
constexpr qsizetype kLongestPath = 1023;
#else
constexpr qsizetype kLongestPath = 4095;
#endif

} // namespace

std::optional<QString> unreachableReason(const QFileInfo &info)
{
    if (info.exists())
        return std::nullopt;
    if (info.isSymLink()) {
        // Follow the links: one met again is a loop, a missing target a dangling link.
        QStringList seen{info.absoluteFilePath()};
        QFileInfo link = info;
        while (link.isSymLink()) {
            const QString target = link.symLinkTarget();
            if (seen.contains(target) || seen.size() > 40)
                return QCoreApplication::translate("Lines",
                                                   "this is a symbolic link that leads back to itself (a link loop)");
            seen.append(target);
            link = QFileInfo(target);
        }
        if (!link.exists())
            return unreachableReason(link).value_or(
                QCoreApplication::translate("Lines", "this is a symbolic link to %1, which does not exist")
                    .arg(QDir::toNativeSeparators(link.absoluteFilePath())));
        return std::nullopt;
    }
    const QString path = info.absoluteFilePath();
    if (QFile::encodeName(path).size() > kLongestPath)
        return QCoreApplication::translate("Lines", "its path is too long for the system (%1 characters)")
            .arg(path.size());
    const QFileInfo folder(info.absolutePath());
    if (folder.isDir() && !folder.isExecutable())
        return QCoreApplication::translate("Lines", "the folder %1 may not be searched (no permission)")
            .arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    return std::nullopt;
}

Result<QByteArray> readModuleBytes(const QString &path, QDateTime *modified)
{
    const QFileInfo info(path);
    // Only a regular file is opened: opening a named pipe waits for a writer, forever.
    if (!info.isFile()) {
        if (info.isDir())
            return Error{ErrorCode::FileOpen, QCoreApplication::translate("Lines", "this is a folder, not a file")};
        if (info.exists())
            return Error{ErrorCode::FileOpen,
                         QCoreApplication::translate("Lines",
                                                     "this is not a regular file (a named pipe, a device or a "
                                                     "socket), so it is not read")};
        if (const std::optional<QString> reason = unreachableReason(info))
            return Error{ErrorCode::FileOpen, *reason};
        return Error{ErrorCode::FileNotFound, QCoreApplication::translate("Lines", "the file does not exist")};
    }
    if (info.size() > kMaxModuleFileBytes)
        return Error{ErrorCode::FileTooLarge,
                     QCoreApplication::translate("Lines", "the file is %1; module files larger than %2 are not read")
                         .arg(sizeText(info.size()), sizeText(kMaxModuleFileBytes))};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{ErrorCode::FileOpen, file.errorString()};
    // Read the size measured in one piece (asking for the whole limit would allocate it);
    // should the file have grown since, take what follows in pieces, no more than the limit.
    QByteArray content = file.read(info.size() + 1);
    while (file.error() == QFileDevice::NoError && content.size() <= kMaxModuleFileBytes) {
        const QByteArray more = file.read(qMin<qint64>(1 << 20, kMaxModuleFileBytes + 1 - content.size()));
        if (more.isEmpty())
            break;
        content += more;
    }
    if (file.error() != QFileDevice::NoError)
        return Error{ErrorCode::FileRead, file.errorString()};
    if (content.size() > kMaxModuleFileBytes)
        return Error{ErrorCode::FileTooLarge,
                     QCoreApplication::translate("Lines", "the file is larger than %1, the most a module file may hold")
                         .arg(sizeText(kMaxModuleFileBytes))};
    if (modified)
        *modified = info.lastModified();
    return content;
}

Result<LineTable> readTextFile(const QString &path, const QString &fileName, FileState *state)
{
    QDateTime modified;
    const Result<QByteArray> content = readModuleBytes(path, &modified);
    if (!content)
        return fileError(content.error().code, fileName, content.error().description);
    LineTable lines = splitLines(*content);
    if (lines.lastIndex() > kMaxModuleFileLines)
        return fileError(ErrorCode::FileTooLarge, fileName,
                         QCoreApplication::translate(
                             "Lines", "the file has %1 lines; module files of more than %2 lines are not read")
                             .arg(lines.lastIndex())
                             .arg(kMaxModuleFileLines));
    if (state)
        *state = contentState(*content, modified);
    return lines;
}

Result<qsizetype> writeTextFile(const QString &path, const QString &fileName, const LineTable &lines)
{
    FileTransaction transaction;
    transaction.add(path, fileName, joinLines(lines));
    if (!transaction.write() || !transaction.commit())
        return transaction.errors().first();
    return lines.lastIndex();
}

struct FileTransaction::Entry {
    QString path;
    QString fileName;
    QByteArray content;
    // What path held before: its bytes, no file (FileNotFound), or why it could not be read.
    Result<QByteArray> previous = Error{ErrorCode::FileRead, QString()};
    bool previousKnown = false;
    std::optional<QFileDevice::Permissions> permissions;
    QSaveFile file;
    bool replaced = false;

    Entry(const QString &target) : path(target), file(target) {}
};

FileTransaction::FileTransaction() = default;
FileTransaction::~FileTransaction() = default;

qsizetype FileTransaction::add(const QString &path, const QString &fileName, const QByteArray &content,
                               const std::optional<QByteArray> &previous)
{
    auto entry = std::make_unique<Entry>(path);
    entry->fileName = fileName;
    entry->content = content;
    if (previous) {
        entry->previous = *previous;
        entry->previousKnown = true;
    }
    mEntries.push_back(std::move(entry));
    return qsizetype(mEntries.size()) - 1;
}

void FileTransaction::setPermissions(qsizetype i, QFileDevice::Permissions permissions)
{
    mEntries.at(i)->permissions = permissions;
}

namespace {

// Writes content to an open QSaveFile. Unbuffered, and every byte checked before
// commit(): a buffered QSaveFile can report success on a full disk and leave an
// empty file behind. The reason is read here, since commit() and cancelWriting() reset it.
std::optional<QString> writeAll(QSaveFile &file, const QByteArray &content,
                                std::optional<QFileDevice::Permissions> permissions = std::nullopt)
{
    // Without a temporary file (a folder that cannot hold one) the target itself would
    // be written at once, and a failure would leave it half-written.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (permissions && !file.setPermissions(*permissions))
        return file.errorString();
    qsizetype written = 0;
    while (written < content.size()) {
        const qint64 n = file.write(content.constData() + written, content.size() - written);
        if (n <= 0)
            return file.errorString();
        written += n;
    }
    return std::nullopt;
}

} // namespace

bool FileTransaction::write()
{
    bool written = true;
    // Every file is tried, so that a failed save names all that could not be written.
    for (const auto &entry : mEntries) {
        if (!entry->previousKnown)
            entry->previous = readModuleBytes(entry->path);
        if (const std::optional<QString> failure = writeAll(entry->file, entry->content, entry->permissions)) {
            mErrors.append(fileError(ErrorCode::FileWrite, entry->fileName, *failure));
            written = false;
        }
    }
    if (!written) {
        for (const auto &entry : mEntries)
            entry->file.cancelWriting();
    }
    return written;
}

bool FileTransaction::commit()
{
    for (qsizetype i = 0; i < qsizetype(mEntries.size()); ++i) {
        Entry &entry = *mEntries[i];
        if (!entry.file.commit()) {
            mErrors.append(fileError(ErrorCode::FileWrite, entry.fileName, entry.file.errorString()));
            for (qsizetype j = i + 1; j < qsizetype(mEntries.size()); ++j)
                mEntries[j]->file.cancelWriting();
            putBack(i);
            return false;
        }
        entry.replaced = true;
    }
    return true;
}

void FileTransaction::putBack(qsizetype failed)
{
    for (qsizetype i = failed - 1; i >= 0; --i) {
        Entry &entry = *mEntries[i];
        std::optional<QString> failure;
        if (entry.previous) {
            QSaveFile file(entry.path);
            failure = writeAll(file, *entry.previous);
            if (!failure && !file.commit())
                failure = file.errorString();
            if (failure)
                file.cancelWriting();
        } else if (entry.previous.error().code == ErrorCode::FileNotFound) {
            QFile file(entry.path);
            if (!file.remove())
                failure = file.errorString();
        } else {
            failure = QCoreApplication::translate("Lines", "what it held could not be read before: %1")
                          .arg(entry.previous.error().description);
        }
        if (failure)
            mErrors.append(fileError(ErrorCode::FileWrite, entry.fileName,
                                     QCoreApplication::translate("Lines",
                                                                 "was replaced, but could not be put back as it was "
                                                                 "after %1 failed: %2")
                                         .arg(mEntries[failed]->fileName, *failure)));
        else
            entry.replaced = false;
    }
}

bool FileTransaction::replaced(qsizetype i) const
{
    return mEntries.at(i)->replaced;
}

} // namespace lancefall
