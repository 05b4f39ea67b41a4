#include "checks/module_check.h"
#include "module_generator/module_generator.h"
#include "support/fixture_folder.h"
#include "support/marking_translator.h"
#include "support/planted_fault.h"

#include <QTemporaryDir>
#include <QTest>

using namespace lancefall;
using namespace lancefall::testing;
using namespace Qt::StringLiterals;

namespace {

QList<Finding> checkFolder(const QString &path)
{
    QString folder = path;
    const LoadReport report = loadModule(addBackSlash(folder));
    return report.ok() ? checkModule(report.module) : loadFindings(report);
}

Fault field(const QString &file, int line, int field, const QByteArray &text)
{
    return {file, Plant::Field, line, field, text};
}

Fault line(const QString &file, Plant plant, int line, const QByteArray &text = {})
{
    return {file, plant, line, 0, text};
}

} // namespace

Q_DECLARE_METATYPE(lancefall::GeneratedModuleOptions)

class TestModuleCheck : public QObject {
    Q_OBJECT

private slots:
    // A fault planted in the sample module gives one finding for each thing wrong, at
    // the fault's file and line, belonging to the record the fault is in, and nothing else.
    void reportsEachPlantedFaultAndNothingElse_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QStringList>("expected"); // the finding lines start so
        QTest::addColumn<int>("record");
        const QString troops = u"troops.txt"_s;
        const QString templates = u"party_templates.txt"_s;
        const QString parties = u"parties.txt"_s;
        const QByteArray fullInventory = "  " + QByteArray("5 0 ").repeated(65);

        QTest::newRow("upgrade path") << field(troops, 17, 9, "9999")
                                      << QStringList{u"troops.txt:17: error: upgrade path B of trp_aurel_footman names troop 9999, which does not exist"_s} << 2;
        QTest::newRow("upgrade path one past the last troop") << field(troops, 17, 9, "38")
                                                      << QStringList{u"troops.txt:17: error: upgrade path B of trp_aurel_footman names troop 38, which does not exist"_s} << 2;
        QTest::newRow("upgrade path -1") << field(troops, 17, 8, "-1") << QStringList{u"troops.txt:17: warning: upgrade path A of trp_aurel_footman is troop -1"_s} << 2;
        QTest::newRow("missing reference, empty name")
            << line(troops, Plant::Line, 17, "trp_aurel_footman  Aurel_Footmen 0 3145728 0 0 1 3 9999")
            << QStringList{u"troops.txt:17: error: upgrade path B of trp_aurel_footman names troop 9999"_s,
                           u"troops.txt:17: error: Name 1 of trp_aurel_footman must not be empty"_s} << 2;
        QTest::newRow("63 slots") << line(troops, Plant::Line, 18, "  3 0 7 0 20 0 24 0 28 0 32 0 " + QByteArray("-1 0 ").repeated(57)) << QStringList{u"troops.txt:18: error: the inventory line of trp_aurel_footman holds 126 numbers"_s} << 2;
        QTest::newRow("troop faction") << field(troops, 17, 7, "99") << QStringList{u"troops.txt:17: error: trp_aurel_footman names faction 99, which does not exist"_s} << 2;
        QTest::newRow("empty name") << field(troops, 17, 1, "") << QStringList{u"troops.txt:17: error: Name 1 of trp_aurel_footman must not be empty"_s} << 2;
        QTest::newRow("item") << field(troops, 18, 4, "500") << QStringList{u"troops.txt:18: error: the inventory of trp_aurel_footman names item 500"_s} << 2;
        QTest::newRow("65 items") << line(troops, Plant::Line, 18, fullInventory) << QStringList{u"troops.txt:18: error: the inventory of trp_aurel_footman holds 65 items"_s} << 2;
        QTest::newRow("attribute") << field(troops, 19, 3, "abc") << QStringList{u"troops.txt:19: error: Agility of trp_aurel_footman must be a whole number"_s} << 2;
        QTest::newRow("negative attributes") << line(troops, Plant::Line, 19, "  10 8 5 -1 -3") << QStringList{u"troops.txt:19: warning: trp_aurel_footman has values below 0: Charisma -1, Level -3"_s} << 2;
        QTest::newRow("skill word") << field(troops, 21, 2, "x12") << QStringList{u"troops.txt:21: error: the skill word 3 \"x12\" is not a number"_s} << 2;
        QTest::newRow("skill above 10") << field(troops, 21, 3, "192") << QStringList{u"troops.txt:21: warning: trp_aurel_footman has skill levels above 10: Athletics 12"_s} << 2;
        QTest::newRow("troop summary") << line(troops, Plant::Line, 2, " 37") << QStringList{u"troops.txt:2: error: the summary row says 37 troops, but the file holds 38; the editor corrects it when it loads the module and writes 38 there when it saves"_s} << -1;
        QTest::newRow("stray trp_ line") << line(troops, Plant::Insert, 20, "trp_stray Stray Strays 0 0 0 0 0 0 0") << QStringList{u"troops.txt:20: error: a line inside the record of troop 2 begins with trp_"_s} << 2;
        QTest::newRow("blank line between troops") << line(troops, Plant::Insert, 38, "") << QStringList{u"troops.txt:38: error: troop 5 (trp_aurel_bowman) begins at line 39, not at line 38"_s} << 5;
        QTest::newRow("troop record without its inventory line") << line(troops, Plant::Delete, 32) << QStringList{u"troops.txt:34: error: a proficiencies line needs at least 8 fields, this one has 6"_s} << 4;
        QTest::newRow("troop record short") << line(troops, Plant::Delete, 37) << QStringList{u"troops.txt:37: error: troop 5 (trp_aurel_bowman) begins at line 37, not at line 38"_s} << 5;
        QTest::newRow("troop identifier twice") << field(troops, 24, 0, "trp_aurel_recruit") << QStringList{u"troops.txt:24: warning: trp_aurel_recruit is already the identifier of troop 1 (line 10)"_s} << 3;

