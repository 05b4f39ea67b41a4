#include "tables/table_columns.h"

#include "fields/field_rules.h"

#include <QCoreApplication>

#include <type_traits>

namespace lancefall {

namespace {

// The texts of this file, translated in the context "Tables".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Tables)
};

using Problem = std::optional<QString>;

// A word of this file, given untranslated (marked by QT_TRANSLATE_NOOP) and translated each
// time it is said.
ColumnWord columnWord(const char *source)
{
    return [source] { return Text::tr(source); };
}

// The same for a numbered word: "Member %1 minimum" with n.
ColumnWord columnWord(const char *source, int n)
{
    return [source, n] { return Text::tr(source).arg(n); };
}

bool sameNumber(const QString &a, const QString &b)
{
    const auto value = parseWholeNumber(QStringView(a));
    return value && value == parseWholeNumber(QStringView(b));
}

// A column name from a word of the window as the sources write it, untranslated, so that
// the header reads the same in every language: "Power Strike" -> "power_strike".
QString columnName(const char *word)
{
    QString name = QString::fromLatin1(word).toLower();
    name.replace(u' ', u'_').replace(u'-', u'_');
    return name;
}

// Each builder takes `get`, a generic lambda that gives the view's field, const or not.

template <typename View, typename Get>
Column<View> textColumn(const QString &name, const ColumnWord &word, Get get, const QString &prefix = {})
{
    return {name, word, [get](const View &v, const TableNames &) { return get(v); },
            [get, word, prefix](const QString &cell, View &v, const TableNames &) -> Problem {
                const QString tidied = withoutBlanks(cell);
                if (const auto problem = problemWithName(word(), tidied))
                    return problem;
                // The reader finds records by their prefix.
                if (!prefix.isEmpty() && !tidied.startsWith(prefix))
                    return Text::tr("%1 must begin with %2, not \"%3\"").arg(word(), prefix, cell);
                get(v) = cell;
                return std::nullopt;
            }};
}

template <typename View, typename Get>
Column<View> numberColumn(const QString &name, const ColumnWord &word, Get get)
{
    return {name, word, [get](const View &v, const TableNames &) { return get(v); },
            [get, word](const QString &cell, View &v, const TableNames &) -> Problem {
                const QString text = cell.trimmed();
                if (sameNumber(text, get(v)))
                    return std::nullopt;
                if (const auto problem = problemWithCount(word(), text))
                    return problem;
                get(v) = text;
                return std::nullopt;
            }};
}

// A whole number from low to high held as an int (the race) or a bool (a flag: 0 or 1).
template <typename View, typename Get>
Column<View> smallNumberColumn(const QString &name, const ColumnWord &word, Get get, int low, int high)
{
    return {name, word, [get](const View &v, const TableNames &) { return QString::number(int(get(v))); },
            [get, word, low, high](const QString &cell, View &v, const TableNames &) -> Problem {
                const auto value = parseWholeNumber(QStringView(cell.trimmed()));
                if (!value || *value < low || *value > high)
                    return high == 1 ? Text::tr("%1 must be 0 or 1, not \"%2\"").arg(word(), cell)
                                     : Text::tr("%1 must be a whole number from %2 to %3, not \"%4\"")
                                           .arg(word())
                                           .arg(low)
                                           .arg(high)
                                           .arg(cell);
                get(v) = static_cast<std::remove_reference_t<decltype(get(v))>>(*value);
                return std::nullopt;
            }};
}

template <typename View, typename Get>
Column<View> referenceColumn(const QString &name, const ColumnWord &word, Reference kind, Get get)
{
    return {name, word, [get, kind](const View &v, const TableNames &names) { return names.cell(kind, get(v)); },
            [get, kind](const QString &cell, View &v, const TableNames &names) -> Problem {
                const Result<qint64> number = names.number(kind, cell);
                if (!number)
                    return number.error().description;
                get(v) = int(*number);
                return std::nullopt;
            }};
}

// --- Troops ----------------------------------------------------------------------

bool isFaceCode(const QString &text)
{
    if (!text.startsWith(QStringLiteral("0x")) || text.size() == 2)
        return false;
    for (qsizetype i = 2; i < text.size(); ++i) {
        if (!text.at(i).isDigit() && !QStringLiteral("abcdefABCDEF").contains(text.at(i)))
            return false;
    }
    return true;
}

Column<TroopView> faceColumn(int face)
{
    const ColumnWord word = columnWord(QT_TRANSLATE_NOOP("Tables", "Face code %1"), face + 1);
    const auto get = [face](auto &v) -> auto &
    {
        return face == 0 ? v.face1 : v.face2;
    };
    return {
        QStringLiteral("face_%1").arg(face + 1), word,
        [get](const TroopView &v, const TableNames &) { return get(v) == facesNotAvailable() ? QString() : get(v); },
        [get, word](const QString &cell, TroopView &v, const TableNames &) -> Problem {
            if (get(v) == facesNotAvailable())
                return Text::tr("%1 cannot be written: troops.txt is of a game version whose face codes are "
                                "not known")
                    .arg(word());
            const QString text = cell.trimmed();
            if (!isFaceCode(text))
                return Text::tr("%1 must be \"0x\" followed by hexadecimal digits, not \"%2\"").arg(word(), cell);
            get(v) = text;
            return std::nullopt;
        }};
}

// A stored modifier field holds the modifier number in the top byte of a 32-bit word
// (modifier 3 is 50331648); a cell gives that number. A field that holds no such word is
// given as stored after "=", so that every stored field reads back as it was.
constexpr qint64 kModifierUnit = qint64(1) << 24;
constexpr qint64 kMaxModifier = 255;

// The stored field of a modifier cell: "3" or "=7"; nothing when it holds neither.
std::optional<QByteArray> storedModifier(QStringView cell)
{
    const bool asStored = cell.startsWith(u'=');
    const auto value = parseWholeNumber(asStored ? cell.sliced(1) : cell);
    if (!value)
        return std::nullopt;
    if (asStored)
        return cell.sliced(1).toLatin1();
    if (*value < 0 || *value > kMaxModifier)
        return std::nullopt;
    return QByteArray::number(*value * kModifierUnit);
}

Problem readInventory(const QString &cell, TroopView &v, const TableNames &names)
{
    QList<InventoryEntry> entries;
    QStringList problems;
    for (const QString &token : cell.simplified().split(u' ', Qt::SkipEmptyParts)) {
        QString item = token;
        QByteArray modifier = QByteArrayLiteral("0");
        const qsizetype at = token.lastIndexOf(u'@');
        if (at > 0) {
            item = token.first(at);
            const std::optional<QByteArray> stored = storedModifier(QStringView(token).sliced(at + 1));
            if (!stored) {
                problems.append(Text::tr("the modifier of %1 must be a whole number from 0 to %2, or \"=\" and "
                                         "the number stored, not \"%3\"")
                                    .arg(item)
                                    .arg(kMaxModifier)
                                    .arg(token.sliced(at + 1)));
                continue;
            }
            modifier = *stored;
        }
        const Result<qint64> number = names.number(Reference::Item, item);
        if (!number) {
            problems.append(number.error().description);
            continue;
        }
        InventoryEntry entry{*number, modifier, {}};
        // A modifier stored in another spelling ("050331648") keeps its stored text.
        for (const InventoryEntry &stored : std::as_const(v.inventory)) {
            if (stored.item == entry.item
                && parseWholeNumber(QByteArrayView(stored.modifier)) == parseWholeNumber(QByteArrayView(modifier)))
                entry.modifier = stored.modifier;
        }
        entries.append(entry);
    }
    if (!problems.isEmpty())
        return problems.join(Text::tr("; "));
    if (entries.size() > kInventorySlots)
        return Text::tr("Inventory holds %1 items; a troop can carry at most %2")
            .arg(entries.size())
            .arg(kInventorySlots);
    v.inventory = entries;
    return std::nullopt;
}

QList<Column<TroopView>> makeTroopColumns()
{
    using V = TroopView;
    QList<Column<V>> columns{
        textColumn<V>(
            QStringLiteral("id"), [] { return idCaption(RecordKind::Troop); }, [](auto &v) -> auto & { return v.id; },
            QStringLiteral("trp_")),
        textColumn<V>(
            QStringLiteral("name"), columnWord(QT_TRANSLATE_NOOP("Tables", "Name 1")),
            [](auto &v) -> auto & { return v.name1; }),
        textColumn<V>(
            QStringLiteral("plural_name"), columnWord(QT_TRANSLATE_NOOP("Tables", "Name 2")),
            [](auto &v) -> auto & { return v.name2; }),
        referenceColumn<V>(
            QStringLiteral("faction"), columnWord(QT_TRANSLATE_NOOP("Tables", "Faction")), Reference::Faction,
            [](auto &v) -> auto & { return v.faction; }),
        referenceColumn<V>(
            QStringLiteral("upgrade_a"), columnWord(QT_TRANSLATE_NOOP("Tables", "Upgrade path A")), Reference::Troop,
            [](auto &v) -> auto & { return v.upgradeA; }),
        referenceColumn<V>(
            QStringLiteral("upgrade_b"), columnWord(QT_TRANSLATE_NOOP("Tables", "Upgrade path B")), Reference::Troop,
            [](auto &v) -> auto & { return v.upgradeB; }),
        smallNumberColumn<V>(
            QStringLiteral("race"), columnWord(QT_TRANSLATE_NOOP("Tables", "Race")),
            [](auto &v) -> auto & { return v.race; }, 0, kRaceCount - 1),
    };
    // In TroopFlag order. The seven guarantees are the window's "equipment guarantee" boxes;
    // their prefix also keeps the shield guarantee apart from the Shield skill.
    static constexpr std::array<const char *, kTroopFlagCount> kFlagWords{
        QT_TRANSLATE_NOOP("Tables", "Hero"),
        QT_TRANSLATE_NOOP("Tables", "Inactive"),
        QT_TRANSLATE_NOOP("Tables", "Unkillable"),
        QT_TRANSLATE_NOOP("Tables", "Fall dead"),
        QT_TRANSLATE_NOOP("Tables", "No capture"),
        QT_TRANSLATE_NOOP("Tables", "Mounted"),
        QT_TRANSLATE_NOOP("Tables", "Merchant"),
        QT_TRANSLATE_NOOP("Tables", "Guarantee boots"),
        QT_TRANSLATE_NOOP("Tables", "Guarantee armor"),
        QT_TRANSLATE_NOOP("Tables", "Guarantee helmet"),
        QT_TRANSLATE_NOOP("Tables", "Guarantee gloves"),
        QT_TRANSLATE_NOOP("Tables", "Guarantee horse"),
        QT_TRANSLATE_NOOP("Tables", "Guarantee shield"),
        QT_TRANSLATE_NOOP("Tables", "Guarantee ranged"),
        QT_TRANSLATE_NOOP("Tables", "Unmoveable"),
    };
    for (int i = 0; i < kTroopFlagCount; ++i)
        columns.append(smallNumberColumn<V>(
            columnName(kFlagWords.at(i)), columnWord(kFlagWords.at(i)), [i](auto &v) -> auto & { return v.flags[i]; },
            0, 1));
    constexpr int kLevel = 4;
    for (const int i : {kLevel, 0, 1, 2, 3})
        columns.append(numberColumn<V>(
            columnName(attributeWord(i)),
            [i] { return attributeName(i); }, [i](auto &v) -> auto & { return v.attributes[i]; }));
    for (int i = 0; i < kProficiencyCount; ++i)
        columns.append(numberColumn<V>(
            columnName(proficiencyWord(i)),
            [i] { return proficiencyName(i); }, [i](auto &v) -> auto & { return v.proficiencies[i]; }));
    for (int s = 0; s < kSkillCount; ++s) {
        const ColumnWord word = [s] { return skillName(Skill(s)); };
        columns.append({columnName(skillWord(Skill(s))), word,
                        [s](const V &v, const TableNames &) { return v.skills[s]; },
                        [s, word](const QString &cell, V &v, const TableNames &) -> Problem {
                            const QString text = cell.trimmed();
                            if (sameNumber(text, v.skills[s]))
                                return std::nullopt;
                            const auto level = parseWholeNumber(QStringView(text));
                            if (!level || *level < 0 || *level > 10)
                                return Text::tr("%1 must be a whole number from 0 to 10, not \"%2\"").arg(word(), cell);
                            v.skills[s] = text;
                            return std::nullopt;
                        }});
    }
    columns.append({QStringLiteral("inventory"), columnWord(QT_TRANSLATE_NOOP("Tables", "Inventory")),
                    [](const V &v, const TableNames &names) { return inventoryCell(v.inventory, names); },
                    readInventory, true});
    columns.append(faceColumn(0));
    columns.append(faceColumn(1));
    return columns;
}

// --- Party templates -------------------------------------------------------------

QString personalityWord(Personality personality)
{
    switch (personality) {
    case Personality::Soldier:
        return QStringLiteral("soldier");
    case Personality::Merchant:
        return QStringLiteral("merchant");
    case Personality::EscortedMerchant:
        return QStringLiteral("escorted_merchant");
    case Personality::Bandit:
        return QStringLiteral("bandit");
    case Personality::None:
        return QStringLiteral("none");
    case Personality::Other:
        break;
    }
    return QStringLiteral("other");
}

Problem readPersonality(const QString &cell, PartyTemplateView &v, const TableNames &)
{
    QString key = cell.trimmed().toLower();
    key.replace(u' ', u'_');
    // Other keeps a stored number that no preset has; it cannot be chosen.
    for (const Personality p : {Personality::Soldier, Personality::Merchant, Personality::EscortedMerchant,
                                Personality::Bandit, Personality::None}) {
        if (key == personalityWord(p) || key == QString::number(personalityPreset(p).number)) {
            v.personality = p;
            return std::nullopt;
        }
    }
    return Text::tr("Personality must be soldier, merchant, escorted_merchant, bandit or none, not \"%1\"").arg(cell);
}

QList<Column<PartyTemplateView>> makeTemplateColumns()
{
    using V = PartyTemplateView;
    QList<Column<V>> columns{
        textColumn<V>(
            QStringLiteral("id"), [] { return idCaption(RecordKind::PartyTemplate); },
            [](auto &v) -> auto & { return v.id; }, QStringLiteral("pt_")),
        textColumn<V>(
            QStringLiteral("name"), columnWord(QT_TRANSLATE_NOOP("Tables", "Template name")),
            [](auto &v) -> auto & { return v.name; }),
        numberColumn<V>(
            QStringLiteral("menu"), columnWord(QT_TRANSLATE_NOOP("Tables", "Menu")),
            [](auto &v) -> auto & { return v.menu; }),
        referenceColumn<V>(
            QStringLiteral("faction"), columnWord(QT_TRANSLATE_NOOP("Tables", "Faction")), Reference::Faction,
            [](auto &v) -> auto & { return v.faction; }),
        {QStringLiteral("personality"), columnWord(QT_TRANSLATE_NOOP("Tables", "Personality")),
         [](const V &v, const TableNames &) { return personalityWord(v.personality); }, readPersonality},
    };
    for (int s = 0; s < kMemberSlots; ++s) {
        const QString member = QStringLiteral("member_%1_").arg(s + 1);
        columns.append(referenceColumn<V>(
            member + QStringLiteral("troop"), columnWord(QT_TRANSLATE_NOOP("Tables", "Member %1 troop"), s + 1),
            Reference::Troop, [s](auto &v) -> auto & { return v.members[s].troop; }));
        columns.append(numberColumn<V>(
            member + QStringLiteral("min"),
            columnWord(QT_TRANSLATE_NOOP("Tables", "Member %1 minimum"), s + 1), [s](auto &v) -> auto & {
                return v.members[s].min;
            }));
        columns.append(numberColumn<V>(
            member + QStringLiteral("max"),
            columnWord(QT_TRANSLATE_NOOP("Tables", "Member %1 maximum"), s + 1), [s](auto &v) -> auto & {
                return v.members[s].max;
            }));
        columns.append(smallNumberColumn<V>(
            member + QStringLiteral("prisoner"), columnWord(QT_TRANSLATE_NOOP("Tables", "Member %1 prisoners"), s + 1),
            [s](auto &v) -> auto & { return v.members[s].prisoner; }, 0, 1));
    }
    return columns;
}

// --- Parties -----------------------------------------------------------------------

QList<Column<PartyView>> makePartyColumns()
{
    using V = PartyView;
    return {
        textColumn<V>(
            QStringLiteral("id"), [] { return idCaption(RecordKind::Party); }, [](auto &v) -> auto & { return v.id; },
            QStringLiteral("p_")),
        textColumn<V>(
            QStringLiteral("name"), columnWord(QT_TRANSLATE_NOOP("Tables", "Party name")),
            [](auto &v) -> auto & { return v.name; }),
        referenceColumn<V>(
            QStringLiteral("template"), columnWord(QT_TRANSLATE_NOOP("Tables", "Party template")),
            Reference::PartyTemplate, [](auto &v) -> auto & { return v.partyTemplate; }),
        referenceColumn<V>(
            QStringLiteral("faction"), columnWord(QT_TRANSLATE_NOOP("Tables", "Faction")), Reference::Faction,
            [](auto &v) -> auto & { return v.faction; }),
    };
}

template <typename View>
QStringList namesOf(const QList<Column<View>> &columns)
{
    QStringList names{kNumberColumn};
    for (const Column<View> &column : columns)
        names.append(column.name);
    return names;
}

} // namespace

