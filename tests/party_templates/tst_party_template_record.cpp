#include "party_templates/party_template_record.h"

#include "lines/text_file.h"

#include <QtTest>

using namespace lancefall;
using namespace Qt::StringLiterals;

namespace {

const QByteArray kEmpty = "-1 -1 -1 -1 -1 -1";
const char *const kNoMembers = "0 0 0|0 0 0|0 0 0|0 0 0|0 0 0|0 0 0";

// Template 0 on line 3, after the two header lines; a null line leaves the file at the headers.
LineTable tableWith(const QByteArray &line)
{
    return splitLines("partytemplatesfile version 1\n 1\n" + (line.isNull() ? line : line + '\n'));
}

// Template pt_a named b with menu 3, every field followed by one blank.
QByteArray templateLine(const QByteArray &members, QByteArray personality = "137", QByteArray faction = "2")
{
    return "pt_a b 0 3 " + faction + ' ' + personality + ' ' + members + ' ';
}

// A view as text: identifier|name|menu|faction|personality entry|six slots, each "troop min max"
// with " P" for prisoners. viewFrom reads it back.
QString viewText(const char *members, const char *personality = "Soldier", const char *head = "pt_a|b|3|2")
{
    return QString::fromUtf8(head) + u'|' + QString::fromUtf8(personality) + u'|' + QString::fromUtf8(members);
}

QString shown(const PartyTemplateView &v)
{
    QStringList parts{v.id, v.name, v.menu, QString::number(v.faction), personalityPreset(v.personality).entry};
    for (const TemplateSlot &s : v.members)
        parts << u"%1 %2 %3"_s.arg(s.troop).arg(s.min, s.max) + (s.prisoner ? u" P"_s : QString());
    return parts.join(u'|');
}

PartyTemplateView viewFrom(const QString &text)
{
    const QStringList parts = text.split(u'|');
    const Personality personality = personalityForEntry(parts.at(4)).value();
    PartyTemplateView v{parts.at(0), parts.at(1), parts.at(2), parts.at(3).toInt(), personality, {}};
    for (int s = 0; s < 6; ++s) {
        const QStringList f = parts.at(5 + s).split(u' ');
        v.members[s] = {f.at(0).toInt(), f.at(1), f.at(2), f.size() > 3};
    }
    return v;
}

QString failure(ErrorCode code, const char *what)
{
    return u"Error #%1: party_templates.txt line 3: %2"_s.arg(int(code)).arg(QString::fromUtf8(what));
}

const QString kUnknownLine = u"Error #13: unknown line in party_templates.txt"_s;

} // namespace

class TestPartyTemplateRecord : public QObject {
    Q_OBJECT

private slots:
    void presetsPackTheirDetailValues();
    void decodes_data();
    void decodes();
    void encodes_data();
    void encodes();
};

// Other (number -1) keeps the stored number and shows the detail values 0, 0 and clear.
void TestPartyTemplateRecord::presetsPackTheirDetailValues()
{
    for (const PersonalityPreset &p : personalityPresets())
        QCOMPARE(qMax(p.number, 0), p.courage + 16 * p.aggressiveness + 256 * int(p.banditness));
}

