#include "workspace/file_state.h"

#include "lines/text_file.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace lancefall {

namespace {

// Only ever compared within one run of the editor, so Qt's fast 64-bit hash will do:
// it hashes a large troops.txt several times faster than SHA-1, which load and save
// would otherwise pay for.
size_t hashOf(const QByteArray &content)
{
    return qHashBits(content.constData(), size_t(content.size()), 0);
}

} // namespace

FileState readFileState(const QString &path, QByteArray *content)
{
    FileState state;
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return state;
    state.exists = true;
    state.modified = info.lastModified();
    state.size = info.size();
    if (state.size > kMaxModuleFileBytes) {
        state.readError = QStringLiteral("the file is larger than any module file (%1 bytes)").arg(state.size);
        return state;
    }
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        state.readError = file.errorString();
        return state;
    }
    state.size = bytes.size();
    state.hash = hashOf(bytes);
    if (content)
        *content = std::move(bytes);
    return state;
}

FileState writtenFileState(const QString &path, const QByteArray &content)
{
    FileState state;
    state.exists = true;
    state.size = content.size();
    state.hash = hashOf(content);
    state.modified = QFileInfo(path).lastModified();
    return state;
}

} // namespace lancefall
