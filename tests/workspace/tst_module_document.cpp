#include "module_generator/module_generator.h"
#include "support/fixture_folder.h"
#include "workspace/module_document.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace lancefall;
using namespace lancefall::testing;
using namespace Qt::StringLiterals;

namespace {

// Shows record k of a kind and turns the view it shows, unchanged, into an update.
Result<ModuleChange> unchangedUpdate(ModuleDocument &document, RecordKind kind, qsizetype k)
{
    const auto update = [&](const auto &shown, auto make, auto view) -> Result<ModuleChange> {
        return shown ? (document.*make)(k, view(*shown)) : Result<ModuleChange>(shown.error());
    };
    const auto same = [](const auto &view) { return view; };
    switch (kind) {
    case RecordKind::Troop:
        return update(document.showTroop(k), &ModuleDocument::troopUpdate, [](const DecodedTroop &t) { return t.view; });
    case RecordKind::PartyTemplate:
        return update(document.showTemplate(k), &ModuleDocument::templateUpdate, same);
    case RecordKind::Party:
        break;
    }
    return update(document.showParty(k), &ModuleDocument::partyUpdate, same);
}

} // namespace

Q_DECLARE_METATYPE(lancefall::GeneratedModuleOptions)
Q_DECLARE_METATYPE(lancefall::ModuleFile)

class TestModuleDocument : public QObject {
    Q_OBJECT

private slots:
    // Showing and updating every record without an edit gives every file back byte for
    // byte: unshown skill nibbles and bits above 32, fields after the last one shown,
    // face words above 2^64, empty inventory slots, members naming troop 0, line ends.
    void everyRecordSurvivesAnUnchangedUpdate_data()
    {
        QTest::addColumn<GeneratedModuleOptions>("options"); // no troops: the sample module
        QTest::newRow("sample module") << GeneratedModuleOptions{.troops = 0};
        QTest::newRow("large module") << GeneratedModuleOptions{};
        QTest::newRow("first layout, 6 lines, 0.90x, LF")
            << GeneratedModuleOptions{.troops = 700, .templates = 300, .parties = 200, .version2 = false,
                                      .recordLines = 6, .game095 = false, .crlf = false, .seed = 7};
        QTest::newRow("GB18030 names, 0.90x")
            << GeneratedModuleOptions{.troops = 700, .templates = 300, .parties = 200, .game095 = false,
                                      .gb18030Names = true, .seed = 3};
    }
    void everyRecordSurvivesAnUnchangedUpdate()
    {
        QFETCH(GeneratedModuleOptions, options);
        QTemporaryDir dir;
        QString error;
        if (options.troops == 0)
            QVERIFY(copyFolder(sampleModuleFolder(), dir.path()));
        else
            QVERIFY2(writeGeneratedModule(dir.path(), options, &error), qPrintable(error));
        const QByteArrayList before = editedFiles(dir.path());

        ModuleDocument document;
        const LoadReport report = document.open(dir.path() + u'/');
        QVERIFY2(report.ok(), qPrintable(report.unableToOpenMessage()));
        QVERIFY(report.summaryNotice.isEmpty() && report.placementNotices.isEmpty());
        for (const RecordKind kind : kRecordKinds) {
            for (qsizetype k = 0; k < document.recordCount(kind); ++k) {
                const Result<ModuleChange> update = unchangedUpdate(document, kind, k);
                QVERIFY2(update, qPrintable(update ? QString() : update.error().message()));
                for (const LabelChange &label : update->labels)
                    QVERIFY2(label.before == label.after || (label.row == 0 && label.before == kNoTroopLabel),
                             qPrintable(label.after));
                document.apply(*update);
            }
        }
        QVERIFY(document.save().ok());
        QCOMPARE(editedFiles(dir.path()), before);
    }

    // An identifier stays unique in its file, compared as a whole.
    void refusesAnIdentifierInUse()
    {
        ModuleDocument document;
        QVERIFY(document.open(sampleModuleFolder() + u'/').ok());
        PartyTemplateView group = *document.showTemplate(4);
        group.id = u"pt_aurel_lancers"_s;
        QCOMPARE(document.templateUpdate(4, group).error().description,
                 u"Template ID pt_aurel_lancers is already used by party template 1"_s);
        PartyView party = *document.showParty(0);
        party.id = u"p_town_aurelhold"_s;
        QCOMPARE(document.partyUpdate(0, party).error().description,
                 u"Party ID p_town_aurelhold is already used by party 1"_s);
        TroopView troop = document.showTroop(2)->view;
        troop.id = u"trp_aurel"_s; // the start of trp_aurel_recruit and others
        QVERIFY(document.troopUpdate(2, troop));
    }

