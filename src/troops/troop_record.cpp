#include "troops/troop_record.h"

#include "codecs/number_codecs.h"
#include "fields/field_rules.h"
#include "lines/text_codec.h"
#include "troops/troops_file.h"

#include <QCoreApplication>

#include <limits>

namespace lancefall {

namespace {

// Record lines, counted from the troop line.
constexpr int kTroopLine = 0;
constexpr int kInventoryLine = 1;
constexpr int kAttributesLine = 2;
constexpr int kProficienciesLine = 3;
constexpr int kSkillsLine = 4;
constexpr int kFacesLine = 5;

constexpr int kSkillWords = 5;
constexpr int kFaceWordDigits = 16;
// The first piece of the attributes and of the proficiencies line.
constexpr int kFirstAttributePiece = 2;
constexpr int kFirstProficiencyPiece = 1;

// Piece numbers of the troop line; the second layout has one more carried field
// before the flag word.
struct TroopLinePieces {
    int flag;
    int faction;
    int fieldCount() const { return faction + 3; }
};

TroopLinePieces troopLinePieces(const TroopLayout &layout)
{
    return layout.version2 ? TroopLinePieces{4, 7} : TroopLinePieces{3, 6};
}

// Face words per face: 2 with game version 0.90x, 4 with 0.95x, 0 when unknown.
int faceWordsPerFace(const TroopLayout &layout)
{
    if (layout.gameVersion == kGameVersion090)
        return 2;
    if (layout.gameVersion == kGameVersion095)
        return 4;
    return 0;
}

// The texts of this file, translated in the context "Troops".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Troops)
};

Error troopError(ErrorCode code, qsizetype line, const QString &what)
{
    return lineError(code, kTroopsFileName, line, what);
}

// `what` names the line ("a troop line"), translated only when the line is refused:
// every troop of a module is decoded without one.
Error shortLine(qsizetype line, const char *what, qsizetype needed, qsizetype found)
{
    return troopError(ErrorCode::MissingField, line,
                      Text::tr("%1 needs at least %2 fields, this one has %3")
                          .arg(Text::tr(what), QString::number(needed), QString::number(found)));
}

Error invalidField(const QString &what)
{
    return Error{ErrorCode::InvalidValue, what};
}

Result<QList<QByteArray>> fieldsOf(QByteArrayView line, qsizetype n, const char *what, qsizetype needed)
{
    QList<QByteArray> fields = splitFields(line);
    if (fields.size() < needed)
        return shortLine(n, what, needed, fields.size());
    return fields;
}

// A list position stored in the troop line: -1 (no entry chosen) or a record number,
// which may lie beyond its list: the record it names is missing, and the number is kept.
Result<int> listPosition(QByteArrayView field, qsizetype line, const char *what)
{
    const auto value = parseWholeNumber(field);
    if (!value)
        return troopError(
            ErrorCode::NotANumber, line,
            Text::tr("the %1 \"%2\" is not a number").arg(Text::tr(what), displayText(field.toByteArray())));
    if (*value < -1 || *value > std::numeric_limits<int>::max())
        return troopError(
            ErrorCode::OutOfRange, line,
            Text::tr("the %1 %2 is no list position: -1 for none, or a number from 0 to %3")
                .arg(Text::tr(what), QString::number(*value), QString::number(std::numeric_limits<int>::max())));
    return static_cast<int>(*value);
}

// A flag, skill or face word as stored; `number` > 0 numbers the word in the message
// ("skill word %1" becomes "skill word 2"), which is only made when the word is refused.
Result<WholeNumber> storedWord(const QByteArray &field, qsizetype line, const char *what, int number = 0)
{
    const auto word = parseWord(QByteArrayView(field));
    if (!word)
        return troopError(ErrorCode::NotANumber, line,
                          Text::tr("the %1 \"%2\" is not a number that fits 128 bits")
                              .arg(number > 0 ? Text::tr(what).arg(number) : Text::tr(what), displayText(field)));
    return *word;
}

QString skillText(quint32 level)
{
    // A stored level above 10 is shown as its hexadecimal letter so that an update
    // writes it back unchanged. The texts are made once: a whole-module check shows
    // every skill of every troop twice.
    static const std::array<QString, 16> kTexts = [] {
        std::array<QString, 16> texts;
        for (quint32 l = 0; l < 16; ++l)
            texts[l] = l <= 10 ? QString::number(l) : QString(QChar(u'A' + static_cast<char16_t>(l - 10)));
        return texts;
    }();
    return kTexts.at(level & 0xF);
}

// A face word as 16 lower-case hexadecimal digits.
void appendFaceWord(QString &code, quint64 word)
{
    std::array<char16_t, kFaceWordDigits> digits{};
    for (int i = kFaceWordDigits - 1; i >= 0; --i, word >>= 4)
        digits[i] = u"0123456789abcdef"[word & 0xF];
    code.append(QStringView(digits.data(), kFaceWordDigits));
}

bool isFaceCode(const QString &text)
{
    if (!text.startsWith(QStringLiteral("0x")) || text.size() == 2)
        return false;
    for (qsizetype i = 2; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')))
            return false;
    }
    return true;
}

// --- Decoding, one function per record line -------------------------------------

// The faction and the two upgrade paths of a troop line: its fields from pieces.faction on.
Result<TroopLinks> linksOf(const std::array<QByteArrayView, 3> &f, qsizetype n)
{
    const auto faction = listPosition(f[0], n, QT_TRANSLATE_NOOP("Troops", "faction number"));
    if (!faction)
        return faction.error();
    const auto upgradeA = listPosition(f[1], n, QT_TRANSLATE_NOOP("Troops", "upgrade path A"));
    if (!upgradeA)
        return upgradeA.error();
    const auto upgradeB = listPosition(f[2], n, QT_TRANSLATE_NOOP("Troops", "upgrade path B"));
    if (!upgradeB)
        return upgradeB.error();
    return TroopLinks{*faction, *upgradeA, *upgradeB};
}

Status decodeTroopLine(QByteArrayView line, qsizetype n, const TroopLayout &layout, TroopView &view)
{
    const TroopLinePieces pieces = troopLinePieces(layout);
    const auto fields = fieldsOf(line, n, QT_TRANSLATE_NOOP("Troops", "a troop line"), pieces.fieldCount());
    if (!fields)
        return fields.error();
    const QList<QByteArray> &f = *fields;
    view.id = displayText(f.at(0));
    view.name1 = displayText(f.at(1));
    view.name2 = displayText(f.at(2));
    const auto links = linksOf({f.at(pieces.faction), f.at(pieces.faction + 1), f.at(pieces.faction + 2)}, n);
    if (!links)
        return links.error();
    view.faction = links->faction;
    view.upgradeA = links->upgradeA;
    view.upgradeB = links->upgradeB;

    const auto flags = storedWord(f.at(pieces.flag), n, QT_TRANSLATE_NOOP("Troops", "flag word"));
    if (!flags)
        return flags.error();
    const quint32 word = low32(*flags);
    view.race = static_cast<int>(word & kRaceMask);
    for (int i = 0; i < kTroopFlagCount; ++i)
        view.flags[i] = (word & troopFlagBit(TroopFlag(i))) != 0;
    return success();
}

// The fields of a line that are not empty, one after another.
class NonEmptyFields {
public:
    explicit NonEmptyFields(QByteArrayView line) : mLine(line) {}
    bool next(QByteArrayView &field)
    {
        while (mStart <= mLine.size()) {
            qsizetype blank = mLine.indexOf(' ', mStart);
            if (blank < 0)
                blank = mLine.size();
            field = mLine.sliced(mStart, blank - mStart);
            mStart = blank + 1;
            if (!field.isEmpty())
                return true;
        }
        return false;
    }

private:
    QByteArrayView mLine;
    qsizetype mStart = 0;
};

// The modifier of nearly every slot, shared rather than copied for each item.
const QByteArray kNoModifier = QByteArrayLiteral("0");

Status decodeInventoryLine(QByteArrayView line, qsizetype n, const QStringList &items, TroopView &view,
                           QString &warning)
{
    // 64 slots of item and modifier. Reading the line pairwise keeps a non-zero
    // modifier from being taken for an item. The fields are read as views into the
    // line: a check of a whole module reads every inventory twice.
    NonEmptyFields fields{QByteArrayView(line)};
    QString missing;
    QByteArrayView itemPiece;
    for (int slot = 1; fields.next(itemPiece); ++slot) {
        QByteArrayView modifier;
        if (!fields.next(modifier))
            modifier = QByteArrayView("0");
        const auto item = parseWholeNumber(itemPiece);
        if (!item || !parseWholeNumber(modifier))
            return troopError(ErrorCode::NotANumber, n,
                              Text::tr("inventory slot %1 (\"%2 %3\") is not a pair of numbers")
                                  .arg(QString::number(slot), displayText(itemPiece.toByteArray()),
                                       displayText(modifier.toByteArray())));
        if (*item <= 0)
            continue; // an empty slot
        if (*item > items.size())
            missing += u' ' + displayText(itemPiece.toByteArray());
        else
            view.inventory.append(InventoryEntry{*item, modifier == kNoModifier ? kNoModifier : modifier.toByteArray(),
                                                 items.at(*item - 1)});
    }
    if (!missing.isEmpty())
        warning = Text::tr("Warning: The following items were not found in the items file and will be removed:\n%1")
                      .arg(QString(15, u' ') + missing);
    return success();
}

// The attributes line (pieces 2 to 6) or the proficiencies line (pieces 1 to 7).
template <std::size_t N>
Status decodeNumbersLine(QByteArrayView line, qsizetype n, int firstPiece, const char *what,
                         std::array<QString, N> &shown)
{
    const auto fields = fieldsOf(line, n, what, firstPiece + qsizetype(N));
    if (!fields)
        return fields.error();
    for (std::size_t i = 0; i < N; ++i)
        shown[i] = displayText(fields->at(firstPiece + qsizetype(i)));
    return success();
}

Result<std::array<WholeNumber, kSkillWords>> skillWordsOf(const QList<QByteArray> &fields, qsizetype n)
{
    std::array<WholeNumber, kSkillWords> words{};
    for (int w = 0; w < kSkillWords; ++w) {
        const auto word = storedWord(fields.at(w), n, QT_TRANSLATE_NOOP("Troops", "skill word %1"), w + 1);
        if (!word)
            return word.error();
        words[w] = *word;
    }
    return words;
}

Status decodeSkillsLine(QByteArrayView line, qsizetype n, TroopView &view)
{
    const auto fields = fieldsOf(line, n, QT_TRANSLATE_NOOP("Troops", "a skills line"), kSkillWords);
    if (!fields)
        return fields.error();
    const auto words = skillWordsOf(*fields, n);
    if (!words)
        return words.error();
    for (int s = 0; s < kSkillCount; ++s) {
        const SkillPosition at = skillPosition(Skill(s));
        view.skills[s] = skillText((low32((*words)[at.word]) >> (4 * at.nibble)) & 0xF);
    }
    return success();
}

// The stored face words, face 1's first: faceWords words per face from piece 2 on.
Result<QList<WholeNumber>> faceWordsOf(const QList<QByteArray> &fields, qsizetype n, int faceWords)
{
    QList<WholeNumber> words;
    for (int i = 0; i < 2 * faceWords; ++i) {
        const auto word = storedWord(fields.at(2 + i), n, QT_TRANSLATE_NOOP("Troops", "face word %1"), i + 1);
        if (!word)
            return word.error();
        if (word->negative)
            return troopError(ErrorCode::NotANumber, n,
                              Text::tr("the face word %1 \"%2\" is negative")
                                  .arg(QString::number(i + 1), displayText(fields.at(2 + i))));
        words.append(*word);
    }
    return words;
}

Status decodeFacesLine(QByteArrayView line, qsizetype n, const TroopLayout &layout, TroopView &view, QString &warning)
{
    const int faceWords = faceWordsPerFace(layout);
    if (faceWords == 0) {
        view.face1 = view.face2 = facesNotAvailable();
        warning = Text::tr("unknown Lancefall version %1").arg(layout.gameVersion);
        return success();
    }
    const auto fields = fieldsOf(line, n, QT_TRANSLATE_NOOP("Troops", "a faces line"), 2 + 2 * faceWords);
    if (!fields)
        return fields.error();
    const auto words = faceWordsOf(*fields, n, faceWords);
    if (!words)
        return words.error();
    for (int f = 0; f < 2; ++f) {
        QString code = QStringLiteral("0x");
        code.reserve(2 + faceWords * kFaceWordDigits);
        // A face word is shown as its low 64 bits: 16 digits.
        for (int w = 0; w < faceWords; ++w)
            appendFaceWord(code, low64(words->at(f * faceWords + w)));
        (f == 0 ? view.face1 : view.face2) = code;
    }
    return success();
}

// --- Encoding, one function per record line -------------------------------------
// Each takes the view to write, the view the stored record shows and the stored line,
// and gives the stored line itself back when none of the values it shows changed.

Result<QByteArray> encodeTroopLine(const TroopLineView &view, const TroopLineView &shown, const QByteArray &line,
                                   const TroopLayout &layout)
{
    if (view == shown)
        return line;
    const TroopLinePieces pieces = troopLinePieces(layout);
    QList<QByteArray> f = splitFields(line);
    const auto id = nameField(Text::tr("Troop ID"), view.id, shown.id, f.at(0));
    if (!id)
        return id.error();
    // The reader finds records by this prefix; without it the troops after this one
    // would be numbered wrongly at the next load.
    if (view.id != shown.id && !id->startsWith("trp_"))
        return invalidField(Text::tr("Troop ID must begin with trp_, not \"%1\"").arg(view.id));
    const auto name1 = nameField(Text::tr("Name 1"), view.name1, shown.name1, f.at(1));
    if (!name1)
        return name1.error();
    const auto name2 = nameField(Text::tr("Name 2"), view.name2, shown.name2, f.at(2));
    if (!name2)
        return name2.error();
    if (view.race < 0 || view.race >= kRaceCount)
        return invalidField(Text::tr("No race is chosen in the race list."));

    const auto stored = parseWord(QByteArrayView(f.at(pieces.flag))); // checked by decodeTroopLine
    const quint32 was = low32(*stored);
    quint32 word = was;
    if (view.race != shown.race)
        word = (word & ~kRaceMask) | static_cast<quint32>(view.race);
    for (int i = 0; i < kTroopFlagCount; ++i)
        word = view.flags[i] ? (word | troopFlagBit(TroopFlag(i))) : (word & ~troopFlagBit(TroopFlag(i)));
    if (word != was)
        f[pieces.flag] = decimalText(withLowBits(*stored, 32, word));

    f[0] = *id;
    f[1] = *name1;
    f[2] = *name2;
    f[pieces.faction] = keptNumber(view.faction, f.at(pieces.faction));
    f[pieces.faction + 1] = keptNumber(view.upgradeA, f.at(pieces.faction + 1));
    f[pieces.faction + 2] = keptNumber(view.upgradeB, f.at(pieces.faction + 2));
    return joinFields(f);
}

Result<QByteArray> encodeInventoryLine(const TroopView &view, const TroopView &shown, const QByteArray &line)
{
    if (view.inventory == shown.inventory)
        return line; // also keeps empty slots between items and items not in the catalogue
    if (view.inventory.size() > kInventorySlots)
        return Error{ErrorCode::TooManyItems, tooManyItemsMessage()};
    QByteArray out = QByteArrayLiteral("  ");
    for (const InventoryEntry &entry : view.inventory)
        out += (entry.item > 0 ? QByteArray::number(entry.item) : QByteArrayLiteral("-1")) + ' ' + entry.modifier + ' ';
    for (qsizetype i = view.inventory.size(); i < kInventorySlots; ++i)
        out += QByteArrayLiteral("-1 0 ");
    return out;
}

template <std::size_t N>
Result<QByteArray> encodeNumbersLine(const std::array<QString, N> &values, const std::array<QString, N> &shown,
                                     const QByteArray &line, int firstPiece, QString (*name)(int))
{
    if (values == shown)
        return line;
    QList<QByteArray> f = splitFields(line);
    for (std::size_t i = 0; i < N; ++i) {
        QByteArray &field = f[firstPiece + qsizetype(i)];
        const auto out = countField(name(int(i)), values[i], shown[i], field);
        if (!out)
            return out.error();
        field = *out;
    }
    return joinFields(f);
}

Result<QByteArray> encodeSkillsLine(const TroopView &view, const TroopView &shown, const QByteArray &line)
{
    if (view.skills == shown.skills)
        return line;
    QList<QByteArray> f = splitFields(line);
    const auto words = skillWordsOf(f, 0); // checked by decodeSkillsLine
    std::array<quint32, kSkillWords> low{};
    for (int w = 0; w < kSkillWords; ++w)
        low[w] = low32((*words)[w]);
    const std::array<quint32, kSkillWords> was = low;
    for (int s = 0; s < kSkillCount; ++s) {
        if (view.skills[s] == shown.skills[s])
            continue;
        const auto level = parseWholeNumber(QStringView(view.skills[s]));
        if (!level || *level < 0 || *level > 10)
            return invalidField(Text::tr("%1 must be a whole number from 0 to 10, not \"%2\"")
                                    .arg(skillName(Skill(s)), view.skills[s]));
        const SkillPosition at = skillPosition(Skill(s));
        const quint32 mask = quint32(0xF) << (4 * at.nibble);
        low[at.word] = (low[at.word] & ~mask) | (quint32(*level) << (4 * at.nibble));
    }
    for (int w = 0; w < kSkillWords; ++w) {
        if (low[w] != was[w])
            f[w] = decimalText(withLowBits((*words)[w], 32, low[w]));
    }
    return joinFields(f);
}

Result<QByteArray> encodeFacesLine(const FacesView &view, const FacesView &shown, const QByteArray &line,
                                   const TroopLayout &layout)
{
    const int faceWords = faceWordsPerFace(layout);
    if (faceWords == 0 || view == shown)
        return line;
    QList<QByteArray> f = splitFields(line);
    const auto words = faceWordsOf(f, 0, faceWords); // checked by decodeFacesLine
    const std::array<const QString *, 2> faces{&view.face1, &view.face2};
    const std::array<const QString *, 2> shownFaces{&shown.face1, &shown.face2};
    for (int face = 0; face < 2; ++face) {
        const QString &code = *faces[face];
        if (code == *shownFaces[face])
            continue;
        if (!isFaceCode(code))
            return invalidField(Text::tr("Face code %1 must be \"0x\" followed by hexadecimal digits").arg(face + 1));
        for (int w = 0; w < faceWords; ++w) {
            // Digits after the last word are ignored; a short code gives 0 words.
            const quint64 value = hexWordValue(QStringView(code).mid(2 + w * kFaceWordDigits, kFaceWordDigits));
            const WholeNumber &stored = words->at(face * faceWords + w);
            if (value != low64(stored))
                f[2 + face * faceWords + w] = decimalText(withLowBits(stored, 64, value));
        }
    }
    return joinFields(f);
}

} // namespace

