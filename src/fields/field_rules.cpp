#include "fields/field_rules.h"

#include "lines/text_codec.h"

#include <QCoreApplication>

#include <limits>

namespace lancefall {

namespace {

using namespace Qt::StringLiterals;

char16_t code(char c)
{
    return static_cast<unsigned char>(c);
}
char16_t code(QChar c)
{
    return c.unicode();
}

template <typename Text>
std::optional<qint64> parseDigits(const Text &text)
{
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && code(text.at(0)) == u'-';
    if (negative)
        ++i;
    if (i == text.size())
        return std::nullopt;
    quint64 magnitude = 0;
    constexpr quint64 kLimit = quint64(std::numeric_limits<qint64>::max()) + 1;
    for (; i < text.size(); ++i) {
        const char16_t c = code(text.at(i));
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const unsigned digit = c - u'0';
        // magnitude * 10 + digit > kLimit, without a division for every digit.
        if (magnitude > kLimit / 10 || (magnitude == kLimit / 10 && digit > kLimit % 10))
            return std::nullopt;
        magnitude = magnitude * 10 + digit;
    }
    if (negative)
        return magnitude == kLimit ? std::numeric_limits<qint64>::min() : -qint64(magnitude);
    if (magnitude == kLimit)
        return std::nullopt;
    return qint64(magnitude);
}

// The text a face field gets back when it is emptied: a face word of zero.
const QString &emptyFaceCode()
{
    static const QString code = u"0x"_s + QString(64, u'0');
    return code;
}

// A skill level is a whole number from 0 to 10: a fraction would be written into the
// skill word as more than one digit and shift the skills beside it.
bool isSkillLevel(const QString &text)
{
    const auto level = parseDigits(QStringView(text));
    return level && *level >= 0 && *level <= 10;
}

bool isShownHighLevel(const QString &text)
{
    if (text.size() != 1)
        return false;
    const QChar digit = text.front().toUpper();
    return digit >= u'B' && digit <= u'F';
}

} // namespace

QString skillRangeMessage()
{
    return QCoreApplication::translate("Fields", "Skill value must be between 0 and 10");
}

std::optional<qint64> parseWholeNumber(QByteArrayView field)
{
    return parseDigits(field);
}

std::optional<qint64> parseWholeNumber(QStringView text)
{
    return parseDigits(text);
}

QByteArray keptNumber(qint64 value, const QByteArray &stored)
{
    return parseWholeNumber(QByteArrayView(stored)) == value ? stored : QByteArray::number(value);
}

QString withoutBlanks(QString text)
{
    return text.replace(u' ', u'_');
}

std::optional<QString> problemWithName(const QString &field, const QString &text)
{
    if (text.isEmpty())
        return QCoreApplication::translate("Fields", "%1 must not be empty").arg(field);
    if (text.contains(u'\n') || text.contains(u'\r'))
        return QCoreApplication::translate("Fields", "%1 must not hold a line break").arg(field);
    return std::nullopt;
}

std::optional<QString> problemWithNumber(const QString &field, const QString &text)
{
    const auto value = parseWholeNumber(QStringView(text));
    if (!value || *value < std::numeric_limits<qint32>::min() || *value > std::numeric_limits<qint32>::max())
        return QCoreApplication::translate("Fields",
                                           "%1 must be a whole number from -2147483648 to 2147483647, not \"%2\"")
            .arg(field, text);
    return std::nullopt;
}

std::optional<QString> problemWithCount(const QString &field, const QString &text)
{
    const auto value = parseWholeNumber(QStringView(text));
    if (!value || *value < 0 || *value > std::numeric_limits<qint32>::max())
        return QCoreApplication::translate("Fields", "%1 must be a whole number from 0 to 2147483647, not \"%2\"")
            .arg(field, text);
    return std::nullopt;
}

Result<QByteArray> nameField(const QString &field, const QString &text, const QString &shown, const QByteArray &stored)
{
    if (text == shown)
        return stored;
    const QString tidied = withoutBlanks(text);
    if (const auto problem = problemWithName(field, tidied))
        return Error{ErrorCode::InvalidValue, *problem};
    if (const std::optional<QByteArray> bytes = encodeEdited(tidied, stored))
        return *bytes;
    return Error{
        ErrorCode::InvalidValue,
        QCoreApplication::translate("Fields", "%1 cannot be stored so that it reads back as typed").arg(field)};
}

Result<QByteArray> countField(const QString &field, const QString &text, const QString &shown, const QByteArray &stored)
{
    if (text == shown)
        return stored;
    if (const auto problem = problemWithCount(field, text))
        return Error{ErrorCode::InvalidValue, *problem};
    return text.toLatin1();
}

FieldCheck checkField(FieldRule rule, const QString &text, TextSource source, const QString &field)
{
    switch (rule) {
    case FieldRule::Skill:
        if (text.isEmpty())
            return {u"0"_s, {}};
        if ((source == TextSource::Shown && isShownHighLevel(text)) || isSkillLevel(text))
            return {text, {}};
        return {text, skillRangeMessage()};
    case FieldRule::Count:
        if (text.isEmpty())
            return {u"0"_s, {}};
        if (source == TextSource::Shown)
            return {text, {}};
        return {text, problemWithCount(field, text)};
    case FieldRule::FaceCode:
        return {text.isEmpty() ? emptyFaceCode() : text, {}};
    case FieldRule::NoBlanks:
        return {withoutBlanks(text), {}};
    }
    return {text, {}};
}

} // namespace lancefall
