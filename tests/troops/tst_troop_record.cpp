#include "troops/troop_record.h"

#include <QTest>

using namespace lancefall;

namespace {

const QByteArray kEmptySlot = QByteArrayLiteral("-1 0 ");
const QByteArray kEmptyInventory = QByteArrayLiteral("  ") + kEmptySlot.repeated(64);

QByteArray inventoryLine(const QByteArray &filled, int used)
{
    return QByteArrayLiteral("  ") + filled + kEmptySlot.repeated(64 - used);
}

struct Record {
    QByteArray troop;
    QByteArray inventory = kEmptyInventory;
    QByteArray attributes = QByteArrayLiteral("  9 8 4 6 10");
    QByteArray proficiencies = QByteArrayLiteral(" 60 50 40 30 20 10 0");
    QByteArray skills = QByteArrayLiteral("0 0 0 0 0 0");
    QByteArray faces;
    QByteArray seventh = QByteArrayLiteral("  0");
};

TroopLayout layoutOf(bool version2, const QString &gameVersion = kGameVersion095, int recordLines = 7)
{
    return TroopLayout{version2, recordLines, gameVersion};
}

Record recordFor(const TroopLayout &layout)
{
    Record record;
    record.troop = layout.version2 ? QByteArrayLiteral("trp_guard Guard Guards 5 136 0 0 3 0 0")
                                   : QByteArrayLiteral("trp_guard Guard Guards 136 0 0 3 0 0");
    record.faces = layout.gameVersion == kGameVersion090 ? QByteArrayLiteral("  1 2 3 4 ")
                                                          : QByteArrayLiteral("  1 2 3 4 5 6 7 8 ");
    return record;
}

LineTable tableOf(const QList<Record> &records, const TroopLayout &layout)
{
    LineTable table;
    table.append(layout.version2 ? QByteArrayLiteral("troopsfile version 2")
                                 : QByteArrayLiteral("troopsfile version 1"));
    table.append(QByteArrayLiteral(" ") + QByteArray::number(records.size()));
    for (const Record &r : records) {
        for (const QByteArray &line : {r.troop, r.inventory, r.attributes, r.proficiencies, r.skills, r.faces})
            table.append(line);
        if (layout.recordLines == 7)
            table.append(r.seventh);
    }
    return table;
}

// Item p + 1 of a catalogue of `count` items.
QStringList catalogue(int count)
{
    QStringList labels;
    for (int n = 1; n <= count; ++n)
        labels.append(QStringLiteral("%1 - Item_%1  (itm_%1)").arg(n));
    return labels;
}

const QStringList kItems = catalogue(100);
constexpr int kFactions = 10;
constexpr int kTroops = 20;

Result<DecodedTroop> decodeOne(const Record &record, const TroopLayout &layout)
{
    return decodeTroop(tableOf({record}, layout), 0, layout, kItems, kFactions, kTroops);
}

TroopView viewOf(const Record &record, const TroopLayout &layout)
{
    const auto decoded = decodeOne(record, layout);
    if (!decoded) {
        qWarning() << decoded.error().message();
        return TroopView{};
    }
    return decoded->view;
}

// Encodes `view` into the record it was decoded from; the stored race is the
// decoded one.
Result<EncodedTroop> encodeOne(const TroopView &view, const Record &record, const TroopLayout &layout)
{
    return encodeTroop(view, tableOf({record}, layout), 0, layout, viewOf(record, layout).race);
}

QByteArray encodedLine(const TroopView &view, const Record &record, const TroopLayout &layout, int line)
{
    const auto encoded = encodeOne(view, record, layout);
    if (!encoded) {
        qWarning() << encoded.error().message();
        return QByteArrayLiteral("<failed>");
    }
    return encoded->lines.at(line);
}

quint32 checkedMask(const TroopView &view)
{
    quint32 mask = 0;
    for (int i = 0; i < kTroopFlagCount; ++i) {
        if (view.flags[i] == Qt::Checked)
            mask |= troopFlagBit(TroopFlag(i));
    }
    return mask;
}

void setFlags(TroopView &view, quint32 mask, Qt::CheckState state)
{
    for (int i = 0; i < kTroopFlagCount; ++i) {
        if (mask & troopFlagBit(TroopFlag(i)))
            view.flags[i] = state;
    }
}

} // namespace

class TestTroopRecord : public QObject {
    Q_OBJECT

private slots:
    void decodesRaceAndFlags_data();
    void decodesRaceAndFlags();
    void decodesSkillDigits_data();
    void decodesSkillDigits();
    void decodesFaces_data();
    void decodesFaces();
    void decodesInventoryPairwise_data();
    void decodesInventoryPairwise();
    void decodesTextFieldsAndPositions();
    void decodeRefusesDamagedRecords_data();
    void decodeRefusesDamagedRecords();

