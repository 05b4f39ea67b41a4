#include "troops/troop_record.h"

#include <QTest>

#include <functional>

using namespace lancefall;
using namespace Qt::StringLiterals;

namespace {

const TroopLayout kLayout{true, 7, kGameVersion095};
const QByteArray kEmptySlot = "-1 0 ";
const QByteArray kEmptyInventory = "  " + kEmptySlot.repeated(64);
const QString kMissingItems = u"Warning: The following items were not found in the items file and will be "
                              u"removed:\r\n"_s + QString(15, u' ');
// As the text of a record line: the table ends before that line.
const QByteArray kCut = "<cut>";
const QStringList kItems = [] {
    QStringList labels; // label p is item p + 1
    for (int n = 1; n <= 100; ++n)
        labels.append(u"%1 - Item_%1  (itm_%1)"_s.arg(n));
    return labels;
}();

QByteArray inventoryLine(const QByteArray &filled, int used)
{
    return "  " + filled + kEmptySlot.repeated(64 - used);
}

// "0x" and each word as 16 lower-case hexadecimal digits.
QString faceOf(std::initializer_list<quint64> words)
{
    QString code = u"0x"_s;
    for (const quint64 word : words)
        code += u"%1"_s.arg(word, 16, 16, QLatin1Char('0'));
    return code;
}

// Troop line, inventory, attributes, proficiencies, skills, faces, seventh line.
QList<QByteArray> recordFor(const TroopLayout &layout)
{
    return {layout.version2 ? "trp_guard Guard Guards 5 136 0 0 3 0 0" : "trp_guard Guard Guards 136 0 0 3 0 0",
            kEmptyInventory, "  9 8 4 6 10", " 60 50 40 30 20 10 0", "0 0 0 0 0 0",
            layout.gameVersion == kGameVersion090 ? "  1 2 3 4 " : "  1 2 3 4 5 6 7 8 ", "  0"};
}

// Two troops; line `line` of troop 1 is `text` (empty: as recordFor gives it).
LineTable tableWith(const TroopLayout &layout, int line = -1, const QByteArray &text = {})
{
    QList<QByteArray> troop1 = recordFor(layout);
    if (line >= 0 && !text.isEmpty())
        troop1[line] = text;
    LineTable table;
    table.append(layout.version2 ? "troopsfile version 2" : "troopsfile version 1");
    table.append(" 2");
    for (const QByteArray &l :
         recordFor(layout).first(layout.recordLines) + troop1.first(text == kCut ? line : layout.recordLines))
        table.append(l);
    return table;
}

Result<DecodedTroop> decode(const LineTable &table, const TroopLayout &layout, qsizetype troop = 1)
{
    return decodeTroop(table, troop, layout, kItems, 10, 20); // 10 factions, 20 troops
}

QString joined(const auto &fields)
{
    return QStringList(fields.begin(), fields.end()).join(u' ');
}

// What the view shows of record line `line`.
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
    if (line == 1) {
        QStringList items;
        for (const InventoryEntry &entry : v.inventory) {
            const qint64 item = itemNumberOf(entry.label).value_or(0);
            const QString shown = u"%1:%2"_s.arg(item).arg(QString::fromLatin1(entry.modifier));
            items.append(entry.label == kItems.value(item - 1) ? shown : entry.label);
        }
        return items.join(u' ') + u'|' + decoded.missingItemsWarning;
    }
    if (line == 5)
        return v.face1 + u'|' + v.face2 + u'|' + decoded.unknownVersionWarning;
    return line == 2 ? joined(v.attributes) : line == 3 ? joined(v.proficiencies) : joined(v.skills);
}

using Edit = std::function<void(TroopView &)>;

// Ticks the boxes in `checked`, greys those in `grey`, clears the others and chooses `race`.
Edit boxes(quint32 checked, quint32 grey, int race)
{
    return [=](TroopView &view) {
        for (int i = 0; i < kTroopFlagCount; ++i) {
            const quint32 bit = troopFlagBit(TroopFlag(i));
            view.flags[i] = (checked & bit) ? Qt::Checked : (grey & bit) ? Qt::PartiallyChecked : Qt::Unchecked;
        }
        view.race = race;
    };
}

