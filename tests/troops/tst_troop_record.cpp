#include "troops/troop_record.h"

#include <QTest>

#include <functional>

using namespace lancefall;
using namespace Qt::StringLiterals;

namespace {

const TroopLayout kLayout{true, 7, kGameVersion095};
const QStringList kItems = [] {
    QStringList labels; // label p is item p + 1
    for (int n = 1; n <= 100; ++n)
        labels.append(u"%1 - Item_%1  (itm_%1)"_s.arg(n));
    return labels;
}();

// The inventory line holding the slots `filled` ("item modifier " each), then empty slots.
QByteArray inventoryOf(const QByteArray &filled)
{
    return "  " + filled + QByteArray("-1 0 ").repeated(64 - filled.count(' ') / 2);
}

// "0x" and each word as 16 lower-case hexadecimal digits.
QString faceOf(std::initializer_list<quint64> words)
{
    QString code = u"0x"_s;
    for (const quint64 word : words)
        code += u"%1"_s.arg(word, 16, 16, QLatin1Char('0'));
    return code;
}

// One troop (troop 0) whose line `line` is `text` ("<cut>": the table ends before that line);
// the other lines are those of a guard.
LineTable tableWith(const TroopLayout &layout, int line = -1, const QByteArray &text = {})
{
    QList<QByteArray> lines = {
        layout.version2 ? "troopsfile version 2" : "troopsfile version 1", " 1",
        layout.version2 ? "trp_guard Guard Guards 5 136 0 0 3 0 0" : "trp_guard Guard Guards 136 0 0 3 0 0",
        inventoryOf({}), "  9 8 4 6 10", " 60 50 40 30 20 10 0", "0 0 0 0 0 0",
        layout.gameVersion == kGameVersion090 ? "  1 2 3 4 " : "  1 2 3 4 5 6 7 8 ", "  0"};
    if (!text.isEmpty())
        lines[2 + line] = text;
    LineTable table;
    for (const QByteArray &l : lines.first(2 + (text == "<cut>" ? line : layout.recordLines)))
        table.append(l);
    return table;
}

Result<DecodedTroop> decode(const LineTable &table, const TroopLayout &layout, qsizetype troop = 0)
{
    return decodeTroop(table, troop, layout, kItems, 10, 20); // 10 factions, 20 troops
}

// What the view shows of record line `line` (0, 1, 4 or 5), with that line's warning.
QString shownOf(const DecodedTroop &decoded, int line)
{
    const TroopView &v = decoded.view;
    if (line == 0) {
        quint32 checked = 0;
        for (int i = 0; i < kTroopFlagCount; ++i)
            checked |= v.flags[i] == Qt::Checked ? troopFlagBit(TroopFlag(i)) : 0;
        return u"%1 %2 %3 %4 %5 %6 race %7/%8 boxes %9"_s.arg(v.id, v.name1, v.name2).arg(v.faction)
            .arg(v.upgradeA).arg(v.upgradeB).arg(v.race).arg(genderOptionForRace(v.race)).arg(checked, 0, 16);
    }
    QStringList items; // item number and modifier, the number read from the catalogue label
    for (const InventoryEntry &entry : v.inventory)
        items.append(entry.label.section(u' ', 0, 0) + u':' + QString::fromLatin1(entry.modifier));
    if (line == 1)
        return items.join(u' ') + u'|' + decoded.missingItemsWarning;
    if (line == 5)
        return v.face1 + u'|' + v.face2 + u'|' + decoded.unknownVersionWarning;
    return QStringList(v.skills.begin(), v.skills.end()).join(u' ');
}

using Edit = std::function<void(TroopView &)>;

// Line `line` of troop 0 stored as `stored` (empty: the guard's line); decoded it shows
// `expected` (as shownOf gives it, UTF-8), or after `edit` it is written as `expected`. A
// refusal gives decodeError, or encodeError (ErrorCode{0}: the update does not read that
// line) with a description that contains `expected`.
struct Row {
    TroopLayout layout;
    int line;
    QByteArray stored, expected;
    Edit edit = {};
    ErrorCode decodeError = {}, encodeError = {};
    int troop = 0;
};

} // namespace

Q_DECLARE_METATYPE(Row)