    void encodesTroopLine_data();
    void encodesTroopLine();
    void encodesInventory_data();
    void encodesInventory();
    void encodesSkills_data();
    void encodesSkills();
    void encodesFaces_data();
    void encodesFaces();
    void encodeReplacesBlanksInNames();
    void encodeKeepsUntouchedTextBytes();
    void encodeRefusesCorruptingValues_data();
    void encodeRefusesCorruptingValues();
    void encodeFailsOnDamagedRecordOrStaleView_data();
    void encodeFailsOnDamagedRecordOrStaleView();
    void unchangedRecordEncodesToItsLines_data();
    void unchangedRecordEncodesToItsLines();
};

void TestTroopRecord::decodesRaceAndFlags_data()
{
    QTest::addColumn<bool>("version2");
    QTest::addColumn<QByteArray>("flagWord");
    QTest::addColumn<int>("race");
    QTest::addColumn<int>("genderOption");
    QTest::addColumn<quint32>("checked");

    // Hex 8200010: bit 8000000 has no box.
    QTest::newRow("hero and armor") << true << QByteArray("136314896") << 0 << 0 << 0x200010u;
    QTest::newRow("first layout") << false << QByteArray("136314896") << 0 << 0 << 0x200010u;
    QTest::newRow("multi-bit race 3") << true << QByteArray("83886099") << 3 << 2 << 0x5000010u;
    QTest::newRow("race 5") << true << QByteArray("21") << 5 << 2 << 0x10u;
    QTest::newRow("race 1 is female") << true << QByteArray("1") << 1 << 1 << 0u;
    QTest::newRow("race 8, falls dead") << true << QByteArray("136") << 8 << 2 << 0x80u;
    QTest::newRow("bit 31 set") << true << QByteArray("2147483664") << 0 << 0 << 0x10u;
    QTest::newRow("every bit") << true << QByteArray("4294967295") << 15 << 2 << 0x17F015F0u;
    QTest::newRow("above 32 bits") << true << QByteArray("4294967306") << 10 << 2 << 0u;
    QTest::newRow("negative word") << true << QByteArray("-1") << 15 << 2 << 0x17F015F0u;
}

void TestTroopRecord::decodesRaceAndFlags()
{
    QFETCH(bool, version2);
    QFETCH(QByteArray, flagWord);
    QFETCH(int, race);
    QFETCH(int, genderOption);
    QFETCH(quint32, checked);
    const TroopLayout layout = layoutOf(version2);
    Record record = recordFor(layout);
    record.troop = version2 ? "trp_a A As 5 " + flagWord + " 0 0 3 0 0" : "trp_a A As " + flagWord + " 0 0 3 0 0";
    const auto decoded = decodeOne(record, layout);
    QVERIFY2(decoded.ok(), decoded ? "" : qPrintable(decoded.error().message()));
    QCOMPARE(decoded->view.race, race);
    QCOMPARE(genderOptionForRace(decoded->view.race), genderOption);
    QCOMPARE(checkedMask(decoded->view), checked);
}

void TestTroopRecord::decodesSkillDigits_data()
{
    QTest::addColumn<QByteArray>("skillsLine");
    QTest::addColumn<QString>("skills"); // the 24 fields in Skill order, blank-separated

    QTest::newRow("all zero") << QByteArray("0 0 0 0 0 0") << "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";
    QTest::newRow("10 and letters") << QByteArray("0 2882400001 0 0 0 0")
                                    << "0 0 0 0 10 B C D E F 0 1 0 0 0 0 0 0 0 0 0 0 0 0";
    QTest::newRow("each word") << QByteArray("2684354850 305419896 2868903969 17185 74560 9")
                               << "10 1 2 2 1 2 3 4 5 6 7 8 10 B 2 1 4 3 2 1 1 2 3 4";
    QTest::newRow("only low 32 bits") << QByteArray("4294967297 0 0 0 0 0")
                                      << "0 0 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";
}

void TestTroopRecord::decodesSkillDigits()
{
    QFETCH(QByteArray, skillsLine);
    QFETCH(QString, skills);
    const TroopLayout layout = layoutOf(true);
    Record record = recordFor(layout);
    record.skills = skillsLine;
    const TroopView view = viewOf(record, layout);
    QCOMPARE(QStringList(view.skills.begin(), view.skills.end()).join(u' '), skills);
}

void TestTroopRecord::decodesFaces_data()
{
    QTest::addColumn<QString>("gameVersion");
    QTest::addColumn<QByteArray>("facesLine");
    QTest::addColumn<QString>("face1");
    QTest::addColumn<QString>("face2");

    const QString z15(15, u'0');
    QTest::newRow("0.90x") << kGameVersion090 << QByteArray("  1 2 3 4 ")
                           << QStringLiteral("0x") + z15 + u'1' + z15 + u'2'
                           << QStringLiteral("0x") + z15 + u'3' + z15 + u'4';
    QTest::newRow("0.95x") << kGameVersion095 << QByteArray("  18446744073709551615 0 10 1 2 3 4 5 ")
                           << QStringLiteral("0x") + QString(16, u'f') + QString(16, u'0') + z15 + u'a' + z15 + u'1'
                           << QStringLiteral("0x") + z15 + u'2' + z15 + u'3' + z15 + u'4' + z15 + u'5';
    QTest::newRow("above 64 bits shows the low 64")
        << kGameVersion090 << QByteArray("  18446744073709551617 0 0 0 ")
        << QStringLiteral("0x") + z15 + u'1' + QString(16, u'0') << QStringLiteral("0x") + QString(32, u'0');
}

