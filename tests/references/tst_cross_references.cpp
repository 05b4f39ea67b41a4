#include "module_generator/module_generator.h"
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

// Every answer the index gives for a module, to compare two indexes.
QStringList answers(const CrossReferences &refs, const Module &module)
{
    QStringList all;
    const auto text = [](const Records &records) {
        QStringList numbers;
        for (const qsizetype k : records)
            numbers.append(QString::number(k));
        return numbers.join(u',');
    };
    for (qsizetype k = -1; k <= module.troops.records.count(); ++k)
        all.append(u"troop %1: %2 / %3 / %4"_s.arg(k).arg(text(refs.upgradesTo(k)), text(refs.templatesWith(k)),
                                                       text(refs.partiesWith(k))));
    for (qsizetype t = -1; t <= module.partyTemplates.records.count(); ++t)
        all.append(u"template %1: %2"_s.arg(t).arg(text(refs.partiesUsing(t))));
    for (int f = -1; f <= module.factions.size(); ++f) {
        const FactionUse use = refs.factionUse(f);
        all.append(u"faction %1: %2 %3 %4"_s.arg(f).arg(use.troops).arg(use.templates).arg(use.parties));
    }
    return all;
}

} // namespace

Q_DECLARE_METATYPE(lancefall::GeneratedModuleOptions)

class TestCrossReferences : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void findsWhatNamesARecord_data();
    void findsWhatNamesARecord();
    void countsTheRecordsOfAFaction_data();
    void countsTheRecordsOfAFaction();
    void agreesWithTheRecordDecoders_data();
    void agreesWithTheRecordDecoders();
    void followsAnUpdateAndItsUndo_data();
    void followsAnUpdateAndItsUndo();
    void recordsThatCannotBeDecodedNameNothing();

private:
    ModuleDocument mSample;
};

void TestCrossReferences::initTestCase()
{
    QVERIFY(mSample.open(sampleModule()).ok());
}

void TestCrossReferences::findsWhatNamesARecord_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<qsizetype>("record");
    QTest::addColumn<Records>("expected");
    // troops.txt: 1 upgrades to 2 and 5, 23 to 11; troop 0 stands for none.
    QTest::newRow("upgrade path A") << u"upgradesTo"_s << qsizetype(2) << Records{1};
    QTest::newRow("upgrade path B") << u"upgradesTo"_s << qsizetype(5) << Records{1};
    QTest::newRow("an upgrade from a later troop") << u"upgradesTo"_s << qsizetype(11) << Records{23};
    QTest::newRow("troop 0 is none") << u"upgradesTo"_s << qsizetype(0) << Records{};
    QTest::newRow("no upgrade leads here") << u"upgradesTo"_s << qsizetype(1) << Records{};
    QTest::newRow("beyond the last troop") << u"upgradesTo"_s << qsizetype(38) << Records{};
    QTest::newRow("members of two templates") << u"templatesWith"_s << qsizetype(4) << Records{1, 10};
    QTest::newRow("a prisoner slot after an empty one") << u"templatesWith"_s << qsizetype(31) << Records{10};
    QTest::newRow("in the last slot") << u"templatesWith"_s << qsizetype(36) << Records{7};
    QTest::newRow("parties of both templates") << u"partiesWith"_s << qsizetype(4) << Records{0, 2};
    QTest::newRow("a member of templates no party uses") << u"partiesWith"_s << qsizetype(21) << Records{};
    QTest::newRow("parties of a template") << u"partiesUsing"_s << qsizetype(8) << Records{3};
    QTest::newRow("template 0 is a template") << u"partiesUsing"_s << qsizetype(0) << Records{};
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

void TestCrossReferences::countsTheRecordsOfAFaction_data()
{
    QTest::addColumn<int>("faction");
    QTest::addColumn<FactionUse>("expected");
    QTest::newRow("no faction") << 0 << FactionUse{5, 0, 1};
    QTest::newRow("Kingdom_of_Aurel") << 1 << FactionUse{9, 4, 2};
    QTest::newRow("Ashborn_Horde, the last") << 6 << FactionUse{5, 2, 1};
    QTest::newRow("beyond the catalogue") << 7 << FactionUse{};
}

void TestCrossReferences::countsTheRecordsOfAFaction()
{
    QFETCH(int, faction);
    QFETCH(FactionUse, expected);
    QCOMPARE(CrossReferences(mSample.module()).factionUse(faction), expected);
}

void TestCrossReferences::agreesWithTheRecordDecoders_data()
{
    QTest::addColumn<GeneratedModuleOptions>("options");
    GeneratedModuleOptions options;
    options.troops = 120;
    options.items = 40;
    options.factions = 9;
    options.templates = 40;
    options.parties = 30;
    QTest::newRow("version 2, 7-line records") << options;
    options.version2 = false;
    options.recordLines = 6;
    options.game095 = false;
    options.seed = 7;
    QTest::newRow("version 1, 6-line records") << options;
}

