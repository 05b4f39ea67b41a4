#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace lancefall {

// How the bytes of a field were turned into display text.
enum class TextEncoding {
    System,  // the system code page (UTF-8 on Linux and macOS)
    Gb18030, // bytes that are not valid in a UTF-8 system code page: a module from a Chinese Windows system
    Latin1,  // last resort, always lossless
};

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::System;
};

// Decodes field bytes for display: the system code page when the bytes are valid
// in it; where that code page is UTF-8 and they are not, GB18030, then Latin-1.
DecodedText decodeText(QByteArrayView bytes);
inline QString displayText(QByteArrayView bytes)
{
    return decodeText(bytes).text;
}

// Encodes typed text in the given encoding; text that encoding cannot hold is
// written as UTF-8.
QByteArray encodeText(const QString &text, TextEncoding encoding);

// The bytes to store for a field that was shown from `original` and now reads
// `text`: the original bytes when the text is unchanged, otherwise the text in the
// encoding the original was decoded with.
QByteArray encodeEdited(const QString &text, const QByteArray &original);

} // namespace lancefall