void TestTroopRecord::decodesFaces()
{
    QFETCH(QString, gameVersion);
    QFETCH(QByteArray, facesLine);
    QFETCH(QString, face1);
    QFETCH(QString, face2);
    const TroopLayout layout = layoutOf(true, gameVersion);
    Record record = recordFor(layout);
    record.faces = facesLine;
    const auto decoded = decodeOne(record, layout);
    QVERIFY(decoded.ok());
    QCOMPARE(decoded->view.face1, face1);
    QCOMPARE(decoded->view.face2, face2);
    QVERIFY(decoded->unknownVersionWarning.isEmpty());
}

void TestTroopRecord::decodesInventoryPairwise_data()
{
    QTest::addColumn<QByteArray>("inventory");
    QTest::addColumn<QString>("items");     // "item:modifier" per entry, blank-separated
    QTest::addColumn<QString>("missing");   // the numbers the warning names

    QTest::newRow("empty") << kEmptyInventory << "" << "";
    QTest::newRow("unknown item") << inventoryLine("217 0 -1 0 ", 2) << "" << " 217";
    QTest::newRow("same item twice") << inventoryLine("5 0 5 0 ", 2) << "5:0 5:0" << "";
    QTest::newRow("modifier is no item") << inventoryLine("5 3 ", 1) << "5:3" << "";
    QTest::newRow("empty slots skipped") << inventoryLine("-1 0 0 0 7 0 ", 3) << "7:0" << "";
    QTest::newRow("several unknown") << inventoryLine("300 0 5 0 101 2 ", 3) << "5:0" << " 300 101";
    QTest::newRow("last catalogue item") << inventoryLine("100 0 ", 1) << "100:0" << "";
    QTest::newRow("no leading blanks, odd count") << QByteArray("8 4 9") << "8:4 9:0" << "";
}

void TestTroopRecord::decodesInventoryPairwise()
{
    QFETCH(QByteArray, inventory);
    QFETCH(QString, items);
    QFETCH(QString, missing);
    const TroopLayout layout = layoutOf(true);
    Record record = recordFor(layout);
    record.inventory = inventory;
    const auto decoded = decodeOne(record, layout);
    QVERIFY(decoded.ok());
    QStringList shown;
    for (const InventoryEntry &entry : decoded->view.inventory) {
        const qint64 item = itemNumberOf(entry.label).value_or(-99);
        QCOMPARE(entry.label, kItems.at(item - 1));
        shown.append(QStringLiteral("%1:%2").arg(item).arg(QString::fromLatin1(entry.modifier)));
    }
    QCOMPARE(shown.join(u' '), items);
    if (missing.isEmpty()) {
        QCOMPARE(decoded->missingItemsWarning, QString());
    } else {
        QCOMPARE(
            decoded->missingItemsWarning,
            QStringLiteral("Warning: The following items were not found in the items file and will be removed:\r\n") +
                QString(15, u' ') + missing);
    }
}

void TestTroopRecord::decodesTextFieldsAndPositions()
{
    const TroopLayout layout = layoutOf(false, kGameVersion090, 6);
    Record first = recordFor(layout);
    Record second = recordFor(layout);
    second.troop = "trp_b \xb1\xf8 Bs 4096 0 0 9 -1 0";
    second.attributes = "  11 12 13 14 15";
    second.proficiencies = " 1 2 3 4 5 6 7";
    const auto decoded = decodeTroop(tableOf({first, second}, layout), 1, layout, kItems, kFactions, kTroops);
    QVERIFY(decoded.ok());
    const TroopView &view = decoded->view;
    QCOMPARE(view.troop, qsizetype(1));
    QCOMPARE(view.id, QStringLiteral("trp_b"));
    QCOMPARE(view.name1, QStringLiteral("兵")); // GB18030 bytes, not valid UTF-8
    QCOMPARE(view.name2, QStringLiteral("Bs"));
    QCOMPARE(view.faction, 9);
    QCOMPARE(view.upgradeA, -1);
    QCOMPARE(view.upgradeB, 0);
    QCOMPARE(view.flags[int(TroopFlag::Merchant)], Qt::Checked);
    QCOMPARE(QStringList(view.attributes.begin(), view.attributes.end()).join(u' '), QStringLiteral("11 12 13 14 15"));
    QCOMPARE(QStringList(view.proficiencies.begin(), view.proficiencies.end()).join(u' '),
             QStringLiteral("1 2 3 4 5 6 7"));

    const TroopLayout unknown = layoutOf(true, QString());
    const auto noFaces = decodeOne(recordFor(unknown), unknown);
    QVERIFY(noFaces.ok());
    QCOMPARE(noFaces->view.face1, kFacesNotAvailable);
    QCOMPARE(noFaces->view.face2, kFacesNotAvailable);
    QCOMPARE(noFaces->unknownVersionWarning, QStringLiteral("unknown Lancefall version "));
}