SkillPosition skillPosition(Skill skill)
{
    static constexpr std::array<SkillPosition, kSkillCount> kPositions = {{
        {0, 7}, {0, 2}, {0, 1}, {0, 0}, {1, 7}, {1, 6}, {1, 5}, {1, 4}, {1, 3}, {1, 2}, {1, 1}, {1, 0},
        {2, 7}, {2, 6}, {2, 1}, {2, 0}, {3, 3}, {3, 2}, {3, 1}, {3, 0}, {4, 4}, {4, 3}, {4, 2}, {4, 1},
    }};
    return kPositions.at(static_cast<int>(skill));
}

// The names as the sources write them; skillName() and the others translate them when
// asked for, so that they follow a change of language.
const char *skillWord(Skill skill)
{
    static constexpr std::array<const char *, kSkillCount> kNames = {
        QT_TRANSLATE_NOOP("Troops", "Persuasion"),      QT_TRANSLATE_NOOP("Troops", "Prisoner Management"),
        QT_TRANSLATE_NOOP("Troops", "Leadership"),      QT_TRANSLATE_NOOP("Troops", "Trade"),
        QT_TRANSLATE_NOOP("Troops", "Tactics"),         QT_TRANSLATE_NOOP("Troops", "Pathfinding"),
        QT_TRANSLATE_NOOP("Troops", "Spotting"),        QT_TRANSLATE_NOOP("Troops", "Inventory Management"),
        QT_TRANSLATE_NOOP("Troops", "Wound Treatment"), QT_TRANSLATE_NOOP("Troops", "Surgery"),
        QT_TRANSLATE_NOOP("Troops", "First Aid"),       QT_TRANSLATE_NOOP("Troops", "Engineer"),
        QT_TRANSLATE_NOOP("Troops", "Horse Archery"),   QT_TRANSLATE_NOOP("Troops", "Looting"),
        QT_TRANSLATE_NOOP("Troops", "Training"),        QT_TRANSLATE_NOOP("Troops", "Tracking"),
        QT_TRANSLATE_NOOP("Troops", "Weapon Master"),   QT_TRANSLATE_NOOP("Troops", "Shield"),
        QT_TRANSLATE_NOOP("Troops", "Athletics"),       QT_TRANSLATE_NOOP("Troops", "Riding"),
        QT_TRANSLATE_NOOP("Troops", "Ironflesh"),       QT_TRANSLATE_NOOP("Troops", "Power Strike"),
        QT_TRANSLATE_NOOP("Troops", "Power Throw"),     QT_TRANSLATE_NOOP("Troops", "Power Draw"),
    };
    return kNames.at(static_cast<int>(skill));
}