class TestTroopRecord : public QObject {
    Q_OBJECT

private slots:
    void decodes_data()
    {
        QTest::addColumn<Row>("row");

        const auto flags = [](const char *word) { return "trp_a A As 5 " + QByteArray(word) + " 0 0 3 0 0"; };
        QTest::newRow("first layout, 6 lines, multi-bit race, name not valid UTF-8, positions")
            << Row{{false, 6, kGameVersion090}, 0, "trp_b \xb1\xf8 Bs 83886107 0 0 9 -1 19",
                   "trp_b 兵 Bs 9 -1 19 race 11/2 boxes 5000010"};
        // Hex 8200010: bit 8000000 has no box.
        QTest::newRow("hero, armor, bit without a box, race 0 is male")
            << Row{kLayout, 0, flags("136314896"), "trp_a A As 3 0 0 race 0/0 boxes 200010"};
        QTest::newRow("race 1 is female, bit 31 set")
            << Row{kLayout, 0, flags("2147483665"), "trp_a A As 3 0 0 race 1/1 boxes 10"};
        QTest::newRow("pairwise: modifier is no item, empty slots, unknown items, last catalogue item, odd count")
            << Row{kLayout, 1, "300 0 8 4 -1 0 0 0 101 2 100 0 9 ",
                   "8:4 100:0 9:0|Warning: The following items were not found in the items file and will be "
                   "removed:\r\n                300 101"};
        // Word 0 is 2^32 + A0000122: only its low 32 bits hold skills.
        QTest::newRow("skills of each word, 10 and letters")
            << Row{kLayout, 4, "6979322146 2882400001 2868903969 17185 74560 9",
                   "10 1 2 2 10 B C D E F 0 1 10 B 2 1 4 3 2 1 1 2 3 4"};
        QTest::newRow("faces 0.90x")
            << Row{{true, 7, kGameVersion090}, 5, "  1 2 3 4 ",
                   (faceOf({1, 2}) + u'|' + faceOf({3, 4}) + u'|').toUtf8()};
        QTest::newRow("faces 0.95x, the low 64 bits of a word")
            << Row{kLayout, 5, "  18446744073709551615 18446744073709551617 10 1 2 3 4 5 ",
                   (faceOf({~0ull, 1, 10, 1}) + u'|' + faceOf({2, 3, 4, 5}) + u'|').toUtf8()};
        QTest::newRow("faces, unknown game version")
            << Row{{true, 7, QString()}, 5, {},
                   (kFacesNotAvailable + u'|' + kFacesNotAvailable + u"|unknown Lancefall version "_s).toUtf8()};
    }

    void decodes()
    {
        QFETCH(Row, row);
        const auto decoded = decode(tableWith(row.layout, row.line, row.stored), row.layout);
        QVERIFY2(decoded, decoded ? "" : qPrintable(decoded.error().message()));
        QCOMPARE(shownOf(*decoded, row.line), QString::fromUtf8(row.expected));
        // Choosing the gender option that shows the race keeps the race.
        QCOMPARE(raceForGenderOption(genderOptionForRace(decoded->view.race), decoded->view.race), decoded->view.race);
    }

