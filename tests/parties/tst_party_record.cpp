#include "parties/party_record.h"

#include "lines/text_file.h"

#include <QtTest>

using namespace lancefall;
using namespace Qt::StringLiterals;

namespace {

constexpr int kTemplates = 12;
constexpr int kFactions = 7;

const QByteArray kSecondLine = "0.0 3 0 2 0 ";

// Party 0 on lines 3 and 4, party 1 on lines 5 and 6.
LineTable tableWith(const QByteArray &firstParty, const QByteArray &secondParty = "1 1 1 0 p_b B 0 0 2 3 0 ")
{
    return splitLines("partiesfile version 1\n 2 2\n" + firstParty + "\n" + kSecondLine + "\n" + secondParty
                      + "\n" + kSecondLine + "\n");
}

} // namespace

class TestPartyRecord : public QObject {
    Q_OBJECT

private slots:
    void decodes_data();
    void decodes();
    void refusesToDecode_data();
    void refusesToDecode();
    void encodes_data();
    void encodes();
    void refusesToEncode_data();
    void refusesToEncode();
    void updatesKeepTheLine();
};

void TestPartyRecord::decodes_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<qsizetype>("k");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("partyTemplate");
    QTest::addColumn<int>("faction");

    QTest::newRow("first party") << QByteArray("1 0 0 0 p_x y 256 0 11 6 0 0 12.5 ") << qsizetype(0) << "p_x" << "y"
                                 << 11 << 6;
    QTest::newRow("second party, record line 5") << QByteArray("1 0 0 0 p_x y 256 0 11 6 ") << qsizetype(1) << "p_b"
                                                 << "B" << 2 << 3;
    QTest::newRow("ten fields, no closing blank") << QByteArray("1 0 0 0 p_x y 256 0 03 0") << qsizetype(0) << "p_x"
                                                  << "y" << 3 << 0;
    QTest::newRow("name not valid UTF-8") << QByteArray("1 0 0 0 p_x \xb1\xf8\xd3\xaa 256 0 1 1 ") << qsizetype(0)
                                          << "p_x" << "\u5175\u8425" << 1 << 1;
}

void TestPartyRecord::decodes()
{
    QFETCH(QByteArray, line);
    QFETCH(qsizetype, k);
    QFETCH(QString, id);
    QFETCH(QString, name);
    QFETCH(int, partyTemplate);
    QFETCH(int, faction);

    const Result<PartyView> view = decodeParty(tableWith(line), k, kTemplates, kFactions);
    QVERIFY2(view.ok(), qPrintable(view ? QString() : view.error().message()));
    QCOMPARE(view->id, id);
    QCOMPARE(view->name, name);
    QCOMPARE(view->partyTemplate, partyTemplate);
    QCOMPARE(view->faction, faction);
}

void TestPartyRecord::refusesToDecode_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<qsizetype>("k");
    QTest::addColumn<ErrorCode>("code");
    QTest::addColumn<QString>("description");

    QTest::newRow("nine fields") << QByteArray("1 0 0 0 p_x y 256 0 1") << qsizetype(0) << ErrorCode::MissingField
                                 << u"parties.txt line 3: a party line needs at least 10 fields"_s;
    QTest::newRow("template not a number") << QByteArray("1 0 0 0 p_x y 256 0 t 1 ") << qsizetype(0)
                                           << ErrorCode::NotANumber
                                           << u"parties.txt line 3: the party template \"t\" is not a number"_s;
    QTest::newRow("faction not a number") << QByteArray("1 0 0 0 p_x y 256 0 1 ") << qsizetype(0)
                                          << ErrorCode::NotANumber
                                          << u"parties.txt line 3: the faction \"\" is not a number"_s;
    QTest::newRow("template beyond the list")
        << QByteArray("1 0 0 0 p_x y 256 0 12 1 ") << qsizetype(0) << ErrorCode::OutOfRange
        << u"parties.txt line 3: party template 12 is not in the template list (12 entries)"_s;
    QTest::newRow("negative faction") << QByteArray("1 0 0 0 p_x y 256 0 1 -1 ") << qsizetype(0)
                                      << ErrorCode::OutOfRange
                                      << u"parties.txt line 3: faction -1 is not in the faction list (7 entries)"_s;
    QTest::newRow("not a record line") << QByteArray("1 0 0 0 q_x y 256 0 1 1 ") << qsizetype(0)
                                       << ErrorCode::InvalidValue
                                       << u"parties.txt line 3: the line of party 0 holds no identifier beginning "
                                          "with p_"_s;
    QTest::newRow("beyond the file") << QByteArray("1 0 0 0 p_x y 256 0 1 1 ") << qsizetype(2)
                                     << ErrorCode::RecordBeyondTable
                                     << u"parties.txt line 7: party 2 lies beyond the end of the file (6 lines)"_s;
}

void TestPartyRecord::refusesToDecode()
{
    QFETCH(QByteArray, line);
    QFETCH(qsizetype, k);
    QFETCH(ErrorCode, code);
    QFETCH(QString, description);

    const Result<PartyView> view = decodeParty(tableWith(line), k, kTemplates, kFactions);
    QVERIFY(!view.ok());
    QCOMPARE(int(view.error().code), int(code));
    QCOMPARE(view.error().description, description);
}