void TestTroopRecord::decodeRefusesDamagedRecords_data()
{
    QTest::addColumn<int>("line"); // record line to replace, -1 = none
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("troop");
    QTest::addColumn<int>("code");

    const auto code = [](ErrorCode c) { return static_cast<int>(c); };
    QTest::newRow("no troop selected") << -1 << QByteArray() << -1 << code(ErrorCode::NotSelected);
    QTest::newRow("record beyond the table") << -1 << QByteArray() << 1 << code(ErrorCode::RecordBeyondTable);
    QTest::newRow("troop line too short") << 0 << QByteArray("trp_a A As 5 0 0 0 3 0") << 0
                                          << code(ErrorCode::MissingField);
    QTest::newRow("faction not a number") << 0 << QByteArray("trp_a A As 5 0 0 0 x 0 0") << 0
                                          << code(ErrorCode::NotANumber);
    QTest::newRow("faction beyond its list") << 0 << QByteArray("trp_a A As 5 0 0 0 10 0 0") << 0
                                             << code(ErrorCode::OutOfRange);
    QTest::newRow("upgrade path beyond its list") << 0 << QByteArray("trp_a A As 5 0 0 0 1 20 0") << 0
                                                  << code(ErrorCode::OutOfRange);
    QTest::newRow("upgrade path below -1") << 0 << QByteArray("trp_a A As 5 0 0 0 1 0 -2") << 0
                                           << code(ErrorCode::OutOfRange);
    QTest::newRow("flag word not a number") << 0 << QByteArray("trp_a A As 5 x1 0 0 1 0 0") << 0
                                            << code(ErrorCode::NotANumber);
    QTest::newRow("inventory piece not a number") << 1 << QByteArray("  5 0 x 0 ") << 0
                                                  << code(ErrorCode::NotANumber);
    QTest::newRow("attributes line too short") << 2 << QByteArray("  9 8 4 6") << 0 << code(ErrorCode::MissingField);
    QTest::newRow("proficiencies line too short") << 3 << QByteArray(" 1 2 3 4 5 6") << 0
                                                  << code(ErrorCode::MissingField);
    QTest::newRow("skills line too short") << 4 << QByteArray("0 0 0 0") << 0 << code(ErrorCode::MissingField);
    QTest::newRow("skill word not a number") << 4 << QByteArray("0 0 zero 0 0 0") << 0 << code(ErrorCode::NotANumber);
    QTest::newRow("faces line too short") << 5 << QByteArray("  1 2 3 4 ") << 0 << code(ErrorCode::MissingField);
    QTest::newRow("negative face word") << 5 << QByteArray("  1 2 3 -4 5 6 7 8 ") << 0 << code(ErrorCode::NotANumber);
}

void TestTroopRecord::decodeRefusesDamagedRecords()
{
    QFETCH(int, line);
    QFETCH(QByteArray, text);
    QFETCH(int, troop);
    QFETCH(int, code);
    const TroopLayout layout = layoutOf(true);
    Record record = recordFor(layout);
    QList<QByteArray *> lines = {&record.troop, &record.inventory, &record.attributes,
                                 &record.proficiencies, &record.skills, &record.faces};
    if (line >= 0)
        *lines[line] = text;
    const auto decoded = decodeTroop(tableOf({record}, layout), troop, layout, kItems, kFactions, kTroops);
    QVERIFY(!decoded.ok());
    QCOMPARE(decoded.error().number(), code);
    if (troop >= 0)
        QVERIFY2(decoded.error().description.startsWith(QStringLiteral("troops.txt line ")),
                 qPrintable(decoded.error().description));
}