    void refusesDamagedRecordsAndCorruptingValues_data()
    {
        QTest::addColumn<Row>("row");

        using E = ErrorCode;
        const auto damaged = [](int line, const QByteArray &text, E decodeError, E encodeError = {}, int troop = 0) {
            return Row{kLayout, line, text, {}, {}, decodeError, encodeError, troop};
        };
        const auto corrupting = [](const QByteArray &named, const Edit &edit) {
            return Row{kLayout, -1, {}, named, edit, {}, E::InvalidValue};
        };
        QTest::newRow("no troop selected") << damaged(-1, {}, E::NotSelected, E::NotSelected, -1);
        QTest::newRow("beyond the table, view of troop 0") << damaged(-1, {}, E::RecordBeyondTable, E::NotSelected, 1);
        QTest::newRow("record cut short") << damaged(5, "<cut>", E::RecordBeyondTable, E::RecordBeyondTable);
        QTest::newRow("troop line short") << damaged(0, "trp_a A As 5 0 0 0 3 0", E::MissingField);
        QTest::newRow("no carried fields") << damaged(0, "trp_a A As 5 0 0", E::MissingField, E::MissingField);
        QTest::newRow("flag piece") << damaged(0, "trp_a A As 5 x1 0 0 1 0 0", E::NotANumber, E::NotANumber);
        QTest::newRow("faction") << damaged(0, "trp_a A As 5 0 0 0 x 0 0", E::NotANumber);
        QTest::newRow("faction beyond") << damaged(0, "trp_a A As 5 0 0 0 10 0 0", E::OutOfRange);
        QTest::newRow("upgrade below -1") << damaged(0, "trp_a A As 5 0 0 0 1 0 -2", E::OutOfRange);
        QTest::newRow("inventory piece") << damaged(1, "  5 0 x 0 ", E::NotANumber);
        QTest::newRow("attributes line short") << damaged(2, "  9 8 4 6", E::MissingField);
        QTest::newRow("proficiencies line short") << damaged(3, " 1 2 3 4 5 6", E::MissingField);
        QTest::newRow("skills line short") << damaged(4, "0 0 0 0", E::MissingField);
        QTest::newRow("skill word") << damaged(4, "0 0 zero 0 0 0", E::NotANumber);
        QTest::newRow("faces line short") << damaged(5, "  1 2 3 4 5 6 7", E::MissingField);
        QTest::newRow("negative face word") << damaged(5, "  1 2 3 -4 5 6 7 8 ", E::NotANumber);
        QTest::newRow("skill 11") << corrupting("Looting", [](TroopView &v) { v.skills[13] = u"11"_s; });
        QTest::newRow("level fraction") << corrupting("Level", [](TroopView &v) { v.attributes[4] = u"1.5"_s; });
        QTest::newRow("proficiency empty") << corrupting("Firearms", [](TroopView &v) { v.proficiencies[6].clear(); });
        QTest::newRow("face without prefix") << corrupting("face code 1", [](TroopView &v) { v.face1 = u"1234"_s; });
        QTest::newRow("face not hexadecimal") << corrupting("face code 2", [](TroopView &v) { v.face2 = u"0x12G4"_s; });
        QTest::newRow("id without prefix") << corrupting("troop ID", [](TroopView &v) { v.id = u"guard"_s; });
        QTest::newRow("no race chosen") << corrupting("race", [](TroopView &v) { v.race = -1; });
        QTest::newRow("race 16") << corrupting("race", [](TroopView &v) { v.race = 16; });
        QTest::newRow("65 items")
            << corrupting(kTooManyItemsMessage.toUtf8(), [](TroopView &v) { v.inventory.fill({kItems[0]}, 65); });
        QTest::newRow("label without item number")
            << corrupting("Inventory entry 1", [](TroopView &v) { v.inventory = {{u"Bow - 3"_s}}; });
        QTest::newRow("modifier not a number")
            << corrupting("modifier", [](TroopView &v) { v.inventory = {{kItems[0], "x"}}; });
    }

    void refusesDamagedRecordsAndCorruptingValues()
    {
        QFETCH(Row, row);
        const LineTable table = tableWith(kLayout, row.line, row.stored);
        const auto decoded = decode(table, kLayout, row.troop);
        QCOMPARE(decoded ? ErrorCode{} : decoded.error().code, row.decodeError);
        QVERIFY2(decoded || row.troop < 0 || decoded.error().description.startsWith(u"troops.txt line "),
                 qPrintable(decoded ? QString() : decoded.error().message()));
        if (row.encodeError == ErrorCode{})
            return;
        // The view of the intact troop 0, edited, updated into the table.
        TroopView view = decode(tableWith(kLayout), kLayout)->view;
        if (row.edit)
            row.edit(view);
        const auto encoded = encodeTroop(view, table, row.troop, kLayout, 8); // the guard is race 8
        QCOMPARE(encoded ? ErrorCode{} : encoded.error().code, row.encodeError);
        QVERIFY2(encoded.error().description.contains(QString::fromUtf8(row.expected)),
                 qPrintable(encoded.error().description));
    }

