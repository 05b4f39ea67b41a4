#include "support/fixture_folder.h"
#include "support/tool_run.h"
#include "table/table_command.h"
#include "tables/csv_table.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace lancefall;
using namespace lancefall::testing;
using namespace Qt::StringLiterals;

namespace {

using Run = ToolRun;

// Runs the command; "%1" in the arguments stands for the module folder.
Run run(const QStringList &arguments, const QString &folder)
{
    return runTool(runTableCommand, arguments, folder);
}

// The troop table of the sample with troop 2 renamed and its level set, in folder/balance.csv.
QString writeTable(const QString &folder, const QByteArray &level)
{
    QList<QList<QByteArray>> rows;
    for (const CsvRow &row : readCsv(run({u"export"_s, u"%1"_s, u"troops"_s}, folder).out.toUtf8()).rows)
        rows.append(row.cells);
    rows[3][2] = "Aurel_Veteran";
    rows[3][rows.first().indexOf("level")] = level;
    return writeFile(folder, u"balance.csv"_s, writeCsv(rows));
}

} // namespace

class TestTableCommand : public QObject {
    Q_OBJECT

private slots:
    void exitStatus_data()
    {
        QTest::addColumn<QByteArray>("level"); // troop 2's level in balance.csv
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        const QStringList import{u"import"_s, u"%1"_s, u"%1/balance.csv"_s};
        QTest::newRow("export") << "10"_ba << QStringList{u"export"_s, u"%1"_s, u"parties"_s} << 0;
        QTest::newRow("export into a file")
            << "10"_ba << QStringList{u"export"_s, u"%1"_s, u"templates"_s, u"-o"_s, u"%1/t.csv"_s} << 0;
        QTest::newRow("export of no kind") << "10"_ba << QStringList{u"export"_s, u"%1"_s, u"items"_s} << 2;
        QTest::newRow("no such folder") << "10"_ba << QStringList{u"export"_s, u"%1/none"_s, u"troops"_s} << 2;
        QTest::newRow("import") << "12"_ba << import << 0;
        QTest::newRow("import refused") << "twelve"_ba << import << 1;
        QTest::newRow("no such table") << "12"_ba << QStringList{u"import"_s, u"%1"_s, u"%1/none.csv"_s} << 2;
        QTest::newRow("an option of the other command") << "12"_ba << (import + QStringList{u"-o"_s, u"x"_s}) << 2;
        QTest::newRow("no command") << "12"_ba << QStringList{} << 2;
    }
    void exitStatus()
    {
        QFETCH(QByteArray, level);
        QFETCH(QStringList, arguments);
        QTemporaryDir dir;
        QVERIFY(copyFolder(sampleModuleFolder(), dir.path()));
        writeTable(dir.path(), level);
        const QByteArrayList before = editedFiles(dir.path());
        const Run result = run(arguments, dir.path());
        QTEST(result.status, "status");
        // Only an import that was not refused writes the module.
        QCOMPARE(editedFiles(dir.path()) != before, arguments.value(0) == u"import"_s && result.status == 0);
    }

    // --dry-run prints what the import prints and writes nothing; the import then writes it.
    void aDryRunWritesNothing()
    {
        QTemporaryDir dir;
        QVERIFY(copyFolder(sampleModuleFolder(), dir.path()));
        const QString table = writeTable(dir.path(), "12");
        const QByteArrayList before = editedFiles(dir.path());
        const Run dry = run({u"import"_s, u"%1"_s, table, u"--dry-run"_s}, dir.path());
        QCOMPARE(dry.status, 0);
        QCOMPARE(editedFiles(dir.path()), before);
        QVERIFY(!QFile::exists(dir.filePath(u"troops.txt.bak"_s)));
        const QString changed = u"troops.txt:17: trp_aurel_footman: Name 1 Aurel_Footman → Aurel_Veteran, Level 10 → 12\n"_s;
        QCOMPARE(dry.out, changed + QDir::toNativeSeparators(table) + u": 1 troop would change (dry run: nothing written)\n"_s);

        const Run real = run({u"import"_s, u"%1"_s, table}, dir.path());
        QCOMPARE(real.status, 0);
        QVERIFY(real.out.startsWith(changed));
        QCOMPARE(editedFiles(dir.path(), u".bak"_s), before);
        QVERIFY(editedFiles(dir.path()) != before);
        // Applied once, the same table changes nothing more.
        QVERIFY(run({u"import"_s, u"%1"_s, table}, dir.path()).out.endsWith(u": nothing to change\n"_s));
    }
};

QTEST_GUILESS_MAIN(TestTableCommand)
#include "tst_table_command.moc"