void TestCrossReferences::agreesWithTheRecordDecoders()
{
    QFETCH(GeneratedModuleOptions, options);
    QTemporaryDir dir;
    QVERIFY(writeGeneratedModule(dir.path(), options));
    ModuleDocument document;
    QString folder = dir.path();
    QVERIFY(document.open(addBackSlash(folder)).ok());
    const CrossReferences refs(document.module());

    // What the views show of every record, turned around.
    const qsizetype troops = document.recordCount(ModuleFile::Troops);
    QList<Records> upgrades(troops), members(troops), parties(document.recordCount(ModuleFile::PartyTemplates));
    QList<FactionUse> factions(options.factions + 1);
    for (qsizetype k = 0; k < troops; ++k) {
        const auto troop = document.showTroop(k);
        QVERIFY(troop);
        for (const int target : {troop->view.upgradeA, troop->view.upgradeB}) {
            if (target > 0 && !upgrades[target].contains(k))
                upgrades[target].append(k);
        }
        ++factions[troop->view.faction].troops;
    }
    for (qsizetype t = 0; t < parties.size(); ++t) {
        const auto shown = document.showTemplate(t);
        QVERIFY(shown);
        for (const TemplateSlot &slot : shown->members) {
            if (slot.troop > 0 && !members[slot.troop].contains(t))
                members[slot.troop].append(t);
        }
        ++factions[shown->faction].templates;
    }
    for (qsizetype p = 0; p < document.recordCount(ModuleFile::Parties); ++p) {
        const auto party = document.showParty(p);
        QVERIFY(party);
        parties[party->partyTemplate].append(p);
        ++factions[party->faction].parties;
    }
    for (qsizetype k = 0; k < troops; ++k) {
        QCOMPARE(refs.upgradesTo(k), upgrades[k]);
        QCOMPARE(refs.templatesWith(k), members[k]);
    }
    for (qsizetype t = 0; t < parties.size(); ++t)
        QCOMPARE(refs.partiesUsing(t), parties[t]);
    for (int f = 0; f <= options.factions; ++f)
        QCOMPARE(refs.factionUse(f), factions[f]);
}

void TestCrossReferences::followsAnUpdateAndItsUndo_data()
{
    QTest::addColumn<int>("file");
    QTest::addColumn<qsizetype>("record");
    QTest::addColumn<int>("target"); // the upgrade path A, first member troop or template given
    QTest::addColumn<int>("faction");
    QTest::newRow("a troop's upgrade path") << int(ModuleFile::Troops) << qsizetype(1) << 4 << 1;
    QTest::newRow("a troop's upgrade path cleared") << int(ModuleFile::Troops) << qsizetype(3) << 0 << 1;
    QTest::newRow("a troop's faction") << int(ModuleFile::Troops) << qsizetype(2) << 3 << 5;
    QTest::newRow("a template's member and faction") << int(ModuleFile::PartyTemplates) << qsizetype(1) << 37 << 2;
    QTest::newRow("a template's only member emptied") << int(ModuleFile::PartyTemplates) << qsizetype(9) << 0 << 1;
    QTest::newRow("a party's template and faction") << int(ModuleFile::Parties) << qsizetype(3) << 10 << 0;
}

void TestCrossReferences::followsAnUpdateAndItsUndo()
{
    QFETCH(int, file);
    QFETCH(qsizetype, record);
    QFETCH(int, target);
    QFETCH(int, faction);
    ModuleDocument document;
    QVERIFY(document.open(sampleModule()).ok());
    CrossReferences refs(document.module());
    const QStringList before = answers(refs, document.module());

    Result<RecordUpdate> update = Error{ErrorCode::NotSelected, QString()};
    switch (ModuleFile(file)) {
    case ModuleFile::Troops: {
        auto shown = document.showTroop(record);
        QVERIFY(shown);
        shown->view.upgradeA = target;
        shown->view.faction = faction;
        update = document.troopUpdate(record, shown->view);
        break;
    }
    case ModuleFile::PartyTemplates: {
        auto shown = document.showTemplate(record);
        QVERIFY(shown);
        shown->members[0].troop = target;
        shown->faction = faction;
        update = document.templateUpdate(record, *shown);
        break;
    }
    default: {
        auto shown = document.showParty(record);
        QVERIFY(shown);
        shown->partyTemplate = target;
        shown->faction = faction;
        update = document.partyUpdate(record, *shown);
        break;
    }
    }
    QVERIFY2(update, update ? "" : qPrintable(update.error().message()));

    document.apply(*update);
    refs.refresh(document.module(), *update);
    const QStringList after = answers(refs, document.module());
    QCOMPARE(after, answers(CrossReferences(document.module()), document.module()));
    QVERIFY(after != before);

    document.revert(*update);
    refs.refresh(document.module(), *update);
    QCOMPARE(answers(refs, document.module()), before);
}

void TestCrossReferences::recordsThatCannotBeDecodedNameNothing()
{
    QTemporaryDir dir;
    QVERIFY(copyFolder(sampleModule(), dir.path()));
    // Template 1 names troop 99 of 38, party 2 names template 40 of 12.
    QByteArray templates = readBytes(dir.filePath(u"party_templates.txt"_s));
    templates.replace("137 4 3 8 0 3 2 6 0", "137 4 3 8 0 99 2 6 0");
    writeFile(dir.path(), u"party_templates.txt"_s, templates);
    QByteArray parties = readBytes(dir.filePath(u"parties.txt"_s));
    parties.replace("5376 4 1 1 1", "5376 4 40 1 1");
    writeFile(dir.path(), u"parties.txt"_s, parties);
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
