#include "lines/text_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace lancefall {

namespace {

bool isAscii(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

bool systemIsUtf8()
{
    // The converter's name for the system code page is only "Locale", so ask
    // what it makes of a character outside ASCII instead.
    static const bool utf8 = [] {
        QStringEncoder system(QStringConverter::System);
        return system.encode(QStringView(u"\u00e9")) == QByteArray("\xc3\xa9");
    }();
    return utf8;
}

bool decodeStrict(QStringDecoder &decoder, QByteArrayView bytes, QString *text)
{
    if (!decoder.isValid())
        return false;
    *text = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

DecodedText decodeText(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return {QString::fromLatin1(bytes), TextEncoding::System};
    QString text;
    QStringDecoder system(QStringConverter::System, QStringConverter::Flag::Stateless);
    if (decodeStrict(system, bytes, &text))
        return {text, TextEncoding::System};
    if (systemIsUtf8()) {
        QStringDecoder gb("GB18030", QStringConverter::Flag::Stateless);
        if (decodeStrict(gb, bytes, &text))
            return {text, TextEncoding::Gb18030};
    }
    return {QString::fromLatin1(bytes), TextEncoding::Latin1};
}

std::optional<QByteArray> encodeText(const QString &text, TextEncoding encoding)
{
    QStringEncoder encoder;
    switch (encoding) {
    case TextEncoding::System:
        encoder = QStringEncoder(QStringConverter::System, QStringConverter::Flag::Stateless);
        break;
    case TextEncoding::Gb18030:
        encoder = QStringEncoder("GB18030", QStringConverter::Flag::Stateless);
        break;
    case TextEncoding::Latin1:
        // The Latin-1 encoder turns what it cannot hold into '?' without an error.
        if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xff; }))
            return text.toLatin1();
        return std::nullopt;
    }
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> encodeEdited(const QString &text, const QByteArray &original)
{
    const DecodedText shown = decodeText(original);
    if (shown.text == text)
        return original;
    for (const TextEncoding encoding :
         {shown.encoding, TextEncoding::System, TextEncoding::Gb18030, TextEncoding::Latin1}) {
        const std::optional<QByteArray> bytes = encodeText(text, encoding);
        if (bytes && decodeText(*bytes).text == text)
            return bytes;
    }
    return std::nullopt;
}

} // namespace lancefall
