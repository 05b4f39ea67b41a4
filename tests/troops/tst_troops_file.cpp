#include "troops/troops_file.h"

#include "support/fixture_folder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace lancefall;
using namespace lancefall::testing;

namespace {

// A troops.txt with `troops` records of `recordLines` lines; faces lines hold
// `faceWords` words.
QByteArray troopsText(const QByteArray &header, const QByteArray &summary, int troops, int recordLines,
                      int faceWords = 8)
{
    QByteArray faces = "  ";
    for (int i = 0; i < faceWords; ++i)
        faces += "0 ";
    QByteArray text = header + "\r\n" + summary + "\r\n";
    for (int k = 0; k < troops; ++k) {
        text += "trp_t" + QByteArray::number(k) + " Name" + QByteArray::number(k) + " Names 0 0 0 0 0 0 0\r\n";
        text += "  -1 0 \r\n  1 1 1 1 1\r\n 1 1 1 1 1 1 1\r\n0 0 0 0 0 0\r\n" + faces + "\r\n";
        if (recordLines == 7)
            text += "\r\n";
    }
    return text;
}


} // namespace

class TestTroopsFile : public QObject {
    Q_OBJECT

private slots:
    void decidesLayoutSettings_data();
    void decidesLayoutSettings();
    void checksSummaryRowAsNumber_data();
    void checksSummaryRowAsNumber();
    void labelsEveryTroopList();
    void refusesMalformedFiles_data();
    void refusesMalformedFiles();
    void loadsMoreThan32767Lines();
};

void TestTroopsFile::decidesLayoutSettings_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<int>("recordLines");
    QTest::addColumn<int>("faceWords");
    QTest::addColumn<bool>("version2");
    QTest::addColumn<QString>("gameVersion");
    QTest::newRow("version 1, 6 lines, 0.90x") << QByteArray("troopsfile version 1") << 6 << 4 << false << kGameVersion090;
    QTest::newRow("version 2, 7 lines, 0.95x") << QByteArray("troopsfile version 2") << 7 << 8 << true << kGameVersion095;
    QTest::newRow("version 2, 6 lines, 0.90x") << QByteArray("troopsfile version 2") << 6 << 4 << true << kGameVersion090;
    QTest::newRow("unknown header") << QByteArray("troopsfile version 3") << 7 << 8 << true << kGameVersion095;
    QTest::newRow("empty header") << QByteArray() << 7 << 8 << true << kGameVersion095;
    QTest::newRow("header with trailing blank") << QByteArray("troopsfile version 1 ") << 7 << 8 << true << kGameVersion095;
}

void TestTroopsFile::decidesLayoutSettings()
{
    QFETCH(QByteArray, header);
    QFETCH(int, recordLines);
    QFETCH(int, faceWords);
    QFETCH(bool, version2);
    QFETCH(QString, gameVersion);
    QTemporaryDir dir;
    const Result<TroopsFile> file =
        readTroopsFile(writeFile(dir.path(), QStringLiteral("troops.txt"), troopsText(header, " 3", 3, recordLines, faceWords)), TroopLayout{});
    QVERIFY2(file.ok(), qPrintable(file.ok() ? QString() : file.error().message()));
    QCOMPARE(file->layout.version2, version2);
    QCOMPARE(file->layout.recordLines, recordLines);
    QCOMPARE(file->layout.gameVersion, gameVersion);
    QCOMPARE(file->listLabels.size(), 3);
}

void TestTroopsFile::checksSummaryRowAsNumber_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("notice");
    const QString tail = QStringLiteral("\r\nThis value will be updated when a new file is saved.");
    QTest::newRow("blank and count") << QByteArray(" 3") << QString();
    QTest::newRow("trailing blank") << QByteArray("3 ") << QString();
    QTest::newRow("no blank") << QByteArray("3") << QString();
    QTest::newRow("wrong count")
        << QByteArray(" 2") << QStringLiteral("3 troops exist in this file but the summary row has  2") + tail;
    QTest::newRow("not a number")
        << QByteArray("abc") << QStringLiteral("3 troops exist in this file but the summary row has abc") + tail;
    QTest::newRow("empty row") << QByteArray() << QStringLiteral("3 troops exist in this file but the summary row has ") + tail;
}

