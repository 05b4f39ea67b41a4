#include "party_templates/party_template_record.h"

#include "fields/field_rules.h"
#include "lines/text_codec.h"
#include "party_templates/party_templates_file.h"

#include <QCoreApplication>

#include <limits>

namespace lancefall {

namespace {

constexpr qsizetype kFirstSlotField = 6;

// The texts of this file, translated in the context "PartyTemplates".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(PartyTemplates)
};

// Where one member slot sits among the stored fields: one field for an empty slot, four for a
// filled one.
struct StoredSlot {
    qsizetype first = 0;
    bool filled = false;

    qsizetype size() const { return filled ? 4 : 1; }
};

struct StoredTemplate {
    QList<QByteArray> fields;
    qint64 faction = 0;
    qint64 personality = 0;
    std::array<StoredSlot, kMemberSlots> members;
    qsizetype tail = 0; // the first field after the last slot
};

bool hasValue(QByteArrayView field, qint64 expected)
{
    return parseWholeNumber(field) == expected;
}

bool isWholeField(QByteArrayView field)
{
    return parseWholeNumber(field).has_value();
}

Error templateError(ErrorCode code, qsizetype lineNumber, const QString &what)
{
    return lineError(code, kPartyTemplatesFileName, lineNumber, what);
}

// A faction or member troop a view can hold: from `lowest` up, within 32 bits. A number
// beyond its list names a record that does not exist and is kept as stored.
bool isListPosition(qint64 value, qint64 lowest)
{
    return value >= lowest && value <= std::numeric_limits<int>::max();
}

// Walks the slots from the end of the line: the last field of a slot is "-1" for an empty slot
// and the member flag 0 or 1 for a filled one, so each slot's extent is known before its first
// field is read. The six slots must begin exactly at field 6. Fields are the line's fields
// as copies or as views.
template <typename Fields>
bool findSlots(const Fields &fields, std::array<StoredSlot, kMemberSlots> &members, qsizetype &tail)
{
    qsizetype end = fields.size();
    if (end > kFirstSlotField && fields.last().isEmpty())
        --end; // the closing blank
    tail = end;
    for (int s = kMemberSlots - 1; s >= 0; --s) {
        if (end <= kFirstSlotField)
            return false;
        const QByteArrayView marker = fields.at(end - 1);
        if (hasValue(marker, -1)) {
            members[s] = {end - 1, false};
            end -= 1;
        } else if (hasValue(marker, 0) || hasValue(marker, 1)) {
            const qsizetype first = end - 4;
            if (first < kFirstSlotField || !isWholeField(fields.at(first)) || !isWholeField(fields.at(first + 1))
                || !isWholeField(fields.at(first + 2)))
                return false;
            members[s] = {first, true};
            end = first;
        } else {
            return false;
        }
    }
    return end == kFirstSlotField;
}

Result<StoredTemplate> readStoredTemplate(const LineTable &lines, qsizetype n)
{
    if (!lines.contains(n))
        return templateError(ErrorCode::RecordBeyondTable, n,
                             Text::tr("the line lies beyond the end of the file (%1 lines)").arg(lines.lastIndex()));
    const QByteArrayView line = lines.line(n);
    if (!isPartyTemplateLine(line))
        return templateError(ErrorCode::InvalidValue, n, Text::tr("the line does not begin with pt_"));
    StoredTemplate stored;
    stored.fields = splitFields(line);
    if (stored.fields.size() < kFirstSlotField)
        return templateError(ErrorCode::MissingField, n,
                             Text::tr("a template line needs 6 fields before its member slots"));
    const auto faction = parseWholeNumber(QByteArrayView(stored.fields.at(4)));
    if (!faction)
        return templateError(ErrorCode::NotANumber, n,
                             Text::tr("the faction \"%1\" is not a number").arg(displayText(stored.fields.at(4))));
    const auto personality = parseWholeNumber(QByteArrayView(stored.fields.at(5)));
    if (!personality)
        return templateError(ErrorCode::NotANumber, n,
                             Text::tr("the personality \"%1\" is not a number").arg(displayText(stored.fields.at(5))));
    stored.faction = *faction;
    stored.personality = *personality;
    if (!findSlots(stored.fields, stored.members, stored.tail))
        return Error{ErrorCode::UnknownLayout, Text::tr("unknown line in party_templates.txt")};
    return stored;
}

Result<PartyTemplateView> viewOf(const StoredTemplate &stored, qsizetype n)
{
    const QList<QByteArray> &f = stored.fields;
    PartyTemplateView view;
    view.id = displayText(f.at(0));
    view.name = displayText(f.at(1));
    view.menu = displayText(f.at(3));
    if (!isListPosition(stored.faction, 0))
        return templateError(ErrorCode::OutOfRange, n,
                             Text::tr("faction %1 is no faction number: a number from 0 to %2")
                                 .arg(stored.faction)
                                 .arg(std::numeric_limits<int>::max()));
    view.faction = static_cast<int>(stored.faction);
    view.personality = personalityForNumber(stored.personality);

    for (int s = 0; s < kMemberSlots; ++s) {
        const StoredSlot &slot = stored.members[s];
        if (!slot.filled)
            continue;                                                             // the default slot is the empty one
        const qint64 troop = *parseWholeNumber(QByteArrayView(f.at(slot.first))); // checked by findSlots
        if (!isListPosition(troop, -1))
            return templateError(ErrorCode::OutOfRange, n,
                                 Text::tr("member slot %1 names troop %2, which is no troop number: -1 or a "
                                          "number from 0 to %3")
                                     .arg(s + 1)
                                     .arg(troop)
                                     .arg(std::numeric_limits<int>::max()));
        TemplateSlot &shown = view.members[s];
        shown.troop = static_cast<int>(troop);
        shown.min = displayText(f.at(slot.first + 1));
        shown.max = displayText(f.at(slot.first + 2));
        shown.prisoner = hasValue(f.at(slot.first + 3), 1);
    }
    return view;
}

// The fields of one changed member slot.
Result<QList<QByteArray>> encodeSlot(int s, const TemplateSlot &slot, const TemplateSlot &shown,
                                     const StoredTemplate &stored)
{
    const StoredSlot &was = stored.members[s];
    const QList<QByteArray> wasFields = stored.fields.mid(was.first, was.size());
    // A stored slot naming troop 0 or troop -1 stays filled while its troop is unchanged.
    const bool keepsTroop = was.filled && slot.troop == shown.troop;
    if (slot.troop == 0 && !keepsTroop)
        return QList<QByteArray>{QByteArrayLiteral("-1")};
    if (slot.troop < 0 && !keepsTroop)
        return QList<QByteArray>{QByteArrayLiteral("-1")};

    // A slot that was empty has no stored counts to keep.
    const auto storedField = [&](int i) { return was.filled ? wasFields.at(i) : QByteArray(); };
    const auto shownCount = [&](const QString &text) { return was.filled ? text : QString(); };
    const auto min
        = countField(Text::tr("Member %1 minimum").arg(s + 1), slot.min, shownCount(shown.min), storedField(1));
    if (!min)
        return min.error();
    const auto max
        = countField(Text::tr("Member %1 maximum").arg(s + 1), slot.max, shownCount(shown.max), storedField(2));
    if (!max)
        return max.error();
    if (slot.min != shown.min || slot.max != shown.max) {
        const qint64 low = *parseWholeNumber(QStringView(slot.min));
        const qint64 high = *parseWholeNumber(QStringView(slot.max));
        if (high < low)
            return Error{
                ErrorCode::InvalidValue,
                Text::tr("Member %1 maximum (%2) must not be below its minimum (%3)").arg(s + 1).arg(high).arg(low)};
    }
    return QList<QByteArray>{keptNumber(slot.troop, storedField(0)), *min, *max,
                             keptNumber(slot.prisoner ? 1 : 0, storedField(3))};
}

} // namespace

