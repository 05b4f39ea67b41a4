#pragma once

#include "lines/error.h"
#include "lines/line_table.h"
#include "troops/inventory.h"
#include "troops/troop_layout.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtCore/qnamespace.h>

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

// Where a skill lives: skill word 0..4 of the skills line, nibble 0 (least
// significant) to 7.
struct SkillPosition {
    int word;
    int nibble;
};
SkillPosition skillPosition(Skill skill);
// The English name used in messages ("Power Strike").
QString skillName(Skill skill);

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

// The face fields of a troop whose game version has no known faces layout.
inline const QString kFacesNotAvailable = QStringLiteral("N/A in this troops.txt file format");

// Everything the troop view shows. The window copies it into its controls and, for
// an update, back from them.
struct TroopView {
    // The troop these values were decoded from; -1 when the last selection could
    // not be decoded, so the view still holds another troop's values.
    qsizetype troop = -1;
    QString id, name1, name2;
    // List positions: faction number and upgrade-path troop numbers; -1 = none chosen.
    int faction = -1, upgradeA = -1, upgradeB = -1;
    // The race chosen in the race list, 0..15; -1 when none is chosen.
    int race = 0;
    // Indexed by TroopFlag. A grey (partially checked) box clears its bit like an
    // unchecked one.
    std::array<Qt::CheckState, kTroopFlagCount> flags{};
    QList<InventoryEntry> inventory;
    // Strength, agility, intelligence, charisma, level.
    std::array<QString, 5> attributes;
    // One-handed, two-handed, polearms, archery, crossbows, throwing, firearms.
    std::array<QString, 7> proficiencies;
    // Indexed by Skill: "0" to "10", or a letter "B" to "F" for a stored level above 10.
    std::array<QString, kSkillCount> skills;
    // "0x" and lower-case hexadecimal digits: 32 of them with game version 0.90x, 64
    // with 0.95x; kFacesNotAvailable for any other game version.
    QString face1, face2;

    friend bool operator==(const TroopView &, const TroopView &) = default;
};

struct DecodedTroop {
    TroopView view;
    // The full warning text when inventory items are not in the item catalogue (they
    // are left out of view.inventory); empty otherwise.
    QString missingItemsWarning;
    // The full message text when the game version has no known faces layout (the face
    // fields then hold kFacesNotAvailable); empty otherwise.
    QString unknownVersionWarning;
};

// Decodes troop `troop` of troops.txt into the troop view. itemLabels is the item
// catalogue (label p is item p + 1); factionCount and troopCount are the number of
// entries in the faction list and in the troop lists, so that every list position
// the record names exists. Fails, without a partial view, when the record reaches
// past the table, a line is too short, a number field is not a number, or a
// position is outside its list. The empty-catalogue checks are the window's.
Result<DecodedTroop> decodeTroop(const LineTable &lines, qsizetype troop, const TroopLayout &layout,
                                 const QStringList &itemLabels, int factionCount, int troopCount);

struct EncodedTroop {
    // The new lines L..L+5 of the record, L = troopFirstLine(troop, layout). Line
    // L+5 is the stored one when the game version has no known faces layout; line
    // L+6 of a 7-line record is never touched.
    QList<QByteArray> lines;
    // The identifier and name as written (blanks became "_"), for the labels and the
    // confirmation.
    QString id, name1;
    // The race now stored, the new `TroopRace`.
    int race = 0;
};

// Encodes the view back into troop `troop`'s record. storedRace is `TroopRace`, the
// race last decoded or written: the race bits change only when view.race differs.
// Flag bits without a check box, the carried troop-line fields (also those after
// the last written one), item modifiers and untouched text bytes are kept.
// Everything is checked before anything is returned:
//   NotSelected       the view was not decoded from this troop
//   InvalidValue      a field that would corrupt the record (the description names
//                     it), no race chosen, or more than 64 items (the description is
//                     then kTooManyItemsMessage)
//   RecordBeyondTable, MissingField, NotANumber   the stored record is damaged
Result<EncodedTroop> encodeTroop(const TroopView &view, const LineTable &lines, qsizetype troop,
                                 const TroopLayout &layout, int storedRace);

} // namespace lancefall
