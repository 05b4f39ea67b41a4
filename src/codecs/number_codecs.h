#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace lancefall {

// Flag, skill and face words are whole numbers wider than 64 bits in the worst
// case (23 hexadecimal digits are 92 bits), so every conversion here works on an
// unsigned 128-bit integer and never on floating point.
__extension__ typedef unsigned __int128 UInt128;

// A whole number read from text: its sign and its magnitude, any fraction already
// taken down to the next whole number not above it (12.9 is 12, -0.5 is -1).
struct WholeNumber {
    bool negative = false;
    UInt128 magnitude = 0;
};

// Reads decimal text ("136", "-1", "+7", "12.9") or flag text ("&H1F", "&h1f").
// Anything else, an empty text, or a magnitude beyond 128 bits gives no value.
std::optional<WholeNumber> parseWholeNumber(const QString &text);

// The low 32 bits of a whole number; a negative number stands for the unsigned
// word with the same bits in two's complement (-1 is 0xFFFFFFFF), whatever its size.
quint32 lowWord(const WholeNumber &number);
std::optional<quint32> lowWord(const QString &decimalIn);

// `Dec2Hex`: exactly 8 upper-case hexadecimal digits holding the low 32 bits of
// decimalIn (decimal or flag text). Higher bits are dropped; a negative value gives
// its two's complement word. Text that is not a number gives an empty text and
// *ok = false.
QString dec2Hex(const QString &decimalIn, bool *ok = nullptr);
QString dec2Hex(qint64 value);

// `Dec2Hex_2`: upper-case hexadecimal digits of the whole value, no leading zero and
// no fixed width; the empty text for 0. Face words are unsigned, so a negative value
// is refused like text that is not a number (empty text, *ok = false).
QString dec2Hex2(const QString &decimalIn, bool *ok = nullptr);
QString dec2Hex2(UInt128 value);

// `Hex2Dec`: the value of hexadecimal text, either case, with an optional "&H" or
// "&h" prefix. A character that is no hexadecimal digit counts as 0 and the empty
// text is 0. More than 23 digits after the prefix give no value.
std::optional<UInt128> hex2Dec(const QString &hex);

// Decimal text without leading zeros, "0" for zero.
QString decimalText(UInt128 value);

// `CheckTroopFlag`: "0" when no bit of flag is set in value, "1" when every bit is,
// "2" when only some are (multi-bit flags such as races). Only the low 32 bits of
// either side take part. Flag text that is not a number gives an empty text and
// *ok = false.
QString checkTroopFlag(qint64 value, const QString &flag, bool *ok = nullptr);
QString checkTroopFlag(qint64 value, qint64 flag);

} // namespace lancefall
