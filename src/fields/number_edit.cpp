#include "fields/number_edit.h"

#include "fields/field_rules.h"

#include <QCoreApplication>

#include <limits>

namespace lancefall {

namespace {

// More digits than any sensible factor; the product with a 32-bit value stays within 64 bits.
constexpr int kMostFactorDigits = 9;

std::optional<qint64> currentValue(const QString &current, NumberRange range)
{
    if (range == NumberRange::Skill && current.size() == 1) {
        const char16_t digit = current.front().toUpper().unicode();
        if (digit >= u'B' && digit <= u'F')
            return digit - u'A' + 10;
    }
    return parseWholeNumber(QStringView(current));
}

qint64 highest(NumberRange range)
{
    return range == NumberRange::Skill ? 10 : std::numeric_limits<qint32>::max();
}

// value * numerator / 10^decimals, rounded half away from zero.
qint64 scaled(qint64 value, qint64 numerator, int decimals)
{
    qint64 unit = 1;
    for (int i = 0; i < decimals; ++i)
        unit *= 10;
    const qint64 product = value * numerator;
    qint64 quotient = product / unit;
    const qint64 rest = product % unit;
    if (2 * (rest < 0 ? -rest : rest) >= unit)
        quotient += product < 0 ? -1 : 1;
    return quotient;
}

} // namespace

std::optional<NumberEdit> parseNumberEdit(const QString &text, bool relative)
{
    if (relative && text.size() > 1 && (text.front() == u'+' || text.front() == u'-')) {
        const auto amount = parseWholeNumber(QStringView(text).sliced(1));
        if (!amount || *amount < 0 || *amount > std::numeric_limits<qint32>::max())
            return std::nullopt;
        return NumberEdit{NumberEdit::Kind::Add, text.front() == u'-' ? -*amount : *amount, 1, 0, {}};
    }
    if (relative && text.size() > 1 && text.front() == u'*') {
        const QStringView factor = QStringView(text).sliced(1);
        const qsizetype point = factor.indexOf(u'.');
        const QString digits
            = point < 0 ? factor.toString() : factor.first(point).toString() + factor.sliced(point + 1).toString();
        const int decimals = point < 0 ? 0 : int(factor.size() - point - 1);
        const auto numerator = parseWholeNumber(QStringView(digits));
        if (!numerator || *numerator < 0 || digits.size() > kMostFactorDigits || digits.front() == u'-'
            || (point >= 0 && (point == 0 || decimals == 0)))
            return std::nullopt;
        return NumberEdit{NumberEdit::Kind::Multiply, 0, *numerator, decimals, {}};
    }
    const auto value = parseWholeNumber(QStringView(text));
    if (!value)
        return std::nullopt;
    return NumberEdit{NumberEdit::Kind::Set, *value, 1, 0, text};
}

Result<QString> editedNumber(const NumberEdit &edit, const QString &current, NumberRange range, const QString &field,
                             const QString &record)
{
    qint64 value = edit.amount;
    if (edit.kind != NumberEdit::Kind::Set) {
        const std::optional<qint64> own = currentValue(current, range);
        if (!own)
            return Error{ErrorCode::InvalidValue,
                         QCoreApplication::translate("Fields", "%1 of %2 holds \"%3\", which is no number to change")
                             .arg(field, record, current)};
        value = edit.kind == NumberEdit::Kind::Add ? *own + edit.amount
                                                   : scaled(*own, edit.factorNumerator, edit.factorDecimals);
    }
    if (value < 0 || value > highest(range))
        return Error{
            ErrorCode::InvalidValue,
            QCoreApplication::translate("Fields", "%1 of %2 would be %3; it must be a whole number from 0 to %4")
                .arg(field, record, QString::number(value), QString::number(highest(range)))};
    if (edit.kind == NumberEdit::Kind::Set)
        return edit.text;
    // A value that stays what the record holds keeps its text, as an untouched field does.
    if (currentValue(current, range) == value)
        return current;
    return QString::number(value);
}

Status applyNumberEdit(QString &field, const std::optional<QString> &typed, NumberRange range, const QString &name,
                       const QString &record)
{
    if (!typed)
        return success();
    const std::optional<NumberEdit> edit = parseNumberEdit(*typed, true);
    if (!edit)
        return Error{ErrorCode::InvalidValue,
                     QCoreApplication::translate("Fields", "%1 must be a whole number, +N, -N or *X, not \"%2\"")
                         .arg(name, *typed)};
    const Result<QString> value = editedNumber(*edit, field, range, name, record);
    if (!value)
        return value.error();
    field = *value;
    return success();
}

} // namespace lancefall
