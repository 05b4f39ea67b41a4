// The number codecs on any text: parseWholeNumber accepts exactly an optional minus and
// digits within 64 bits and reads their value; a word read by parseWord comes back from
// decimalText, keeps its bits when its low bits are set to themselves, and plain digits
// come back without their leading zeros; hexWordValue reads hexadecimal digits.

#include "codecs/number_codecs.h"
#include "fields/field_rules.h"
#include "fuzz_support.h"

#include <QString>

#include <algorithm>
#include <charconv>

using namespace lancefall;
using namespace lancefall::fuzz;

namespace {

bool isDigits(QByteArrayView text)
{
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return !text.isEmpty();
}

QByteArray withoutLeadingZeros(QByteArrayView digits)
{
    qsizetype i = 0;
    while (i + 1 < digits.size() && digits.at(i) == '0')
        ++i;
    return digits.sliced(i).toByteArray();
}

void wholeNumbers(const QByteArray &text)
{
    const bool negative = text.startsWith('-');
    const QByteArrayView digits = QByteArrayView(text).sliced(negative ? 1 : 0);
    const auto value = parseWholeNumber(QByteArrayView(text));
    require(value == parseWholeNumber(QStringView(QString::fromLatin1(text))), "bytes and text read alike");
    if (!isDigits(digits)) {
        require(!value, "only a minus and digits are a whole number");
        return;
    }
    qint64 expected = 0;
    const auto [end, error] = std::from_chars(text.cbegin(), text.cend(), expected);
    require(value.has_value() == (error == std::errc() && end == text.cend()), "a whole number is one within 64 bits");
    if (value) {
        require(*value == expected, "a whole number reads as its value");
        require(QByteArray::number(*value)
                    == (*value == 0 ? QByteArray("0") : (negative ? "-" : "") + withoutLeadingZeros(digits)),
                "the value is written as the digits were");
    }
}

void words(const QByteArray &text)
{
    const auto word = parseWord(QByteArrayView(text));
    if (!word)
        return;
    const QByteArray decimal = decimalText(word->magnitude);
    const auto back = parseWord(QByteArrayView(decimal));
    require(back && !back->negative && back->magnitude == word->magnitude, "decimalText reads back as the same word");
    if (isDigits(text))
        require(decimal == withoutLeadingZeros(text), "plain digits come back without their leading zeros");
    if (!word->negative) {
        require(withLowBits(*word, 32, low32(*word)) == word->magnitude, "setting the low 32 bits to themselves");
        require(withLowBits(*word, 64, low64(*word)) == word->magnitude, "setting the low 64 bits to themselves");
    }
}

void hexWords(const QByteArray &text)
{
    const QByteArray digits = text.left(16);
    bool ok = false;
    const quint64 expected = digits.toULongLong(&ok, 16);
    const bool plain = !digits.isEmpty() && std::all_of(digits.cbegin(), digits.cend(), [](char c) {
        return QByteArrayView("0123456789abcdefABCDEF").contains(c);
    });
    const quint64 value = hexWordValue(QString::fromLatin1(digits));
    if (plain)
        require(ok && value == expected, "hexadecimal digits read as their value");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray text = bytesOf(data, size);
    wholeNumbers(text);
    words(text);
    hexWords(text);
    return 0;
}