template <>
const QList<Column<TroopView>> &columnsOf<TroopView>()
{
    static const QList<Column<TroopView>> columns = makeTroopColumns();
    return columns;
}

template <>
const QList<Column<PartyTemplateView>> &columnsOf<PartyTemplateView>()
{
    static const QList<Column<PartyTemplateView>> columns = makeTemplateColumns();
    return columns;
}

template <>
const QList<Column<PartyView>> &columnsOf<PartyView>()
{
    static const QList<Column<PartyView>> columns = makePartyColumns();
    return columns;
}

QStringList tableColumns(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Troop:
        return namesOf(columnsOf<TroopView>());
    case RecordKind::PartyTemplate:
        return namesOf(columnsOf<PartyTemplateView>());
    case RecordKind::Party:
        break;
    }
    return namesOf(columnsOf<PartyView>());
}

QString tableWord(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Troop:
        return QStringLiteral("troops");
    case RecordKind::PartyTemplate:
        return QStringLiteral("templates");
    case RecordKind::Party:
        break;
    }
    return QStringLiteral("parties");
}

std::optional<RecordKind> tableKind(const QString &word)
{
    for (const RecordKind kind : kRecordKinds) {
        if (word == tableWord(kind))
            return kind;
    }
    return std::nullopt;
}

QString inventoryCell(const QList<InventoryEntry> &inventory, const TableNames &names)
{
    QString cell;
    for (const InventoryEntry &entry : inventory) {
        if (!cell.isEmpty())
            cell += u' ';
        cell += names.cell(Reference::Item, entry.item);
        const qint64 stored = parseWholeNumber(QByteArrayView(entry.modifier)).value_or(1);
        if (stored > 0 && stored % kModifierUnit == 0 && stored / kModifierUnit <= kMaxModifier)
            cell += u'@' + QString::number(stored / kModifierUnit);
        else if (stored != 0)
            cell += QStringLiteral("@=") + QString::fromLatin1(entry.modifier);
    }
    return cell;
}

} // namespace lancefall