QString skillName(Skill skill)
{
    return Text::tr(skillWord(skill));
}

const char *attributeWord(int attribute)
{
    static constexpr std::array<const char *, kAttributeCount> kNames = {
        QT_TRANSLATE_NOOP("Troops", "Strength"),     QT_TRANSLATE_NOOP("Troops", "Agility"),
        QT_TRANSLATE_NOOP("Troops", "Intelligence"), QT_TRANSLATE_NOOP("Troops", "Charisma"),
        QT_TRANSLATE_NOOP("Troops", "Level"),
    };
    return kNames.at(attribute);
}

QString attributeName(int attribute)
{
    return Text::tr(attributeWord(attribute));
}

const char *proficiencyWord(int proficiency)
{
    static constexpr std::array<const char *, kProficiencyCount> kNames = {
        QT_TRANSLATE_NOOP("Troops", "One-handed"), QT_TRANSLATE_NOOP("Troops", "Two-handed"),
        QT_TRANSLATE_NOOP("Troops", "Polearms"),   QT_TRANSLATE_NOOP("Troops", "Archery"),
        QT_TRANSLATE_NOOP("Troops", "Crossbows"),  QT_TRANSLATE_NOOP("Troops", "Throwing"),
        QT_TRANSLATE_NOOP("Troops", "Firearms"),
    };
    return kNames.at(proficiency);
}

