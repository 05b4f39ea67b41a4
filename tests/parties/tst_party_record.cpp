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
    const QByteArray second = '\n' + kSecondLine + '\n';
    return splitLines("partiesfile version 1\n 2 2\n" + firstParty + second + secondParty + second);
}

QString failure(ErrorCode code, const char *what, int line = 3)
{
    return u"Error #%1: parties.txt line %2: %3"_s.arg(int(code)).arg(line).arg(QString::fromUtf8(what));
}

} // namespace

class TestPartyRecord : public QObject {
    Q_OBJECT

private slots:
    void decodes_data();
    void decodes();
    void encodes_data();
    void encodes();
    void updatesKeepTheLine();
};

// Party k shown as "id|name|template|faction", or the error message.
void TestPartyRecord::decodes_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<qsizetype>("k");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *name, const QByteArray &line, const QString &expected, qsizetype k = 0) {
        QTest::newRow(name) << line << k << expected;
    };
    row("first party, fields after the faction", "1 0 0 0 p_x y 256 0 11 6 0 0 12.5 ", u"p_x|y|11|6"_s);
    row("second party, record line 5", "1 0 0 0 p_x y 256 0 11 6 ", u"p_b|B|2|3"_s, 1);
    row("ten fields, no closing blank", "1 0 0 0 p_x y 256 0 03 0", u"p_x|y|3|0"_s);
    row("nine fields", "1 0 0 0 p_x y 256 0 1",
        failure(ErrorCode::MissingField, "a party line needs at least 10 fields"));
    row("template not a number", "1 0 0 0 p_x y 256 0 t 1 ",
        failure(ErrorCode::NotANumber, "the party template \"t\" is not a number"));
    row("faction not a number", "1 0 0 0 p_x y 256 0 1 ",
        failure(ErrorCode::NotANumber, "the faction \"\" is not a number"));
    row("template beyond the list", "1 0 0 0 p_x y 256 0 12 1 ",
        failure(ErrorCode::OutOfRange, "party template 12 is not in the template list (12 entries)"));
    row("negative faction", "1 0 0 0 p_x y 256 0 1 -1 ",
        failure(ErrorCode::OutOfRange, "faction -1 is not in the faction list (7 entries)"));
    row("not a record line, p_ inside the identifier", "1 0 0 0 xp_x y 256 0 1 1 ",
        failure(ErrorCode::InvalidValue, "the line of party 0 holds no identifier beginning with p_"));
    row("beyond the file", "1 0 0 0 p_x y 256 0 1 1 ",
        failure(ErrorCode::RecordBeyondTable, "party 2 lies beyond the end of the file (6 lines)", 7), 2);
}

void TestPartyRecord::decodes()
{
    QFETCH(QByteArray, line);
    QFETCH(qsizetype, k);
    QFETCH(QString, expected);
    const Result<PartyView> v = decodeParty(tableWith(line), k, kTemplates, kFactions);
    QCOMPARE(v ? u"%1|%2|%3|%4"_s.arg(v->id, v->name).arg(v->partyTemplate).arg(v->faction) : v.error().message(),
             expected);
}

// The record line built for party 0, byte for byte, or the error message.
void TestPartyRecord::encodes_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("partyTemplate");
    QTest::addColumn<QByteArray>("expected");
    const auto row = [](const char *title, const QByteArray &expected, const QString &id = u"p_x"_s,
                        const QString &name = u"y"_s, int partyTemplate = 1,
                        const QByteArray &stored = "1 0 0 0 p_x y 256 07 01 002 0 0 12.500000 -4.25 0.0 0 ") {
        QTest::newRow(title) << stored << id << name << partyTemplate << expected;
    };
    row("template only, stored number forms kept", "1 0 0 0 p_x y 256 07 3 002 0 0 12.500000 -4.25 0.0 0 ", u"p_x"_s,
        u"y"_s, 3);
    row("identifier and name, blanks become underscores",
        "1 0 0 0 p_new_x Old__Fort 256 07 01 002 0 0 12.500000 -4.25 0.0 0 ", u"p_new x"_s, u"Old  Fort"_s);
    row("name and faction, inner double blank and no closing blank kept", "1  0 0 p_x z 256 0 1 2", u"p_x"_s, u"z"_s,
        1, "1  0 0 p_x y 256 0 1 5");
    row("identifier without p_", failure(ErrorCode::InvalidValue, "the identifier \"x\" must begin with p_").toUtf8(),
        u"x"_s);
    row("no template", failure(ErrorCode::InvalidValue, "no party template is chosen").toUtf8(), u"p_x"_s, u"y"_s, -1);
    row("stored line that cannot be decoded",
        failure(ErrorCode::NotSelected, "party 0 cannot be shown without errors, so it cannot be updated "
                                        "(parties.txt line 3: the party template \"t\" is not a number)")
            .toUtf8(),
        u"p_x"_s, u"y"_s, 1, "1 0 0 0 p_x y 256 0 t 2 ");
}

void TestPartyRecord::encodes()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, id);
    QFETCH(QString, name);
    QFETCH(int, partyTemplate);
    QFETCH(QByteArray, expected);
    const Result<QByteArray> line = encodeParty(PartyView{id, name, partyTemplate, 2}, tableWith(stored), 0);
    QCOMPARE(line ? *line : line.error().message().toUtf8(), expected);
}

// Updating the template of both parties, then updating again without changes, gives the same
// record lines and never touches the second lines.
void TestPartyRecord::updatesKeepTheLine()
{
    LineTable lines = tableWith("1 0 0 0 p_x y 256 0 1 2 0 0 12.5 ");
    for (qsizetype k : {0, 1}) {
        QByteArrayList written;
        for (int update = 0; update < 2; ++update) {
            Result<PartyView> view = decodeParty(lines, k, kTemplates, kFactions);
            QVERIFY(view.ok());
            view->partyTemplate = 5; // the second update changes nothing
            const Result<QByteArray> line = encodeParty(*view, lines, k);
            QVERIFY(line.ok());
            lines.setLine(2 * k + 3, written.emplace_back(*line));
        }
        QCOMPARE(written.at(1), written.at(0));
    }
    QVERIFY(lines == tableWith("1 0 0 0 p_x y 256 0 5 2 0 0 12.5 ", "1 1 1 0 p_b B 0 0 5 3 0 "));
}

QTEST_GUILESS_MAIN(TestPartyRecord)
#include "tst_party_record.moc"
