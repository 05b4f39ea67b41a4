#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

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

// Encodes typed text in the given encoding; nothing when that encoding cannot hold it.
std::optional<QByteArray> encodeText(const QString &text, TextEncoding encoding);

// The bytes to store for a field that was shown from `original` and now reads `text`: the
// original bytes when the text is unchanged. Otherwise the text in the encoding the original
// was decoded with, when decodeText reads those bytes back as the same text; bytes valid in
// an encoding decodeText tries first would read back as other text ("茅" in GB18030 is "é" in
// UTF-8). Then the first of the system code page, GB18030 and Latin-1 whose bytes read back
// as the text; nothing when none does.
std::optional<QByteArray> encodeEdited(const QString &text, const QByteArray &original);

} // namespace lancefall
