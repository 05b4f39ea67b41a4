#include "lines/file_state.h"

#include "lines/text_file.h"

#include <QFileInfo>

#include <cstring>

namespace lancefall {

namespace {

// Only ever compared within one run of the editor, and only to notice another program's
// change, so a plain 64-bit multiply-and-fold over eight bytes at a time will do: it
// hashes a large troops.txt several times faster than a general-purpose hash, which every
// load and save would otherwise pay for.
quint64 hashOf(const QByteArray &content)
{
    const char *data = content.constData();
    const auto size = std::size_t(content.size());
    quint64 hash = 0x9E3779B97F4A7C15ull ^ size;
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 word = 0;
        std::memcpy(&word, data + i, 8);
        hash = (hash ^ word) * 0xFF51AFD7ED558CCDull;
        hash ^= hash >> 32;
    }
    quint64 tail = 0;
    std::memcpy(&tail, data + i, size - i);
    hash = (hash ^ tail) * 0xC4CEB9FE1A85EC53ull;
    return hash ^ (hash >> 29);
}

} // namespace

FileState readFileState(const QString &path, QByteArray *content)
{
    QDateTime modified;
    Result<QByteArray> bytes = readModuleBytes(path, &modified);
    if (!bytes) {
        FileState state;
        state.exists = bytes.error().code != ErrorCode::FileNotFound;
        if (state.exists)
            state.readError = bytes.error().description;
        return state;
    }
    const FileState state = contentState(*bytes, modified);
    if (content)
        *content = std::move(bytes).value();
    return state;
}

FileState contentState(const QByteArray &content, const QDateTime &modified)
{
    FileState state;
    state.exists = true;
    state.size = content.size();
    state.hash = hashOf(content);
    state.modified = modified;
    return state;
}

FileState writtenFileState(const QString &path, const QByteArray &content)
{
    return contentState(content, QFileInfo(path).lastModified());
}

} // namespace lancefall
