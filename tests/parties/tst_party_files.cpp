#include "lines/text_file.h"
#include "parties/parties_file.h"
#include "party_templates/party_templates_file.h"

#include <QtTest>

using namespace lancefall;
using namespace Qt::StringLiterals;

// Reading party_templates.txt and parties.txt: the list entries, or the error message.
class TestPartyFiles : public QObject {
    Q_OBJECT

private slots:
    void reads_data()
    {
        QTest::addColumn<QString>("fixture"); // under tests/data; the folder names the reader
        QTest::addColumn<QString>("expected"); // one list entry a line
        const auto row = [](const char *fixture, const char *lines) {
            QTest::newRow(fixture) << QString::fromUtf8(fixture) << QString::fromUtf8(lines);
        };
        // Lines beginning "Pt_" or " pt_" are no template lines; pt_guard's name is GB18030 bytes, not valid UTF-8.
        row("party_templates/listed_templates.txt",
            "0 - Border_Patrol (pt_patrol)\n1 - Camp_Followers (pt_camp)\n2 - \u536B\u5175 (pt_guard)");
        row("party_templates/no_template_line.txt",
            "Error #8: party_templates.txt: no line begins with pt_, so the file holds no party template");
        row("party_templates/one_field_template.txt",
            "Error #5: party_templates.txt line 4: a template line needs at least 2 fields");
        // The second lines are no record lines; the third name and identifier are GB18030 bytes.
        row("parties/listed_parties.txt", "0 - y (p_x)\n1 - Harbour_Town (p_harbour)\n2 - \u5175\u8425 (p_\u536B)");
        row("parties/no_parties.txt", "");
        row("parties/short_party_line.txt", "Error #5: parties.txt line 5: a party line needs at least 6 fields");
    }
    void reads()
    {
        QFETCH(QString, fixture);
        const auto lines = readTextFile(QFINDTESTDATA("../data") + u'/' + fixture, QString());
        QVERIFY(lines);
        const auto shown = [](const auto &file) { return file ? file->labels.join(u'\n') : file.error().message(); };
        QTEST(fixture.startsWith(u"parties/") ? shown(readParties(*lines)) : shown(readPartyTemplates(*lines)),
              "expected");
    }
};

QTEST_GUILESS_MAIN(TestPartyFiles)
#include "tst_party_files.moc"
