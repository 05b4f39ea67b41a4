#include "codecs/number_codecs.h"

#include <algorithm>
#include <array>

namespace lancefall {

namespace {

constexpr quint64 kLimbMask = 0xFFFFFFFFu;

// The number as four 32-bit limbs, least significant first: products of two limbs
// and a carry fit 64 bits on every compiler.
std::array<quint64, 4> limbs(Word128 w)
{
    return {w.low & kLimbMask, w.low >> 32, w.high & kLimbMask, w.high >> 32};
}

Word128 fromLimbs(const std::array<quint64, 4> &l)
{
    return {(l[3] << 32) | l[2], (l[1] << 32) | l[0]};
}

// w * factor + add; false when the result does not fit 128 bits.
bool multiplyAdd(Word128 &w, quint32 factor, quint32 add)
{
    std::array<quint64, 4> l = limbs(w);
    quint64 carry = add;
    for (quint64 &limb : l) {
        const quint64 t = limb * factor + carry;
        limb = t & kLimbMask;
        carry = t >> 32;
    }
    if (carry != 0)
        return false;
    w = fromLimbs(l);
    return true;
}

// w / divisor, leaving the remainder.
quint32 divide(Word128 &w, quint32 divisor)
{
    std::array<quint64, 4> l = limbs(w);
    quint64 remainder = 0;
    for (int i = 3; i >= 0; --i) {
        const quint64 t = (remainder << 32) | l[i];
        l[i] = t / divisor;
        remainder = t % divisor;
    }
    w = fromLimbs(l);
    return static_cast<quint32>(remainder);
}

bool isZero(Word128 w)
{
    return w.high == 0 && w.low == 0;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<WholeNumber> parseWord(QByteArrayView text)
{
    WholeNumber number;
    qsizetype i = 0;
    if (!text.isEmpty() && text.front() == '-') {
        number.negative = true;
        ++i;
    }
    const qsizetype digitsStart = i;
    // 19 digits always fit 64 bits; only longer numbers need the 128-bit arithmetic.
    constexpr qsizetype kPlainDigits = 19;
    for (; i < text.size() && isDigit(text.at(i)); ++i) {
        const auto digit = static_cast<quint32>(text.at(i) - '0');
        if (i - digitsStart < kPlainDigits)
            number.magnitude.low = number.magnitude.low * 10 + digit;
        else if (!multiplyAdd(number.magnitude, 10, digit))
            return std::nullopt;
    }
    bool anyDigit = i > digitsStart;
    bool fraction = false;
    if (i < text.size() && text.at(i) == '.') {
        for (++i; i < text.size() && isDigit(text.at(i)); ++i) {
            fraction = fraction || text.at(i) != '0';
            anyDigit = true;
        }
    }
    if (!anyDigit || i != text.size())
        return std::nullopt;
    // Taking a negative fraction down moves it away from zero: -0.5 becomes -1.
    if (number.negative && fraction && !multiplyAdd(number.magnitude, 1, 1))
        return std::nullopt;
    if (isZero(number.magnitude))
        number.negative = false;
    return number;
}

quint32 low32(const WholeNumber &number)
{
    const auto low = static_cast<quint32>(number.magnitude.low);
    // Two's complement of the low bits: the same as adding 2^32 as often as needed.
    return number.negative ? static_cast<quint32>(0u - low) : low;
}

Word128 withLowBits(const WholeNumber &stored, int bits, quint64 value)
{
    if (stored.negative)
        return {0, value};
    Word128 word = stored.magnitude;
    if (bits >= 64)
        word.low = value;
    else
        word.low = (word.low & ~((quint64(1) << bits) - 1)) | value;
    return word;
}

QByteArray decimalText(Word128 value)
{
    if (isZero(value))
        return QByteArrayLiteral("0");
    QByteArray digits;
    while (!isZero(value))
        digits.append(static_cast<char>('0' + divide(value, 10)));
    std::reverse(digits.begin(), digits.end());
    return digits;
}

quint64 hexWordValue(QStringView hex)
{
    quint64 value = 0;
    for (const QChar ch : hex) {
        const char16_t c = ch.unicode();
        int digit = 0;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else if (c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        value = (value << 4) | quint64(digit);
    }
    return value;
}

} // namespace lancefall
