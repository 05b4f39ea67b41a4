#include "party_templates/party_template_record.h"

#include "lines/text_file.h"

#include <QtTest>

using namespace lancefall;
using namespace Qt::StringLiterals;

namespace {

const QByteArray kEmpty = "-1 -1 -1 -1 -1 -1";
const QString kHead = u"pt_a|b|3|2|"_s;
constexpr qsizetype kLine = 3;

// The template on line 3, after the two header lines; a null line leaves the file at the headers.
LineTable tableWith(const QByteArray &line)
{
    return splitLines("partytemplatesfile version 1\n 1\n" + (line.isNull() ? line : line + '\n'));
}

// Template pt_a named b with menu 3, every field followed by one blank.
QByteArray tpl(const QByteArray &members, QByteArray personality = "137", QByteArray faction = "2")
{
    return "pt_a b 0 3 " + faction + ' ' + personality + ' ' + members + ' ';
}

// A view as text: identifier|name|menu|faction|personality entry|six slots, each "troop min max" with
// " P" for prisoners, or "-" for troop 0 with counts 0 (the empty slot). The head of tpl(), pt_a|b|3|2|,
// is left out; viewFrom reads such a text back.
QByteArray shown(const PartyTemplateView &v)
{
    QStringList parts{v.id, v.name, v.menu, QString::number(v.faction), personalityPreset(v.personality).entry};
    for (const TemplateSlot &s : v.members) {
        const QString slot = u"%1 %2 %3"_s.arg(s.troop).arg(s.min, s.max) + (s.prisoner ? u" P"_s : QString());
        parts << (slot == u"0 0 0" ? u"-"_s : slot);
    }
    const QString text = parts.join(u'|');
    return (text.startsWith(kHead) ? text.sliced(kHead.size()) : text).toUtf8();
}

PartyTemplateView viewFrom(const QByteArray &text)
{
    const QStringList p = ((text.count('|') == 6 ? kHead : QString()) + QString::fromUtf8(text)).split(u'|');
    Personality personality = Personality::Other;
    for (int i = 0; i < kPersonalityCount; ++i) {
        if (personalityPreset(Personality(i)).entry == p[4])
            personality = Personality(i);
    }
    PartyTemplateView v{p[0], p[1], p[2], p[3].toInt(), personality, {}};
    for (int s = 0; s < kMemberSlots; ++s) {
        if (const QStringList f = p[5 + s].split(u' '); f.size() > 2)
            v.members[s] = {f[0].toInt(), f[1], f[2], f.size() > 3};
    }
    return v;
}

QByteArray failure(ErrorCode code, const char *what)
{
    return "Error #" + QByteArray::number(int(code)) + ": party_templates.txt line 3: " + what;
}

QByteArray refusal(const char *what)
{
    return "Error #11: " + QByteArray(what);
}

using enum ErrorCode;

} // namespace

