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

// One personality choice: the chooser's entry text, the number stored for it and the detail
// values that number packs (courage + 16 * aggressiveness + 256 * banditness). Other stands for
// every number that is not one of the five presets; its number is -1 because the stored number
// is kept, and its detail values are shown as 0, 0 and clear.
struct PersonalityPreset {
    QString entry;
    int number;
    int aggressiveness;
    int courage;
    bool banditness;
};

// The six choices, indexed by Personality.
const std::array<PersonalityPreset, 6> &personalityPresets();
const PersonalityPreset &personalityPreset(Personality personality);
// The preset whose number this is, or Other.
Personality personalityForNumber(qint64 number);
// The choice whose entry text this is exactly; nullopt for any other text.
std::optional<Personality> personalityForEntry(const QString &entry);

// One member slot as the view shows it. troop is the troop chooser position: 0 is the empty
// choice (an empty slot), -1 is a filled slot that names troop -1 and shows no troop. min and max
// are the counts as stored; prisoner is the member flag (1 = prisoners).
struct TemplateSlot {
    int troop = 0;
    QString min = QStringLiteral("0");
    QString max = QStringLiteral("0");
    bool prisoner = false;
};

// What the party template view shows of one template line.
struct PartyTemplateView {
    QString id;
    QString name;
    QString menu;
    int faction = -1; // faction chooser position
    Personality personality = Personality::Other;
    std::array<TemplateSlot, 6> members; // member slots 0 to 5 ("slots" is a Qt keyword)
};

// The text of the error given for a template line whose member slots are not exactly six
// well-formed slots. It comes with ErrorCode::UnknownLayout and is shown as it stands, without
// the "Error #" prefix.
inline const QString kUnknownTemplateLineText = QStringLiteral("unknown line in party_templates.txt");

// Decodes template k (line k + 3). The line holds the identifier, the name, the flag word, the
// menu, the faction and the personality, then six member slots read from field 6 on: "-1" for an
// empty slot, or troop, minimum, maximum and member flag (0 or 1); then the empty field left by
// the closing blank, which may be missing. The slots are delimited from the end of the line,
// where the member flag tells a filled slot from an empty one, so that a filled slot naming
// troop -1 is read as such.
// Errors: RecordBeyondTable when line k + 3 does not exist; InvalidValue when it does not begin
// with "pt_"; MissingField when it has fewer than six fields; UnknownLayout with
// kUnknownTemplateLineText when the slots are not exactly six well-formed slots; NotANumber for a
// faction or personality that is not a number; OutOfRange for a faction outside 0..factionCount-1
// or a troop outside -1..troopCount-1.
Result<PartyTemplateView> decodePartyTemplate(const LineTable &lines, qsizetype k, int factionCount, int troopCount);

// Builds the new line of template k from the view and the stored line: every field followed by
// one blank. The flag word is carried over byte for byte, Other keeps the stored personality
// number, a slot with troop 0 is written as an empty slot, and a slot with troop -1 is written
// back as a filled slot when the stored slot was one (otherwise as an empty slot). Blanks in the
// identifier and the name become "_"; texts equal to what was shown from the stored bytes are
// written as those bytes, and numbers equal to the stored ones keep their stored form ("07").
// Errors, nothing being built: NotSelected when the stored line cannot be decoded (the view cannot
// be showing it); InvalidValue for an identifier that does not begin with "pt_", a text holding a
// line break, a menu, minimum or maximum that is not a whole number, or no faction chosen.
Result<QByteArray> encodePartyTemplate(const PartyTemplateView &view, const LineTable &lines, qsizetype k);

} // namespace lancefall
