#include "references/cross_references.h"
#include "support/fixture_folder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace lancefall;
using namespace lancefall::testing;
using namespace Qt::StringLiterals;

namespace {

using Records = QList<qsizetype>;

QString sampleModule()
{
    QString folder = QFileInfo(QFINDTESTDATA("../../samples/module/troops.txt")).absolutePath();
    return addBackSlash(folder);
}

// Every answer an index gives about a module, to compare two indexes.
QString answers(const CrossReferences &refs, const Module &module)
{
    QString all;
    QDebug out(&all);
    for (qsizetype k = -1; k <= module.troops.records.count(); ++k)
        out << refs.upgradesTo(k) << refs.templatesWith(k) << refs.partiesWith(k);
    for (qsizetype t = -1; t <= module.partyTemplates.records.count(); ++t)
        out << refs.partiesUsing(t);
    for (int f = -1; f <= module.factions.size(); ++f)
        out << refs.factionUse(f).troops << refs.factionUse(f).templates << refs.factionUse(f).parties;
    return all;
}

} // namespace

class TestCrossReferences : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(mSample.open(sampleModule()).ok()); }
    void findsWhatNamesARecord_data();
    void findsWhatNamesARecord();
    void followsAnUpdateAndItsUndo_data();
    void followsAnUpdateAndItsUndo();
    void recordsThatCannotBeDecodedNameNothing();

private:
    ModuleDocument mSample;
};

void TestCrossReferences::findsWhatNamesARecord_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<qsizetype>("record");
    QTest::addColumn<Records>("expected");
    // troops.txt: troop 1 upgrades to 2 (path A) and 5 (path B); troop 0 stands for none.
    QTest::newRow("upgrade path B") << u"upgradesTo"_s << qsizetype(5) << Records{1};
    QTest::newRow("troop 0 is none") << u"upgradesTo"_s << qsizetype(0) << Records{};
    QTest::newRow("beyond the last troop") << u"upgradesTo"_s << qsizetype(38) << Records{};
    QTest::newRow("members of two templates") << u"templatesWith"_s << qsizetype(4) << Records{1, 10};
    QTest::newRow("a prisoner slot after an empty one") << u"templatesWith"_s << qsizetype(31) << Records{10};
    QTest::newRow("parties of both templates") << u"partiesWith"_s << qsizetype(4) << Records{0, 2};
    QTest::newRow("parties of a template") << u"partiesUsing"_s << qsizetype(3) << Records{5};
    QTest::newRow("a negative template") << u"partiesUsing"_s << qsizetype(-1) << Records{};
}

void TestCrossReferences::findsWhatNamesARecord()
{
    QFETCH(QString, question);
    QFETCH(qsizetype, record);
    QFETCH(Records, expected);
    const CrossReferences refs(mSample.module());
    const Records found = question == u"upgradesTo"_s ? refs.upgradesTo(record)
        : question == u"templatesWith"_s              ? refs.templatesWith(record)
        : question == u"partiesWith"_s                ? refs.partiesWith(record)
                                                      : refs.partiesUsing(record);
    QCOMPARE(found, expected);
}

void TestCrossReferences::followsAnUpdateAndItsUndo_data()
{
    QTest::addColumn<int>("file");
    QTest::addColumn<qsizetype>("record");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("a troop's faction and upgrade path") << int(ModuleFile::Troops) << qsizetype(1) << "0 1 2 5"_ba << "0 5 4 5"_ba;
    QTest::newRow("a troop's upgrade paths cleared") << int(ModuleFile::Troops) << qsizetype(1) << "0 1 2 5"_ba << "0 1 0 0"_ba;
    QTest::newRow("a template's member and faction") << int(ModuleFile::PartyTemplates) << qsizetype(1) << "0 1 137 4 3"_ba << "0 2 137 37 3"_ba;
    QTest::newRow("a party's template and faction") << int(ModuleFile::Parties) << qsizetype(3) << "5376 5 8 3"_ba << "5376 5 0 0"_ba;
}

void TestCrossReferences::followsAnUpdateAndItsUndo()
{
    QFETCH(int, file);
    QFETCH(qsizetype, record);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    ModuleDocument document;
    QVERIFY(document.open(sampleModule()).ok());
    CrossReferences refs(document.module());
    const QString unchanged = answers(refs, document.module());
    RecordUpdate update;
    update.file = ModuleFile(file);
    update.record = record;
    const qsizetype n = document.module().records(update.file).line(record);
    const QByteArray line = document.module().lines(update.file).line(n);
    QVERIFY(line.contains(before));
    update.lines = {{n, line, QByteArray(line).replace(before, after)}};

    document.apply(update);
    refs.refresh(document.module(), update);
    const QString changed = answers(refs, document.module());
    QCOMPARE(changed, answers(CrossReferences(document.module()), document.module()));
    QVERIFY(changed != unchanged);
    document.revert(update);
    refs.refresh(document.module(), update);
    QCOMPARE(answers(refs, document.module()), unchanged);
}

void TestCrossReferences::recordsThatCannotBeDecodedNameNothing()
{
    QTemporaryDir dir;
    QVERIFY(copyFolder(sampleModule(), dir.path()));
    // Template 1 names troop 99 of 38, party 2 names template 40 of 12.
    writeFile(dir.path(), u"party_templates.txt"_s,
              readBytes(dir.filePath(u"party_templates.txt"_s)).replace("137 4 3 8 0 3", "137 4 3 8 0 99"));
    writeFile(dir.path(), u"parties.txt"_s, readBytes(dir.filePath(u"parties.txt"_s)).replace("5376 4 1 1", "5376 4 40 1"));
    ModuleDocument document;
    QString folder = dir.path();
    QVERIFY(document.open(addBackSlash(folder)).ok());
    const CrossReferences refs(document.module());
    QCOMPARE(refs.templatesWith(4), Records{10});
    QCOMPARE(refs.partiesUsing(1), Records{});
    QCOMPARE(refs.factionUse(1), (FactionUse{9, 3, 1}));
}

QTEST_GUILESS_MAIN(TestCrossReferences)
#include "tst_cross_references.moc"
