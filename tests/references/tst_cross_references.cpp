#include "references/cross_references.h"
#include "references/missing_references.h"
#include "support/fixture_folder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace lancefall;
using namespace lancefall::testing;
using namespace Qt::StringLiterals;

namespace {

using Records = QList<qsizetype>;

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
    void initTestCase() { QVERIFY(mSample.open(sampleModuleFolder() + u'/').ok()); }
    // The edges of each question; what the sample's records name is shown by the window's tests.
    void answersAtTheEdges()
    {
        const CrossReferences refs(mSample.module());
        QCOMPARE(refs.upgradesTo(0), Records{}); // troop 0 stands for none
        QCOMPARE(refs.upgradesTo(38), Records{}); // beyond the last troop
        QCOMPARE(refs.upgradesTo(5), Records{1}); // upgrade path B
        QCOMPARE(refs.templatesWith(31), Records{10}); // a prisoner slot after an empty one
        QCOMPARE(refs.partiesUsing(-1), Records{});
    }

    void followsAnUpdateAndItsUndo_data()
    {
        QTest::addColumn<int>("file");
        QTest::addColumn<qsizetype>("record");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("a troop's faction and upgrade path") << int(RecordKind::Troop) << qsizetype(1) << "0 1 2 5"_ba << "0 5 4 5"_ba;
        QTest::newRow("a troop's upgrade paths cleared") << int(RecordKind::Troop) << qsizetype(1) << "0 1 2 5"_ba << "0 1 0 0"_ba;
        QTest::newRow("a template's member and faction") << int(RecordKind::PartyTemplate) << qsizetype(1) << "0 1 137 4 3"_ba << "0 2 137 37 3"_ba;
        QTest::newRow("a party's template and faction") << int(RecordKind::Party) << qsizetype(3) << "5376 5 8 3"_ba << "5376 5 0 0"_ba;
    }

    void followsAnUpdateAndItsUndo()
    {
        QFETCH(int, file);
        QFETCH(qsizetype, record);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        ModuleDocument document;
        QVERIFY(document.open(sampleModuleFolder() + u'/').ok());
        CrossReferences refs(document.module());
        const QString unchanged = answers(refs, document.module());
        RecordChange changed;
        changed.kind = RecordKind(file);
        changed.record = record;
        const qsizetype n = document.module().records(changed.kind).line(record);
        const QByteArray line = document.module().lines(changed.kind).line(n).toByteArray();
        QVERIFY(line.contains(before));
        changed.lines = {{n, line, QByteArray(line).replace(before, after)}};
        ModuleChange update;
        update.records = {changed};

        document.apply(update);
        refs.refresh(document.module(), update);
        const QString answered = answers(refs, document.module());
        QCOMPARE(answered, answers(CrossReferences(document.module()), document.module()));
        QVERIFY(answered != unchanged);
        document.revert(update);
        refs.refresh(document.module(), update);
        QCOMPARE(answers(refs, document.module()), unchanged);
    }

    // A reference to a record that does not exist names nothing, while the rest of its record
    // counts; a troop that cannot be placed names nothing at all.
    void namesOnlyRecordsThatExistFromPlacedTroops()
    {
        QTemporaryDir dir;
        QVERIFY(copyFolder(sampleModuleFolder(), dir.path()));
        // Template 1 names troop 99 of 38, party 2 template 40 of 12; a line inside troop 1's
        // record begins with trp_.
        writeFile(dir.path(), u"party_templates.txt"_s,
                  readBytes(dir.filePath(u"party_templates.txt"_s)).replace("137 4 3 8 0 3", "137 4 3 8 0 99"));
        writeFile(dir.path(), u"parties.txt"_s, readBytes(dir.filePath(u"parties.txt"_s)).replace("5376 4 1 1", "5376 4 40 1"));
        writeFile(dir.path(), u"troops.txt"_s, readBytes(dir.filePath(u"troops.txt"_s)).replace("\r\n  6 5 4 4 3", "\r\ntrp_x X Xs"));
        ModuleDocument document;
        QVERIFY(document.open(dir.path() + u'/').ok());
        QCOMPARE(document.module().troops.records.unplaced.keys(), QList<qsizetype>{1});
        const CrossReferences refs(document.module());
        QCOMPARE(refs.templatesWith(4), (Records{1, 10}));
        QCOMPARE(refs.partiesUsing(1), Records{});
        QCOMPARE(refs.upgradesTo(5), Records{});
        QCOMPARE(refs.factionUse(1), (FactionUse{8, 4, 2}));
    }

    // The references a view holds to records that do not exist, for the window to show them.
    void listsMissingReferences()
    {
        const Module &module = mSample.module(); // 7 factions, 38 troops, 12 templates
        TroopView troop;
        troop.faction = 7, troop.upgradeA = 37, troop.upgradeB = 38;
        QCOMPARE(missingReferences(module, troop),
                 (QList<MissingReference>{{u"Faction"_s, 7}, {u"Upgrade path B"_s, 38}}));
        PartyTemplateView group;
        group.faction = 6, group.members[0].troop = -1, group.members[2].troop = 40;
        QCOMPARE(missingReferences(module, group), (QList<MissingReference>{{u"Member 3 troop"_s, 40}}));
        QCOMPARE(missingReferences(module, PartyView{{}, {}, 12, 0}), (QList<MissingReference>{{u"Template"_s, 12}}));
    }

private:
    ModuleDocument mSample;
};

QTEST_GUILESS_MAIN(TestCrossReferences)
#include "tst_cross_references.moc"