// Decodes troop 1, edits the view and encodes it back, the decoded race being the stored one.
Result<EncodedTroop> reencode(const TroopLayout &layout, const LineTable &table, const Edit &edit)
{
    const auto decoded = decode(table, layout);
    if (!decoded)
        return decoded.error();
    TroopView view = decoded->view;
    edit(view);
    return encodeTroop(view, table, 1, layout, decoded->view.race);
}

// Table rows: troop 1 with line `line` stored as the text (empty: as recordFor gives it).
struct Decoding {
    TroopLayout layout;
    int line;
    QByteArray text;
    QString shown; // as shownOf gives it
};
struct Damage {
    int line; // -1: none
    QByteArray text;
    int troop;
    ErrorCode decodeError, encodeError; // ErrorCode{0}: the update does not read that line
};
struct Encoding {
    TroopLayout layout;
    int line;
    QByteArray stored;
    Edit edit;
    QByteArray expected; // the new text of line `line`
};

} // namespace

Q_DECLARE_METATYPE(Decoding)
Q_DECLARE_METATYPE(Damage)
Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(Encoding)

class TestTroopRecord : public QObject {
    Q_OBJECT

private slots:
    void decodes_data()
    {
        QTest::addColumn<Decoding>("row");

        const auto flags = [](const char *word) { return "trp_a A As 5 " + QByteArray(word) + " 0 0 3 0 0"; };
        // Hex 8200010: bit 8000000 has no box.
        QTest::newRow("hero, armor, bit without a box")
            << Decoding{kLayout, 0, flags("136314896"), u"trp_a A As 3 0 0 race 0/0 boxes 200010"_s};
        QTest::newRow("first layout, 6 lines, multi-bit race, name not valid UTF-8, positions")
            << Decoding{{false, 6, kGameVersion090}, 0, "trp_b \xb1\xf8 Bs 83886099 0 0 9 -1 19",
                        u"trp_b 兵 Bs 9 -1 19 race 3/2 boxes 5000010"_s};
        QTest::newRow("race 1 is female, bit 31 set")
            << Decoding{kLayout, 0, flags("2147483665"), u"trp_a A As 3 0 0 race 1/1 boxes 10"_s};
        QTest::newRow("above 32 bits")
            << Decoding{kLayout, 0, flags("4294967306"), u"trp_a A As 3 0 0 race 10/2 boxes 0"_s};
        QTest::newRow("unknown items, last catalogue item")
            << Decoding{kLayout, 1, inventoryLine("300 0 5 0 101 2 100 0 ", 4),
                        u"5:0 100:0|"_s + kMissingItems + u" 300 101"_s};
        QTest::newRow("pairwise: modifier is no item, empty slots, no leading blanks, odd count")
            << Decoding{kLayout, 1, "8 4 -1 0 0 0 9", u"8:4 9:0|"_s};
        QTest::newRow("attributes") << Decoding{kLayout, 2, "  11 12 13 14 15", u"11 12 13 14 15"_s};
        QTest::newRow("proficiencies") << Decoding{kLayout, 3, " 1 2 3 4 5 6 7", u"1 2 3 4 5 6 7"_s};
        // Word 0 is 2^32 + A0000122: only its low 32 bits hold skills.
        QTest::newRow("skills of each word")
            << Decoding{kLayout, 4, "6979322146 305419896 2868903969 17185 74560 9",
                        u"10 1 2 2 1 2 3 4 5 6 7 8 10 B 2 1 4 3 2 1 1 2 3 4"_s};
        QTest::newRow("skills 10 and letters")
            << Decoding{kLayout, 4, "0 2882400001 0 0 0 0", u"0 0 0 0 10 B C D E F 0 1 0 0 0 0 0 0 0 0 0 0 0 0"_s};
        QTest::newRow("faces 0.90x") << Decoding{{true, 7, kGameVersion090}, 5, "  1 2 3 4 ",
                                                 faceOf({1, 2}) + u'|' + faceOf({3, 4}) + u'|'};
        QTest::newRow("faces 0.95x, the low 64 bits of a word")
            << Decoding{kLayout, 5, "  18446744073709551615 18446744073709551617 10 1 2 3 4 5 ",
                        faceOf({~0ull, 1, 10, 1}) + u'|' + faceOf({2, 3, 4, 5}) + u'|'};
        QTest::newRow("faces, unknown game version")
            << Decoding{{true, 7, QString()}, 5, {},
                        kFacesNotAvailable + u'|' + kFacesNotAvailable + u"|unknown Lancefall version "_s};
    }

