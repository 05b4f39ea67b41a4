#include "parties/parties_file.h"
#include "party_templates/party_templates_file.h"

#include <QtTest>

using namespace lancefall;
using namespace Qt::StringLiterals;

// Reading party_templates.txt and parties.txt: the list entries, or the error message.
class TestPartyFiles : public QObject {
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
};

void TestPartyFiles::reads_data()
{
    QTest::addColumn<QString>("fixture"); // under tests/data; the folder names the reader
    QTest::addColumn<QStringList>("expected");

    // Lines beginning "Pt_" or " pt_" are no template lines; pt_guard's name is GB18030 bytes, not valid UTF-8.
    QTest::newRow("templates: only lines beginning with pt_")
        << u"party_templates/listed_templates.txt"_s
        << QStringList{u"0 - Border_Patrol (pt_patrol)"_s, u"1 - Camp_Followers (pt_camp)"_s,
                       u"2 - \u536B\u5175 (pt_guard)"_s};
    QTest::newRow("templates: missing file")
        << u"party_templates/absent.txt"_s << QStringList{u"Error #1: party_templates.txt: the file does not exist"_s};
    QTest::newRow("templates: no template line")
        << u"party_templates/no_template_line.txt"_s
        << QStringList{u"Error #8: party_templates.txt: no line begins with pt_, so the file holds no party "
                       "template"_s};
    QTest::newRow("templates: template line with one field")
        << u"party_templates/one_field_template.txt"_s
        << QStringList{u"Error #5: party_templates.txt line 4: a template line needs at least 2 fields"_s};
    // The second lines are no record lines; the third name and identifier are GB18030 bytes.
    QTest::newRow("parties: record lines only")
        << u"parties/listed_parties.txt"_s
        << QStringList{u"0 - y (p_x)"_s, u"1 - Harbour_Town (p_harbour)"_s, u"2 - \u5175\u8425 (p_\u536B)"_s};
    QTest::newRow("parties: none, no error") << u"parties/no_parties.txt"_s << QStringList{};
    QTest::newRow("parties: missing file")
        << u"parties/absent.txt"_s << QStringList{u"Error #1: parties.txt: the file does not exist"_s};
    QTest::newRow("parties: record line with five fields")
        << u"parties/short_party_line.txt"_s
        << QStringList{u"Error #5: parties.txt line 5: a party line needs at least 6 fields"_s};
}

void TestPartyFiles::reads()
{
    QFETCH(QString, fixture);
    QFETCH(QStringList, expected);
    const QString path = QFINDTESTDATA("../data") + u'/' + fixture;
    const auto shown = [](const auto &file) { return file ? file->labels : QStringList{file.error().message()}; };
    QCOMPARE(fixture.startsWith(u"parties/") ? shown(readPartiesFile(path)) : shown(readPartyTemplatesFile(path)),
             expected);
}

QTEST_GUILESS_MAIN(TestPartyFiles)
#include "tst_party_files.moc"
