// Window tests of the ways work could be lost: another folder opened over unsaved
// updates, a failed load, edits left without Update, files changed on disk, backups,
// line ends and a save that cannot write every file.

#include "editor_fixture.h"

#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace lancefall;
using namespace lancefall::testing;
using namespace Qt::StringLiterals;

namespace {

// Renames party k as a user would: choose the view, click the entry, type, Update.
void renameParty(Editor &editor, int k, const QString &name)
{
    editor.choose(u"parties.txt"_s);
    editor.select(editor.ui.lstParties, k);
    editor.ui.txtPartiesName->clear();
    QTest::keyClicks(editor.ui.txtPartiesName, name);
    editor.ui.cmdUpdate->click();
}

} // namespace

class TestModuleSafety : public QObject {
    Q_OBJECT

private slots:
    void browseOverUnsavedUpdatesAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("save") << int(CloseAnswer::Save) << true << true;
        QTest::newRow("discard") << int(CloseAnswer::Discard) << false << true;
        QTest::newRow("cancel") << int(CloseAnswer::Cancel) << false << false;
    }

    void browseOverUnsavedUpdatesAsksFirst()
    {
        QFETCH(int, answer);
        QFETCH(bool, saved);
        QFETCH(bool, loaded);
        QTemporaryDir first;
        Editor editor;
        QVERIFY(editor.loadCopy(first));
        renameParty(editor, 0, u"Renamed"_s);

        editor.questions.answer = CloseAnswer(answer);
        editor.load(moduleFixture(u"crlf_ascii"_s));
        QCOMPARE(editor.questions.moments, QList<SaveMoment>{SaveMoment::OpeningFolder});
        QCOMPARE(readBytes(first.filePath(u"parties.txt"_s)).contains("Renamed"), saved);
        QCOMPARE(editor.ui.txtFolder->text(), withSeparator(loaded ? moduleFixture(u"crlf_ascii"_s) : first.path()));
        QCOMPARE(editor.window.isWindowModified(), !loaded);
        QCOMPARE(editor.label(editor.ui.lstParties, 0).contains(u"Renamed"_s), !loaded);
    }

    void failedBrowseKeepsTheModuleAndItsUpdates()
    {
        QTemporaryDir first;
        QTemporaryDir broken;
        QVERIFY(copyFolder(sampleModule(), first.path()));
        QVERIFY(copyFolder(moduleFixture(u"crlf_ascii"_s), broken.path()));
        QVERIFY(QFile::remove(broken.filePath(u"parties.txt"_s)));
        Editor editor;
        editor.load(first.path());
        renameParty(editor, 0, u"Renamed"_s);
        editor.messages.shown.clear();

        editor.questions.answer = CloseAnswer::Discard;
        editor.load(broken.path());
        QCOMPARE(editor.messages.texts(), QStringList{u"Unable to open the following files in "_s
                                                      + withSeparator(broken.path()) + u"\n\n  parties.txt"_s});
        QCOMPARE(editor.ui.txtFolder->text(), withSeparator(first.path()));
        QVERIFY(editor.window.isWindowModified());
        QVERIFY(editor.ui.cmdSave->isEnabled() && editor.ui.cmdUpdate->isEnabled());
        QCOMPARE(editor.label(editor.ui.lstParties, 0), u"0 - Renamed (p_main_party)"_s);
        QVERIFY(editor.window.cmdSave_Click());
        QVERIFY(readBytes(first.filePath(u"parties.txt"_s)).contains("p_main_party Renamed "));
    }

    void leavingAnEditedRecordAsksToApply_data()
    {
        QTest::addColumn<QString>("edit");  // what the user does to troop 3
        QTest::addColumn<QString>("leave"); // how the user leaves it
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("stayed"); // on the record, or in the module
        const int apply = int(ApplyAnswer::Apply);
        const int discard = int(ApplyAnswer::Discard);
        const int cancel = int(ApplyAnswer::Cancel);
        QTest::newRow("no edit") << u""_s << u"record"_s << cancel << false;
        QTest::newRow("typed, apply") << u"name"_s << u"record"_s << apply << false;
        QTest::newRow("typed, discard") << u"name"_s << u"record"_s << discard << false;
        QTest::newRow("typed, cancel") << u"name"_s << u"record"_s << cancel << true;
        QTest::newRow("refused update") << u"used id"_s << u"record"_s << apply << true;
        QTest::newRow("refused field value") << u"skill"_s << u"record"_s << apply << true;
        QTest::newRow("check box, view, apply") << u"check box"_s << u"view"_s << apply << false;
        QTest::newRow("chooser, view, cancel") << u"chooser"_s << u"view"_s << cancel << true;
        QTest::newRow("option, view, discard") << u"option"_s << u"view"_s << discard << false;
        QTest::newRow("inventory, browse, apply") << u"inventory"_s << u"browse"_s << apply << false;
        QTest::newRow("typed, close, apply") << u"name"_s << u"close"_s << apply << false;
    }

    void leavingAnEditedRecordAsksToApply()
    {
        QFETCH(QString, edit);
        QFETCH(QString, leave);
        QFETCH(int, answer);
        QFETCH(bool, stayed);
        const bool asked = !edit.isEmpty() && edit != u"skill"; // a refused field value is said by the field
        const bool updated = answer == int(ApplyAnswer::Apply) && !stayed;
        QTemporaryDir dir;
        Editor editor;
        Ui::MainWindow &ui = editor.ui;
        QVERIFY(editor.loadCopy(dir));
        editor.select(ui.ListTroops, 3);
        const QString label = editor.label(ui.ListTroops, 3);
        if (edit == u"name") {
            QTest::keyClicks(ui.txtName1, u"X"_s);
        } else if (edit == u"used id") {
            ui.txtID->selectAll();
            QTest::keyClicks(ui.txtID, u"trp_player"_s);
        } else if (edit == u"skill") {
            ui.txtRiding->setFocus();
            ui.txtRiding->selectAll();
            QTest::keyClicks(ui.txtRiding, u"99"_s);
        } else if (edit == u"check box") {
            ui.chkHero->click();
        } else if (edit == u"chooser") {
            QTest::keyClick(ui.cmbFactions, Qt::Key_Down);
        } else if (edit == u"option") {
            ui.optGender_1->click();
        } else if (edit == u"inventory") {
            ui.cmdAdd->click();
        }

        editor.questions.applyAnswer = ApplyAnswer(answer);
        editor.questions.answer = CloseAnswer::Discard; // the save question that an applied edit brings
        if (leave == u"record")
            editor.select(ui.ListTroops, 5);
        else if (leave == u"view")
            editor.choose(u"parties.txt"_s);
        else if (leave == u"browse")
            editor.load(moduleFixture(u"crlf_ascii"_s));
        else
            editor.window.close();

        QCOMPARE(editor.questions.applyAsked, asked ? QStringList{label} : QStringList());
        // An applied edit is an update: on the undo stack, and asked about as unsaved when leaving the module.
        const bool leftModule = leave == u"browse" || leave == u"close";
        QCOMPARE(leftModule ? editor.questions.asked : editor.window.session().undoStack().count(), int(updated));
        if (updated && leave != u"browse") // the record left, not the one selected next
            QCOMPARE(editor.window.session().undoStack().text(0), u"Update trp_aurel_man_at_arms"_s);
        if (leave == u"record" || leave == u"view") {
            QCOMPARE(editor.visibleView(), stayed || leave == u"record" ? ui.frmTroops : ui.frmParties);
            QCOMPARE(ui.ListTroops->selectionModel()->selectedRows().value(0).row(), stayed || leave == u"view" ? 3 : 5);
            QCOMPARE(ui.cmdUpdate->isEnabled(), stayed || leave == u"record");
        } else if (leave == u"browse") {
            QCOMPARE(ui.txtFolder->text(), withSeparator(stayed ? dir.path() : moduleFixture(u"crlf_ascii"_s)));
        } else {
            QCOMPARE(editor.window.isVisible(), stayed);
        }
        if (stayed && edit == u"name")
            QCOMPARE(ui.txtName1->text(), u"Aurel_Man_at_ArmsX"_s);
        if (edit == u"used id")
            QCOMPARE(editor.messages.texts().value(0), u"Troop ID trp_player is already used by troop 0"_s);
        if (edit == u"skill") // the field's own message, and the question once the value is mended
            QTRY_COMPARE(editor.messages.shown.size(), 1);
        if (answer == int(ApplyAnswer::Discard) && leave == u"view")
            QCOMPARE(ui.CmbRace->currentIndex(), 0); // the troop as stored is shown again
    }

    void fileRewrittenOnDiskIsNotOverwrittenUnasked_data()
    {
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("overwrite") << true;
        QTest::newRow("cancel") << false;
    }

    void fileRewrittenOnDiskIsNotOverwrittenUnasked()
    {
        QFETCH(bool, overwrite);
        QTemporaryDir dir;
        Editor editor;
        QVERIFY(editor.loadCopy(dir));
        const QByteArrayList loaded = editedFiles(dir.path());
        renameParty(editor, 0, u"Renamed"_s);
        const QByteArray rebuilt = loaded[0] + "trp_rebuilt\r\n";
        writeFile(dir.path(), u"troops.txt"_s, rebuilt);

        editor.questions.overwrite = overwrite;
        QCOMPARE(editor.window.cmdSave_Click(), overwrite);
        QCOMPARE(editor.questions.overwriteAsked, QList<QStringList>{{u"troops.txt"_s}});
        QCOMPARE(editor.window.isWindowModified(), !overwrite);
        if (overwrite) {
            QCOMPARE(readBytes(dir.filePath(u"troops.txt"_s)), loaded[0]);
            QCOMPARE(readBytes(dir.filePath(u"troops.txt.bak"_s)), rebuilt);
            QVERIFY(readBytes(dir.filePath(u"parties.txt"_s)).contains("Renamed"));
        } else {
            QCOMPARE(editedFiles(dir.path()), (QByteArrayList{rebuilt, loaded[1], loaded[2]}));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 5);
            // Asked again at the next save: the change is still there.
            QVERIFY(!editor.window.cmdSave_Click());
            QCOMPARE(editor.questions.overwriteAsked.size(), 2);
        }
    }

    // The editor's own saves are no outside change. Another program's change offers a reload while
    // nothing is unsaved; with unsaved updates it is named, once, and left to the save question.
    void changesOnDiskAreNoticed()
    {
        QTemporaryDir dir;
        Editor editor;
        QVERIFY(editor.loadCopy(dir));
        renameParty(editor, 0, u"Renamed"_s);
        QVERIFY(editor.window.cmdSave_Click());
        editor.select(editor.ui.lstParties, 1);
        QTest::qWait(800);
        QVERIFY(editor.questions.reloadAsked.isEmpty());

        QByteArray parties = readBytes(dir.filePath(u"parties.txt"_s));
        editor.questions.reload = true;
        writeFile(dir.path(), u"parties.txt"_s, parties.replace("Aurelhold", "Newhold"));
        QTRY_COMPARE(editor.questions.reloadAsked, QList<QStringList>{{u"parties.txt"_s}});
        QCOMPARE(editor.visibleView(), editor.ui.frmParties);
        QCOMPARE(editor.label(editor.ui.lstParties, 1), u"1 - Newhold (p_town_aurelhold)"_s);
        QCOMPARE(editor.ui.txtPartiesName->text(), u"Newhold"_s);
        QVERIFY(!editor.window.isWindowModified());

        // Typing not yet applied is work a reload would lose: no reload is offered.
        QTest::keyClicks(editor.ui.txtPartiesName, u"x"_s);
        editor.messages.shown.clear();
        writeFile(dir.path(), u"parties.txt"_s, parties.replace("Newhold", "Oldhold"));
        QTRY_COMPARE(editor.messages.shown.size(), 1);
        QCOMPARE(editor.questions.reloadAsked.size(), 1);
        QCOMPARE(editor.ui.txtPartiesName->text(), u"Newholdx"_s);
        editor.questions.applyAnswer = ApplyAnswer::Discard;

        renameParty(editor, 0, u"Again"_s);
        editor.messages.shown.clear();
        writeFile(dir.path(), u"factions.txt"_s, readBytes(dir.filePath(u"factions.txt"_s)) + "x\r\n");
        QTRY_COMPARE(editor.messages.shown.size(), 1);
        QVERIFY(editor.messages.shown[0].text.startsWith(u"These files in "_s + withSeparator(dir.path())
                                                         + u" were changed on disk by another program:\n\n  factions.txt"_s));
        QCOMPARE(editor.questions.reloadAsked.size(), 1);
        QCOMPARE(editor.label(editor.ui.lstParties, 0), u"0 - Again (p_main_party)"_s);
        QTest::qWait(500);
        QCOMPARE(editor.messages.shown.size(), 1);
        // Only the edited files are asked about when saving.
        editor.questions.overwrite = true;
        QVERIFY(editor.window.cmdSave_Click());
        QCOMPARE(editor.questions.overwriteAsked, QList<QStringList>{{u"parties.txt"_s}});
    }

    void firstSaveOfALoadKeepsTheReplacedFiles()
    {
        QTemporaryDir dir;
        Editor editor;
        QVERIFY(editor.loadCopy(dir));
        const QByteArrayList loaded = editedFiles(dir.path());
        renameParty(editor, 0, u"One"_s);
        QVERIFY(editor.window.cmdSave_Click());
        QCOMPARE(editedFiles(dir.path(), u".bak"_s), loaded);
        renameParty(editor, 0, u"Two"_s);
        QVERIFY(editor.window.cmdSave_Click());
        QCOMPARE(editedFiles(dir.path(), u".bak"_s), loaded);
        QVERIFY(editor.messages.texts().last().endsWith(u"parties.txt (18 lines)"_s));

    }

    void lfModuleStaysLf()
    {
        QTemporaryDir dir;
        QVERIFY(copyFolder(moduleFixture(u"lf_only"_s), dir.path()));
        const QByteArrayList loaded = editedFiles(dir.path());
        Editor editor;
        editor.load(dir.path());
        renameParty(editor, 0, u"Camp"_s);
        QVERIFY(editor.window.cmdSave_Click());

        QByteArray expected = loaded[2];
        expected.replace("p_camp Player ", "p_camp Camp ");
        QCOMPARE(editedFiles(dir.path()), (QByteArrayList{loaded[0], loaded[1], expected}));
        QVERIFY(!expected.contains('\r'));
    }