    void decodes()
    {
        QFETCH(Decoding, row);
        const auto decoded = decode(tableWith(row.layout, row.line, row.text), row.layout);
        QVERIFY2(decoded, decoded ? "" : qPrintable(decoded.error().message()));
        QCOMPARE(shownOf(*decoded, row.line), row.shown);
        // Choosing the gender option that shows the race keeps the race.
        const int race = decoded->view.race;
        QCOMPARE(raceForGenderOption(genderOptionForRace(race), race), race);
    }

    void refusesDamagedRecords_data()
    {
        QTest::addColumn<Damage>("row");

        using E = ErrorCode;
        const E unread{}; // the update does not read that line
        QTest::newRow("no troop selected") << Damage{-1, {}, -1, E::NotSelected, E::NotSelected};
        QTest::newRow("beyond the table, view of another troop")
            << Damage{-1, {}, 2, E::RecordBeyondTable, E::NotSelected};
        QTest::newRow("record cut short") << Damage{4, kCut, 1, E::RecordBeyondTable, E::RecordBeyondTable};
        QTest::newRow("troop line short") << Damage{0, "trp_a A As 5 0 0 0 3 0", 1, E::MissingField, unread};
        QTest::newRow("no carried fields") << Damage{0, "trp_a A As 5 0 0", 1, E::MissingField, E::MissingField};
        QTest::newRow("flag piece") << Damage{0, "trp_a A As 5 x1 0 0 1 0 0", 1, E::NotANumber, E::NotANumber};
        QTest::newRow("faction") << Damage{0, "trp_a A As 5 0 0 0 x 0 0", 1, E::NotANumber, unread};
        QTest::newRow("faction beyond") << Damage{0, "trp_a A As 5 0 0 0 10 0 0", 1, E::OutOfRange, unread};
        QTest::newRow("upgrade below -1") << Damage{0, "trp_a A As 5 0 0 0 1 0 -2", 1, E::OutOfRange, unread};
        QTest::newRow("inventory piece") << Damage{1, "  5 0 x 0 ", 1, E::NotANumber, unread};
        QTest::newRow("attributes line short") << Damage{2, "  9 8 4 6", 1, E::MissingField, unread};
        QTest::newRow("proficiencies line short") << Damage{3, " 1 2 3 4 5 6", 1, E::MissingField, unread};
        QTest::newRow("skills line short") << Damage{4, "0 0 0 0", 1, E::MissingField, unread};
        QTest::newRow("skill word") << Damage{4, "0 0 zero 0 0 0", 1, E::NotANumber, unread};
        QTest::newRow("faces line short") << Damage{5, "  1 2 3 4 5 6 7", 1, E::MissingField, unread};
        QTest::newRow("negative face word") << Damage{5, "  1 2 3 -4 5 6 7 8 ", 1, E::NotANumber, unread};
    }

    void refusesDamagedRecords()
    {
        QFETCH(Damage, row);
        const LineTable table = tableWith(kLayout, row.line, row.text);
        const auto decoded = decode(table, kLayout, row.troop);
        QVERIFY(!decoded);
        QCOMPARE(decoded.error().code, row.decodeError);
        if (row.troop >= 0)
            QVERIFY2(decoded.error().description.startsWith(u"troops.txt line "),
                     qPrintable(decoded.error().message()));
        if (row.encodeError == ErrorCode{0})
            return;
        // The view of the intact troop 1, updated into the damaged table.
        const TroopView view = decode(tableWith(kLayout), kLayout)->view;
        const auto encoded = encodeTroop(view, table, row.troop, kLayout, view.race);
        QVERIFY(!encoded);
        QCOMPARE(encoded.error().code, row.encodeError);
    }