namespace {

// The presets with their entries untranslated: a template's personality is looked up by its
// number for every template decoded, which needs no entry.
struct PresetSource {
    const char *entry;
    int number;
    int aggressiveness;
    int courage;
    bool banditness;
};

const PresetSource &presetSource(Personality personality)
{
    static constexpr std::array<PresetSource, kPersonalityCount> kPresets{{
        {QT_TRANSLATE_NOOP("PartyTemplates", "Soldier"), 137, 8, 9, false},
        {QT_TRANSLATE_NOOP("PartyTemplates", "Merchant"), 7, 0, 7, false},
        {QT_TRANSLATE_NOOP("PartyTemplates", "Escorted Merchant"), 11, 0, 11, false},
        {QT_TRANSLATE_NOOP("PartyTemplates", "Bandit"), 312, 3, 8, true},
        {QT_TRANSLATE_NOOP("PartyTemplates", "None"), 0, 0, 0, false},
        {QT_TRANSLATE_NOOP("PartyTemplates", "Other (keep current value)"), -1, 0, 0, false},
    }};
    return kPresets.at(static_cast<std::size_t>(personality));
}

} // namespace

PersonalityPreset personalityPreset(Personality personality)
{
    const PresetSource &p = presetSource(personality);
    return {Text::tr(p.entry), p.number, p.aggressiveness, p.courage, p.banditness};
}