    void encodes_data()
    {
        QTest::addColumn<Row>("row");

        const QByteArray faces = "  1 2 3 4 5 6 7 8 ";
        const Edit tickHero = [](TroopView &v) { v.flags[int(TroopFlag::Hero)] = Qt::Checked; };
        QTest::newRow("second layout, hero ticked, carried and later fields kept")
            << Row{kLayout, 0, "trp_a A As 77 136 12 13 1 2 3 extra 9", "trp_a A As 77 152 12 13 1 2 3 extra 9",
                   tickHero};
        QTest::newRow("first layout, 6 lines, hero ticked, carried and later fields kept")
            << Row{{false, 6, kGameVersion095}, 0, "trp_a A As 136 12 13 1 2 3 x", "trp_a A As 152 12 13 1 2 3 x",
                   tickHero};
        // FFFFFFF3 to E80FEA2C: bits 9, 11, 13 to 19, 27, 29, 30 and 31 have no box; race 3 to 12.
        QTest::newRow("bits without a box kept, boxes cleared, grey one too, race changed")
            << Row{kLayout, 0, "trp_a A As 5 4294967283 0 0 1 2 3", "trp_a A As 5 3893357100 0 0 1 2 3",
                   [](TroopView &v) {
                       v.flags.fill(Qt::Unchecked), v.race = 12;
                       v.flags[int(TroopFlag::Hero)] = Qt::PartiallyChecked;
                       v.flags[int(TroopFlag::Inactive)] = Qt::Checked;
                   }};
        // GB18030, not valid UTF-8: untouched bytes stay, typed text takes the field's encoding.
        QTest::newRow("blanks become _, names not valid UTF-8")
            << Row{kLayout, 0, "trp_a \xd5\xbd\xca\xbf\xc3\xc7 \xb1\xf8 5 0 0 0 1 2 3",
                   "trp_elite_guard \xd5\xbd\xca\xbf\xc3\xc7 \xd5\xbd_\xca\xbf_\xc3\xc7 5 0 0 0 1 2 3",
                   [](TroopView &v) { v.id = u"trp_elite guard"_s, v.name2 = u"战 士 们"_s; }};
        QTest::newRow("no item")
            << Row{kLayout, 1, inventoryOf("5 0 "), inventoryOf({}), [](TroopView &v) { v.inventory.clear(); }};
        QTest::newRow("one item, its label only a number")
            << Row{kLayout, 1, {}, inventoryOf("3 0 "), [](TroopView &v) { v.inventory = {{u"3"_s}}; }};
        QTest::newRow("64 entries, a modifier kept, an empty one in place")
            << Row{kLayout, 1, {}, "  5 3 -1 0 " + QByteArray("1 0 ").repeated(62), [](TroopView &v) {
                       v.inventory.fill({kItems[0]}, 64), v.inventory[0] = {kItems[4], "3"}, v.inventory[1] = {};
                   }};
        QTest::newRow("attribute negative")
            << Row{kLayout, 2, {}, "  -5 8 4 6 10", [](TroopView &v) { v.attributes[0] = u"-5"_s; }};
        // Word 0 FFFFFFFF keeps only its four shown nibbles: F0000FFF, Persuasion then A.
        QTest::newRow("persuasion 10, power draw 3, letters kept, unshown nibbles and sixth field cleared")
            << Row{kLayout, 4, "4294967295 2882400001 184549376 0 0 77 ", "2684358655 2882400001 184549376 0 48 0",
                   [](TroopView &v) { v.skills[0] = u"10"_s, v.skills[23] = u"3"_s; }};
        QTest::newRow("faces 0.90x ignore digits after the 34th")
            << Row{{true, 7, kGameVersion090}, 5, faces, "  1 2 3 4 ",
                   [](TroopView &v) { v.face1 = faceOf({1, 2}) + u"FFFF"_s, v.face2 = faceOf({3, 4}); }};
        QTest::newRow("faces 0.95x: 64-bit word, either case, short code, digits after the 66th ignored")
            << Row{kLayout, 5, faces, "  18446744073709551615 11 0 0 0 0 0 2 ", [](TroopView &v) {
                       v.face1 = faceOf({~0ull}) + faceOf({11}).mid(2).toUpper(), v.face2 = faceOf({0, 0, 0, 2}) + u'9';
                   }};
        QTest::newRow("faces line kept, unknown game version")
            << Row{{true, 7, QString()}, 5, faces, faces, [](TroopView &v) { v.face1 = u"0x1"_s, v.face2 = u"0x2"_s; }};
    }

    void encodes()
    {
        QFETCH(Row, row);
        LineTable table = tableWith(row.layout, row.line, row.stored);
        const auto decoded = decode(table, row.layout);
        QVERIFY(decoded);
        TroopView view = decoded->view;
        row.edit(view);
        const auto encoded = encodeTroop(view, table, 0, row.layout, decoded->view.race);
        QCOMPARE(encoded ? encoded->lines.at(row.line) : encoded.error().message().toUtf8(), row.expected);
        // The identifier, name and race reported are those the written troop line holds.
        table.setLine(troopFirstLine(0, row.layout), encoded->lines.at(0));
        const auto written = decode(table, row.layout);
        QVERIFY(written);
        QCOMPARE(encoded->id + u' ' + encoded->name1 + u' ' + QString::number(encoded->race),
                 written->view.id + u' ' + written->view.name1 + u' ' + QString::number(written->view.race));
    }
};

QTEST_APPLESS_MAIN(TestTroopRecord)
#include "tst_troop_record.moc"
