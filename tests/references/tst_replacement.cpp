#include "references/replacement.h"
#include "support/fixture_folder.h"
#include "support/marking_translator.h"

#include <QTest>

using namespace lancefall;
using namespace lancefall::testing;
using namespace Qt::StringLiterals;

namespace {

QStringList named(const ModuleDocument &document, const QList<ReferencePlace> &places)
{
    QStringList names;
    for (const ReferencePlace &place : places)
        names.append(document.recordName(place.kind, place.record) + u": "_s + place.field);
    return names;
}

} // namespace

class TestReplacement : public QObject {
    Q_OBJECT

    ModuleDocument mSample;

private slots:
    void initTestCase() { QVERIFY(mSample.open(sampleModuleFolder() + u'/').ok()); }

    // Every place that names a reference is found, and replacing it changes exactly those
    // fields: the lines of the records found, and no other line of the module.
    void replacesEveryPlaceAndNothingElse_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<qint64>("target");
        QTest::addColumn<qint64>("replacement");
        QTest::addColumn<QStringList>("places");
        QTest::addColumn<QList<QByteArray>>("lines"); // the changed lines, in record order
        QTest::newRow("item, modifier and slot kept")
            << int(ReferenceKind::Item) << qint64(9) << qint64(8)
            << QStringList{u"trp_aurel_man_at_arms: inventory slot 2"_s, u"trp_sunmarch_halberdier: inventory slot 1"_s,
                           u"trp_lord_corvan: inventory slot 1"_s}
            << QList<QByteArray>{"  4 0 8 0 21 0", "  8 0 4 0 25 0", "  8 0 4 0 16 0"};
        QTest::newRow("troop in upgrade paths and members")
            << int(ReferenceKind::Troop) << qint64(4) << qint64(6)
            << QStringList{u"trp_aurel_man_at_arms: upgrade path A"_s, u"pt_aurel_lancers: member 1"_s,
                           u"pt_kingdom_hero_party: member 3"_s}
            << QList<QByteArray>{"trp_aurel_man_at_arms Aurel_Man_at_Arms Aurel_Men_at_Arms 0 40894464 0 0 1 6 0",
                                 "pt_aurel_lancers Aurel_Lancers 256 0 1 137 6 3 8 0", "pt_kingdom_hero_party "};
        QTest::newRow("troop replaced by none")
            << int(ReferenceKind::Troop) << qint64(5) << qint64(0)
            << QStringList{u"trp_aurel_recruit: upgrade path B"_s, u"pt_aurel_patrol: member 3"_s}
            << QList<QByteArray>{"trp_aurel_recruit Aurel_Recruit Aurel_Recruits 0 0 0 0 1 2 0",
                                 "pt_aurel_patrol Aurel_Patrol 0 0 1 137 1 4 10 0 2 2 6 0 -1 -1 -1 -1 "};
    }
    void replacesEveryPlaceAndNothingElse()
    {
        QFETCH(int, kind);
        QFETCH(qint64, target);
        QFETCH(qint64, replacement);
        QFETCH(QStringList, places);
        QFETCH(QList<QByteArray>, lines);
        const CrossReferences references(mSample.module());
        const QList<ReferencePlace> found = findReferences(mSample, references, ReferenceKind(kind), target);
        QCOMPARE(named(mSample, found), places);
        // The language may change between the search and the replacement.
        const MarkingTranslator otherLanguage;
        const Result<ModuleChange> change = replaceReferences(mSample, ReferenceKind(kind), target, replacement, found);
        QVERIFY2(change, qPrintable(change ? QString() : change.error().text()));
        QList<QByteArray> changed;
        for (const RecordChange &record : change->records) {
            for (const LineChange &line : record.lines) {
                if (line.before != line.after)
                    changed.append(line.after);
            }
        }
        QCOMPARE(changed.size(), lines.size());
        for (qsizetype i = 0; i < lines.size(); ++i)
            QVERIFY2(changed[i].startsWith(lines[i]), changed[i].constData());
    }

    // A faction is replaced in troops, templates and parties; a limit to selected records
    // leaves the others alone.
    void factionsEverywhereOrInTheSelection()
    {
        const CrossReferences references(mSample.module());
        const QList<ReferencePlace> all = findReferences(mSample, references, ReferenceKind::Faction, 2);
        const FactionUse use = references.factionUse(2);
        QCOMPARE(all.size(), use.troops + use.templates + use.parties);
        QVERIFY(use.troops > 1 && use.templates > 0 && use.parties > 0);
        RecordLimits only;
        only[indexOf(RecordKind::Troop)] = QList<qsizetype>{all.first().record};
        only[indexOf(RecordKind::PartyTemplate)] = QList<qsizetype>{};
        only[indexOf(RecordKind::Party)] = QList<qsizetype>{};
        const QList<ReferencePlace> one = findReferences(mSample, references, ReferenceKind::Faction, 2, only);
        QCOMPARE(one, QList<ReferencePlace>{all.first()});
        const Result<ModuleChange> change = replaceReferences(mSample, ReferenceKind::Faction, 2, 3, all);
        QVERIFY(change);
        ModuleDocument replaced(mSample.module());
        replaced.apply(*change);
        const CrossReferences after(replaced.module());
        QCOMPARE(after.factionUse(2), FactionUse{});
        QCOMPARE(after.factionUse(3).troops, references.factionUse(3).troops + use.troops);
    }
};

QTEST_GUILESS_MAIN(TestReplacement)
#include "tst_replacement.moc"
