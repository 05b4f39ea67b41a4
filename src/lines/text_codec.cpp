#include "lines/text_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace lancefall {

namespace {

bool isAscii(const QByteArray &bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

bool systemIsUtf8()
{
    static const bool utf8 = [] {
        const auto name = QStringConverter::nameForEncoding(QStringConverter::System);
        return name && QByteArray(name).compare("UTF-8", Qt::CaseInsensitive) == 0;
    }();
    return utf8;
}

bool decodeStrict(QStringDecoder &decoder, const QByteArray &bytes, QString *text)
{
    if (!decoder.isValid())
        return false;
    *text = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

DecodedText decodeText(const QByteArray &bytes)
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

QByteArray encodeText(const QString &text, TextEncoding encoding)
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
        encoder = QStringEncoder(QStringConverter::Latin1, QStringConverter::Flag::Stateless);
        break;
    }
    if (encoder.isValid()) {
        QByteArray bytes = encoder.encode(text);
        if (!encoder.hasError())
            return bytes;
    }
    return text.toUtf8();
}

QByteArray encodeEdited(const QString &text, const QByteArray &original)
{
    const DecodedText shown = decodeText(original);
    if (shown.text == text)
        return original;
    return encodeText(text, shown.encoding);
}

} // namespace lancefall
