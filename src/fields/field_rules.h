#pragma once

#include "lines/error.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace lancefall {

// The rules every record field follows, for all three record files.

// A whole-number field: an optional minus sign and decimal digits, nothing else (no
// blanks, no plus sign, no control characters). No value beyond 64 bits.
std::optional<qint64> parseWholeNumber(QByteArrayView field);
std::optional<qint64> parseWholeNumber(QStringView text);

// The stored text when it reads as this number, so that "07" stays "07"; otherwise
// the number in decimal.
QByteArray keptNumber(qint64 value, const QByteArray &stored);

// Blanks would split a field in two: every blank becomes "_".
QString withoutBlanks(QString text);

// Checks of a value, each giving the message that names the field ("Name 1 must not be
// empty"), or nothing when the value can be written. problemWithNumber accepts any whole
// 32-bit number, as the game reads it; problemWithCount, the rule for a count, attribute,
// proficiency or menu the user changed, accepts those from 0 up.
std::optional<QString> problemWithName(const QString &field, const QString &text);
std::optional<QString> problemWithNumber(const QString &field, const QString &text);
std::optional<QString> problemWithCount(const QString &field, const QString &text);

// The bytes to store for a text field that shows `shown` from the stored bytes and
// now holds `text`: the stored bytes when unchanged, even where the rule would refuse
// them. A changed identifier or name gets "_" for its blanks, is checked (problemWithName)
// and is encoded so that it reads back as typed after a save and a new load, like the
// stored field where that does (encodeEdited); text no encoding reads back is refused. A
// changed count is checked (problemWithCount). A refusal is InvalidValue with the message
// as its description.
Result<QByteArray> nameField(const QString &field, const QString &text, const QString &shown, const QByteArray &stored);
Result<QByteArray> countField(const QString &field, const QString &text, const QString &shown,
                              const QByteArray &stored);

// The four families of checks run when a text field of a view is left.
enum class FieldRule {
    Skill,    // a skill level 0..10; empty becomes "0", anything else is refused
    Count,    // counts, attributes, proficiencies, menus: empty becomes "0"; a whole number from 0 to 2147483647
    FaceCode, // face codes: empty becomes "0x" and 64 zeros
    NoBlanks, // identifiers and names: every blank becomes "_"
};

// Where the text of a field came from: typed by the user, or put there by the view
// when it showed a record and left alone since. A shown value is never refused, so a
// stored record stays updatable without edits.
enum class TextSource { Typed, Shown };

// What a field holds after the check; the message when its value is refused.
struct FieldCheck {
    QString text;
    std::optional<QString> problem;
};

// The tidied text of a field and the verdict on it. `field` names the field in the
// message of a refused number.
//
// A skill value is a whole number from 0 to 10. A stored level above 10 is shown as a
// single letter B..F and accepted while it is still the shown text.
FieldCheck checkField(FieldRule rule, const QString &text, TextSource source, const QString &field = {});

// The message of a refused skill level, in the language of the moment.
QString skillRangeMessage();

} // namespace lancefall
