#include "codecs/number_codecs.h"

#include <algorithm>

namespace lancefall {

namespace {

constexpr UInt128 kMax128 = ~UInt128(0);
// 23 hexadecimal digits (92 bits) is the widest text a word conversion accepts.
constexpr qsizetype kMaxHexDigits = 23;

int hexDigitValue(QChar ch)
{
    const char16_t c = ch.unicode();
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

bool hasHexPrefix(const QString &text)
{
    return text.size() >= 2 && text.at(0) == u'&' && (text.at(1) == u'H' || text.at(1) == u'h');
}

QString hexText(UInt128 value)
{
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    QString reversed;
    while (value != 0) {
        reversed.append(QChar(kDigits[static_cast<int>(value & 0xF)]));
        value >>= 4;
    }
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}

void setOk(bool *ok, bool value)
{
    if (ok)
        *ok = value;
}

} // namespace

std::optional<WholeNumber> parseWholeNumber(const QString &text)
{
    WholeNumber number;
    if (hasHexPrefix(text)) {
        if (text.size() == 2)
            return std::nullopt;
        for (qsizetype i = 2; i < text.size(); ++i) {
            const int digit = hexDigitValue(text.at(i));
            if (digit < 0 || (number.magnitude >> 124) != 0)
                return std::nullopt;
            number.magnitude = (number.magnitude << 4) | UInt128(digit);
        }
        return number;
    }

    qsizetype i = 0;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+')) {
        number.negative = text.at(i) == u'-';
        ++i;
    }
    bool anyDigit = false;
    for (; i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9'; ++i) {
        const auto digit = static_cast<unsigned>(text.at(i).unicode() - u'0');
        if (number.magnitude > (kMax128 - digit) / 10)
            return std::nullopt;
        number.magnitude = number.magnitude * 10 + digit;
        anyDigit = true;
    }
    bool fraction = false;
    if (i < text.size() && text.at(i) == u'.') {
        for (++i; i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9'; ++i) {
            fraction = fraction || text.at(i) != u'0';
            anyDigit = true;
        }
    }
    if (!anyDigit || i != text.size())
        return std::nullopt;
    // Taking a negative fraction down moves it away from zero: -0.5 becomes -1.
    if (number.negative && fraction) {
        if (number.magnitude == kMax128)
            return std::nullopt;
        ++number.magnitude;
    }
    if (number.magnitude == 0)
        number.negative = false;
    return number;
}

quint32 lowWord(const WholeNumber &number)
{
    const auto low = static_cast<quint32>(number.magnitude);
    // Two's complement of the low bits: the same as adding 2^32 as often as needed,
    // without looping for values far below -2^32.
    return number.negative ? static_cast<quint32>(0u - low) : low;
}

std::optional<quint32> lowWord(const QString &decimalIn)
{
    const auto number = parseWholeNumber(decimalIn);
    if (!number)
        return std::nullopt;
    return lowWord(*number);
}

QString dec2Hex(const QString &decimalIn, bool *ok)
{
    const auto word = lowWord(decimalIn);
    setOk(ok, word.has_value());
    if (!word)
        return QString();
    return QStringLiteral("%1").arg(*word, 8, 16, QLatin1Char('0')).toUpper();
}

QString dec2Hex(qint64 value)
{
    return QStringLiteral("%1").arg(static_cast<quint32>(value), 8, 16, QLatin1Char('0')).toUpper();
}

QString dec2Hex2(const QString &decimalIn, bool *ok)
{
    const auto number = parseWholeNumber(decimalIn);
    const bool valid = number && !number->negative;
    setOk(ok, valid);
    return valid ? hexText(number->magnitude) : QString();
}

QString dec2Hex2(UInt128 value)
{
    return hexText(value);
}

std::optional<UInt128> hex2Dec(const QString &hex)
{
    const qsizetype start = hasHexPrefix(hex) ? 2 : 0;
    if (hex.size() - start > kMaxHexDigits)
        return std::nullopt;
    UInt128 value = 0;
    for (qsizetype i = start; i < hex.size(); ++i)
        value = (value << 4) | UInt128(std::max(hexDigitValue(hex.at(i)), 0));
    return value;
}

QString decimalText(UInt128 value)
{
    if (value == 0)
        return QStringLiteral("0");
    QString reversed;
    while (value != 0) {
        reversed.append(QChar(u'0' + static_cast<char16_t>(value % 10)));
        value /= 10;
    }
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}

QString checkTroopFlag(qint64 value, const QString &flag, bool *ok)
{
    const auto flagWord = lowWord(flag);
    setOk(ok, flagWord.has_value());
    if (!flagWord)
        return QString();
    const auto valueWord = static_cast<quint32>(value);
    const quint32 common = valueWord & *flagWord;
    if (common == 0)
        return QStringLiteral("0");
    return common == *flagWord ? QStringLiteral("1") : QStringLiteral("2");
}

QString checkTroopFlag(qint64 value, qint64 flag)
{
    return checkTroopFlag(value, QString::number(flag));
}

} // namespace lancefall
