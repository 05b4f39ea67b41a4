#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace lancefall {

// An unsigned 128-bit whole number in two 64-bit halves. Flag, skill and face words
// are shown as 32 or 64 bits, but a stored word may carry more, and those bits are
// written back as they were; plain halves keep the arithmetic portable.
struct Word128 {
    quint64 high = 0;
    quint64 low = 0;

    friend bool operator==(const Word128 &, const Word128 &) = default;
};

// A stored word read from its decimal text: its sign and magnitude, a fraction
// already taken down to the next whole number not above it (12.9 is 12, -0.5 is -1).
struct WholeNumber {
    bool negative = false;
    Word128 magnitude;
};

// Reads a stored word: an optional minus sign, decimal digits and an optional
// fraction ("136", "-1", "12.9"). Anything else (blanks, a plus sign, other
// characters), an empty text or a magnitude beyond 128 bits gives no value.
std::optional<WholeNumber> parseWord(QByteArrayView text);

// The low 32 bits of a word; a negative number stands for the unsigned word with the
// same bits in two's complement (-1 is 0xFFFFFFFF), whatever its size.
quint32 low32(const WholeNumber &number);
// The low 64 bits of a word that is not negative.
inline quint64 low64(const WholeNumber &number)
{
    return number.magnitude.low;
}

// The stored word with its low `bits` (32 or 64) replaced by value: the bits above
// them are kept. A negative stored word keeps nothing but the new value.
Word128 withLowBits(const WholeNumber &stored, int bits, quint64 value);

// Decimal text without leading zeros, "0" for zero.
QByteArray decimalText(Word128 value);
inline QByteArray decimalText(quint64 value)
{
    return decimalText(Word128{0, value});
}

// The value of up to 16 hexadecimal digits, either case; a character that is no
// hexadecimal digit counts as 0 and the empty text is 0.
quint64 hexWordValue(QStringView hex);

} // namespace lancefall
