#include "troops/troop_record.h"

#include "codecs/number_codecs.h"
#include "lines/text_codec.h"

namespace lancefall {

namespace {

const QString kFile = QStringLiteral("troops.txt");

// Record lines, counted from the troop line.
constexpr int kTroopLine = 0;
constexpr int kInventoryLine = 1;
constexpr int kAttributesLine = 2;
constexpr int kProficienciesLine = 3;
constexpr int kSkillsLine = 4;
constexpr int kFacesLine = 5;
constexpr int kInterpretedLines = 6;

constexpr int kSkillWords = 5;
constexpr int kFaceWordDigits = 16;

const std::array<QString, 5> kAttributeNames = {
    QStringLiteral("Strength"), QStringLiteral("Agility"), QStringLiteral("Intelligence"),
    QStringLiteral("Charisma"), QStringLiteral("Level"),
};
const std::array<QString, 7> kProficiencyNames = {
    QStringLiteral("One-handed"), QStringLiteral("Two-handed"), QStringLiteral("Polearms"), QStringLiteral("Archery"),
    QStringLiteral("Crossbows"),  QStringLiteral("Throwing"),   QStringLiteral("Firearms"),
};

// Piece numbers of the troop line; the second layout has one more carried field
// before the flag word.
struct TroopLinePieces {
    int flag;
    int faction;
    // The last piece the encoder reads from the stored line (the second carried
    // field after the flag word).
    int lastCarried;
    int fieldCount() const { return faction + 3; }
};

TroopLinePieces troopLinePieces(const TroopLayout &layout)
{
    return layout.version2 ? TroopLinePieces{4, 7, 6} : TroopLinePieces{3, 6, 5};
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

Error shortLine(qsizetype line, const QString &what, qsizetype needed, qsizetype found)
{
    return lineError(ErrorCode::MissingField, kFile, line,
                     QStringLiteral("%1 needs at least %2 fields, this one has %3").arg(what).arg(needed).arg(found));
}

Error recordBeyondTable(const LineTable &lines, qsizetype troop, qsizetype first)
{
    return lineError(ErrorCode::RecordBeyondTable, kFile, first,
                     QStringLiteral("troop %1 needs lines %2 to %3, but the file ends at line %4")
                         .arg(troop)
                         .arg(first)
                         .arg(first + kInterpretedLines - 1)
                         .arg(lines.lastIndex()));
}

// A list position stored in the troop line: -1 (no entry chosen) or 0..count-1.
Result<int> listPosition(const QByteArray &field, int count, qsizetype line, const QString &what)
{
    qint64 value = 0;
    if (!parseInteger(field, &value))
        return lineError(ErrorCode::NotANumber, kFile, line,
                         QStringLiteral("the %1 \"%2\" is not a number").arg(what, displayText(field)));
    if (value == -1)
        return -1;
    if (value < 0 || value >= count)
        return lineError(ErrorCode::OutOfRange, kFile, line,
                         QStringLiteral("the %1 %2 is not in its list of %3 entries").arg(what).arg(value).arg(count));
    return static_cast<int>(value);
}

Result<quint32> storedFlagWord(const QByteArray &field, qsizetype line)
{
    const auto word = lowWord(displayText(field));
    if (!word)
        return lineError(ErrorCode::NotANumber, kFile, line,
                         QStringLiteral("the flag word \"%1\" is not a number").arg(displayText(field)));
    return *word;
}

QString skillText(quint32 level)
{
    // A stored level above 10 is shown as its hexadecimal letter so that an update
    // writes it back unchanged.
    if (level <= 10)
        return QString::number(level);
    return QString(QChar(u'A' + static_cast<char16_t>(level - 10)));
}

// The 4-bit level a skill field stands for: "0" to "10", or "B" to "F".
std::optional<quint32> skillLevel(const QString &text)
{
    if (text.size() == 1) {
        const char16_t c = text.at(0).unicode();
        if (c >= u'0' && c <= u'9')
            return c - u'0';
        if (c >= u'B' && c <= u'F')
            return c - u'A' + 10;
    }
    if (text == QStringLiteral("10"))
        return 10;
    return std::nullopt;
}

bool isWholeNumber(const QString &text)
{
    qsizetype i = text.startsWith(u'-') ? 1 : 0;
    if (i == text.size())
        return false;
    for (; i < text.size(); ++i) {
        if (text.at(i) < u'0' || text.at(i) > u'9')
            return false;
    }
    return true;
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

QString withoutBlanks(QString text)
{
    return text.replace(u' ', u'_');
}

Error invalidField(const QString &what)
{
    return Error{ErrorCode::InvalidValue, what};
}

QByteArray pieceOrEmpty(const QList<QByteArray> &fields, qsizetype i)
{
    return i < fields.size() ? fields.at(i) : QByteArray();
}

QByteArray numberBytes(qint64 value)
{
    return QByteArray::number(value);
}

QByteArray decimalBytes(UInt128 value)
{
    return decimalText(value).toLatin1();
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

QString skillName(Skill skill)
{
    static const std::array<QString, kSkillCount> kNames = {
        QStringLiteral("Persuasion"),      QStringLiteral("Prisoner Management"),
        QStringLiteral("Leadership"),      QStringLiteral("Trade"),
        QStringLiteral("Tactics"),         QStringLiteral("Pathfinding"),
        QStringLiteral("Spotting"),        QStringLiteral("Inventory Management"),
        QStringLiteral("Wound Treatment"), QStringLiteral("Surgery"),
        QStringLiteral("First Aid"),       QStringLiteral("Engineer"),
        QStringLiteral("Horse Archery"),   QStringLiteral("Looting"),
        QStringLiteral("Training"),        QStringLiteral("Tracking"),
        QStringLiteral("Weapon Master"),   QStringLiteral("Shield"),
        QStringLiteral("Athletics"),       QStringLiteral("Riding"),
        QStringLiteral("Ironflesh"),       QStringLiteral("Power Strike"),
        QStringLiteral("Power Throw"),     QStringLiteral("Power Draw"),
    };
    return kNames.at(static_cast<int>(skill));
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

Result<DecodedTroop> decodeTroop(const LineTable &lines, qsizetype troop, const TroopLayout &layout,
                                 const QStringList &itemLabels, int factionCount, int troopCount)
{
    if (troop < 0)
        return Error{ErrorCode::NotSelected, QStringLiteral("no troop is selected")};
    const qsizetype first = troopFirstLine(troop, layout);
    if (!lines.contains(first) || !lines.contains(first + kInterpretedLines - 1))
        return recordBeyondTable(lines, troop, first);

    DecodedTroop decoded;
    TroopView &view = decoded.view;

    const qsizetype troopLine = first + kTroopLine;
    const QList<QByteArray> troopFields = splitFields(lines.line(troopLine));
    const TroopLinePieces pieces = troopLinePieces(layout);
    if (troopFields.size() < pieces.fieldCount())
        return shortLine(troopLine, QStringLiteral("a troop line"), pieces.fieldCount(), troopFields.size());
    view.id = displayText(troopFields.at(0));
    view.name1 = displayText(troopFields.at(1));
    view.name2 = displayText(troopFields.at(2));

    const auto faction
        = listPosition(troopFields.at(pieces.faction), factionCount, troopLine, QStringLiteral("faction number"));
    if (!faction)
        return faction.error();
    const auto upgradeA
        = listPosition(troopFields.at(pieces.faction + 1), troopCount, troopLine, QStringLiteral("upgrade path A"));
    if (!upgradeA)
        return upgradeA.error();
    const auto upgradeB
        = listPosition(troopFields.at(pieces.faction + 2), troopCount, troopLine, QStringLiteral("upgrade path B"));
    if (!upgradeB)
        return upgradeB.error();
    view.faction = *faction;
    view.upgradeA = *upgradeA;
    view.upgradeB = *upgradeB;

    // The whole low 32 bits are the flag word, bit 31 included.
    const auto flagWord = storedFlagWord(troopFields.at(pieces.flag), troopLine);
    if (!flagWord)
        return flagWord.error();
    view.race = static_cast<int>(*flagWord & kRaceMask);
    for (int i = 0; i < kTroopFlagCount; ++i)
        view.flags[i] = (*flagWord & troopFlagBit(TroopFlag(i))) ? Qt::Checked : Qt::Unchecked;

    // 64 slots of item and modifier. Reading the line pairwise keeps a non-zero
    // modifier from being taken for an item.
    const qsizetype inventoryLine = first + kInventoryLine;
    QList<QByteArray> slotPieces;
    for (const QByteArray &piece : splitFields(lines.line(inventoryLine))) {
        if (!piece.isEmpty())
            slotPieces.append(piece);
    }
    QString missing;
    for (qsizetype i = 0; i < slotPieces.size(); i += 2) {
        const QByteArray &itemPiece = slotPieces.at(i);
        const QByteArray modifier = i + 1 < slotPieces.size() ? slotPieces.at(i + 1) : QByteArrayLiteral("0");
        qint64 item = 0;
        qint64 modifierValue = 0;
        if (!parseInteger(itemPiece, &item) || !parseInteger(modifier, &modifierValue)) {
            return lineError(ErrorCode::NotANumber, kFile, inventoryLine,
                             QStringLiteral("inventory slot %1 (\"%2 %3\") is not a pair of numbers")
                                 .arg(i / 2 + 1)
                                 .arg(displayText(itemPiece), displayText(modifier)));
        }
        if (item <= 0)
            continue; // an empty slot
        const QString label = item <= itemLabels.size() ? itemLabels.at(item - 1) : QString();
        if (label.isEmpty())
            missing += u' ' + displayText(itemPiece);
        else
            view.inventory.append(InventoryEntry{label, modifier});
    }
    if (!missing.isEmpty()) {
        decoded.missingItemsWarning
            = QStringLiteral("Warning: The following items were not found in the items file and will be removed:\r\n")
            + QString(15, u' ') + missing;
    }

    const qsizetype attributesLine = first + kAttributesLine;
    const QList<QByteArray> attributeFields = splitFields(lines.line(attributesLine));
    if (attributeFields.size() < 2 + qsizetype(view.attributes.size()))
        return shortLine(attributesLine, QStringLiteral("an attributes line"), 2 + view.attributes.size(),
                         attributeFields.size());
    for (size_t i = 0; i < view.attributes.size(); ++i)
        view.attributes[i] = displayText(attributeFields.at(2 + i));

    const qsizetype proficienciesLine = first + kProficienciesLine;
    const QList<QByteArray> proficiencyFields = splitFields(lines.line(proficienciesLine));
    if (proficiencyFields.size() < 1 + qsizetype(view.proficiencies.size()))
        return shortLine(proficienciesLine, QStringLiteral("a proficiencies line"), 1 + view.proficiencies.size(),
                         proficiencyFields.size());
    for (size_t i = 0; i < view.proficiencies.size(); ++i)
        view.proficiencies[i] = displayText(proficiencyFields.at(1 + i));

    const qsizetype skillsLine = first + kSkillsLine;
    const QList<QByteArray> skillFields = splitFields(lines.line(skillsLine));
    if (skillFields.size() < kSkillWords)
        return shortLine(skillsLine, QStringLiteral("a skills line"), kSkillWords, skillFields.size());
    std::array<quint32, kSkillWords> skillWords{};
    for (int w = 0; w < kSkillWords; ++w) {
        // Only the low 32 bits of a skill word hold skills.
        const auto word = lowWord(displayText(skillFields.at(w)));
        if (!word)
            return lineError(ErrorCode::NotANumber, kFile, skillsLine,
                             QStringLiteral("skill word %1 (\"%2\") is not a number")
                                 .arg(w + 1)
                                 .arg(displayText(skillFields.at(w))));
        skillWords[w] = *word;
    }
    for (int s = 0; s < kSkillCount; ++s) {
        const SkillPosition at = skillPosition(Skill(s));
        view.skills[s] = skillText((skillWords[at.word] >> (4 * at.nibble)) & 0xF);
    }

    const int faceWords = faceWordsPerFace(layout);
    if (faceWords == 0) {
        view.face1 = kFacesNotAvailable;
        view.face2 = kFacesNotAvailable;
        decoded.unknownVersionWarning = QStringLiteral("unknown Lancefall version ") + layout.gameVersion;
    } else {
        const qsizetype facesLine = first + kFacesLine;
        const QList<QByteArray> faceFields = splitFields(lines.line(facesLine));
        if (faceFields.size() < 2 + 2 * faceWords)
            return shortLine(facesLine, QStringLiteral("a faces line"), 2 + 2 * faceWords, faceFields.size());
        std::array<QString *, 2> faces = {&view.face1, &view.face2};
        for (int f = 0; f < 2; ++f) {
            QString code = QStringLiteral("0x");
            for (int w = 0; w < faceWords; ++w) {
                const QByteArray &field = faceFields.at(2 + f * faceWords + w);
                const auto number = parseWholeNumber(displayText(field));
                if (!number || number->negative)
                    return lineError(ErrorCode::NotANumber, kFile, facesLine,
                                     QStringLiteral("face word %1 (\"%2\") is not an unsigned number")
                                         .arg(f * faceWords + w + 1)
                                         .arg(displayText(field)));
                // A face word is 64 bits wide: 16 digits, higher bits not shown.
                const QString digits = dec2Hex2(number->magnitude).toLower();
                code += digits.rightJustified(kFaceWordDigits, u'0').right(kFaceWordDigits);
            }
            *faces[f] = code;
        }
    }

    view.troop = troop;
    return decoded;
}

Result<EncodedTroop> encodeTroop(const TroopView &view, const LineTable &lines, qsizetype troop,
                                 const TroopLayout &layout, int storedRace)
{
    if (troop < 0)
        return Error{ErrorCode::NotSelected, QStringLiteral("no troop is selected")};
    if (view.troop != troop)
        return Error{ErrorCode::NotSelected,
                     QStringLiteral("troop %1 could not be shown without errors; select it again without errors "
                                    "before updating it")
                         .arg(troop)};
    if (view.inventory.size() > kInventorySlots)
        return invalidField(kTooManyItemsMessage);

    const qsizetype first = troopFirstLine(troop, layout);
    if (!lines.contains(first) || !lines.contains(first + kInterpretedLines - 1))
        return recordBeyondTable(lines, troop, first);

    // The stored troop line supplies the flag bits without a check box and the
    // fields the view does not show.
    const qsizetype troopLine = first + kTroopLine;
    const QList<QByteArray> troopFields = splitFields(lines.line(troopLine));
    const TroopLinePieces pieces = troopLinePieces(layout);
    if (troopFields.size() < pieces.lastCarried + 1)
        return shortLine(troopLine, QStringLiteral("a troop line"), pieces.lastCarried + 1, troopFields.size());
    const auto storedFlags = storedFlagWord(troopFields.at(pieces.flag), troopLine);
    if (!storedFlags)
        return storedFlags.error();

    if (view.race < 0 || view.race >= kRaceCount)
        return invalidField(QStringLiteral("No race is chosen in the race list."));
    quint32 flagWord = *storedFlags;
    int race = storedRace;
    if (view.race != storedRace) {
        flagWord &= ~(static_cast<quint32>(storedRace) & kRaceMask);
        flagWord |= static_cast<quint32>(view.race);
        race = view.race;
    }
    for (int i = 0; i < kTroopFlagCount; ++i) {
        if (view.flags[i] == Qt::Checked)
            flagWord |= troopFlagBit(TroopFlag(i));
        else
            flagWord &= ~troopFlagBit(TroopFlag(i));
    }

    // Blanks would shift every later field of the troop line.
    const QString id = withoutBlanks(view.id);
    const QString name1 = withoutBlanks(view.name1);
    const QString name2 = withoutBlanks(view.name2);
    // The reader finds records by this prefix; without it the troops after this one
    // would be numbered wrongly at the next load.
    if (!id.startsWith(QStringLiteral("trp_")))
        return invalidField(QStringLiteral("The troop ID must begin with \"trp_\", not \"%1\".").arg(id));

    std::array<quint32, kSkillWords> skillWords{};
    for (int s = 0; s < kSkillCount; ++s) {
        const auto level = skillLevel(view.skills[s]);
        if (!level)
            return invalidField(QStringLiteral("The skill %1 must be a number from 0 to 10 (or a stored level B to "
                                               "F), not \"%2\".")
                                    .arg(skillName(Skill(s)), view.skills[s]));
        const SkillPosition at = skillPosition(Skill(s));
        skillWords[at.word] |= *level << (4 * at.nibble);
    }
    for (size_t i = 0; i < view.attributes.size(); ++i) {
        if (!isWholeNumber(view.attributes[i]))
            return invalidField(QStringLiteral("The field %1 must be a whole number, not \"%2\".")
                                    .arg(kAttributeNames[i], view.attributes[i]));
    }
    for (size_t i = 0; i < view.proficiencies.size(); ++i) {
        if (!isWholeNumber(view.proficiencies[i]))
            return invalidField(QStringLiteral("The proficiency %1 must be a whole number, not \"%2\".")
                                    .arg(kProficiencyNames[i], view.proficiencies[i]));
    }
    const int faceWords = faceWordsPerFace(layout);
    if (faceWords > 0) {
        if (!isFaceCode(view.face1))
            return invalidField(QStringLiteral("The face code 1 must be \"0x\" followed by hexadecimal digits."));
        if (!isFaceCode(view.face2))
            return invalidField(QStringLiteral("The face code 2 must be \"0x\" followed by hexadecimal digits."));
    }

    QByteArray inventory = QByteArrayLiteral("  ");
    for (qsizetype i = 0; i < view.inventory.size(); ++i) {
        const InventoryEntry &entry = view.inventory.at(i);
        qint64 modifier = 0;
        if (!parseInteger(entry.modifier, &modifier))
            return invalidField(QStringLiteral("The modifier \"%1\" of inventory entry %2 is not a number.")
                                    .arg(displayText(entry.modifier))
                                    .arg(i + 1));
        QByteArray item = QByteArrayLiteral("-1");
        if (!entry.label.isEmpty()) {
            const auto number = itemNumberOf(entry.label);
            if (!number)
                return invalidField(QStringLiteral("Inventory entry %1 (\"%2\") does not begin with an item number.")
                                        .arg(i + 1)
                                        .arg(entry.label));
            item = numberBytes(*number);
        }
        inventory += item + ' ' + entry.modifier + ' ';
    }
    for (qsizetype i = view.inventory.size(); i < kInventorySlots; ++i)
        inventory += QByteArrayLiteral("-1 0 ");

    // Everything is valid: build the lines.
    QList<QByteArray> troopOut = {
        encodeEdited(id, troopFields.at(0)),
        encodeEdited(name1, troopFields.at(1)),
        encodeEdited(name2, troopFields.at(2)),
    };
    if (layout.version2)
        troopOut.append(troopFields.at(3));
    troopOut.append(decimalBytes(flagWord));
    troopOut.append(troopFields.at(pieces.flag + 1));
    troopOut.append(troopFields.at(pieces.flag + 2));
    troopOut.append(numberBytes(view.faction));
    troopOut.append(numberBytes(view.upgradeA));
    troopOut.append(numberBytes(view.upgradeB));
    // Fields after the last written one are kept behind it.
    for (qsizetype i = pieces.fieldCount(); i < troopFields.size(); ++i)
        troopOut.append(troopFields.at(i));

    const QList<QByteArray> attributeFields = splitFields(lines.line(first + kAttributesLine));
    QList<QByteArray> attributesOut;
    for (size_t i = 0; i < view.attributes.size(); ++i)
        attributesOut.append(encodeEdited(view.attributes[i], pieceOrEmpty(attributeFields, 2 + i)));

    const QList<QByteArray> proficiencyFields = splitFields(lines.line(first + kProficienciesLine));
    QList<QByteArray> proficienciesOut;
    for (size_t i = 0; i < view.proficiencies.size(); ++i)
        proficienciesOut.append(encodeEdited(view.proficiencies[i], pieceOrEmpty(proficiencyFields, 1 + i)));

    QList<QByteArray> skillsOut;
    for (const quint32 word : skillWords)
        skillsOut.append(numberBytes(word));
    skillsOut.append(QByteArrayLiteral("0"));

    QByteArray faces = lines.line(first + kFacesLine);
    if (faceWords > 0) {
        faces = QByteArrayLiteral("  ");
        for (const QString *face : {&view.face1, &view.face2}) {
            for (int w = 0; w < faceWords; ++w) {
                // Digits after the last word are ignored; a short code gives 0 words.
                const auto value = hex2Dec(face->mid(2 + w * kFaceWordDigits, kFaceWordDigits));
                faces += decimalBytes(value.value_or(0)) + ' ';
            }
        }
    }

    EncodedTroop encoded;
    encoded.lines = {
        joinFields(troopOut),
        inventory,
        QByteArrayLiteral("  ") + joinFields(attributesOut),
        QByteArrayLiteral(" ") + joinFields(proficienciesOut),
        joinFields(skillsOut),
        faces,
    };
    encoded.id = id;
    encoded.name1 = name1;
    encoded.race = race;
    return encoded;
}

} // namespace lancefall