void TestTroopRecord::encodesTroopLine_data()
{
    QTest::addColumn<bool>("version2");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("race");        // -1: keep the decoded race
    QTest::addColumn<quint32>("tick");    // boxes to tick
    QTest::addColumn<quint32>("clear");   // boxes to clear
    QTest::addColumn<quint32>("grey");    // boxes to grey
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("second layout, hero ticked")
        << true << QByteArray("trp_guard Guard Guards 5 136 0 0 3 0 0") << -1 << 0x10u << 0u << 0u
        << QByteArray("trp_guard Guard Guards 5 152 0 0 3 0 0");
    QTest::newRow("first layout, hero ticked")
        << false << QByteArray("trp_guard Guard Guards 136 0 0 3 0 0") << -1 << 0x10u << 0u << 0u
        << QByteArray("trp_guard Guard Guards 152 0 0 3 0 0");
    QTest::newRow("carried pieces kept")
        << true << QByteArray("trp_a A As 77 0 12 13 1 2 3") << -1 << 0u << 0u << 0u
        << QByteArray("trp_a A As 77 0 12 13 1 2 3");
    QTest::newRow("fields after the last written kept")
        << true << QByteArray("trp_a A As 5 0 0 0 1 2 3 extra 9") << -1 << 0u << 0u << 0u
        << QByteArray("trp_a A As 5 0 0 0 1 2 3 extra 9");
    QTest::newRow("first layout keeps fields after the ninth")
        << false << QByteArray("trp_a A As 0 4 5 1 2 3 x") << -1 << 0u << 0u << 0u
        << QByteArray("trp_a A As 0 4 5 1 2 3 x");
    // Bits 9, 11, 13 to 19, 27, 29, 30 and 31 have no box.
    QTest::newRow("bits without a box kept")
        << true << QByteArray("trp_a A As 5 3893357056 0 0 1 2 3") << -1 << 0u << 0u << 0u
        << QByteArray("trp_a A As 5 3893357056 0 0 1 2 3");
    QTest::newRow("bits without a box kept on a race change")
        << true << QByteArray("trp_a A As 5 3893357059 0 0 1 2 3") << 12 << 0x10u << 0u << 0u
        << QByteArray("trp_a A As 5 3893357084 0 0 1 2 3");
    QTest::newRow("race 1 to 2") << true << QByteArray("trp_a A As 5 1 0 0 1 2 3") << 2 << 0u << 0u << 0u
                                 << QByteArray("trp_a A As 5 2 0 0 1 2 3");
    QTest::newRow("race 0 unchanged") << true << QByteArray("trp_a A As 5 16 0 0 1 2 3") << 0 << 0u << 0u << 0u
                                      << QByteArray("trp_a A As 5 16 0 0 1 2 3");
    QTest::newRow("every box cleared") << true << QByteArray("trp_a A As 5 4294967295 0 0 1 2 3") << -1 << 0u
                                       << 0x17F015F0u << 0u << QByteArray("trp_a A As 5 3893357071 0 0 1 2 3");
    QTest::newRow("grey box clears its bit") << true << QByteArray("trp_a A As 5 152 0 0 1 2 3") << -1 << 0u << 0u
                                             << 0x10u << QByteArray("trp_a A As 5 136 0 0 1 2 3");
    QTest::newRow("bit 31 written unsigned") << true << QByteArray("trp_a A As 5 2147483648 0 0 1 2 3") << -1
                                             << 0x10u << 0u << 0u << QByteArray("trp_a A As 5 2147483664 0 0 1 2 3");
    QTest::newRow("bits above 32 dropped") << true << QByteArray("trp_a A As 5 4294967306 0 0 1 2 3") << -1 << 0u
                                           << 0u << 0u << QByteArray("trp_a A As 5 10 0 0 1 2 3");
}

void TestTroopRecord::encodesTroopLine()
{
    QFETCH(bool, version2);
    QFETCH(QByteArray, stored);
    QFETCH(int, race);
    QFETCH(quint32, tick);
    QFETCH(quint32, clear);
    QFETCH(quint32, grey);
    QFETCH(QByteArray, expected);
    const TroopLayout layout = layoutOf(version2);
    Record record = recordFor(layout);
    record.troop = stored;
    TroopView view = viewOf(record, layout);
    if (race >= 0)
        view.race = race;
    setFlags(view, tick, Qt::Checked);
    setFlags(view, clear, Qt::Unchecked);
    setFlags(view, grey, Qt::PartiallyChecked);
    const auto encoded = encodeOne(view, record, layout);
    QVERIFY2(encoded.ok(), encoded ? "" : qPrintable(encoded.error().message()));
    QCOMPARE(encoded->lines.at(0), expected);
    QCOMPARE(encoded->race, race >= 0 ? race : viewOf(record, layout).race);
}

void TestTroopRecord::encodesInventory_data()
{
    QTest::addColumn<QString>("entries"); // "item:modifier", blank-separated; "-" for an empty entry
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("empty") << "" << kEmptyInventory;
    QTest::newRow("one item") << "3:0" << inventoryLine("3 0 ", 1);
    QTest::newRow("items 3 and 12") << "3:0 12:0" << inventoryLine("3 0 12 0 ", 2);
    QTest::newRow("modifier kept") << "5:3 6:0" << inventoryLine("5 3 6 0 ", 2);
    QTest::newRow("empty entry in place") << "3:0 - 12:0" << inventoryLine("3 0 -1 0 12 0 ", 3);
    QStringList full;
    QByteArray fullLine = "  ";
    for (int i = 1; i <= 64; ++i) {
        full.append(QStringLiteral("%1:0").arg(i));
        fullLine += QByteArray::number(i) + " 0 ";
    }
    QTest::newRow("64 items, no empty slot") << full.join(u' ') << fullLine;
}

