#include "module_generator/module_generator.h"
#include "support/fixture_folder.h"
#include "workspace/module_document.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

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

// Shows record k of a file and turns the view it shows, changed by `edit`, into an update.
Result<RecordUpdate> updateOf(ModuleDocument &document, ModuleFile file, qsizetype k,
                              const std::function<void(TroopView &)> &troopEdit = {},
                              const std::function<void(PartyTemplateView &)> &templateEdit = {},
                              const std::function<void(PartyView &)> &partyEdit = {})
{
    switch (file) {
    case ModuleFile::Troops: {
        auto shown = document.showTroop(k);
        if (!shown)
            return shown.error();
        if (troopEdit)
            troopEdit(shown->view);
        return document.troopUpdate(k, shown->view);
    }
    case ModuleFile::PartyTemplates: {
        auto shown = document.showTemplate(k);
        if (!shown)
            return shown.error();
        if (templateEdit)
            templateEdit(*shown);
        return document.templateUpdate(k, *shown);
    }
    default: {
        auto shown = document.showParty(k);
        if (!shown)
            return shown.error();
        if (partyEdit)
            partyEdit(*shown);
        return document.partyUpdate(k, *shown);
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
                const Result<RecordUpdate> update = updateOf(document, file, k);
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

    // A sequence of updates undone to the start leaves the files as loaded; redone, as edited.
    void undoAndRedoRestoreEveryByte()
    {
        QTemporaryDir dir;
        QVERIFY(copyFolder(sampleModule(), dir.path()));
        const QByteArrayList loaded = editedFiles(dir.path());
        ModuleDocument document;
        QVERIFY(document.open(folderOf(dir)).ok());
        const QStringList troopLabels = document.labels(RecordList::Troops);

        QList<RecordUpdate> updates;
        const auto update = [&](ModuleFile file, qsizetype k, auto... edits) {
            const Result<RecordUpdate> made = updateOf(document, file, k, edits...);
            QVERIFY2(made, qPrintable(made ? QString() : made.error().message()));
            document.apply(*made);
            updates.append(*made);
        };
        update(ModuleFile::Troops, 3, [](TroopView &v) {
            v.name1 = u"Aurel Veteran"_s;
            v.flags[int(TroopFlag::Hero)] = true;
            v.skills[int(Skill::Riding)] = u"5"_s;
        });
        update(ModuleFile::PartyTemplates, 0, nullptr,
               [](PartyTemplateView &v) { v.personality = Personality::Bandit; });
        update(ModuleFile::Parties, 1, nullptr, nullptr, [](PartyView &v) { v.faction = 2; });
        update(ModuleFile::Troops, 3, [](TroopView &v) { v.race = 5; });
        QCOMPARE(updates.first().description(), u"Update trp_aurel_man_at_arms"_s);
        QCOMPARE(updates.first().confirmation(),
                 u"Information on Aurel_Veteran (trp_aurel_man_at_arms) has been updated."_s);
        QVERIFY(document.save().ok());
        const QByteArrayList edited = editedFiles(dir.path());
        QCOMPARE(edited[0].count("Aurel_Veteran"), loaded[0].count("Aurel_Veteran") + 1);

        for (qsizetype i = updates.size() - 1; i >= 0; --i)
            document.revert(updates.at(i));
        QCOMPARE(document.labels(RecordList::Troops), troopLabels);
        QVERIFY(document.save().ok());
        QCOMPARE(editedFiles(dir.path()), loaded);
        for (const RecordUpdate &u : std::as_const(updates))
            document.apply(u);
        QVERIFY(document.save().ok());
        QCOMPARE(editedFiles(dir.path()), edited);
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
        QTest::newRow("troop that failed to show") << troops << 99 << 99 << QString() << int(ErrorCode::NotShown)
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

    // A folder that cannot be read leaves the loaded module, its folder and its records.
    void failedOpenKeepsTheLoadedModule()
    {
        QTemporaryDir dir;
        QVERIFY(copyFolder(sampleModule(), dir.path()));
        QVERIFY(QFile::remove(dir.filePath(u"parties.txt"_s)));
        ModuleDocument document;
        QVERIFY(document.open(sampleModule() + u'/').ok());
        QVERIFY(document.showTroop(3));

        const LoadReport report = document.open(folderOf(dir));
        QVERIFY(!report.ok());
        QCOMPARE(report.unableToOpenMessage(),
                 u"Unable to open the following files in "_s + folderOf(dir) + u"\n\n  parties.txt"_s);
        QCOMPARE(document.folder(), sampleModule() + u'/');
        QCOMPARE(document.recordCount(ModuleFile::Parties), 8);
        QCOMPARE(document.shownRecord(ModuleFile::Troops), 3);
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

#ifdef Q_OS_UNIX
    // A write that fails part way through (the file size limit of the process) writes none
    // of the three files, though the two smaller ones would fit, and leaves no temporary file.
    void writeFailingMidwayWritesNothing()
    {
        QTemporaryDir dir;
        QVERIFY(copyFolder(sampleModule(), dir.path()));
        const QByteArrayList loaded = editedFiles(dir.path());
        ModuleDocument document;
        QVERIFY(document.open(folderOf(dir)).ok());
        QVERIFY(document.save().ok()); // the backups are made: the next save writes only the files
        const Result<RecordUpdate> update
            = updateOf(document, ModuleFile::Troops, 5, [](TroopView &v) { v.name1 = u"Renamed"_s; });
        QVERIFY(update);
        document.apply(*update);

        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit limited = old;
        limited.rlim_cur = 8192; // troops.txt is larger, the other two smaller
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const SaveReport report = document.save();
        setrlimit(RLIMIT_FSIZE, &old);

        QVERIFY(!report.ok() && !report.anyWritten());
        const QString message = report.message();
        QVERIFY2(message.startsWith(u"The following files in "_s + folderOf(dir)
                                    + u" could not be written:\n\nError #4: troops.txt: "_s),
                 qPrintable(message));
        QVERIFY2(message.endsWith(u"\n\nThese files were left as they were: troops.txt, party_templates.txt, "
                                  "parties.txt"_s),
                 qPrintable(message));
        QCOMPARE(editedFiles(dir.path()), loaded);
        QCOMPARE(document.changedOnDisk(), QList<ModuleFile>{});
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 8); // the files and backups, no temporary file
    }
#endif
};

QTEST_GUILESS_MAIN(TestModuleDocument)
#include "tst_module_document.moc"