Personality personalityForNumber(qint64 number)
{
    // The order in which the numbers are recognised: Merchant, Escorted Merchant, Soldier, Bandit, None.
    for (const Personality p : {Personality::Merchant, Personality::EscortedMerchant, Personality::Soldier,
                                Personality::Bandit, Personality::None}) {
        if (presetSource(p).number == number)
            return p;
    }
    return Personality::Other;
}

std::optional<TemplateLinks> templateLinks(const LineTable &lines, qsizetype n)
{
    if (!lines.contains(n) || !isPartyTemplateLine(lines.line(n)))
        return std::nullopt;
    const auto fields = fieldViews(lines.line(n));
    if (fields.size() < kFirstSlotField)
        return std::nullopt;
    const auto faction = parseWholeNumber(fields.at(4));
    std::array<StoredSlot, kMemberSlots> members;
    qsizetype tail = 0;
    if (!faction || !isListPosition(*faction, 0) || !isWholeField(fields.at(5)) || !findSlots(fields, members, tail))
        return std::nullopt;
    TemplateLinks links{int(*faction), {}};
    for (int s = 0; s < kMemberSlots; ++s) {
        if (!members[s].filled)
            continue;
        const qint64 troop = *parseWholeNumber(fields.at(members[s].first));
        if (!isListPosition(troop, -1))
            return std::nullopt;
        links.troops[s] = int(troop);
    }
    return links;
}

Result<PartyTemplateView> decodePartyTemplate(const LineTable &lines, qsizetype n)
{
    const Result<StoredTemplate> stored = readStoredTemplate(lines, n);
    if (!stored)
        return stored.error();
    return viewOf(*stored, n);
}

Result<QByteArray> encodePartyTemplate(const PartyTemplateView &view, const LineTable &lines, qsizetype n)
{
    const Result<StoredTemplate> read = readStoredTemplate(lines, n);
    if (!read)
        return read.error();
    const StoredTemplate &stored = *read;
    const Result<PartyTemplateView> decoded = viewOf(stored, n);
    if (!decoded)
        return decoded.error();
    const PartyTemplateView &shown = *decoded;
    const QList<QByteArray> &f = stored.fields;

    const auto id = nameField(Text::tr("Template ID"), view.id, shown.id, f.at(0));
    if (!id)
        return id.error();
    if (view.id != shown.id && !isPartyTemplateLine(*id))
        return Error{ErrorCode::InvalidValue, Text::tr("Template ID must begin with pt_, not \"%1\"").arg(view.id)};
    const auto name = nameField(Text::tr("Template name"), view.name, shown.name, f.at(1));
    if (!name)
        return name.error();
    const auto menu = countField(Text::tr("Menu"), view.menu, shown.menu, f.at(3));
    if (!menu)
        return menu.error();
    if (view.faction < 0)
        return Error{ErrorCode::InvalidValue, Text::tr("No faction is chosen")};

    QList<QByteArray> out{*id, *name, f.at(2), *menu, keptNumber(view.faction, f.at(4))};
    out << (view.personality == Personality::Other ? f.at(5)
                                                   : keptNumber(personalityPreset(view.personality).number, f.at(5)));
    for (int s = 0; s < kMemberSlots; ++s) {
        const StoredSlot &was = stored.members[s];
        if (view.members[s] == shown.members[s]) {
            out << f.mid(was.first, was.size());
            continue;
        }
        const auto slot = encodeSlot(s, view.members[s], shown.members[s], stored);
        if (!slot)
            return slot.error();
        out << *slot;
    }
    out << f.mid(stored.tail);
    return joinFields(out);
}

} // namespace lancefall
