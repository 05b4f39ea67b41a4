#include "party_templates/party_template_record.h"

#include "lines/text_codec.h"
#include "party_templates/party_templates_file.h"

namespace lancefall {

namespace {

constexpr qsizetype kFirstSlotField = 6;
constexpr int kSlotCount = 6;

// Where one member slot sits among the stored fields: one field for an empty slot, four for a
// filled one.
struct StoredSlot {
    qsizetype first = 0;
    bool filled = false;
};

struct StoredTemplate {
    qsizetype lineNumber = 0;
    QList<QByteArray> fields;
    qint64 faction = 0;
    qint64 personality = 0;
    std::array<StoredSlot, kSlotCount> members;
};

// An optional sign and at least one decimal digit, nothing else: such a field can be read by the
// game and cannot split or merge the fields around it.
bool isWholeNumber(QStringView text)
{
    if (text.startsWith(u'-') || text.startsWith(u'+'))
        text = text.sliced(1);
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

bool isWholeField(const QByteArray &field)
{
    return isWholeNumber(QString::fromLatin1(field));
}

bool hasValue(const QByteArray &field, qint64 expected)
{
    qint64 value = 0;
    return parseInteger(field, &value) && value == expected;
}

// The stored form when it reads as the same number, so that "07" stays "07".
QByteArray numberField(qint64 value, const QByteArray &stored)
{
    return hasValue(stored, value) ? stored : QByteArray::number(value);
}

Error templateError(ErrorCode code, qsizetype lineNumber, const QString &what)
{
    return lineError(code, kPartyTemplatesFileName, lineNumber, what);
}

// Walks the slots from the end of the line: the last field of a slot is "-1" for an empty slot
// and the member flag 0 or 1 for a filled one, so each slot's extent is known before its first
// field is read. The six slots must begin exactly at field 6.
bool findSlots(const QList<QByteArray> &fields, std::array<StoredSlot, kSlotCount> *members)
{
    qsizetype end = fields.size();
    if (end > kFirstSlotField && fields.last().isEmpty())
        --end; // the closing blank
    for (int s = kSlotCount - 1; s >= 0; --s) {
        if (end <= kFirstSlotField)
            return false;
        const QByteArray &marker = fields.at(end - 1);
        if (hasValue(marker, -1)) {
            (*members)[s] = {end - 1, false};
            end -= 1;
        } else if (hasValue(marker, 0) || hasValue(marker, 1)) {
            const qsizetype first = end - 4;
            qint64 troop = 0;
            if (first < kFirstSlotField || !parseInteger(fields.at(first), &troop)
                || !isWholeField(fields.at(first + 1)) || !isWholeField(fields.at(first + 2)))
                return false;
            (*members)[s] = {first, true};
            end = first;
        } else {
            return false;
        }
    }
    return end == kFirstSlotField;
}

Result<StoredTemplate> readStoredTemplate(const LineTable &lines, qsizetype k)
{
    StoredTemplate stored;
    stored.lineNumber = partyTemplateLine(k);
    if (k < 0 || !lines.contains(stored.lineNumber))
        return templateError(
            ErrorCode::RecordBeyondTable, stored.lineNumber,
            QStringLiteral("template %1 lies beyond the end of the file (%2 lines)").arg(k).arg(lines.lastIndex()));
    const QByteArray &line = lines.line(stored.lineNumber);
    if (!isPartyTemplateLine(line))
        return templateError(ErrorCode::InvalidValue, stored.lineNumber,
                             QStringLiteral("the line of template %1 does not begin with pt_").arg(k));
    stored.fields = splitFields(line);
    if (stored.fields.size() < kFirstSlotField)
        return templateError(ErrorCode::MissingField, stored.lineNumber,
                             QStringLiteral("a template line needs 6 fields before its member slots"));
    if (!parseInteger(stored.fields.at(4), &stored.faction))
        return templateError(
            ErrorCode::NotANumber, stored.lineNumber,
            QStringLiteral("the faction \"%1\" is not a number").arg(displayText(stored.fields.at(4))));
    if (!parseInteger(stored.fields.at(5), &stored.personality))
        return templateError(
            ErrorCode::NotANumber, stored.lineNumber,
            QStringLiteral("the personality \"%1\" is not a number").arg(displayText(stored.fields.at(5))));
    if (!findSlots(stored.fields, &stored.members))
        return Error{ErrorCode::UnknownLayout, kUnknownTemplateLineText};
    return stored;
}

// Blanks would split a field in two.
QString withoutBlanks(QString text)
{
    return text.replace(u' ', u'_');
}

bool hasLineBreak(const QString &text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}

} // namespace

const std::array<PersonalityPreset, 6> &personalityPresets()
{
    static const std::array<PersonalityPreset, 6> presets{{
        {QStringLiteral("Soldier"), 137, 8, 9, false},
        {QStringLiteral("Merchant"), 7, 0, 7, false},
        {QStringLiteral("Escorted Merchant"), 11, 0, 11, false},
        {QStringLiteral("Bandit"), 312, 3, 8, true},
        {QStringLiteral("None"), 0, 0, 0, false},
        {QStringLiteral("Other (keep current value)"), -1, 0, 0, false},
    }};
    return presets;
}

const PersonalityPreset &personalityPreset(Personality personality)
{
    return personalityPresets().at(static_cast<std::size_t>(personality));
}

Personality personalityForNumber(qint64 number)
{
    // The order in which the numbers are recognised: Merchant, Escorted Merchant, Soldier, Bandit, None.
    for (const Personality p : {Personality::Merchant, Personality::EscortedMerchant, Personality::Soldier,
                                Personality::Bandit, Personality::None}) {
        if (personalityPreset(p).number == number)
            return p;
    }
    return Personality::Other;
}

std::optional<Personality> personalityForEntry(const QString &entry)
{
    const auto &presets = personalityPresets();
    for (std::size_t i = 0; i < presets.size(); ++i) {
        if (presets[i].entry == entry)
            return static_cast<Personality>(i);
    }
    return std::nullopt;
}

Result<PartyTemplateView> decodePartyTemplate(const LineTable &lines, qsizetype k, int factionCount, int troopCount)
{
    Result<StoredTemplate> read = readStoredTemplate(lines, k);
    if (!read)
        return read.error();
    const StoredTemplate &stored = *read;
    const QList<QByteArray> &f = stored.fields;

    PartyTemplateView view;
    view.id = displayText(f.at(0));
    view.name = displayText(f.at(1));
    view.menu = displayText(f.at(3));

    const qint64 faction = stored.faction;
    if (faction < 0 || faction >= factionCount)
        return templateError(
            ErrorCode::OutOfRange, stored.lineNumber,
            QStringLiteral("faction %1 is not in the faction list (%2 entries)").arg(faction).arg(factionCount));
    view.faction = static_cast<int>(faction);

    view.personality = personalityForNumber(stored.personality);

    for (int s = 0; s < kSlotCount; ++s) {
        const StoredSlot &slot = stored.members[s];
        if (!slot.filled)
            continue; // the default slot is the empty one
        qint64 troop = 0;
        parseInteger(f.at(slot.first), &troop); // checked by findSlots
        if (troop < -1 || troop >= troopCount)
            return templateError(ErrorCode::OutOfRange, stored.lineNumber,
                                 QStringLiteral("member slot %1 names troop %2, which is not in the troop list "
                                                "(%3 entries)")
                                     .arg(s)
                                     .arg(troop)
                                     .arg(troopCount));
        TemplateSlot &shown = view.members[s];
        shown.troop = static_cast<int>(troop);
        shown.min = displayText(f.at(slot.first + 1));
        shown.max = displayText(f.at(slot.first + 2));
        shown.prisoner = hasValue(f.at(slot.first + 3), 1);
    }
    return view;
}

Result<QByteArray> encodePartyTemplate(const PartyTemplateView &view, const LineTable &lines, qsizetype k)
{
    Result<StoredTemplate> read = readStoredTemplate(lines, k);
    if (!read)
        return Error{ErrorCode::NotSelected,
                     QStringLiteral("%1 line %2: template %3 cannot be shown without errors, so it cannot be "
                                    "updated (%4)")
                         .arg(kPartyTemplatesFileName)
                         .arg(partyTemplateLine(k))
                         .arg(k)
                         .arg(read.error().description)};
    const StoredTemplate &stored = *read;
    const QList<QByteArray> &f = stored.fields;
    const qsizetype n = stored.lineNumber;

    const QString id = withoutBlanks(view.id);
    const QString name = withoutBlanks(view.name);
    if (!id.startsWith(QStringLiteral("pt_")))
        return templateError(ErrorCode::InvalidValue, n,
                             QStringLiteral("the identifier \"%1\" must begin with pt_").arg(id));
    if (hasLineBreak(id) || hasLineBreak(name))
        return templateError(ErrorCode::InvalidValue, n,
                             QStringLiteral("the identifier and the name must not hold a line break"));
    if (!isWholeNumber(view.menu))
        return templateError(ErrorCode::InvalidValue, n,
                             QStringLiteral("the menu \"%1\" is not a whole number").arg(view.menu));
    if (view.faction < 0)
        return templateError(ErrorCode::InvalidValue, n, QStringLiteral("no faction is chosen"));

    QList<QByteArray> out;
    out.reserve(kFirstSlotField + 4 * kSlotCount + 1);
    out << encodeEdited(id, f.at(0)) << encodeEdited(name, f.at(1)) << f.at(2) << encodeEdited(view.menu, f.at(3))
        << numberField(view.faction, f.at(4));
    if (view.personality == Personality::Other)
        out << f.at(5);
    else
        out << numberField(personalityPreset(view.personality).number, f.at(5));

    for (int s = 0; s < kSlotCount; ++s) {
        const TemplateSlot &slot = view.members[s];
        const StoredSlot &was = stored.members[s];
        const bool keepsUnnamedTroop = slot.troop == -1 && was.filled && hasValue(f.at(was.first), -1);
        if (slot.troop == 0 || (slot.troop < 0 && !keepsUnnamedTroop)) {
            out << (was.filled ? QByteArrayLiteral("-1") : f.at(was.first));
            continue;
        }
        if (!isWholeNumber(slot.min))
            return templateError(
                ErrorCode::InvalidValue, n,
                QStringLiteral("the minimum \"%1\" of member slot %2 is not a whole number").arg(slot.min).arg(s));
        if (!isWholeNumber(slot.max))
            return templateError(
                ErrorCode::InvalidValue, n,
                QStringLiteral("the maximum \"%1\" of member slot %2 is not a whole number").arg(slot.max).arg(s));
        static const QByteArray none;
        const QByteArray &troop = was.filled ? f.at(was.first) : none;
        const QByteArray &min = was.filled ? f.at(was.first + 1) : none;
        const QByteArray &max = was.filled ? f.at(was.first + 2) : none;
        const QByteArray &flag = was.filled ? f.at(was.first + 3) : none;
        out << numberField(slot.troop, troop) << encodeEdited(slot.min, min) << encodeEdited(slot.max, max)
            << numberField(slot.prisoner ? 1 : 0, flag);
    }

    QByteArray line = joinFields(out);
    line.append(' ');
    return line;
}

} // namespace lancefall