class TestPartyTemplateRecord : public QObject {
    Q_OBJECT

private slots:
    // The view shown for the template, or the error message. Updating a shown view without an edit
    // gives the stored line back.
    void decodes_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("expected");
        const auto row = [](const char *name, const QByteArray &line, const QByteArray &expected) {
            QTest::newRow(name) << line << expected;
        };
        row("all slots empty, Soldier", tpl(kEmpty), "Soldier|-|-|-|-|-|-");
        row("prisoners, troop 39, Escorted Merchant", tpl("1 4 10 0 -1 2 2 6 1 -1 39 0 1 0 -1", "11"),
            "Escorted Merchant|1 4 10|-|2 2 6 P|-|39 0 1|-");
        row("closing blank missing, Bandit", tpl("-1 -1 -1 -1 -1 5 2 6 1", "312").chopped(1),
            "Bandit|-|-|-|-|-|5 2 6 P");
        row("filled slot naming troop 0", tpl("0 2 5 0 -1 -1 -1 -1 -1"), "Soldier|0 2 5|-|-|-|-|-");
        row("136 is no preset", tpl(kEmpty, "136"), "Other (keep current value)|-|-|-|-|-|-");
        row("number forms kept, Merchant", tpl("05 02 06 01 -1 -1 -1 -1 -1", "07", "03"),
            "pt_a|b|3|3|Merchant|5 02 06 P|-|-|-|-|-");
        // Five or seven slots, member flag 2, minimum, maximum or troop not a number.
        for (const char *members : {"-1 -1 -1 -1 -1", "-1 -1 -1 -1 -1 -1 -1", "-1 -1 -1 -1 -1 12 3 9 2",
                                    "-1 -1 -1 -1 -1 5 a 6 0", "-1 -1 -1 -1 -1 5 2 x 0", "-1 -1 -1 -1 -1 t 2 6 0"})
            row(members, tpl(members), "Error #13: unknown line in party_templates.txt");
        row("five fields", "pt_a b 0 0 1",
            failure(MissingField, "a template line needs 6 fields before its member slots"));
        row("faction with a tab", tpl(kEmpty, "137", "2\t"), failure(NotANumber, "the faction \"2\t\" is not a number"));
        row("a faction and a troop that may not exist", tpl("-1 -1 40 1 2 0 -1 -1 -1", "137", "2147483647"),
            "pt_a|b|3|2147483647|Soldier|-|-|40 1 2|-|-|-");
        row("faction -1", tpl(kEmpty, "137", "-1"),
            failure(OutOfRange, "faction -1 is no faction number: a number from 0 to 2147483647"));
        row("personality not a number", tpl(kEmpty, "x"), failure(NotANumber, "the personality \"x\" is not a number"));
        row("troop below -1", tpl("-2 1 2 0 -1 -1 -1 -1 -1"),
            failure(OutOfRange, "member slot 1 names troop -2, which is no troop number: -1 or a number from 0 to "
                                "2147483647"));
        row("no line 3", QByteArray(), failure(RecordBeyondTable, "the line lies beyond the end of the file (2 lines)"));
    }
    void decodes()
    {
        QFETCH(QByteArray, line);
        const Result<PartyTemplateView> view = decodePartyTemplate(tableWith(line), kLine);
        QTEST(view ? shown(*view) : view.error().message().toUtf8(), "expected");
        if (!view)
            return;
        const Result<QByteArray> again = encodePartyTemplate(*view, tableWith(line), kLine);
        QCOMPARE(again ? *again : again.error().message().toUtf8(), line);
    }

    // The line built from the view and the stored line (default: all slots empty, Soldier), byte for
    // byte, or the error message.
    void encodes_data()
    {
        QTest::addColumn<QByteArray>("view");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QByteArray>("stored");
        const auto row = [](const char *name, const QByteArray &view, const QByteArray &expected,
                            const QByteArray &stored = tpl(kEmpty)) {
            QTest::newRow(name) << view << expected << stored;
        };
        const QByteArray filled = tpl("4 1 2 0 -1 -1 -1 -1 -1");
        row("every field edited, prisoner slot added", "pt_new x|Big  Band|9|5|Merchant|-|5 2 6 P|-|-|-|-",
            "pt_new_x Big__Band 0 9 5 7 -1 5 2 6 1 -1 -1 -1 -1 ", filled);
        // The stored name is GB18030 bytes, not valid UTF-8: the edited name is written in that encoding.
        const QByteArray flagWord = " 0x00fF;+7 3 2 137 " + kEmpty + ' ';
        row("flag word carried character for character, name keeps its encoding",
            "pt_a|\u536B\u5175\u8425|3|2|Soldier|-|-|-|-|-|-", "pt_a \xce\xc0\xb1\xf8\xd3\xaa" + flagWord,
            "pt_a \xce\xc0\xb1\xf8" + flagWord);
        row("troop 0 empties a filled slot, its counts unchecked", "Bandit|0 x y|-|-|-|-|-", tpl(kEmpty, "312"),
            filled);
        row("a member naming troop 0 stays while its troop is unchanged", "Bandit|0 2 7|-|-|-|-|-",
            tpl("0 2 7 0 -1 -1 -1 -1 -1", "312"), tpl("0 2 5 0 -1 -1 -1 -1 -1"));
        row("troop -1 over an empty slot leaves it empty", "Soldier|-1 2 5|-|-|-|-|-", tpl(kEmpty), tpl(kEmpty, "0"));
        row("closing blank missing stays missing", "Bandit|-|-|-|-|-|-", tpl(kEmpty, "312").chopped(1),
            tpl(kEmpty).chopped(1));
        row("minimum not a number", "Soldier|-|-|5 two 6|-|-|-",
            refusal("Member 3 minimum must be a whole number from 0 to 2147483647, not \"two\""));
        row("maximum with a decimal point", "Soldier|-|-|-|-|-|5 2 6.5",
            refusal("Member 6 maximum must be a whole number from 0 to 2147483647, not \"6.5\""));
        row("negative minimum", "Soldier|-|5 -2 1|-|-|-|-",
            refusal("Member 2 minimum must be a whole number from 0 to 2147483647, not \"-2\""));
        row("negative menu", "pt_a|b|-1|2|Soldier|-|-|-|-|-|-",
            refusal("Menu must be a whole number from 0 to 2147483647, not \"-1\""));
        row("maximum raised to the minimum", "Soldier|4 3 3|-|-|-|-|-", tpl("4 3 3 0 -1 -1 -1 -1 -1"),
            tpl("4 3 5 0 -1 -1 -1 -1 -1"));
        row("maximum alone lowered below the minimum", "Soldier|4 3 2|-|-|-|-|-",
            refusal("Member 1 maximum (2) must not be below its minimum (3)"), tpl("4 3 5 0 -1 -1 -1 -1 -1"));
        row("no pt_", "a|b|3|2|Soldier|-|-|-|-|-|-", refusal("Template ID must begin with pt_, not \"a\""));
        row("no faction", "pt_a|b|3|-1|Soldier|-|-|-|-|-|-", refusal("No faction is chosen"));
        row("stored line that cannot be decoded", "Soldier|-|-|-|-|-|5 2 6 P",
            "Error #13: unknown line in party_templates.txt", tpl("-1 -1 -1 -1 -1 5 2 6 2"));
    }
    void encodes()
    {
        QFETCH(QByteArray, view);
        QFETCH(QByteArray, stored);
        const Result<QByteArray> line = encodePartyTemplate(viewFrom(view), tableWith(stored), kLine);
        QTEST(line ? *line : line.error().message().toUtf8(), "expected");
    }
};

QTEST_GUILESS_MAIN(TestPartyTemplateRecord)
#include "tst_party_template_record.moc"