// The view shown for template 0, with 8 factions and 40 troops, or the error message.
void TestPartyTemplateRecord::decodes_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *name, const QByteArray &line, const QString &expected) {
        QTest::newRow(name) << line << expected;
    };
    row("all slots empty, Soldier", templateLine(kEmpty), viewText(kNoMembers));
    row("mixed slots, Merchant", templateLine("1 4 10 0 -1 2 2 6 1 -1 39 0 1 0 -1", "7"),
        viewText("1 4 10|0 0 0|2 2 6 P|0 0 0|39 0 1|0 0 0", "Merchant"));
    row("six filled slots, Escorted Merchant", templateLine("1 1 2 0 2 1 2 0 3 1 2 1 4 1 2 0 5 1 2 0 6 3 4 1", "11"),
        viewText("1 1 2|2 1 2|3 1 2 P|4 1 2|5 1 2|6 3 4 P", "Escorted Merchant"));
    row("closing blank missing, Bandit", templateLine("-1 -1 -1 -1 -1 5 2 6 1", "312").chopped(1),
        viewText("0 0 0|0 0 0|0 0 0|0 0 0|0 0 0|5 2 6 P", "Bandit"));
    row("filled slot naming troop -1, None", templateLine("-1 2 5 0 -1 -1 -1 -1 -1", "0"),
        viewText("-1 2 5|0 0 0|0 0 0|0 0 0|0 0 0|0 0 0", "None"));
    row("136 is no preset", templateLine(kEmpty, "136"), viewText(kNoMembers, "Other (keep current value)"));
    row("07 read as a number", templateLine(kEmpty, "07"), viewText(kNoMembers, "Merchant"));
    row("member flag 2", templateLine("-1 -1 -1 -1 -1 12 3 9 2"), kUnknownLine);
    row("five slots", templateLine("-1 -1 -1 -1 -1"), kUnknownLine);
    row("seven slots", templateLine("-1 -1 -1 -1 -1 -1 -1"), kUnknownLine);
    row("minimum not a number", templateLine("-1 -1 -1 -1 -1 5 a 6 0"), kUnknownLine);
    row("maximum not a number", templateLine("-1 -1 -1 -1 -1 5 2 x 0"), kUnknownLine);
    row("troop not a number", templateLine("-1 -1 -1 -1 -1 t 2 6 0"), kUnknownLine);
    row("five fields", "pt_a b 0 0 1",
        failure(ErrorCode::MissingField, "a template line needs 6 fields before its member slots"));
    row("faction not a number", templateLine(kEmpty, "137", "f"),
        failure(ErrorCode::NotANumber, "the faction \"f\" is not a number"));
    row("faction beyond the list", templateLine(kEmpty, "137", "8"),
        failure(ErrorCode::OutOfRange, "faction 8 is not in the faction list (8 entries)"));
    row("personality not a number", templateLine(kEmpty, "x"),
        failure(ErrorCode::NotANumber, "the personality \"x\" is not a number"));
    row("troop beyond the list", templateLine("-1 -1 40 1 2 0 -1 -1 -1"),
        failure(ErrorCode::OutOfRange, "member slot 2 names troop 40, which is not in the troop list (40 entries)"));
    row("troop below -1", templateLine("-2 1 2 0 -1 -1 -1 -1 -1"),
        failure(ErrorCode::OutOfRange, "member slot 0 names troop -2, which is not in the troop list (40 entries)"));
    row("not a template line", "P" + templateLine(kEmpty).sliced(1),
        failure(ErrorCode::InvalidValue, "the line of template 0 does not begin with pt_"));
    row("beyond the file", QByteArray(),
        failure(ErrorCode::RecordBeyondTable, "template 0 lies beyond the end of the file (2 lines)"));
}

void TestPartyTemplateRecord::decodes()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, expected);
    const Result<PartyTemplateView> view = decodePartyTemplate(tableWith(line), 0, 8, 40);
    QCOMPARE(view ? shown(*view) : view.error().message(), expected);
}