    void encodes_data()
    {
        QTest::addColumn<Encoding>("row");

        const QByteArray faces = "  1 2 3 4 5 6 7 8 ";
        const auto setFaces = [](const QString &face1, const QString &face2) {
            return Edit([=](TroopView &v) { v.face1 = face1, v.face2 = face2; });
        };
        QTest::newRow("second layout, hero ticked, carried and later fields kept")
            << Encoding{kLayout, 0, "trp_a A As 77 136 12 13 1 2 3 extra 9", boxes(0x90, 0, 8),
                        "trp_a A As 77 152 12 13 1 2 3 extra 9"};
        QTest::newRow("first layout, 6 lines, hero ticked, carried and later fields kept")
            << Encoding{{false, 6, kGameVersion095}, 0, "trp_a A As 136 12 13 1 2 3 x", boxes(0x90, 0, 8),
                        "trp_a A As 152 12 13 1 2 3 x"};
        // E80FEA03: bits 9, 11, 13 to 19, 27, 29, 30 and 31 have no box; race 3.
        QTest::newRow("bits without a box kept on a race change")
            << Encoding{kLayout, 0, "trp_a A As 5 3893357059 0 0 1 2 3", boxes(0x10, 0, 12),
                        "trp_a A As 5 3893357084 0 0 1 2 3"};
        QTest::newRow("every box cleared or grey, race 0 to 15")
            << Encoding{kLayout, 0, "trp_a A As 5 4294967280 0 0 1 2 3", boxes(0, 0x10, 15),
                        "trp_a A As 5 3893357071 0 0 1 2 3"};
        QTest::newRow("blanks in names become _") << Encoding{kLayout, 0, {}, [](TroopView &v) {
            v.id = u"trp_elite guard"_s, v.name1 = u"Elite  Guard"_s, v.name2 = u"Elite Guards"_s;
        }, "trp_elite_guard Elite__Guard Elite_Guards 5 136 0 0 3 0 0"};
        // GB18030, not valid UTF-8: untouched bytes stay, typed text takes the field's encoding.
        QTest::newRow("names not valid UTF-8")
            << Encoding{kLayout, 0, "trp_a \xd5\xbd\xca\xbf\xc3\xc7 \xb1\xf8 5 0 0 0 1 2 3",
                        [](TroopView &v) { v.name2 = u"战士们"_s; },
                        "trp_a \xd5\xbd\xca\xbf\xc3\xc7 \xd5\xbd\xca\xbf\xc3\xc7 5 0 0 0 1 2 3"};
        QTest::newRow("no item") << Encoding{kLayout, 1, inventoryLine("5 0 ", 1),
                                             [](TroopView &v) { v.inventory.clear(); }, kEmptyInventory};
        QTest::newRow("one item, its label only a number")
            << Encoding{kLayout, 1, {}, [](TroopView &v) { v.inventory = {{u"3"_s}}; }, inventoryLine("3 0 ", 1)};
        QTest::newRow("modifier kept, empty entry in place")
            << Encoding{kLayout, 1, {}, [](TroopView &v) { v.inventory = {{kItems[4], "3"}, {}, {kItems[11]}}; },
                        inventoryLine("5 3 -1 0 12 0 ", 3)};
        QTest::newRow("64 items") << Encoding{kLayout, 1, {}, [](TroopView &v) { v.inventory.fill({kItems[0]}, 64); },
                                              "  " + QByteArray("1 0 ").repeated(64)};
        QTest::newRow("attribute negative")
            << Encoding{kLayout, 2, {}, [](TroopView &v) { v.attributes[0] = u"-5"_s; }, "  -5 8 4 6 10"};
        // Word 0 FFFFFFFF keeps only its four shown nibbles: F0000FFF.
        QTest::newRow("skill letters kept, unshown nibbles and sixth field cleared")
            << Encoding{kLayout, 4, "4294967295 2882400001 184549376 0 0 77 ", [](TroopView &) {},
                        "4026535935 2882400001 184549376 0 0 0"};
        QTest::newRow("persuasion 10, power draw 3")
            << Encoding{kLayout, 4, {}, [](TroopView &v) { v.skills[0] = u"10"_s, v.skills[23] = u"3"_s; },
                        "2684354560 0 0 0 48 0"};
        QTest::newRow("faces 0.90x ignore digits after the 34th")
            << Encoding{{true, 7, kGameVersion090}, 5, faces, setFaces(faceOf({1, 2}) + u"FFFF"_s, faceOf({3, 4})),
                        "  1 2 3 4 "};
        QTest::newRow("faces 0.95x, 64-bit word, either case")
            << Encoding{kLayout, 5, faces, setFaces(faceOf({~0ull, 0, 10}) + faceOf({11}).mid(2).toUpper(), u"0x0"_s),
                        "  18446744073709551615 0 10 11 0 0 0 0 "};
        QTest::newRow("faces 0.95x, short code gives 0 words, digits after the 66th ignored")
            << Encoding{kLayout, 5, faces, setFaces(faceOf({1}), faceOf({0, 0, 0, 2}) + u'9'), "  1 0 0 0 0 0 0 2 "};
        QTest::newRow("faces line kept, unknown game version")
            << Encoding{{true, 7, QString()}, 5, faces, setFaces(u"0x1"_s, u"0x2"_s), faces};
    }

