#include "support/fixture_folder.h"
#include "workspace/module.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace lancefall;
using namespace lancefall::testing;

namespace {

QString fixture(const char *name)
{
    return QFINDTESTDATA(QStringLiteral("../data/modules/") + QLatin1String(name));
}

QString folderOf(const QTemporaryDir &dir)
{
    QString folder = dir.path();
    return addBackSlash(folder);
}

} // namespace

class TestModule : public QObject {
    Q_OBJECT

private slots:
    void addsOneSeparator_data();
    void addsOneSeparator();
    void savesAnUneditedModuleByteForByte_data();
    void savesAnUneditedModuleByteForByte();
    void namesEveryFileItCouldNotOpen_data();
    void namesEveryFileItCouldNotOpen();
    void decodesNamesWrittenOnAChineseSystem();
};

void TestModule::addsOneSeparator_data()
{
    const QString sep = QDir::separator();
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("result");
    QTest::newRow("plain") << QStringLiteral("mods") + sep + QStringLiteral("abc") << QStringLiteral("mods") + sep + QStringLiteral("abc") + sep;
    QTest::newRow("already ends in one") << QStringLiteral("mods") + sep << QStringLiteral("mods") + sep;
    QTest::newRow("empty") << QString() << sep;
}

void TestModule::addsOneSeparator()
{
    QFETCH(QString, path);
    QFETCH(QString, result);
    QCOMPARE(addBackSlash(path), result);
    QCOMPARE(path, result);
}

void TestModule::savesAnUneditedModuleByteForByte_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("troopLines");
    QTest::newRow("CR LF") << fixture("crlf_ascii") << 16;
    QTest::newRow("LF only") << fixture("lf_only") << 16;
    // Its troops.txt also has no terminator after its last line.
    QTest::newRow("GB18030 names, mixed line ends") << fixture("gb18030_names") << 15;
}

void TestModule::savesAnUneditedModuleByteForByte()
{
    QFETCH(QString, source);
    QFETCH(int, troopLines);
    QTemporaryDir dir;
    QVERIFY(copyFolder(source, dir.path()));
    const LoadReport report = loadModule(folderOf(dir));
    QVERIFY(report.ok());

    const SaveReport saved = saveModule(report.module);
    QVERIFY(saved.ok());
    for (const char *name : {"troops.txt", "party_templates.txt", "parties.txt"}) {
        const QString file = QLatin1String(name);
        QCOMPARE(readBytes(dir.filePath(file)), withCrLfLineEnds(readBytes(QDir(source).filePath(file))));
    }
    QCOMPARE(saved.message, QStringLiteral("The following files in ") + folderOf(dir)
                                + QStringLiteral(" were updated:\r\n\r\ntroops.txt (%1 lines)\r\n"
                                                 "party_templates.txt (3 lines)\r\nparties.txt (4 lines)")
                                      .arg(troopLines));
}

void TestModule::namesEveryFileItCouldNotOpen_data()
{
    QTest::addColumn<QStringList>("missing");
    QTest::addColumn<QString>("listed");
    QTest::newRow("troops and factions") << QStringList{QStringLiteral("troops.txt"), QStringLiteral("factions.txt")}
                                         << QStringLiteral("\r\n  troops.txt\r\n  factions.txt");
    QTest::newRow("parties only") << QStringList{QStringLiteral("parties.txt")} << QStringLiteral("\r\n  parties.txt");
}

void TestModule::namesEveryFileItCouldNotOpen()
{
    QFETCH(QStringList, missing);
    QFETCH(QString, listed);
    QTemporaryDir dir;
    QVERIFY(copyFolder(fixture("crlf_ascii"), dir.path()));
    for (const QString &name : missing)
        QVERIFY(QFile::remove(dir.filePath(name)));

    const LoadReport report = loadModule(folderOf(dir));
    QVERIFY(!report.ok());
    QCOMPARE(report.unableToOpenMessage(),
             QStringLiteral("Unable to open the following files in ") + folderOf(dir) + QStringLiteral("\r\n") + listed);
    // A missing file leaves its part empty; the files that were there are read.
    QCOMPARE(report.module.troops.lines.isEmpty(), missing.contains(QStringLiteral("troops.txt")));
    QCOMPARE(report.module.items.size(), 3);
    QCOMPARE(report.module.parties.lines.isEmpty(), missing.contains(QStringLiteral("parties.txt")));
}

void TestModule::decodesNamesWrittenOnAChineseSystem()
{
    const LoadReport report = loadModule(fixture("gb18030_names") + QLatin1Char('/'));
    QVERIFY(report.ok());
    QCOMPARE(report.module.troops.listLabels.at(1), QStringLiteral("1 - 卫兵 (trp_guard)"));
    QCOMPARE(report.module.items.at(0), QStringLiteral("1 - 长剑  (itm_sword)"));
    QCOMPARE(report.module.partyTemplates.labels.at(0), QStringLiteral("0 - 卫兵 (pt_raiders)"));
    QCOMPARE(report.module.parties.labels.at(0), QStringLiteral("0 - 玩家 (p_camp)"));
}

QTEST_GUILESS_MAIN(TestModule)
#include "tst_module.moc"
