#include "parties/party_record.h"

#include "fields/field_rules.h"
#include "lines/text_codec.h"
#include "parties/parties_file.h"

#include <QCoreApplication>

#include <limits>

namespace lancefall {

namespace {

constexpr qsizetype kIdField = 4;
constexpr qsizetype kNameField = 5;
constexpr qsizetype kTemplateField = 8;
constexpr qsizetype kFactionField = 9;
constexpr qsizetype kFieldsNeeded = 10;

// The texts of this file, translated in the context "Parties".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Parties)
};

Error partyError(ErrorCode code, qsizetype n, const QString &what)
{
    return lineError(code, kPartiesFileName, n, what);
}

// `what` names the field ("faction"), translated only when the field is refused.
Result<qint64> numberAt(const QList<QByteArray> &fields, qsizetype i, qsizetype n, const char *what)
{
    const auto value = parseWholeNumber(QByteArrayView(fields.at(i)));
    if (!value)
        return partyError(ErrorCode::NotANumber, n,
                          Text::tr("the %1 \"%2\" is not a number").arg(Text::tr(what), displayText(fields.at(i))));
    return *value;
}

} // namespace

Result<PartyView> decodeParty(const LineTable &lines, qsizetype n)
{
    if (!lines.contains(n))
        return partyError(ErrorCode::RecordBeyondTable, n,
                          Text::tr("the line lies beyond the end of the file (%1 lines)").arg(lines.lastIndex()));
    const QByteArrayView line = lines.line(n);
    if (!isPartyLine(line))
        return partyError(ErrorCode::InvalidValue, n, Text::tr("the line holds no identifier beginning with p_"));
    // Only the first ten fields are shown: a long line is not split further.
    const QList<QByteArray> fields = leadingFields(line, kFieldsNeeded);
    if (fields.size() < kFieldsNeeded)
        return partyError(ErrorCode::MissingField, n,
                          Text::tr("a party line needs at least %1 fields").arg(kFieldsNeeded));
    const auto partyTemplate = numberAt(fields, kTemplateField, n, QT_TRANSLATE_NOOP("Parties", "party template"));
    if (!partyTemplate)
        return partyTemplate.error();
    const auto faction = numberAt(fields, kFactionField, n, QT_TRANSLATE_NOOP("Parties", "faction"));
    if (!faction)
        return faction.error();
    // A number beyond its list names a record that does not exist and is kept as stored.
    for (const auto &[value, what] : {std::pair(*partyTemplate, QT_TRANSLATE_NOOP("Parties", "party template")),
                                      std::pair(*faction, QT_TRANSLATE_NOOP("Parties", "faction"))}) {
        if (value < 0 || value > std::numeric_limits<int>::max())
            return partyError(
                ErrorCode::OutOfRange, n,
                Text::tr("%1 %2 is no %1 number: a number from 0 to %3")
                    .arg(Text::tr(what), QString::number(value), QString::number(std::numeric_limits<int>::max())));
    }
    PartyView view;
    view.id = displayText(fields.at(kIdField));
    view.name = displayText(fields.at(kNameField));
    view.partyTemplate = static_cast<int>(*partyTemplate);
    view.faction = static_cast<int>(*faction);
    return view;
}

Result<QByteArray> encodeParty(const PartyView &view, const LineTable &lines, qsizetype n)
{
    const Result<PartyView> shown = decodeParty(lines, n);
    if (!shown)
        return shown.error();
    QList<QByteArray> f = splitFields(lines.line(n));

    const auto id = nameField(Text::tr("Party ID"), view.id, shown->id, f.at(kIdField));
    if (!id)
        return id.error();
    if (view.id != shown->id && !id->startsWith("p_"))
        return Error{ErrorCode::InvalidValue, Text::tr("Party ID must begin with p_, not \"%1\"").arg(view.id)};
    const auto name = nameField(Text::tr("Party name"), view.name, shown->name, f.at(kNameField));
    if (!name)
        return name.error();
    if (view.partyTemplate < 0)
        return Error{ErrorCode::InvalidValue, Text::tr("No party template is chosen")};
    if (view.faction < 0)
        return Error{ErrorCode::InvalidValue, Text::tr("No faction is chosen")};

    f[kIdField] = *id;
    f[kNameField] = *name;
    f[kTemplateField] = keptNumber(view.partyTemplate, f.at(kTemplateField));
    f[kFactionField] = keptNumber(view.faction, f.at(kFactionField));
    return joinFields(f);
}

} // namespace lancefall