        QTest::newRow("member troop") << field(templates, 3, 6, "999") << QStringList{u"party_templates.txt:3: error: member 1 of pt_aurel_patrol names troop 999, which does not exist"_s} << 0;
        QTest::newRow("template faction") << field(templates, 3, 4, "50") << QStringList{u"party_templates.txt:3: error: pt_aurel_patrol names faction 50"_s} << 0;
        QTest::newRow("maximum below minimum") << field(templates, 3, 7, "12") << QStringList{u"party_templates.txt:3: error: member 1 of pt_aurel_patrol has a maximum of 10, below its minimum of 12"_s} << 0;
        QTest::newRow("negative menu and minimum") << line(templates, Plant::Line, 3, "pt_aurel_patrol Aurel_Patrol 0 -1 1 137 1 -4 10 0 -1 -1 -1 -1 -1 ")
                                                   << QStringList{u"party_templates.txt:3: warning: pt_aurel_patrol has values below 0: Menu -1, Member 1 minimum -4"_s} << 0;
        QTest::newRow("template identifier twice") << field(templates, 5, 0, "pt_aurel_patrol") << QStringList{u"party_templates.txt:5: warning: pt_aurel_patrol is already the identifier of party template 0 (line 3)"_s} << 2;
        QTest::newRow("blank line after header") << line(templates, Plant::Insert, 3, "") << QStringList{u"party_templates.txt:3: error: party template 0 (pt_aurel_patrol) begins at line 4, not at line 3"_s} << 0;

        QTest::newRow("party template") << field(parties, 5, 8, "40") << QStringList{u"parties.txt:5: error: p_town_aurelhold names party template 40, which does not exist"_s} << 1;
        QTest::newRow("party faction") << field(parties, 5, 9, "40") << QStringList{u"parties.txt:5: error: p_town_aurelhold names faction 40"_s} << 1;
        QTest::newRow("party name") << field(parties, 5, 5, "") << QStringList{u"parties.txt:5: error: the name of p_town_aurelhold must not be empty"_s} << 1;
        QTest::newRow("party identifier twice") << field(parties, 5, 4, "p_main_party") << QStringList{u"parties.txt:5: warning: p_main_party is already the identifier of party 0 (line 3)"_s} << 1;
        QTest::newRow("party line extra") << line(parties, Plant::Insert, 7, "") << QStringList{u"parties.txt:7: error: party 2 (p_castle_greyspire) begins at line 8, not at line 7"_s} << 2;
        QTest::newRow("party line a field short") << line(parties, Plant::Line, 5, "1 1 0 p_town_aurelhold Aurelhold 5376 3 9 1 1 0 0 0 1 0 0 0 40.000000 ")
                                                  << QStringList{u"parties.txt:5: error: field 5 of party 1 holds \"Aurelhold\" where its identifier"_s} << 1;