QString proficiencyName(int proficiency)
{
    return Text::tr(proficiencyWord(proficiency));
}

QString facesNotAvailable()
{
    return Text::tr("N/A in this troops.txt file format");
}

quint32 troopFlagBit(TroopFlag flag)
{
    static constexpr std::array<quint32, kTroopFlagCount> kBits = {
        0x10,     0x20,     0x40,     0x80,      0x100,     0x400,     0x1000,     0x100000,
        0x200000, 0x400000, 0x800000, 0x1000000, 0x2000000, 0x4000000, 0x10000000,
    };
    return kBits.at(static_cast<int>(flag));
}

int genderOptionForRace(int race)
{
    return race == 0 || race == 1 ? race : 2;
}

int raceForGenderOption(int option, int currentRace)
{
    return option == 0 || option == 1 ? option : currentRace;
}

Result<TroopLinks> decodeTroopLinks(const LineTable &lines, qsizetype first, const TroopLayout &layout)
{
    if (!lines.contains(first))
        return troopError(ErrorCode::RecordBeyondTable, first, Text::tr("the troop line is missing"));
    // Views, not copies: copying the fields of every troop line of a large module would
    // cost more than the rest of the reading.
    const auto f = fieldViews(lines.line(first));
    const TroopLinePieces pieces = troopLinePieces(layout);
    if (f.size() < pieces.fieldCount())
        return shortLine(first, QT_TRANSLATE_NOOP("Troops", "a troop line"), pieces.fieldCount(), f.size());
    return linksOf({f.at(pieces.faction), f.at(pieces.faction + 1), f.at(pieces.faction + 2)}, first);
}