    void encodes()
    {
        QFETCH(Encoding, row);
        LineTable table = tableWith(row.layout, row.line, row.stored);
        const auto encoded = reencode(row.layout, table, row.edit);
        QCOMPARE(encoded ? encoded->lines.at(row.line) : encoded.error().message().toUtf8(), row.expected);
        // The identifier, name and race reported are those the written record holds.
        for (int i = 0; i < 6; ++i)
            table.setLine(troopFirstLine(1, row.layout) + i, encoded->lines.at(i));
        const auto written = decode(table, row.layout);
        QVERIFY(written);
        QCOMPARE(encoded->id + u' ' + encoded->name1 + u' ' + QString::number(encoded->race),
                 written->view.id + u' ' + written->view.name1 + u' ' + QString::number(written->view.race));
    }

    void encodeRefusesCorruptingValues_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("named"); // text the message must contain

        QTest::newRow("skill 11") << Edit([](TroopView &v) { v.skills[13] = u"11"_s; }) << "Looting";
        QTest::newRow("skill A") << Edit([](TroopView &v) { v.skills[0] = u"A"_s; }) << "Persuasion";
        QTest::newRow("level fraction") << Edit([](TroopView &v) { v.attributes[4] = u"1.5"_s; }) << "Level";
        QTest::newRow("proficiency empty") << Edit([](TroopView &v) { v.proficiencies[6].clear(); }) << "Firearms";
        QTest::newRow("face without prefix") << Edit([](TroopView &v) { v.face1 = u"1234"_s; }) << "face code 1";
        QTest::newRow("face prefix only") << Edit([](TroopView &v) { v.face2 = u"0x"_s; }) << "face code 2";
        QTest::newRow("face not hexadecimal") << Edit([](TroopView &v) { v.face2 = u"0x12G4"_s; }) << "face code 2";
        QTest::newRow("id without prefix") << Edit([](TroopView &v) { v.id = u"guard"_s; }) << "troop ID";
        QTest::newRow("no race chosen") << Edit([](TroopView &v) { v.race = -1; }) << "race";
        QTest::newRow("race 16") << Edit([](TroopView &v) { v.race = 16; }) << "race";
        QTest::newRow("65 items") << Edit([](TroopView &v) { v.inventory.fill({kItems[0]}, 65); })
                                  << kTooManyItemsMessage;
        QTest::newRow("label without item number")
            << Edit([](TroopView &v) { v.inventory = {{u"Bow - 3"_s}}; }) << "Inventory entry 1";
        QTest::newRow("modifier not a number")
            << Edit([](TroopView &v) { v.inventory = {{kItems[0], "x"}}; }) << "modifier";
    }

    void encodeRefusesCorruptingValues()
    {
        QFETCH(Edit, edit);
        QFETCH(QString, named);
        const auto encoded = reencode(kLayout, tableWith(kLayout), edit);
        QVERIFY(!encoded);
        QCOMPARE(encoded.error().code, ErrorCode::InvalidValue);
        QVERIFY2(encoded.error().description.contains(named), qPrintable(encoded.error().description));
    }
};

QTEST_APPLESS_MAIN(TestTroopRecord)
#include "tst_troop_record.moc"