#ifdef Q_OS_UNIX
    void saveFailingMidwayWritesNothing()
    {
        QTemporaryDir dir;
        Editor editor;
        QVERIFY(editor.loadCopy(dir));
        const QByteArrayList loaded = editedFiles(dir.path());
        QVERIFY(editor.window.cmdSave_Click()); // the backups: now only the three files are written
        renameParty(editor, 0, u"Renamed"_s);
        editor.messages.shown.clear();

        // The process may write no file larger than troops.txt (23 kB); the others would fit.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit limited = old;
        limited.rlim_cur = 8192;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const bool saved = editor.window.cmdSave_Click();
        setrlimit(RLIMIT_FSIZE, &old);

        QVERIFY(!saved);
        QCOMPARE(editedFiles(dir.path()), loaded);
        QVERIFY(editor.window.isWindowModified());
        QCOMPARE(editor.messages.shown.size(), 1);
        const QString message = editor.messages.shown[0].text;
        QCOMPARE(editor.messages.shown[0].look, MessageLook::Critical);
        QVERIFY2(message.startsWith(u"The following files in "_s + withSeparator(dir.path())
                                    + u" could not be written:\n\nError #4: troops.txt: "_s),
                 qPrintable(message));
        QVERIFY2(message.endsWith(u"These files were left as they were: troops.txt, party_templates.txt, parties.txt"_s),
                 qPrintable(message));
    }
#endif
};

QTEST_MAIN(TestModuleSafety)
#include "tst_module_safety.moc"
