#include "checker/check_command.h"
#include "support/fixture_folder.h"
#include "support/tool_run.h"
#include "support/planted_fault.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace lancefall;
using namespace lancefall::testing;
using namespace Qt::StringLiterals;

namespace {

const Fault kBrokenUpgradePath{u"troops.txt"_s, Plant::Field, 17, 9, "9999"};
const Fault kHighSkill{u"troops.txt"_s, Plant::Field, 21, 3, "192"};

using Run = ToolRun;

// Runs the command; "%1" in the arguments stands for the folder.
Run run(const QStringList &arguments, const QString &folder)
{
    return runTool(runCheckCommand, arguments, folder);
}

// The sample module in folder, with the fault planted (none without a file) and a file removed
// ("name/": a folder put in its place).
bool prepare(const QString &folder, const Fault &fault, const QString &removed = {})
{
    const bool made = fault.file.isEmpty() ? copyFolder(sampleModuleFolder(), folder)
                                           : plantFault(sampleModuleFolder(), folder, fault);
    const bool folderInstead = removed.endsWith(u'/');
    return made && (removed.isEmpty() || QDir(folder).remove(removed.chopped(folderInstead)))
        && (!folderInstead || QDir(folder).mkdir(removed));
}

} // namespace

class TestCheckCommand : public QObject {
    Q_OBJECT

private slots:
    void exitStatus_data()
    {
        QTest::addColumn<Fault>("fault");          // no file: the sample module as it is
        QTest::addColumn<QString>("removed");      // a file removed from the folder
        QTest::addColumn<QStringList>("arguments"); // %1 is the folder
        QTest::addColumn<int>("status");
        const QStringList plain{u"%1"_s};
        QTest::newRow("clean") << Fault{} << QString() << plain << 0;
        QTest::newRow("only a warning") << kHighSkill << QString() << plain << 0;
        QTest::newRow("an error") << kBrokenUpgradePath << QString() << plain << 1;
        QTest::newRow("a file malformed") << Fault{u"troops.txt"_s, Plant::Delete, 2, 0, {}} << QString() << plain << 1;
        QTest::newRow("a file missing") << Fault{} << u"parties.txt"_s << plain << 2;
        QTest::newRow("a folder in place of a file") << Fault{} << u"parties.txt/"_s << plain << 2;
        QTest::newRow("no such folder") << Fault{} << QString() << QStringList{u"%1/none"_s} << 2;
        QTest::newRow("no folder given") << Fault{} << QString() << QStringList{} << 2;
    }
    void exitStatus()
    {
        QFETCH(Fault, fault);
        QFETCH(QString, removed);
        QFETCH(QStringList, arguments);
        QTemporaryDir dir;
        QVERIFY(prepare(dir.path(), fault, removed));
        QTEST(run(arguments, dir.path()).status, "status");
    }

    // One line per finding, then the summary; --quiet leaves only the summary.
    void printsFindingsAndASummary()
    {
        QTemporaryDir dir;
        QVERIFY(prepare(dir.path(), kBrokenUpgradePath));
        for (const bool quiet : {false, true}) {
            const Run result = run(quiet ? QStringList{u"--quiet"_s, u"%1"_s} : QStringList{u"%1"_s}, dir.path());
            const QStringList printed = result.out.split(u'\n', Qt::SkipEmptyParts);
            QCOMPARE(printed.size(), quiet ? 1 : 2);
            QVERIFY(quiet || printed.first().startsWith(u"troops.txt:17: error: upgrade path B of trp_aurel_footman"_s));
            QCOMPARE(printed.last(), QDir::toNativeSeparators(dir.path())
                                         + u": 1 error, 0 warnings in 38 troops, 12 party templates and 8 parties"_s);
            QVERIFY(result.err.isEmpty());
        }
    }

    // Counts, summary and one object per finding: file, line (null for the file as a
    // whole), severity, message and record (null for none); --quiet leaves out the list.
    void writesFindingsAsJson()
    {
        const auto json = [](const Fault &fault, const QString &removed, QStringList options) {
            QTemporaryDir dir;
            if (!prepare(dir.path(), fault, removed))
                return QJsonObject();
            return QJsonDocument::fromJson(run(options << u"--json"_s << u"%1"_s, dir.path()).out.toUtf8()).object();
        };
        const QJsonObject record = json(kBrokenUpgradePath, {}, {});
        QCOMPARE(record.value(u"errors"_s).toInt(), 1);
        QCOMPARE(record.value(u"warnings"_s).toInt(), 0);
        QVERIFY(record.value(u"summary"_s).toString().startsWith(u"1 error, 0 warnings"_s));
        const QJsonObject finding{{u"file"_s, u"troops.txt"_s}, {u"line"_s, 17}, {u"severity"_s, u"error"_s},
                                  {u"message"_s, u"upgrade path B of trp_aurel_footman names troop 9999, which does not exist"_s},
                                  {u"record"_s, 2}};
        QCOMPARE(record.value(u"findings"_s).toArray(), QJsonArray{finding});
        const QJsonObject wholeFile{{u"file"_s, u"factions.txt"_s}, {u"line"_s, QJsonValue()}, {u"severity"_s, u"error"_s},
                                    {u"message"_s, u"the file does not exist"_s}, {u"record"_s, QJsonValue()}};
        QCOMPARE(json(Fault{}, u"factions.txt"_s, {}).value(u"findings"_s).toArray(), QJsonArray{wholeFile});
        const QJsonObject quiet = json(kBrokenUpgradePath, {}, {u"--quiet"_s});
        QCOMPARE(quiet.value(u"errors"_s).toInt(), 1);
        QVERIFY(!quiet.contains(u"findings"_s));
    }
};

QTEST_GUILESS_MAIN(TestCheckCommand)
#include "tst_check_command.moc"