void TestTroopsFile::checksSummaryRowAsNumber()
{
    QFETCH(QByteArray, row);
    QFETCH(QString, notice);
    QTemporaryDir dir;
    const Result<TroopsFile> file =
        readTroopsFile(writeFile(dir.path(), QStringLiteral("troops.txt"), troopsText("troopsfile version 2", row, 3, 7)), TroopLayout{});
    QVERIFY(file.ok());
    QCOMPARE(file->summaryNotice, notice);
    // A right count stays as written; a wrong one becomes a blank and the count.
    QCOMPARE(file->lines.line(2), notice.isEmpty() ? row : QByteArray(" 3"));
}

void TestTroopsFile::labelsEveryTroopList()
{
    QTemporaryDir dir;
    QByteArray text = "troopsfile version 2\r\n 2\r\n"
                      "trp_guard Guard Guards 0 0 0 0 0 0 0\r\n  \r\n  \r\n \r\n0\r\n  \r\n\r\n"
                      "trp_archer \xb9\xad\xca\xd6 Archers 0 0 0 0 0 0 0\r\nnot trp_ a record\r\n";
    const Result<TroopsFile> file = readTroopsFile(writeFile(dir.path(), QStringLiteral("troops.txt"), text), TroopLayout{});
    QVERIFY(file.ok());
    QCOMPARE(file->listLabels, (QStringList{QStringLiteral("0 - Guard (trp_guard)"), QStringLiteral("1 - 弓手 (trp_archer)")}));
    QCOMPARE(file->slotLabels, (QStringList{QStringLiteral("0 - None"), QStringLiteral("1 - 弓手 (trp_archer)")}));
    QCOMPARE(file->upgradeLabels, (QStringList{QStringLiteral("0 - None"), QStringLiteral("1 - 弓手")}));
    QCOMPARE(file->lines.lastIndex(), 11);
}

void TestTroopsFile::refusesMalformedFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("troop line without a name")
        << QByteArray("troopsfile version 2\r\n 1\r\ntrp_guard\r\n") << int(ErrorCode::MissingField)
        << QStringLiteral("Error #5: troops.txt line 3: a troop line needs at least 2 fields");
    QTest::newRow("no troop record") << QByteArray("troopsfile version 2\r\n 0\r\n") << int(ErrorCode::NoRecords)
                                     << QStringLiteral("Error #8: troops.txt: the file holds no troop record");
    QTest::newRow("no summary row") << QByteArray("troopsfile version 2\r\n") << int(ErrorCode::MissingField)
                                    << QStringLiteral("Error #5: troops.txt: the file has no summary row (line 2)");
    QTest::newRow("empty file") << QByteArray() << int(ErrorCode::MissingField)
                                << QStringLiteral("Error #5: troops.txt: the file has no summary row (line 2)");
}

void TestTroopsFile::refusesMalformedFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(int, code);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const Result<TroopsFile> file = readTroopsFile(writeFile(dir.path(), QStringLiteral("troops.txt"), content), TroopLayout{});
    QVERIFY(!file.ok());
    QCOMPARE(int(file.error().code), code);
    QCOMPARE(file.error().message(), message);
}

void TestTroopsFile::loadsMoreThan32767Lines()
{
    QTemporaryDir dir;
    const int troops = 5000; // 35 002 lines
    const Result<TroopsFile> file =
        readTroopsFile(writeFile(dir.path(), QStringLiteral("troops.txt"), troopsText("troopsfile version 2", " 5000", troops, 7)), TroopLayout{});
    QVERIFY(file.ok());
    QCOMPARE(file->lines.lastIndex(), 2 + 7 * troops);
    QCOMPARE(file->listLabels.size(), troops);
    QCOMPARE(file->listLabels.last(), QStringLiteral("4999 - Name4999 (trp_t4999)"));
}

QTEST_GUILESS_MAIN(TestTroopsFile)
#include "tst_troops_file.moc"