// The line built from the stored line and the view, byte for byte, or the error message.
void TestPartyTemplateRecord::encodes_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("view");
    QTest::addColumn<QByteArray>("expected");
    const auto row = [](const char *name, const QByteArray &stored, const QString &view, const QByteArray &expected) {
        QTest::newRow(name) << stored << view << expected;
    };
    row("every field edited, blanks become underscores", templateLine("4 1 2 0 -1 -1 -1 -1 -1", "7"),
        viewText(kNoMembers, "Escorted Merchant", "pt_new x|Big  Band|9|5"),
        "pt_new_x Big__Band 0 9 5 11 " + kEmpty + ' ');
    row("prisoner slot added, Merchant", templateLine(kEmpty),
        viewText("0 0 0|5 2 6 P|0 0 0|0 0 0|0 0 0|0 0 0", "Merchant"), templateLine("-1 5 2 6 1 -1 -1 -1 -1", "7"));
    row("flag word carried character for character", "pt_a b 0x00fF;+7 3 2 137 " + kEmpty + ' ', viewText(kNoMembers),
        "pt_a b 0x00fF;+7 3 2 137 " + kEmpty + ' ');
    row("stored number forms kept", templateLine("05 02 06 01 -1 -1 -1 -1 -1", "07", "03"),
        viewText("5 02 06 P|0 0 0|0 0 0|0 0 0|0 0 0|0 0 0", "Merchant", "pt_a|b|3|3"),
        templateLine("05 02 06 01 -1 -1 -1 -1 -1", "07", "03"));
    row("troop 0 empties a filled slot without checking its counts, Bandit", templateLine("4 1 2 0 -1 -1 -1 -1 -1"),
        viewText("0 x y|0 0 0|0 0 0|0 0 0|0 0 0|0 0 0", "Bandit"), templateLine(kEmpty, "312"));
    row("filled slot naming troop -1 kept, None", templateLine("-1 -1 2 5 1 -1 -1 -1 -1"),
        viewText("0 0 0|-1 2 7 P|0 0 0|0 0 0|0 0 0|0 0 0", "None"), templateLine("-1 -1 2 7 1 -1 -1 -1 -1", "0"));
    row("troop -1 over an empty slot leaves it empty, Soldier", templateLine(kEmpty, "0"),
        viewText("-1 2 5|0 0 0|0 0 0|0 0 0|0 0 0|0 0 0"), templateLine(kEmpty));
    row("Other keeps 136, closing blank restored", templateLine(kEmpty, "136").chopped(1),
        viewText(kNoMembers, "Other (keep current value)"), templateLine(kEmpty, "136"));
    // GB18030 bytes, not valid UTF-8: the edited name is written in the encoding it was read in.
    row("edited name keeps its encoding", "pt_a \xce\xc0\xb1\xf8 0 3 2 137 " + kEmpty + ' ',
        viewText(kNoMembers, "Soldier", "pt_a|\u536B\u5175\u8425|3|2"),
        "pt_a \xce\xc0\xb1\xf8\xd3\xaa 0 3 2 137 " + kEmpty + ' ');
    // Refused values of a view shown from a good line.
    const auto refuse = [](const char *name, const QString &view, const char *what) {
        QTest::newRow(name) << templateLine(kEmpty) << view << failure(ErrorCode::InvalidValue, what).toUtf8();
    };
    refuse("menu with a blank", viewText(kNoMembers, "Soldier", "pt_a|b|1 2|2"),
           "the menu \"1 2\" is not a whole number");
    refuse("menu empty", viewText(kNoMembers, "Soldier", "pt_a|b||2"), "the menu \"\" is not a whole number");
    refuse("minimum not a number", viewText("0 0 0|0 0 0|5 two 6|0 0 0|0 0 0|0 0 0"),
           "the minimum \"two\" of member slot 2 is not a whole number");
    refuse("maximum with a decimal point", viewText("0 0 0|0 0 0|0 0 0|0 0 0|0 0 0|5 2 6.5"),
           "the maximum \"6.5\" of member slot 5 is not a whole number");
    refuse("identifier without pt_", viewText(kNoMembers, "Soldier", "a|b|3|2"),
           "the identifier \"a\" must begin with pt_");
    refuse("no faction", viewText(kNoMembers, "Soldier", "pt_a|b|3|-1"), "no faction is chosen");
    row("stored line that cannot be decoded", templateLine("-1 -1 -1 -1 -1 5 2 6 2"),
        viewText("0 0 0|0 0 0|0 0 0|0 0 0|0 0 0|5 2 6 P"),
        failure(ErrorCode::NotSelected, "template 0 cannot be shown without errors, so it cannot be updated "
                                        "(unknown line in party_templates.txt)")
            .toUtf8());
}

void TestPartyTemplateRecord::encodes()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, view);
    QFETCH(QByteArray, expected);
    const Result<QByteArray> line = encodePartyTemplate(viewFrom(view), tableWith(stored), 0);
    QCOMPARE(line ? *line : line.error().message().toUtf8(), expected);
}

QTEST_GUILESS_MAIN(TestPartyTemplateRecord)
#include "tst_party_template_record.moc"
