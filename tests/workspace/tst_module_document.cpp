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

const QStringList kEditedNames{u"troops.txt"_s, u"party_templates.txt"_s, u"parties.txt"_s};

QString sampleModule()
{
    return QFileInfo(QFINDTESTDATA("../../samples/module/troops.txt")).absolutePath();
}

QString folderOf(const QTemporaryDir &dir)
{
    QString folder = dir.path();
    return addBackSlash(folder);
}

QByteArrayList editedFiles(const QString &folder)
{
    QByteArrayList contents;
    for (const QString &name : kEditedNames)
        contents.append(readBytes(QDir(folder).filePath(name)));
    return contents;
}

// Shows record k of a file and turns the view it shows, unchanged, into an update.
Result<RecordUpdate> unchangedUpdate(ModuleDocument &document, ModuleFile file, qsizetype k)
{
    const auto update = [&](const auto &shown, const auto &view, auto make) -> Result<RecordUpdate> {
        if (!shown)
            return shown.error();
        return (document.*make)(k, view);
    };
    switch (file) {
    case ModuleFile::Troops: {
        const auto shown = document.showTroop(k);
        return update(shown, shown ? shown->view : TroopView{}, &ModuleDocument::troopUpdate);
    }
    case ModuleFile::PartyTemplates: {
        const auto shown = document.showTemplate(k);
        return update(shown, shown ? *shown : PartyTemplateView{}, &ModuleDocument::templateUpdate);
    }
    default: {
        const auto shown = document.showParty(k);
        return update(shown, shown ? *shown : PartyView{}, &ModuleDocument::partyUpdate);
    }
    }
}

} // namespace

Q_DECLARE_METATYPE(lancefall::GeneratedModuleOptions)

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
            QVERIFY(copyFolder(sampleModule(), dir.path()));
        else
            QVERIFY2(writeGeneratedModule(dir.path(), options, &error), qPrintable(error));
        const QByteArrayList before = editedFiles(dir.path());

        ModuleDocument document;
        const LoadReport report = document.open(folderOf(dir));
        QVERIFY2(report.ok(), qPrintable(report.unableToOpenMessage()));
        QVERIFY(report.summaryNotice.isEmpty() && report.placementNotices.isEmpty());
        for (const ModuleFile file : kEditedFiles) {
            for (qsizetype k = 0; k < document.recordCount(file); ++k) {
                const Result<RecordUpdate> update = unchangedUpdate(document, file, k);
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

    // Only the record a view shows can be updated, and an identifier stays unique in its file.
    void refusesUpdatesOfOtherRecords_data()
    {
        QTest::addColumn<int>("file");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("updated");
        QTest::addColumn<QString>("newId");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("description");
        const auto troops = int(ModuleFile::Troops);
        QTest::newRow("nothing selected") << troops << 2 << -1 << QString() << int(ErrorCode::NotSelected)
                                          << u"Please select a troop from the list"_s;
        QTest::newRow("another troop shown") << troops << 2 << 3 << QString() << int(ErrorCode::NotShown)
                                             << u"the troop shown is not the one selected"_s;
        QTest::newRow("troop identifier in use") << troops << 2 << 2 << u"trp_player"_s
                                                 << int(ErrorCode::InvalidValue)
                                                 << u"Troop ID trp_player is already used by troop 0"_s;
        QTest::newRow("template identifier in use")
            << int(ModuleFile::PartyTemplates) << 4 << 4 << u"pt_aurel_lancers"_s << int(ErrorCode::InvalidValue)
            << u"Template ID pt_aurel_lancers is already used by party template 1"_s;
        QTest::newRow("party identifier in use") << int(ModuleFile::Parties) << 0 << 0 << u"p_town_aurelhold"_s
                                                 << int(ErrorCode::InvalidValue)
                                                 << u"Party ID p_town_aurelhold is already used by party 1"_s;
    }
    void refusesUpdatesOfOtherRecords()
    {
        QFETCH(int, file);
        QFETCH(int, shown);
        QFETCH(int, updated);
        QFETCH(QString, newId);
        QFETCH(int, code);
        QFETCH(QString, description);
        ModuleDocument document;
        QVERIFY(document.open(sampleModule() + u'/').ok());
        const Module before = document.module();
        Result<RecordUpdate> update = Error{};
        switch (ModuleFile(file)) {
        case ModuleFile::Troops: {
            auto view = document.showTroop(shown);
            TroopView troop = view ? view->view : TroopView{};
            if (!newId.isEmpty())
                troop.id = newId;
            update = document.troopUpdate(updated, troop);
            break;
        }
        case ModuleFile::PartyTemplates: {
            PartyTemplateView view = *document.showTemplate(shown);
            view.id = newId;
            update = document.templateUpdate(updated, view);
            break;
        }
        default: {
            PartyView view = *document.showParty(shown);
            view.id = newId;
            update = document.partyUpdate(updated, view);
            break;
        }
        }
        QVERIFY(!update);
        QCOMPARE(int(update.error().code), code);
        QVERIFY2(update.error().description.startsWith(description), qPrintable(update.error().description));
        QVERIFY(document.module().troops.lines == before.troops.lines);
    }

    // The document's own saves are no outside change, nor are the same bytes written again;
    // another program's change is reported once, and stays in the way of a save.
    void tellsOutsideChangesFromItsOwnSaves()
    {
        QTemporaryDir dir;
        QVERIFY(copyFolder(sampleModule(), dir.path()));
        ModuleDocument document;
        QVERIFY(document.open(folderOf(dir)).ok());
        QVERIFY(document.save().ok());
        QVERIFY(document.takeOutsideChanges().isEmpty());
        const QString factions = dir.filePath(u"factions.txt"_s);
        writeFile(dir.path(), u"factions.txt"_s, readBytes(factions));
        QVERIFY(document.takeOutsideChanges().isEmpty());
        QVERIFY(document.changedOnDisk().isEmpty());

        writeFile(dir.path(), u"factions.txt"_s, readBytes(factions) + "x");
        writeFile(dir.path(), u"parties.txt"_s, readBytes(dir.filePath(u"parties.txt"_s)) + "x");
        QCOMPARE(document.takeOutsideChanges(), (QList<ModuleFile>{ModuleFile::Factions, ModuleFile::Parties}));
        QVERIFY(document.takeOutsideChanges().isEmpty());
        QCOMPARE(document.changedOnDisk(), QList<ModuleFile>{ModuleFile::Parties});
        QVERIFY(document.save().ok());
        QVERIFY(document.changedOnDisk().isEmpty());
    }

};

QTEST_GUILESS_MAIN(TestModuleDocument)
#include "tst_module_document.moc"