Result<DecodedTroop> decodeTroop(const LineTable &lines, qsizetype first, const TroopLayout &layout,
                                 const QStringList &items)
{
    const qsizetype last = first + kTroopInterpretedLines - 1;
    if (!lines.contains(first) || !lines.contains(last))
        return troopError(ErrorCode::RecordBeyondTable, first,
                          Text::tr("the troop needs lines %1 to %2, but the file ends at line %3")
                              .arg(first)
                              .arg(last)
                              .arg(lines.lastIndex()));
    DecodedTroop decoded;
    TroopView &view = decoded.view;
    for (const Status &status : {
             decodeTroopLine(lines.line(first + kTroopLine), first + kTroopLine, layout, view),
             decodeInventoryLine(lines.line(first + kInventoryLine), first + kInventoryLine, items, view,
                                 decoded.missingItemsWarning),
             decodeNumbersLine(lines.line(first + kAttributesLine), first + kAttributesLine, kFirstAttributePiece,
                               QT_TRANSLATE_NOOP("Troops", "an attributes line"), view.attributes),
             decodeNumbersLine(lines.line(first + kProficienciesLine), first + kProficienciesLine,
                               kFirstProficiencyPiece, QT_TRANSLATE_NOOP("Troops", "a proficiencies line"),
                               view.proficiencies),
             decodeSkillsLine(lines.line(first + kSkillsLine), first + kSkillsLine, view),
             decodeFacesLine(lines.line(first + kFacesLine), first + kFacesLine, layout, view,
                             decoded.unknownVersionWarning),
         }) {
        if (!status)
            return status.error();
    }
    return decoded;
}