void TestTroopRecord::encodesInventory()
{
    QFETCH(QString, entries);
    QFETCH(QByteArray, expected);
    const TroopLayout layout = layoutOf(true);
    const Record record = recordFor(layout);
    TroopView view = viewOf(record, layout);
    for (const QString &entry : entries.split(u' ', Qt::SkipEmptyParts)) {
        if (entry == QStringLiteral("-")) {
            view.inventory.append(InventoryEntry{});
        } else {
            const QStringList parts = entry.split(u':');
            view.inventory.append(InventoryEntry{kItems.at(parts[0].toInt() - 1), parts[1].toLatin1()});
        }
    }
    QCOMPARE(encodedLine(view, record, layout, 1), expected);

    // One more entry: accepted up to 64, refused beyond.
    view.inventory.append(InventoryEntry{kItems.at(0)});
    const auto encoded = encodeOne(view, record, layout);
    QCOMPARE(encoded.ok(), view.inventory.size() <= 64);
    if (!encoded)
        QCOMPARE(encoded.error().description, kTooManyItemsMessage);
}

void TestTroopRecord::encodesSkills_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("skill");   // Skill index, or empty for no edit
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("all zero") << QByteArray("0 0 0 0 0 0") << "" << "" << QByteArray("0 0 0 0 0 0");
    QTest::newRow("persuasion 10") << QByteArray("0 0 0 0 0 0") << "0" << "10" << QByteArray("2684354560 0 0 0 0 0");
    QTest::newRow("riding 7") << QByteArray("0 0 0 0 0 0") << "19" << "7" << QByteArray("0 0 0 7 0 0");
    QTest::newRow("power draw 3") << QByteArray("0 0 0 0 0 0") << "23" << "3" << QByteArray("0 0 0 0 48 0");
    QTest::newRow("letters kept") << QByteArray("0 2882400001 0 0 0 0") << "" << ""
                                  << QByteArray("0 2882400001 0 0 0 0");
    QTest::newRow("looting letter kept") << QByteArray("0 0 184549376 0 0 0") << "" << ""
                                         << QByteArray("0 0 184549376 0 0 0");
    // Word 0 FFFFFFFF keeps only its four shown nibbles: F0000FFF.
    QTest::newRow("unshown nibbles cleared") << QByteArray("4294967295 0 0 0 0 0") << "" << ""
                                             << QByteArray("4026535935 0 0 0 0 0");
    QTest::newRow("sixth field written as 0") << QByteArray("0 0 0 0 0 77 ") << "" << ""
                                              << QByteArray("0 0 0 0 0 0");
}

void TestTroopRecord::encodesSkills()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, skill);
    QFETCH(QString, value);
    QFETCH(QByteArray, expected);
    const TroopLayout layout = layoutOf(true);
    Record record = recordFor(layout);
    record.skills = stored;
    TroopView view = viewOf(record, layout);
    if (!skill.isEmpty())
        view.skills[skill.toInt()] = value;
    QCOMPARE(encodedLine(view, record, layout, 4), expected);
}

void TestTroopRecord::encodesFaces_data()
{
    QTest::addColumn<QString>("gameVersion");
    QTest::addColumn<QString>("face1");
    QTest::addColumn<QString>("face2");
    QTest::addColumn<QByteArray>("expected");

    const QString z15(15, u'0');
    const QString z16(16, u'0');
    QTest::newRow("0.90x") << kGameVersion090 << QStringLiteral("0x") + z15 + u'1' + z15 + u'2'
                           << QStringLiteral("0x") + z15 + u'3' + z15 + u'4' << QByteArray("  1 2 3 4 ");
    QTest::newRow("0.90x ignores digits after the 34th")
        << kGameVersion090 << QStringLiteral("0x") + z15 + u'1' + z15 + u'2' + QStringLiteral("FFFF")
        << QStringLiteral("0x") + z16 + z16 + u'1' << QByteArray("  1 2 0 0 ");
    QTest::newRow("0.95x 64-bit word, either case")
        << kGameVersion095 << QStringLiteral("0x") + QString(16, u'f') + z16 + z15 + u'A' + z15 + u'b'
        << QStringLiteral("0x") + z16.repeated(4) << QByteArray("  18446744073709551615 0 10 11 0 0 0 0 ");
    QTest::newRow("0.95x short code gives 0 words")
        << kGameVersion095 << QStringLiteral("0x") + z15 + u'1' << "0x2" << QByteArray("  1 0 0 0 2 0 0 0 ");
    QTest::newRow("0.95x ignores digits after the 66th")
        << kGameVersion095 << QStringLiteral("0x") + z16.repeated(4) + u'9' << QStringLiteral("0x") + z16.repeated(4)
        << QByteArray("  0 0 0 0 0 0 0 0 ");
    QTest::newRow("unknown version keeps the line")
        << QString() << kFacesNotAvailable << kFacesNotAvailable << QByteArray("  1 2 3 4 5 6 7 8 ");
}

