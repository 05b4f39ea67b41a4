#include "troops/troop_record.h"

#include <QTest>

#include <functional>

using namespace lancefall;
using namespace Qt::StringLiterals;

namespace {

const TroopLayout kLayout{true, 7, kGameVersion095};
constexpr qsizetype kFirst = 3; // troop 0's first line
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

// One troop whose record line `line` is `text` ("<cut>": the table ends before that line);
// the other lines are those of a guard of race 8.
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

Result<DecodedTroop> decode(const LineTable &table, const TroopLayout &layout)
{
    return decodeTroop(table, kFirst, layout, kItems);
}

// What the view shows of record line `line` (0, 1, 4 or 5), with that line's warning.
QString shownOf(const DecodedTroop &decoded, int line)
{
    const TroopView &v = decoded.view;
    if (line == 0) {
        quint32 checked = 0;
        for (int i = 0; i < kTroopFlagCount; ++i)
            checked |= v.flags[i] ? troopFlagBit(TroopFlag(i)) : 0;
        return u"%1 %2 %3 %4 %5 %6 race %7/%8 boxes %9"_s.arg(v.id, v.name1, v.name2)
            .arg(v.faction)
            .arg(v.upgradeA)
            .arg(v.upgradeB)
            .arg(v.race)
            .arg(genderOptionForRace(v.race))
            .arg(checked, 0, 16);
    }
    QStringList items; // item number and modifier, and the label's number
    for (const InventoryEntry &entry : v.inventory)
        items.append(u"%1:%2:%3"_s.arg(entry.item).arg(QString::fromLatin1(entry.modifier), entry.label.section(u' ', 0, 0)));
    if (line == 1)
        return items.join(u' ') + u'|' + decoded.missingItemsWarning;
    if (line == 5)
        return v.face1 + u'|' + v.face2 + u'|' + decoded.unknownVersionWarning;
    return QStringList(v.skills.begin(), v.skills.end()).join(u' ');
}

using Edit = std::function<void(TroopView &)>;

// Record line `line` stored as `stored` (empty: the guard's line); decoded it shows `expected`
// (as shownOf gives it, UTF-8), or after `edit` it is written as `expected`. A refusal gives
// decodeError, or encodeError with a description that begins with `expected`.
struct Row {
    TroopLayout layout;
    int line;
    QByteArray stored, expected;
    Edit edit = {};
    ErrorCode decodeError = {}, encodeError = {};
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
        QTest::newRow("references to records that do not exist, kept as numbers")
            << Row{kLayout, 0, "trp_a A As 5 0 0 0 10 9999 2147483647", "trp_a A As 10 9999 2147483647 race 0/0 boxes 0"};
        QTest::newRow("hero, armor, bit without a box, race 0 is male")
            << Row{kLayout, 0, flags("136314896"), "trp_a A As 3 0 0 race 0/0 boxes 200010"};
        QTest::newRow("race 1 is female, bits 31 and 32 set")
            << Row{kLayout, 0, flags("6442450961"), "trp_a A As 3 0 0 race 1/1 boxes 10"};
        QTest::newRow("pairwise: modifier is no item, empty slots, unknown items, last catalogue item")
            << Row{kLayout, 1, "300 0 8 4 -1 0 0 0 101 2 100 0 9 ",
                   "8:4:8 100:0:100 9:0:9|Warning: The following items were not found in the items file and will "
                   "be removed:\n                300 101"};
        // Word 0 is 2^32 + A0000122: only its low 32 bits hold skills.
        QTest::newRow("skills of each word, 10 and letters")
            << Row{kLayout, 4, "6979322146 2882400001 2868903969 17185 74560 9",
                   "10 1 2 2 10 B C D E F 0 1 10 B 2 1 4 3 2 1 1 2 3 4"};
        QTest::newRow("faces 0.90x") << Row{{true, 7, kGameVersion090}, 5, "  1 2 3 4 ",
                                            (faceOf({1, 2}) + u'|' + faceOf({3, 4}) + u'|').toUtf8()};
        QTest::newRow("faces 0.95x, the low 64 bits of a word, a fraction taken down")
            << Row{kLayout, 5, "  18446744073709551615 18446744073709551617 10.7 1 2 3 4 5 ",
                   (faceOf({~0ull, 1, 10, 1}) + u'|' + faceOf({2, 3, 4, 5}) + u'|').toUtf8()};
        QTest::newRow("faces, unknown game version")
            << Row{{true, 7, QString()}, 5, {},
                   (facesNotAvailable() + u'|' + facesNotAvailable() + u"|unknown Lancefall version "_s).toUtf8()};
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
        const auto damaged = [](int line, const QByteArray &text, E decodeError) {
            return Row{kLayout, line, text, {}, {}, decodeError};
        };
        const auto corrupting = [](const QByteArray &message, const Edit &edit, E code = E::InvalidValue) {
            return Row{kLayout, -1, {}, message, edit, {}, code};
        };
        QTest::newRow("record cut short") << damaged(5, "<cut>", E::RecordBeyondTable);
        QTest::newRow("troop line short") << damaged(0, "trp_a A As 5 0 0 0 3 0", E::MissingField);
        QTest::newRow("faction below -1") << damaged(0, "trp_a A As 5 0 0 0 -2 0 0", E::OutOfRange);
        QTest::newRow("upgrade path beyond 32 bits") << damaged(0, "trp_a A As 5 0 0 0 1 2147483648 0", E::OutOfRange);
        QTest::newRow("inventory piece") << damaged(1, "  5 0 x 0 ", E::NotANumber);
        QTest::newRow("skills line short") << damaged(4, "0 0 0 0", E::MissingField);
        QTest::newRow("faces line short") << damaged(5, "  1 2 3 4 5 6 7", E::MissingField);
        QTest::newRow("negative face word") << damaged(5, "  1 2 3 -4 5 6 7 8 ", E::NotANumber);
        QTest::newRow("empty name") << corrupting("Name 1 must not be empty", [](TroopView &v) { v.name1.clear(); });
        QTest::newRow("id without prefix")
            << corrupting("Troop ID must begin with trp_", [](TroopView &v) { v.id = u"guard"_s; });
        QTest::newRow("skill 11") << corrupting("Looting must be a whole number from 0 to 10",
                                                [](TroopView &v) { v.skills[int(Skill::Looting)] = u"11"_s; });
        QTest::newRow("strength with a leading blank")
            << corrupting("Strength must be a whole number", [](TroopView &v) { v.attributes[0] = u" 5"_s; });
        QTest::newRow("level fraction")
            << corrupting("Level must be a whole number", [](TroopView &v) { v.attributes[4] = u"1.5"_s; });
        QTest::newRow("negative level") << corrupting("Level must be a whole number from 0 to 2147483647, not \"-3\"",
                                                      [](TroopView &v) { v.attributes[4] = u"-3"_s; });
        QTest::newRow("face without prefix")
            << corrupting("Face code 1 must be", [](TroopView &v) { v.face1 = u"1234"_s; });
        QTest::newRow("no race chosen") << corrupting("No race is chosen", [](TroopView &v) { v.race = -1; });
        QTest::newRow("65 items") << corrupting(tooManyItemsMessage().toUtf8(),
                                                [](TroopView &v) { v.inventory.fill({1, "0", kItems[0]}, 65); },
                                                E::TooManyItems);
    }
    void refusesDamagedRecordsAndCorruptingValues()
    {
        QFETCH(Row, row);
        const LineTable table = tableWith(kLayout, row.line, row.stored);
        const auto decoded = decode(table, kLayout);
        QCOMPARE(decoded ? ErrorCode{} : decoded.error().code, row.decodeError);
        QVERIFY2(decoded || decoded.error().text().startsWith(u"troops.txt line "),
                 qPrintable(decoded ? QString() : decoded.error().message()));
        if (row.encodeError == ErrorCode{})
            return;
        TroopView view = decoded->view;
        row.edit(view);
        const auto encoded = encodeTroop(view, table, kFirst, kLayout, kItems);
        QCOMPARE(encoded ? ErrorCode{} : encoded.error().code, row.encodeError);
        QVERIFY2(encoded.error().text().startsWith(QString::fromUtf8(row.expected)),
                 qPrintable(encoded.error().text()));
    }

