#include "party_templates/party_templates_file.h"

#include "lines/text_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace lancefall;

class TestPartyTemplatesFile : public QObject {
    Q_OBJECT

private slots:
    void listsTemplateLines_data();
    void listsTemplateLines();
    void keepsEveryLineAsRead();
    void refusesFile_data();
    void refusesFile();
    void missingFileIsNotFound();
    void readsBeyondSixteenBitLineNumbers();
};

void TestPartyTemplatesFile::listsTemplateLines_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QStringList>("labels");

    QTest::newRow("only lines beginning with pt_")
        << "listed_templates.txt"
        << QStringList{QStringLiteral("0 - Border_Patrol (pt_patrol)"), QStringLiteral("1 - Camp_Followers (pt_camp)")};
    QTest::newRow("name not valid UTF-8") << "gb18030_name.txt"
                                          << QStringList{QStringLiteral("0 - \u536B\u5175 (pt_guard)")};
}

void TestPartyTemplatesFile::listsTemplateLines()
{
    QFETCH(QString, fixture);
    QFETCH(QStringList, labels);
    const QString path = QFINDTESTDATA(QStringLiteral("../data/party_templates/") + fixture);
    const Result<PartyTemplatesFile> file = readPartyTemplatesFile(path);
    QVERIFY2(file.ok(), qPrintable(file ? QString() : file.error().message()));
    QCOMPARE(file->labels, labels);
}

void TestPartyTemplatesFile::keepsEveryLineAsRead()
{
    const QString path = QFINDTESTDATA("../data/party_templates/gb18030_name.txt");
    QFile raw(path);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QList<QByteArray> expected = raw.readAll().split('\n');

    const Result<PartyTemplatesFile> file = readPartyTemplatesFile(path);
    QVERIFY(file.ok());
    QCOMPARE(file->lines.lastIndex(), 3);
    QVERIFY(file->lines.line(0).isEmpty());
    for (qsizetype n = 1; n <= 3; ++n)
        QCOMPARE(file->lines.line(n), expected.at(n - 1));
}

void TestPartyTemplatesFile::refusesFile_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<ErrorCode>("code");
    QTest::addColumn<QString>("description");

    QTest::newRow("template line with one field")
        << "one_field_template.txt" << ErrorCode::MissingField
        << "party_templates.txt line 4: a template line needs at least 2 fields";
    QTest::newRow("no template line") << "no_template_line.txt" << ErrorCode::NoRecords
                                      << "party_templates.txt: no line begins with pt_, so the file holds no "
                                         "party template";
}

void TestPartyTemplatesFile::refusesFile()
{
    QFETCH(QString, fixture);
    QFETCH(ErrorCode, code);
    QFETCH(QString, description);
    const Result<PartyTemplatesFile> file =
        readPartyTemplatesFile(QFINDTESTDATA(QStringLiteral("../data/party_templates/") + fixture));
    QVERIFY(!file.ok());
    QCOMPARE(file.error().code, code);
    QCOMPARE(file.error().description, description);
}

void TestPartyTemplatesFile::missingFileIsNotFound()
{
    QTemporaryDir dir;
    const Result<PartyTemplatesFile> file = readPartyTemplatesFile(dir.filePath(QStringLiteral("party_templates.txt")));
    QVERIFY(!file.ok());
    QCOMPARE(file.error().code, ErrorCode::FileNotFound);
}

void TestPartyTemplatesFile::readsBeyondSixteenBitLineNumbers()
{
    constexpr int templates = 40000;
    QByteArray content = "partytemplatesfile version 1\r\n 40000\r\n";
    for (int t = 0; t < templates; ++t)
        content += "pt_t" + QByteArray::number(t) + " T" + QByteArray::number(t) + " 0 0 1 137 -1 -1 -1 -1 -1 -1 \r\n";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("party_templates.txt"));
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(content);
    out.close();

    const Result<PartyTemplatesFile> file = readPartyTemplatesFile(path);
    QVERIFY(file.ok());
    QCOMPARE(file->lines.lastIndex(), templates + 2);
    QCOMPARE(file->labels.size(), templates);
    QCOMPARE(file->labels.last(), QStringLiteral("39999 - T39999 (pt_t39999)"));
}

QTEST_GUILESS_MAIN(TestPartyTemplatesFile)
#include "tst_party_templates_file.moc"