Result<EncodedTroop> encodeTroop(const TroopView &view, const LineTable &lines, qsizetype first,
                                 const TroopLayout &layout, const QStringList &items)
{
    const auto stored = decodeTroop(lines, first, layout, items);
    if (!stored)
        return stored.error();
    return encodeTroop(view, stored->view, lines, first, layout);
}

Result<EncodedTroop> encodeTroop(const TroopView &view, const TroopView &shown, const LineTable &lines, qsizetype first,
                                 const TroopLayout &layout)
{
    const auto line = [&](int i) { return lines.line(first + i).toByteArray(); };

    EncodedTroop encoded;
    for (const Result<QByteArray> &out : {
             encodeTroopLine(view, shown, line(kTroopLine), layout),
             encodeInventoryLine(view, shown, line(kInventoryLine)),
             encodeNumbersLine(view.attributes, shown.attributes, line(kAttributesLine), kFirstAttributePiece,
                               &attributeName),
             encodeNumbersLine(view.proficiencies, shown.proficiencies, line(kProficienciesLine),
                               kFirstProficiencyPiece, &proficiencyName),
             encodeSkillsLine(view, shown, line(kSkillsLine)),
             encodeFacesLine(view, shown, line(kFacesLine), layout),
         }) {
        if (!out)
            return out.error();
        encoded.lines.append(*out);
    }
    // Fields 0 and 1 of the troop line, which has all its fields (decodeTroopLine).
    const QByteArray &troopLine = encoded.lines.first();
    const qsizetype idEnd = troopLine.indexOf(' ');
    const qsizetype nameEnd = troopLine.indexOf(' ', idEnd + 1);
    encoded.id = displayText(troopLine.first(idEnd));
    encoded.name1 = displayText(troopLine.sliced(idEnd + 1, nameEnd - idEnd - 1));
    return encoded;
}

} // namespace lancefall
