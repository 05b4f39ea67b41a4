#include "parties/parties_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace lancefall;

class TestPartiesFile : public QObject {
    Q_OBJECT

private slots:
    void listsRecordLines_data();
    void listsRecordLines();
    void keepsEveryLineAsRead();
    void refusesShortRecordLine();
    void missingFileIsNotFound();
    void labelFromEncodedLine();
};

void TestPartiesFile::listsRecordLines_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QStringList>("labels");

    // The third name and identifier are GB18030 bytes, not valid UTF-8.
    QTest::newRow("record lines only")
        << "listed_parties.txt"
        << QStringList{QStringLiteral("0 - y (p_x)"), QStringLiteral("1 - Harbour_Town (p_harbour)"),
                       QStringLiteral("2 - \u5175\u8425 (p_\u536B)")};
    QTest::newRow("no parties") << "no_parties.txt" << QStringList{};
}

void TestPartiesFile::listsRecordLines()
{
    QFETCH(QString, fixture);
    QFETCH(QStringList, labels);
    const Result<PartiesFile> file = readPartiesFile(QFINDTESTDATA(QStringLiteral("../data/parties/") + fixture));
    QVERIFY2(file.ok(), qPrintable(file ? QString() : file.error().message()));
    QCOMPARE(file->labels, labels);
}

void TestPartiesFile::keepsEveryLineAsRead()
{
    const QString path = QFINDTESTDATA("../data/parties/listed_parties.txt");
    QFile raw(path);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    QList<QByteArray> expected = raw.readAll().split('\n');
    expected.removeLast(); // after the last line end

    const Result<PartiesFile> file = readPartiesFile(path);
    QVERIFY(file.ok());
    QCOMPARE(file->lines.lastIndex(), expected.size());
    for (qsizetype n = 1; n <= expected.size(); ++n)
        QCOMPARE(file->lines.line(n) + "\r", expected.at(n - 1));
}

void TestPartiesFile::refusesShortRecordLine()
{
    const Result<PartiesFile> file = readPartiesFile(QFINDTESTDATA("../data/parties/short_party_line.txt"));
    QVERIFY(!file.ok());
    QCOMPARE(int(file.error().code), int(ErrorCode::MissingField));
    QCOMPARE(file.error().description, QStringLiteral("parties.txt line 5: a party line needs at least 6 fields"));
}

void TestPartiesFile::missingFileIsNotFound()
{
    QTemporaryDir dir;
    const Result<PartiesFile> file = readPartiesFile(dir.filePath(QStringLiteral("parties.txt")));
    QVERIFY(!file.ok());
    QCOMPARE(int(file.error().code), int(ErrorCode::FileNotFound));
}

void TestPartiesFile::labelFromEncodedLine()
{
    QCOMPARE(partyLabelFromLine(4, "1 0 0 0 p_a New_Name 256 0 1 0 "), QStringLiteral("4 - New_Name (p_a)"));
}

QTEST_GUILESS_MAIN(TestPartiesFile)
#include "tst_parties_file.moc"
