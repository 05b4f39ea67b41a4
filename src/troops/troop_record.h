#pragma once

#include "lines/error.h"
#include "lines/line_table.h"
#include "troops/inventory.h"
#include "troops/troop_layout.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace lancefall {

// The 24 skills of a troop, in the order of the skills line: word 0 to word 4, each
// from its most significant digit down. Each is one 4-bit level in a skill word.
enum class Skill {
    Persuasion,
    PrisonerManagement,
    Leadership,
    Trade,
    Tactics,
    Pathfinding,
    Spotting,
    InventoryManagement,
    WoundTreatment,
    Surgery,
    FirstAid,
    Engineer,
    HorseArchery,
    Looting,
    Training,
    Tracking,
    WeaponMaster,
    Shield,
    Athletics,
    Riding,
    Ironflesh,
    PowerStrike,
    PowerThrow,
    PowerDraw,
};
inline constexpr int kSkillCount = 24;
inline constexpr int kAttributeCount = 5;   // strength, agility, intelligence, charisma, level
inline constexpr int kProficiencyCount = 7; // one-handed ... firearms

// Where a skill lives: skill word 0..4 of the skills line, nibble 0 (least
// significant) to 7.
struct SkillPosition {
    int word;
    int nibble;
};
SkillPosition skillPosition(Skill skill);

// The names messages give the fields ("Power Strike", "Strength", "One-handed"), in the
// language of the interface.
QString skillName(Skill skill);
QString attributeName(int attribute);
QString proficiencyName(int proficiency);
// The same names untranslated, as the sources write them: the names above translate these.
// What must read the same in every language (the columns of a table) is made from them.
const char *skillWord(Skill skill);
const char *attributeWord(int attribute);
const char *proficiencyWord(int proficiency);

// The property bits of the flag word that the troop view shows as check boxes, in
// the order the update applies them.
enum class TroopFlag {
    Hero,
    Inactive,
    Unkillable,
    FallDead,
    NoCapture,
    Mounted,
    Merchant,
    Boots,
    Armor,
    Helmet,
    Gloves,
    Horse,
    Shield,
    Ranged,
    Unmoveable,
};
inline constexpr int kTroopFlagCount = 15;
// The bit value of a property in the flag word (Hero is 0x10).
quint32 troopFlagBit(TroopFlag flag);

// The low 4 bits of the flag word are the race, 0 to 15.
inline constexpr quint32 kRaceMask = 0xF;
inline constexpr int kRaceCount = 16;

// The gender option that shows a race: 0 (male) for race 0, 1 (female) for race 1,
// 2 (other) for any other race.
int genderOptionForRace(int race);
// The race the race list shows after choosing a gender option: options 0 and 1 fix
// race 0 and 1, option 2 keeps the current race.
int raceForGenderOption(int option, int currentRace);

// What the face fields of a troop show when its game version has no known faces layout.
QString facesNotAvailable();

// What the troop view shows of the record's troop line. Each line of the record has a
// part of the view of its own that compares itself as a whole, so that an update knows
// a line is unchanged without a list of its fields that a new field could be missing from.
struct TroopLineView {
    QString id, name1, name2;
    // List positions: faction number and upgrade-path troop numbers; -1 = none chosen.
    // A number at or beyond its list's size names a faction or troop that does not
    // exist: the record still shows, and an update keeps the number while it is unchanged.
    int faction = -1, upgradeA = -1, upgradeB = -1;
    // The race chosen in the race list, 0..15; -1 when none is chosen.
    int race = 0;
    // Indexed by TroopFlag.
    std::array<bool, kTroopFlagCount> flags{};

    friend bool operator==(const TroopLineView &, const TroopLineView &) = default;
};

// The faces line: "0x" and lower-case hexadecimal digits, 32 of them with game version
// 0.90x, 64 with 0.95x; facesNotAvailable() for any other game version.
struct FacesView {
    QString face1, face2;

    friend bool operator==(const FacesView &, const FacesView &) = default;
};

// Everything the troop view shows. The window copies it into its controls and, for
// an update, back from them.
struct TroopView : TroopLineView, FacesView {
    QList<InventoryEntry> inventory;
    // Strength, agility, intelligence, charisma, level.
    std::array<QString, kAttributeCount> attributes;
    // One-handed, two-handed, polearms, archery, crossbows, throwing, firearms.
    std::array<QString, kProficiencyCount> proficiencies;
    // Indexed by Skill: "0" to "10", or a letter "B" to "F" for a stored level above 10.
    std::array<QString, kSkillCount> skills;

    friend bool operator==(const TroopView &, const TroopView &) = default;
};

struct DecodedTroop {
    TroopView view;
    // The full warning text when inventory items are not in the item catalogue (they
    // are left out of view.inventory); empty otherwise.
    QString missingItemsWarning;
    // The full message text when the game version has no known faces layout (the face
    // fields then hold facesNotAvailable()); empty otherwise.
    QString unknownVersionWarning;
};

// Decodes the troop whose record begins at line `first`; inventory items are looked up in
// the item catalogue `items` (label p is item p + 1). Fails, without a partial view, when
// the record reaches past the table, a line is too short, a number field is not a
// number, or a list position is below -1 or beyond 32 bits (OutOfRange).
Result<DecodedTroop> decodeTroop(const LineTable &lines, qsizetype first, const TroopLayout &layout,
                                 const QStringList &items);

// The list positions a troop line stores: faction number and upgrade-path troop
// numbers, -1 where none is chosen.
struct TroopLinks {
    int faction = -1, upgradeA = -1, upgradeB = -1;
};

// Reads only the troop line of the record at line `first`, with the checks decodeTroop
// makes of these three fields; much cheaper than decoding the whole record.
Result<TroopLinks> decodeTroopLinks(const LineTable &lines, qsizetype first, const TroopLayout &layout);

struct EncodedTroop {
    // The new lines first..first+5 of the record; a 7-line record's last line is
    // never touched.
    QList<QByteArray> lines;
    // The identifier and name as written (blanks became "_"), for the labels and the
    // confirmation.
    QString id, name1;
};

// Encodes the view back into the record at line `first`. Every value the view shows
// unchanged keeps its stored text; of a changed word only the bits the view shows
// change (the race nibble and the fifteen flags, the skill nibbles, the low 64 bits
// of a face word); fields after the last one shown, unshown nibbles, item modifiers
// and an unchanged inventory line are kept as stored.
// Changed values are checked before anything is returned:
//   InvalidValue  a value that would corrupt the record, an attribute or proficiency
//                 below 0 (the description names the field), or no race chosen
//   TooManyItems  more than 64 items (the description is tooManyItemsMessage())
//   and the errors of decodeTroop when the stored record is damaged.
Result<EncodedTroop> encodeTroop(const TroopView &view, const LineTable &lines, qsizetype first,
                                 const TroopLayout &layout, const QStringList &items);
// The same for a caller that holds the view decodeTroop gave for these very lines
// (`shown`), so that the record is not decoded a second time.
Result<EncodedTroop> encodeTroop(const TroopView &view, const TroopView &shown, const LineTable &lines, qsizetype first,
                                 const TroopLayout &layout);

} // namespace lancefall