void TestTroopRecord::encodesFaces()
{
    QFETCH(QString, gameVersion);
    QFETCH(QString, face1);
    QFETCH(QString, face2);
    QFETCH(QByteArray, expected);
    const TroopLayout layout = layoutOf(true, gameVersion);
    Record record = recordFor(layout);
    record.faces = "  1 2 3 4 5 6 7 8 ";
    TroopView view = viewOf(record, layout);
    view.face1 = face1;
    view.face2 = face2;
    QCOMPARE(encodedLine(view, record, layout, 5), expected);
}

void TestTroopRecord::encodeReplacesBlanksInNames()
{
    const TroopLayout layout = layoutOf(true);
    const Record record = recordFor(layout);
    TroopView view = viewOf(record, layout);
    view.id = QStringLiteral("trp_elite guard");
    view.name1 = QStringLiteral("Elite  Guard");
    view.name2 = QStringLiteral("Elite Guards");
    const auto encoded = encodeOne(view, record, layout);
    QVERIFY(encoded.ok());
    QCOMPARE(encoded->lines.at(0), QByteArray("trp_elite_guard Elite__Guard Elite_Guards 5 136 0 0 3 0 0"));
    QCOMPARE(encoded->id, QStringLiteral("trp_elite_guard"));
    QCOMPARE(encoded->name1, QStringLiteral("Elite__Guard"));
}

void TestTroopRecord::encodeKeepsUntouchedTextBytes()
{
    const TroopLayout layout = layoutOf(true);
    Record record = recordFor(layout);
    record.troop = "trp_a \xd5\xbd\xca\xbf\xc3\xc7 \xb1\xf8 5 0 0 0 1 2 3"; // GB18030, not valid UTF-8
    TroopView view = viewOf(record, layout);
    QCOMPARE(encodedLine(view, record, layout, 0), record.troop);
    view.name2 = QStringLiteral("战士们");
    // Typed text goes back in the field's own encoding.
    QCOMPARE(encodedLine(view, record, layout, 0),
             QByteArray("trp_a \xd5\xbd\xca\xbf\xc3\xc7 \xd5\xbd\xca\xbf\xc3\xc7 5 0 0 0 1 2 3"));
}

void TestTroopRecord::encodeRefusesCorruptingValues_data()
{
    QTest::addColumn<QString>("field"); // skill:<index>, attribute:<index>, proficiency:<index>, face1, face2, id, race
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("named"); // text the message must contain

    QTest::newRow("skill 10") << "skill:19" << "10" << true << "";
    QTest::newRow("skill F") << "skill:19" << "F" << true << "";
    QTest::newRow("skill 11") << "skill:19" << "11" << false << "Riding";
    QTest::newRow("skill -1") << "skill:19" << "-1" << false << "Riding";
    QTest::newRow("skill empty") << "skill:0" << "" << false << "Persuasion";
    QTest::newRow("skill A") << "skill:0" << "A" << false << "Persuasion";
    QTest::newRow("skill lower-case b") << "skill:0" << "b" << false << "Persuasion";
    QTest::newRow("skill fraction") << "skill:21" << "5.5" << false << "Power Strike";
    QTest::newRow("skill leading zero") << "skill:21" << "05" << false << "Power Strike";
    QTest::newRow("looting checked too") << "skill:13" << "12" << false << "Looting";
    QTest::newRow("attribute negative") << "attribute:0" << "-5" << true << "";
    QTest::newRow("attribute empty") << "attribute:0" << "" << false << "Strength";
    QTest::newRow("attribute with blank") << "attribute:3" << "1 2" << false << "Charisma";
    QTest::newRow("level fraction") << "attribute:4" << "1.5" << false << "Level";
    QTest::newRow("proficiency letters") << "proficiency:6" << "abc" << false << "Firearms";
    QTest::newRow("proficiency blank") << "proficiency:0" << " " << false << "One-handed";
    QTest::newRow("face upper case digits") << "face1" << "0xABC" << true << "";
    QTest::newRow("face empty") << "face1" << "" << false << "face code 1";
    QTest::newRow("face prefix only") << "face2" << "0x" << false << "face code 2";
    QTest::newRow("face not hex") << "face2" << "0x12G4" << false << "face code 2";
    QTest::newRow("face without prefix") << "face1" << "1234" << false << "face code 1";
    QTest::newRow("id without prefix") << "id" << "guard" << false << "troop ID";
    QTest::newRow("empty id") << "id" << "" << false << "troop ID";
    QTest::newRow("no race chosen") << "race" << "-1" << false << "race";
    QTest::newRow("race 15") << "race" << "15" << true << "";
}