void TestPartyRecord::encodes_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("partyTemplate");
    QTest::addColumn<int>("faction");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray stored = "1 0 0 0 p_x y 256 07 1 2 0 0 12.500000 -4.25 0.0 0 ";
    QTest::newRow("template only") << stored << "p_x" << "y" << 3 << 2
                                   << QByteArray("1 0 0 0 p_x y 256 07 3 2 0 0 12.500000 -4.25 0.0 0 ");
    QTest::newRow("every edited field") << stored << "p_new" << "Fort" << 0 << 6
                                        << QByteArray("1 0 0 0 p_new Fort 256 07 0 6 0 0 12.500000 -4.25 0.0 0 ");
    QTest::newRow("blanks become underscores") << stored << "p_x y" << "Old  Fort" << 1 << 2
                                               << QByteArray("1 0 0 0 p_x_y Old__Fort 256 07 1 2 0 0 12.500000 "
                                                             "-4.25 0.0 0 ");
    QTest::newRow("no closing blank stays so") << QByteArray("1 0 0 0 p_x y 256 0 1 2") << "p_x" << "y" << 4 << 2
                                               << QByteArray("1 0 0 0 p_x y 256 0 4 2");
    QTest::newRow("inner double blank kept") << QByteArray("1  0 0 p_x y 256 0 1 2  5 ") << "p_x" << "z" << 1 << 2
                                             << QByteArray("1  0 0 p_x z 256 0 1 2  5 ");
    QTest::newRow("stored number forms kept") << QByteArray("1 0 0 0 p_x y 256 0 01 002 ") << "p_x" << "y" << 1 << 2
                                              << QByteArray("1 0 0 0 p_x y 256 0 01 002 ");
}

void TestPartyRecord::encodes()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, id);
    QFETCH(QString, name);
    QFETCH(int, partyTemplate);
    QFETCH(int, faction);
    QFETCH(QByteArray, expected);

    const Result<QByteArray> line = encodeParty(PartyView{id, name, partyTemplate, faction}, tableWith(stored), 0);
    QVERIFY2(line.ok(), qPrintable(line ? QString() : line.error().message()));
    QCOMPARE(*line, expected);
}

void TestPartyRecord::refusesToEncode_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("partyTemplate");
    QTest::addColumn<ErrorCode>("code");
    QTest::addColumn<QString>("description");

    const QByteArray good = "1 0 0 0 p_x y 256 0 1 2 ";
    QTest::newRow("identifier without p_") << good << "x" << 1 << ErrorCode::InvalidValue
                                           << u"parties.txt line 3: the identifier \"x\" must begin with p_"_s;
    QTest::newRow("no template") << good << "p_x" << -1 << ErrorCode::InvalidValue
                                 << u"parties.txt line 3: no party template is chosen"_s;
    QTest::newRow("stored line that cannot be shown")
        << QByteArray("1 0 0 0 p_x y 256 0 t 2 ") << "p_x" << 1 << ErrorCode::NotSelected
        << u"parties.txt line 3: party 0 cannot be shown without errors, so it cannot be updated (parties.txt line "
           "3: the party template \"t\" is not a number)"_s;
    QTest::newRow("stored line too short") << QByteArray("1 0 0 0 p_x y 256 0") << "p_x" << 1
                                           << ErrorCode::NotSelected
                                           << u"parties.txt line 3: party 0 cannot be shown without errors, so it "
                                              "cannot be updated (parties.txt line 3: a party line needs at least "
                                              "10 fields)"_s;
}

void TestPartyRecord::refusesToEncode()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, id);
    QFETCH(int, partyTemplate);
    QFETCH(ErrorCode, code);
    QFETCH(QString, description);

    const Result<QByteArray> line =
        encodeParty(PartyView{id, QStringLiteral("y"), partyTemplate, 2}, tableWith(stored), 0);
    QVERIFY(!line.ok());
    QCOMPARE(int(line.error().code), int(code));
    QCOMPARE(line.error().description, description);
}

// Two updates in a row, the second without changes, give the same line, and the second line of
// each party is never touched.
void TestPartyRecord::updatesKeepTheLine()
{
    LineTable lines = tableWith("1 0 0 0 p_x y 256 0 1 2 0 0 12.5 ");
    const LineTable before = lines;
    for (qsizetype k : {0, 1}) {
        Result<PartyView> view = decodeParty(lines, k, kTemplates, kFactions);
        QVERIFY(view.ok());
        view->partyTemplate = 5;
        const Result<QByteArray> first = encodeParty(*view, lines, k);
        QVERIFY(first.ok());
        lines.setLine(2 * k + 3, *first);
        const Result<PartyView> again = decodeParty(lines, k, kTemplates, kFactions);
        QVERIFY(again.ok());
        const Result<QByteArray> second = encodeParty(*again, lines, k);
        QVERIFY(second.ok());
        QCOMPARE(*second, *first);
        lines.setLine(2 * k + 3, *second);
    }
    QCOMPARE(lines.line(3), QByteArray("1 0 0 0 p_x y 256 0 5 2 0 0 12.5 "));
    QCOMPARE(lines.line(5), QByteArray("1 1 1 0 p_b B 0 0 5 3 0 "));
    for (qsizetype n : {1, 2, 4, 6})
        QCOMPARE(lines.line(n), before.line(n));
    QCOMPARE(lines.lastIndex(), before.lastIndex());
}

QTEST_GUILESS_MAIN(TestPartyRecord)
#include "tst_party_record.moc"