    // A troop that cannot be shown leaves no troop shown, so that an update cannot write
    // the values of the troop shown before into it.
    void aTroopThatFailsToShowLeavesNoneShown()
    {
        Module module = loadModule(sampleModuleFolder() + u'/').module;
        module.troops.lines.setLine(module.troops.records.line(5), "trp_broken Broken");
        ModuleDocument document(module);
        const TroopView shown = document.showTroop(2)->view;
        QVERIFY(!document.showTroop(5));
        QCOMPARE(document.shownRecord(RecordKind::Troop), -1);
        QCOMPARE(document.troopUpdate(2, shown).error().code, ErrorCode::NotShown);
    }

    // One stray line can leave thousands of troops unplaced: the load names the first five.
    void namesTheFirstTroopsThatCannotBePlaced()
    {
        LoadReport report;
        for (int n = 1; n <= 1530; ++n)
            report.placementNotices.append(u"troops.txt line %1"_s.arg(n));
        QCOMPARE(report.placementMessage(),
                 u"Could not place 1530 troops, which the lists name but the editor does not show or update:\n\n"
                 "troops.txt line 1\ntroops.txt line 2\ntroops.txt line 3\ntroops.txt line 4\ntroops.txt line 5\n\n"
                 "and 1525 more. Tools > Check Module (F7) lists them all."_s);
    }

    // A second update of the troop shown, without showing it again, encodes against its
    // lines as the first update left them: a name set back to the stored one is written.
    void secondUpdateEncodesTheLinesAsTheyAre()
    {
        ModuleDocument document;
        QVERIFY(document.open(sampleModuleFolder() + u'/').ok());
        const QByteArray stored = document.module().troops.lines.line(17).toByteArray();
        const TroopView shown = document.showTroop(2)->view;
        TroopView view = shown;
        view.name1 = u"Aurel_Veteran"_s;
        document.apply(*document.troopUpdate(2, view));
        const auto second = document.troopUpdate(2, shown);
        QVERIFY(second);
        QCOMPARE(second->records.first().lines.first().after, stored);
    }


    // A change on disk is reported once, however often the folder watch asks; a rewrite of the
    // same size and a change in the last bytes (after the hash's last whole word or in it) count.
    // The first save keeps each file it replaces as NAME.bak, with that file's permissions.
    void outsideChangesAreReportedOnce_data()
    {
        QTest::addColumn<ModuleFile>("file"); // troops.txt: 8k + 1 bytes, item_kinds1.txt: 8k
        QTest::addColumn<qsizetype>("from");  // the byte changed, counted from the end
        QTest::newRow("last byte, after the last word") << ModuleFile::Troops << qsizetype(1);
        QTest::newRow("last byte of the last word") << ModuleFile::Items << qsizetype(1);
        QTest::newRow("same size, midway") << ModuleFile::Parties << qsizetype(600);
    }
    void outsideChangesAreReportedOnce()
    {
        QFETCH(ModuleFile, file);
        QFETCH(qsizetype, from);
        QTemporaryDir dir;
        QVERIFY(copyFolder(sampleModuleFolder(), dir.path()));
        const QString troops = dir.filePath(u"troops.txt"_s), backup = troops + u".bak"_s;
        QVERIFY(QFile::setPermissions(troops, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
        QVERIFY(QFile::setPermissions(writeFile(dir.path(), u"troops.txt.bak"_s, "older"),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther));
        ModuleDocument document;
        QVERIFY(document.open(dir.path() + u'/').ok() && document.save().ok());
        QCOMPARE(readBytes(backup), readBytes(troops));
        QCOMPARE(QFileInfo(backup).permissions(), QFileInfo(troops).permissions());
        QCOMPARE(document.takeOutsideChanges(), QList<ModuleFile>()); // its own save, and the same bytes

        QByteArray content = readBytes(document.module().path(file));
        content[content.size() - from] = '~';
        writeFile(dir.path(), moduleFileName(file), content);
        QCOMPARE(document.takeOutsideChanges(), QList<ModuleFile>{file});
        QCOMPARE(document.takeOutsideChanges(), QList<ModuleFile>());
        QCOMPARE(document.changedOnDisk().contains(file), file != ModuleFile::Items);
    }
};

QTEST_GUILESS_MAIN(TestModuleDocument)
#include "tst_module_document.moc"
