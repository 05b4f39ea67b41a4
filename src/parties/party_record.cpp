#include "parties/party_record.h"

#include "lines/text_codec.h"
#include "parties/parties_file.h"

namespace lancefall {

namespace {

constexpr qsizetype kIdField = 4;
constexpr qsizetype kNameField = 5;
constexpr qsizetype kTemplateField = 8;
constexpr qsizetype kFactionField = 9;
constexpr qsizetype kFieldsNeeded = 10;

struct StoredParty {
    qsizetype lineNumber = 0;
    QList<QByteArray> fields;
    qint64 partyTemplate = 0;
    qint64 faction = 0;
};

Error partyError(ErrorCode code, qsizetype lineNumber, const QString &what)
{
    return lineError(code, kPartiesFileName, lineNumber, what);
}

Result<StoredParty> readStoredParty(const LineTable &lines, qsizetype k)
{
    StoredParty stored;
    stored.lineNumber = partyLine(k);
    if (k < 0 || !lines.contains(stored.lineNumber))
        return partyError(
            ErrorCode::RecordBeyondTable, stored.lineNumber,
            QStringLiteral("party %1 lies beyond the end of the file (%2 lines)").arg(k).arg(lines.lastIndex()));
    const QByteArray &line = lines.line(stored.lineNumber);
    if (!isPartyLine(line))
        return partyError(ErrorCode::InvalidValue, stored.lineNumber,
                          QStringLiteral("the line of party %1 holds no identifier beginning with p_").arg(k));
    stored.fields = splitFields(line);
    if (stored.fields.size() < kFieldsNeeded)
        return partyError(ErrorCode::MissingField, stored.lineNumber,
                          QStringLiteral("a party line needs at least %1 fields").arg(kFieldsNeeded));
    if (!parseInteger(stored.fields.at(kTemplateField), &stored.partyTemplate))
        return partyError(ErrorCode::NotANumber, stored.lineNumber,
                          QStringLiteral("the party template \"%1\" is not a number")
                              .arg(displayText(stored.fields.at(kTemplateField))));
    if (!parseInteger(stored.fields.at(kFactionField), &stored.faction))
        return partyError(
            ErrorCode::NotANumber, stored.lineNumber,
            QStringLiteral("the faction \"%1\" is not a number").arg(displayText(stored.fields.at(kFactionField))));
    return stored;
}

// The stored form when it reads as the same number, so that "07" stays "07".
QByteArray numberField(qint64 value, const QByteArray &stored)
{
    qint64 was = 0;
    return parseInteger(stored, &was) && was == value ? stored : QByteArray::number(value);
}

bool hasLineBreak(const QString &text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}

} // namespace

Result<PartyView> decodeParty(const LineTable &lines, qsizetype k, int templateCount, int factionCount)
{
    Result<StoredParty> read = readStoredParty(lines, k);
    if (!read)
        return read.error();
    const StoredParty &stored = *read;
    if (stored.partyTemplate < 0 || stored.partyTemplate >= templateCount)
        return partyError(ErrorCode::OutOfRange, stored.lineNumber,
                          QStringLiteral("party template %1 is not in the template list (%2 entries)")
                              .arg(stored.partyTemplate)
                              .arg(templateCount));
    if (stored.faction < 0 || stored.faction >= factionCount)
        return partyError(
            ErrorCode::OutOfRange, stored.lineNumber,
            QStringLiteral("faction %1 is not in the faction list (%2 entries)").arg(stored.faction).arg(factionCount));
    PartyView view;
    view.id = displayText(stored.fields.at(kIdField));
    view.name = displayText(stored.fields.at(kNameField));
    view.partyTemplate = static_cast<int>(stored.partyTemplate);
    view.faction = static_cast<int>(stored.faction);
    return view;
}

Result<QByteArray> encodeParty(const PartyView &view, const LineTable &lines, qsizetype k)
{
    Result<StoredParty> read = readStoredParty(lines, k);
    if (!read)
        return Error{ErrorCode::NotSelected,
                     QStringLiteral("%1 line %2: party %3 cannot be shown without errors, so it cannot be "
                                    "updated (%4)")
                         .arg(kPartiesFileName)
                         .arg(partyLine(k))
                         .arg(k)
                         .arg(read.error().description)};
    StoredParty stored = std::move(read).value();
    const qsizetype n = stored.lineNumber;

    // Blanks would split a field in two.
    const QString id = QString(view.id).replace(u' ', u'_');
    const QString name = QString(view.name).replace(u' ', u'_');
    if (!id.startsWith(QStringLiteral("p_")))
        return partyError(ErrorCode::InvalidValue, n,
                          QStringLiteral("the identifier \"%1\" must begin with p_").arg(id));
    if (hasLineBreak(id) || hasLineBreak(name))
        return partyError(ErrorCode::InvalidValue, n,
                          QStringLiteral("the identifier and the name must not hold a line break"));
    if (view.partyTemplate < 0)
        return partyError(ErrorCode::InvalidValue, n, QStringLiteral("no party template is chosen"));
    if (view.faction < 0)
        return partyError(ErrorCode::InvalidValue, n, QStringLiteral("no faction is chosen"));

    QList<QByteArray> &f = stored.fields;
    f[kIdField] = encodeEdited(id, f.at(kIdField));
    f[kNameField] = encodeEdited(name, f.at(kNameField));
    f[kTemplateField] = numberField(view.partyTemplate, f.at(kTemplateField));
    f[kFactionField] = numberField(view.faction, f.at(kFactionField));
    return joinFields(f);
}

} // namespace lancefall