    void encodes_data()
    {
        QTest::addColumn<Row>("row");
        const QByteArray faces = "  1 2 3 4 5 6 7 8 ";
        const Edit tickHero = [](TroopView &v) { v.flags[int(TroopFlag::Hero)] = true; };
        QTest::newRow("second layout, hero ticked, carried and later fields kept")
            << Row{kLayout, 0, "trp_a A As 77 136 12 13 1 2 3 extra 9", "trp_a A As 77 152 12 13 1 2 3 extra 9",
                   tickHero};
        QTest::newRow("first layout, 6 lines, hero ticked, carried and later fields kept")
            << Row{{false, 6, kGameVersion095}, 0, "trp_a A As 136 12 13 1 2 3 x", "trp_a A As 152 12 13 1 2 3 x",
                   tickHero};
        // FFFFFFF3 to E80FEA2C: bits 9, 11, 13 to 19, 27, 29, 30 and 31 have no box; race 3 to 12.
        QTest::newRow("bits without a box kept, boxes cleared, race changed")
            << Row{kLayout, 0, "trp_a A As 5 4294967283 0 0 1 2 3", "trp_a A As 5 3893357100 0 0 1 2 3",
                   [](TroopView &v) {
                       v.flags.fill(false), v.race = 12;
                       v.flags[int(TroopFlag::Inactive)] = true;
                   }};
        QTest::newRow("a missing upgrade path kept as stored, a changed one written")
            << Row{kLayout, 0, "trp_a A As 5 0 0 0 10 09999 7", "trp_a A As 5 0 0 0 10 09999 3",
                   [](TroopView &v) { v.upgradeB = 3; }};
        QTest::newRow("a negative flag word keeps its bits")
            << Row{kLayout, 0, "trp_a A As 5 -1 0 0 1 0 0", "trp_a A As 5 4294967279 0 0 1 0 0",
                   [](TroopView &v) { v.flags[int(TroopFlag::Hero)] = false; }};
        QTest::newRow("bits above 32 kept, a stored 07 kept")
            << Row{kLayout, 0, "trp_a A As 5 4294967313 0 0 07 0 0", "trp_a A As 5 4294967317 0 0 07 0 0",
                   [](TroopView &v) { v.race = 5; }};
        // GB18030, not valid UTF-8: untouched bytes stay, typed text takes the field's encoding.
        QTest::newRow("blanks become _, names not valid UTF-8")
            << Row{kLayout, 0, "trp_a \xd5\xbd\xca\xbf\xc3\xc7 \xb1\xf8 5 0 0 0 1 2 3",
                   "trp_elite_guard \xd5\xbd\xca\xbf\xc3\xc7 \xd5\xbd_\xca\xbf_\xc3\xc7 5 0 0 0 1 2 3",
                   [](TroopView &v) { v.id = u"trp_elite guard"_s, v.name2 = u"战 士 们"_s; }};
        QTest::newRow("no item") << Row{kLayout, 1, inventoryOf("5 0 "), inventoryOf({}),
                                        [](TroopView &v) { v.inventory.clear(); }};
        QTest::newRow("64 entries, a modifier kept, an empty one in place")
            << Row{kLayout, 1, {}, "  5 3 -1 0 " + QByteArray("1 0 ").repeated(62), [](TroopView &v) {
                       v.inventory.fill({1, "0", kItems[0]}, 64), v.inventory[0] = {5, "3", kItems[4]};
                       v.inventory[1] = {};
                   }};
        QTest::newRow("unchanged inventory keeps gaps and unknown items")
            << Row{kLayout, 1, "  -1 0 300 0 4 7 ", "  -1 0 300 0 4 7 ",
                   [](TroopView &v) { v.inventory.first().label = u"relabelled"_s; }};
        QTest::newRow("a stored negative attribute kept, a field after the level kept")
            << Row{kLayout, 2, "  -9 8 4 6 10 77", "  -9 5 4 6 10 77", [](TroopView &v) { v.attributes[1] = u"5"_s; }};
        QTest::newRow("a stored value that is no number, unchanged")
            << Row{kLayout, 3, " 60 50 x 30 20 10 0", " 60 51 x 30 20 10 0",
                   [](TroopView &v) { v.proficiencies[1] = u"51"_s; }};
        // Word 0 FFFFFFFF: Persuasion becomes A, its unshown nibbles stay; word 4 above 32
        // bits keeps its high bits; the sixth field and what follows stay.
        QTest::newRow("persuasion 10, power draw 3, unshown nibbles and later fields kept")
            << Row{kLayout, 4, "4294967295 2882400001 184549376 0 4294967296 77 ",
                   "2952790015 2882400001 184549376 0 4294967344 77 ",
                   [](TroopView &v) { v.skills[0] = u"10"_s, v.skills[int(Skill::PowerDraw)] = u"3"_s; }};
        QTest::newRow("faces 0.90x ignore digits after the 34th")
            << Row{{true, 7, kGameVersion090}, 5, faces.first(10), "  1 2 3 4 ",
                   [](TroopView &v) { v.face1 = faceOf({1, 2}) + u"FFFF"_s, v.face2 = faceOf({3, 4}); }};
        QTest::newRow("faces 0.95x: either case, a short code, unchanged words keep their text")
            << Row{kLayout, 5, "  1 18446744073709551617 3 4.5 5 6 7 8 ",
                   "  18446744073709551615 18446744073709551617 0 0 0 0 0 2 ", [](TroopView &v) {
                       v.face1 = faceOf({~0ull, 1}).toUpper().replace(u'X', u'x');
                       v.face2 = faceOf({0, 0, 0, 2}) + u'9';
                   }};
        QTest::newRow("faces line kept, unknown game version")
            << Row{{true, 7, QString()}, 5, faces, faces, [](TroopView &v) { v.face1 = u"0x1"_s, v.face2 = u"0x2"_s; }};
    }
    void encodes()
    {
        QFETCH(Row, row);
        LineTable table = tableWith(row.layout, row.line, row.stored);
        const auto decoded = decode(table, row.layout);
        QVERIFY2(decoded, decoded ? "" : qPrintable(decoded.error().message()));
        TroopView view = decoded->view;
        row.edit(view);
        const auto encoded = encodeTroop(view, table, kFirst, row.layout, kItems);
        QCOMPARE(encoded ? encoded->lines.at(row.line) : encoded.error().message().toUtf8(), row.expected);
        // The identifier and name reported are those the written troop line holds.
        table.setLine(kFirst, encoded->lines.at(0));
        const auto written = decode(table, row.layout);
        QVERIFY(written);
        QCOMPARE(encoded->id + u' ' + encoded->name1, written->view.id + u' ' + written->view.name1);
    }
};

QTEST_APPLESS_MAIN(TestTroopRecord)
#include "tst_troop_record.moc"