        QTest::newRow("item summary") << line(u"item_kinds1.txt"_s, Plant::Line, 2, " 40") << QStringList{u"item_kinds1.txt:2: error: the summary row says 40 items, but the file holds 41"_s} << -1;
        QTest::newRow("faction summary") << line(u"factions.txt"_s, Plant::Line, 2, "0 fac_x X 0") << QStringList{u"factions.txt:2: error: line 2 should be the summary row with the number of factions, 8"_s} << -1;
        QTest::newRow("no item but item 0") << line(u"item_kinds1.txt"_s, Plant::Truncate, 3) << QStringList{u"item_kinds1.txt: error: the file lists no item after item 0"_s} << -1;
        QTest::newRow("no summary row") << line(troops, Plant::Delete, 2) << QStringList{u"troops.txt:2: error: the summary row must hold the number of troops"_s} << -1;
    }
    void reportsEachPlantedFaultAndNothingElse()
    {
        QFETCH(Fault, fault);
        QFETCH(QStringList, expected);
        QFETCH(int, record);
        QTemporaryDir dir;
        QVERIFY(plantFault(sampleModuleFolder(), dir.path(), fault));
        const QList<Finding> findings = checkFolder(dir.path());
        QCOMPARE(findings.size(), expected.size());
        for (qsizetype i = 0; i < findings.size(); ++i) {
            QVERIFY2(findingLine(findings.at(i)).startsWith(expected.at(i)), qPrintable(findingLine(findings.at(i))));
            QCOMPARE(findings.at(i).record, record);
        }
        // Each finding is one translated text; the compilers' line keeps the severity tools read.
        const MarkingTranslator marking;
        const QList<Finding> translated = checkFolder(dir.path());
        for (qsizetype i = 0; i < translated.size(); ++i) {
            QVERIFY2(translated.at(i).text.startsWith(u'[') && translated.at(i).text.endsWith(u']'),
                     qPrintable(translated.at(i).text));
            QCOMPARE(findingLine(translated.at(i)).section(u' ', 0, 1), expected.at(i).section(u' ', 0, 1));
        }
    }

    // A run of troops that cannot be placed for one reason is one finding, and a summary row
    // that matches neither reading is left as it stands.
    void reportsARunOfUnplacedTroopsOnce_data()
    {
        QTest::addColumn<int>("line"); // of the stray line
        QTest::addColumn<QString>("unplaced");
        QTest::newRow("in troop 2") << 20 << u"troop 2 is not shown or updated, nor are troops 3 to 37"_s;
        QTest::newRow("in troop 36") << 258 << u"troop 36 is not shown or updated, nor is troop 37"_s;
    }
    void reportsARunOfUnplacedTroopsOnce()
    {
        QFETCH(int, line);
        QFETCH(QString, unplaced);
        QTemporaryDir dir;
        QVERIFY(plantFault(sampleModuleFolder(), dir.path(), ::line(u"troops.txt"_s, Plant::Line, 2, " 40")));
        QVERIFY(plantFault(dir.path(), dir.path(), ::line(u"troops.txt"_s, Plant::Insert, line, "trp_stray Stray Strays")));
        const QList<Finding> findings = checkFolder(dir.path());
        QCOMPARE(findings.size(), 2);
        QCOMPARE(findingLine(findings.at(0)),
                 u"troops.txt:2: error: the summary row says 40 troops, but the file holds 38 read record by record, or 39 "
                 "counting every line that begins with trp_; as it cannot tell which is right, the editor keeps this "
                 "row as it stands when it saves"_s);
        QVERIFY2(findingLine(findings.at(1)).startsWith(u"troops.txt:%1: error: this line begins with trp_ inside a troop record"_s.arg(line))
                     && findings.at(1).text.endsWith(unplaced),
                 qPrintable(findingLine(findings.at(1))));
    }

    // Modules that the editor reads and writes back unchanged give no errors; the only
    // warnings are the skill levels above 10 that the generator puts on troops 11, 36, ...
    void cleanModulesGiveNoErrors_data()
    {
        QTest::addColumn<GeneratedModuleOptions>("options"); // no troops: the sample module
        QTest::newRow("sample module") << GeneratedModuleOptions{.troops = 0};
        QTest::newRow("generated") << GeneratedModuleOptions{.troops = 900, .templates = 300, .parties = 200};
    }
    void cleanModulesGiveNoErrors()
    {
        QFETCH(GeneratedModuleOptions, options);
        QTemporaryDir dir;
        if (options.troops == 0)
            QVERIFY(copyFolder(sampleModuleFolder(), dir.path()));
        else
            QVERIFY(writeGeneratedModule(dir.path(), options));
        const QList<Finding> findings = checkFolder(dir.path());
        const qsizetype highSkills = options.troops == 0 ? 0 : (options.troops - 11 + 24) / 25;
        QCOMPARE(countFindings(findings).errors, 0);
        QCOMPARE(countFindings(findings).warnings, highSkills);
        for (const Finding &f : findings)
            QVERIFY2(f.text.contains(u"skill levels above 10"_s), qPrintable(findingLine(f)));
    }
};

QTEST_GUILESS_MAIN(TestModuleCheck)
#include "tst_module_check.moc"
