#include "parties/party_record.h"

#include "lines/text_file.h"

#include <QtTest>

using namespace lancefall;
using namespace Qt::StringLiterals;

namespace {

const QByteArray kHead = "1 0 0 0 p_x y 256 0 "; // the fields before the template
const QByteArray kStored = "1 0 0 0 p_x y 256 07 01 002 0 0 12.500000 -4.25 0.0 0 ";

// Party 0 on lines 3 and 4, party 1 on lines 5 and 6; the second lines are "0.0 3 0 2 0 ".
LineTable tableWith(const QByteArray &first, const QByteArray &second = "1 1 1 0 p_b B 0 0 2 3 0 ")
{
    return splitLines("partiesfile version 1\n 2 2\n" + first + "\n0.0 3 0 2 0 \n" + second + "\n0.0 3 0 2 0 \n");
}

QByteArray failure(ErrorCode code, const char *what, int line = 3)
{
    return "Error #" + QByteArray::number(int(code)) + ": parties.txt line " + QByteArray::number(line) + ": " + what;
}

using enum ErrorCode;

} // namespace

class TestPartyRecord : public QObject {
    Q_OBJECT

private slots:
    // The party on line n, shown as "id|name|template|faction", or the error message.
    void decodes_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<qsizetype>("n");
        const auto row = [](const char *name, const QByteArray &line, const QByteArray &expected, qsizetype n = 3) {
            QTest::newRow(name) << line << expected << n;
        };
        row("first party, fields after the faction", kHead + "11 6 0 0 12.5 ", "p_x|y|11|6");
        row("second party, record line 5", kHead + "11 6 ", "p_b|B|2|3", 5);
        row("ten fields, no closing blank", kHead + "03 0", "p_x|y|3|0");
        row("nine fields", kHead + "1", failure(MissingField, "a party line needs at least 10 fields"));
        row("template not a number", kHead + "t 1 ", failure(NotANumber, "the party template \"t\" is not a number"));
        row("faction not a number", kHead + "1 ", failure(NotANumber, "the faction \"\" is not a number"));
        row("a template and a faction that may not exist", kHead + "2147483647 9999 ", "p_x|y|2147483647|9999");
        row("template beyond 32 bits", kHead + "2147483648 1 ",
            failure(OutOfRange, "party template 2147483648 is no party template number: a number from 0 to "
                                "2147483647"));
        row("faction -1", kHead + "1 -1 ",
            failure(OutOfRange, "faction -1 is no faction number: a number from 0 to 2147483647"));
        row("xp_", "1 0 0 0 xp_x y 256 0 1 1 ",
            failure(InvalidValue, "the line holds no identifier beginning with p_"));
        row("line 7", kHead, failure(RecordBeyondTable, "the line lies beyond the end of the file (6 lines)", 7), 7);
    }
    void decodes()
    {
        QFETCH(QByteArray, line);
        QFETCH(qsizetype, n);
        const Result<PartyView> v = decodeParty(tableWith(line), n);
        QTEST(v ? u"%1|%2|%3|%4"_s.arg(v->id, v->name).arg(v->partyTemplate).arg(v->faction).toUtf8()
                : v.error().message().toUtf8(),
              "expected");
    }

    // The record line built for party 0 from the view "id|name|template|faction" and the stored line
    // (default kStored), byte for byte, or the error message.
    void encodes_data()
    {
        QTest::addColumn<QByteArray>("view");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QByteArray>("stored");
        const auto row = [](const char *name, const QByteArray &view, const QByteArray &expected,
                            const QByteArray &stored = kStored) { QTest::newRow(name) << view << expected << stored; };
        row("unchanged", "p_x|y|1|2", kStored);
        row("template only, stored number forms kept", "p_x|y|3|2",
            "1 0 0 0 p_x y 256 07 3 002 0 0 12.500000 -4.25 0.0 0 ");
        row("identifier and name, blanks become underscores", "p_new x|Old  Fort|1|2",
            "1 0 0 0 p_new_x Old__Fort 256 07 01 002 0 0 12.500000 -4.25 0.0 0 ");
        row("name and faction, double blank and no closing blank kept", "p_x|z|1|2", "1  0 0 p_x z 256 0 1 2",
            "1  0 0 p_x y 256 0 1 5");
        row("no p_", "x|y|1|2", "Error #11: Party ID must begin with p_, not \"x\"");
        row("no template", "p_x|y|-1|2", "Error #11: No party template is chosen");
        row("stored line that cannot be decoded", "p_x|y|1|2",
            failure(NotANumber, "the party template \"t\" is not a number"), kHead + "t 2 ");
    }
    void encodes()
    {
        QFETCH(QByteArray, view);
        QFETCH(QByteArray, stored);
        const QList<QByteArray> v = view.split('|');
        const PartyView edited{QString::fromUtf8(v[0]), QString::fromUtf8(v[1]), v[2].toInt(), v[3].toInt()};
        const Result<QByteArray> line = encodeParty(edited, tableWith(stored), 3);
        QTEST(line ? *line : line.error().message().toUtf8(), "expected");
    }
};

QTEST_GUILESS_MAIN(TestPartyRecord)
#include "tst_party_record.moc"