void TestTroopRecord::encodeRefusesCorruptingValues()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(bool, accepted);
    QFETCH(QString, named);
    const TroopLayout layout = layoutOf(true);
    const Record record = recordFor(layout);
    TroopView view = viewOf(record, layout);
    const QStringList parts = field.split(u':');
    if (parts[0] == QStringLiteral("skill"))
        view.skills[parts[1].toInt()] = value;
    else if (parts[0] == QStringLiteral("attribute"))
        view.attributes[parts[1].toInt()] = value;
    else if (parts[0] == QStringLiteral("proficiency"))
        view.proficiencies[parts[1].toInt()] = value;
    else if (field == QStringLiteral("face1"))
        view.face1 = value;
    else if (field == QStringLiteral("face2"))
        view.face2 = value;
    else if (field == QStringLiteral("id"))
        view.id = value;
    else if (field == QStringLiteral("race"))
        view.race = value.toInt();
    else
        QFAIL("unknown field");

    const auto encoded = encodeOne(view, record, layout);
    QCOMPARE(encoded.ok(), accepted);
    if (!accepted) {
        QCOMPARE(encoded.error().code, ErrorCode::InvalidValue);
        QVERIFY2(encoded.error().description.contains(named), qPrintable(encoded.error().description));
    }
}

void TestTroopRecord::encodeFailsOnDamagedRecordOrStaleView_data()
{
    QTest::addColumn<QByteArray>("troopLine");
    QTest::addColumn<bool>("truncated");
    QTest::addColumn<int>("viewTroop"); // the troop the view claims to hold
    QTest::addColumn<int>("code");

    const QByteArray good = "trp_a A As 5 0 0 0 1 2 3";
    const auto code = [](ErrorCode c) { return static_cast<int>(c); };
    QTest::newRow("view from a failed selection") << good << false << -1 << code(ErrorCode::NotSelected);
    QTest::newRow("view of another troop") << good << false << 1 << code(ErrorCode::NotSelected);
    QTest::newRow("truncated last record") << good << true << 0 << code(ErrorCode::RecordBeyondTable);
    QTest::newRow("troop line too short") << QByteArray("trp_a A As 5 0 0") << false << 0
                                          << code(ErrorCode::MissingField);
    QTest::newRow("flag piece not a number") << QByteArray("trp_a A As 5 abc 0 0 1 2 3") << false << 0
                                             << code(ErrorCode::NotANumber);
}

void TestTroopRecord::encodeFailsOnDamagedRecordOrStaleView()
{
    QFETCH(QByteArray, troopLine);
    QFETCH(bool, truncated);
    QFETCH(int, viewTroop);
    QFETCH(int, code);
    const TroopLayout layout = layoutOf(true);
    const Record good = recordFor(layout);
    TroopView view = viewOf(good, layout);
    view.troop = viewTroop;

    Record stored = good;
    stored.troop = troopLine;
    LineTable table = tableOf({stored}, layout);
    if (truncated) {
        LineTable shorter;
        for (qsizetype k = 1; k <= 6; ++k)
            shorter.append(table.line(k));
        table = shorter;
    }
    const auto encoded = encodeTroop(view, table, 0, layout, view.race);
    QVERIFY(!encoded.ok());
    QCOMPARE(encoded.error().number(), code);
}

void TestTroopRecord::unchangedRecordEncodesToItsLines_data()
{
    QTest::addColumn<bool>("version2");
    QTest::addColumn<QString>("gameVersion");
    QTest::addColumn<int>("recordLines");

    QTest::newRow("second layout, 0.95x, 7 lines") << true << kGameVersion095 << 7;
    QTest::newRow("second layout, 0.90x, 6 lines") << true << kGameVersion090 << 6;
    QTest::newRow("first layout, 0.90x, 6 lines") << false << kGameVersion090 << 6;
    QTest::newRow("first layout, 0.95x, 7 lines") << false << kGameVersion095 << 7;
}

void TestTroopRecord::unchangedRecordEncodesToItsLines()
{
    QFETCH(bool, version2);
    QFETCH(QString, gameVersion);
    QFETCH(int, recordLines);
    const TroopLayout layout = layoutOf(version2, gameVersion, recordLines);
    Record other = recordFor(layout);
    Record record = recordFor(layout);
    record.troop = version2 ? "trp_b \xd5\xbd\xca\xbf\xc3\xc7 Bs 7 3893357075 1 2 3 0 1"
                            : "trp_b \xd5\xbd\xca\xbf\xc3\xc7 Bs 3893357075 1 2 3 0 1";
    record.inventory = inventoryLine("12 0 99 3 12 0 ", 3);
    record.skills = "2684354850 305419896 2868903969 17185 74560 0";
    record.faces = gameVersion == kGameVersion090 ? "  18446744073709551615 0 1153220588478419093 17 "
                                                  : "  18446744073709551615 0 1153220588478419093 17 1 2 3 4 ";
    const LineTable table = tableOf({other, record}, layout);
    const auto decoded = decodeTroop(table, 1, layout, kItems, kFactions, kTroops);
    QVERIFY(decoded.ok());
    const auto encoded = encodeTroop(decoded->view, table, 1, layout, decoded->view.race);
    QVERIFY2(encoded.ok(), encoded ? "" : qPrintable(encoded.error().message()));
    const qsizetype first = troopFirstLine(1, layout);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(encoded->lines.at(i), table.line(first + i));
}

QTEST_APPLESS_MAIN(TestTroopRecord)
#include "tst_troop_record.moc"
