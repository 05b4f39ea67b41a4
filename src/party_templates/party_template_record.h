#pragma once

#include "lines/error.h"
#include "lines/line_table.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

namespace lancefall {

// The personality choices, in the entry order of the personality chooser.
enum class Personality { Soldier, Merchant, EscortedMerchant, Bandit, None, Other };
inline constexpr int kPersonalityCount = 6;

// One personality choice: the chooser's entry text (translated when the preset is asked for),
// the number stored for it and the detail values that number packs (courage + 16 *
// aggressiveness + 256 * banditness). Other stands for every number that is not one of the five
// presets; its number is -1 because the stored number is kept, and its detail values are shown
// as 0, 0 and clear.
struct PersonalityPreset {
    QString entry;
    int number;
    int aggressiveness;
    int courage;
    bool banditness;
};

PersonalityPreset personalityPreset(Personality personality);
// The preset whose number this is, or Other.
Personality personalityForNumber(qint64 number);

inline constexpr int kMemberSlots = 6;

// One member slot as the view shows it. troop is the troop chooser position: 0 is the empty
// choice (an empty slot), -1 is a filled slot that names troop -1 and shows no troop, and a
// number at or beyond the troop list's size names a troop that does not exist, kept while it is
// unchanged. min and max are the counts as stored; prisoner is the member flag (1 = prisoners).
struct TemplateSlot {
    int troop = 0;
    QString min = QStringLiteral("0");
    QString max = QStringLiteral("0");
    bool prisoner = false;

    friend bool operator==(const TemplateSlot &, const TemplateSlot &) = default;
};

// What the party template view shows of one template line.
struct PartyTemplateView {
    QString id;
    QString name;
    QString menu;
    int faction = -1; // faction chooser position; at or beyond the list's size for a missing faction
    Personality personality = Personality::Other;
    std::array<TemplateSlot, kMemberSlots> members; // member slots 0 to 5 ("slots" is a Qt keyword)
};

// Decodes the template on line n. The line holds the identifier, the name, the flag word, the
// menu, the faction and the personality, then six member slots read from field 6 on: "-1" for an
// empty slot, or troop, minimum, maximum and member flag (0 or 1); then the empty field left by
// the closing blank, which may be missing. The slots are delimited from the end of the line,
// where the member flag tells a filled slot from an empty one.
// A faction or troop beyond its list is shown as its number (see missingReferences).
// Errors: RecordBeyondTable, InvalidValue for a line that does not begin with "pt_",
// MissingField, UnknownLayout (member slots that are not exactly six well-formed slots; its text is
// shown as it stands, without the "Error #" prefix), NotANumber, OutOfRange for a faction
// below 0 or a troop below -1, or either beyond 32 bits.
Result<PartyTemplateView> decodePartyTemplate(const LineTable &lines, qsizetype n);

// The faction and member troops (0 for an empty slot) of the template on line n, read
// without decoding its texts; nothing where decodePartyTemplate would refuse the line.
struct TemplateLinks {
    int faction = -1;
    std::array<int, kMemberSlots> troops{};
};
std::optional<TemplateLinks> templateLinks(const LineTable &lines, qsizetype n);

// Builds the new line n from the view and the stored line. Every value the view shows
// unchanged keeps its stored text, an unchanged member slot its stored fields (also one that
// names troop 0), the flag word and anything after the last slot are carried byte for byte,
// and Other keeps the stored personality number. A changed slot with troop 0 becomes an empty
// slot. Changed values are checked first (InvalidValue naming the field): identifier and name
// not empty, the identifier beginning with "pt_", menu and counts whole numbers from 0 to
// 2147483647, a maximum not below its minimum, a faction chosen. A stored line that cannot
// be decoded gives decodePartyTemplate's error.
Result<QByteArray> encodePartyTemplate(const PartyTemplateView &view, const LineTable &lines, qsizetype n);

} // namespace lancefall
