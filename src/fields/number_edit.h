#pragma once

#include "lines/error.h"

#include <QString>

#include <optional>

namespace lancefall {

// What a number field of a view of several records asks of each record: a whole number
// sets every record to it; "+N" and "-N" add N to, or take N from, each record's own
// value; "*X" multiplies each record's own value by the decimal X and rounds half away
// from zero.
struct NumberEdit {
    enum class Kind { Set, Add, Multiply };
    Kind kind = Kind::Set;
    qint64 amount = 0;             // the value set, or the number added (negative to take away)
    qint64 factorNumerator = 1;    // the factor X as numerator / 10^factorDecimals
    int factorDecimals = 0;
    QString text;                  // the value set as typed
};

// The edit a typed text asks for; none when the text is no whole number, "+N", "-N" or "*X".
// With `relative` false only a whole number is an edit (one record shown: "-3" is the
// number -3).
std::optional<NumberEdit> parseNumberEdit(const QString &text, bool relative);

// The range a field's values must stay in.
enum class NumberRange {
    Skill, // a skill level: 0 to 10
    Count, // a level, attribute, proficiency, member count or menu: 0 to 2147483647
};

// The text an edit gives a record whose field holds `current` (a stored level above 10 is
// its letter B..F): a value set is written as typed, as an Update of that record alone
// writes it; a value changed relatively is written as a number, unless it stays what the
// record holds. A result outside the field's range, or a relative edit of a value that is no
// number, is refused (InvalidValue) with a message naming `field` and `record`.
Result<QString> editedNumber(const NumberEdit &edit, const QString &current, NumberRange range, const QString &field,
                             const QString &record);

// Applies what was typed in a number field of a view of several records to one record's
// `field`: nothing when nothing was typed; a text that is no edit, or a result the range
// refuses, is refused with a message naming the field (`name`) and `record`.
Status applyNumberEdit(QString &field, const std::optional<QString> &typed, NumberRange range, const QString &name,
                       const QString &record);

} // namespace lancefall
