#include "editor_fixture.h"

#include "lines/text_file.h"

#include <QApplication>
#include <QDir>
#include <QRadioButton>
#include <QStatusBar>
#include <QStringListModel>
#include <QUndoStack>
#include <QTemporaryDir>
#include <QTest>

using namespace lancefall;
using namespace lancefall::testing;

namespace {

// The bytes of a file whose lines end in CR LF with some of its lines replaced (1-based).
QByteArray withLines(const QByteArray &content, const QMap<int, QByteArray> &replaced)
{
    QList<QByteArray> lines = content.split('\n');
    for (auto it = replaced.cbegin(); it != replaced.cend(); ++it)
        lines[it.key() - 1] = it.value() + '\r';
    return lines.join('\n');
}

bool commandsEnabled(const Editor &editor)
{
    return editor.ui.cmbChooseFile->isEnabled() && editor.ui.cmdSave->isEnabled();
}
bool commandsDisabled(const Editor &editor)
{
    return !editor.ui.cmbChooseFile->isEnabled() && !editor.ui.cmdUpdate->isEnabled() && !editor.ui.cmdSave->isEnabled()
        && !editor.window.findChild<QAction *>(QStringLiteral("actionCheckModule"))->isEnabled();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    // Browse loads the folder chosen; a cancelled choice, or one without a path, changes nothing.
    void loadsAModuleChosenWithBrowse()
    {
        Editor editor;
        QCOMPARE(QApplication::focusWidget(), editor.ui.cmdBrowse);
        QCOMPARE(editor.visibleView(), editor.ui.frmInstructions);
        QVERIFY(commandsDisabled(editor));
        const QString start = editor.ui.txtFolder->text();
        editor.load(sampleModule());
        QCOMPARE(editor.folders.lastStart, start);
        QCOMPARE(editor.folders.lastTitle, QStringLiteral("Select a Lancefall module folder to modify:"));
        QVERIFY(commandsEnabled(editor));
        QCOMPARE(editor.visibleView(), editor.ui.frmTroops);
        const QString folder = withSeparator(QDir(sampleModule()).absolutePath());
        QCOMPARE(editor.ui.txtFolder->text(), folder);
        QCOMPARE(editor.ui.ListTroops->model()->rowCount(), 38);
        QCOMPARE(editor.ui.lstParties->model()->rowCount(), 8);

        editor.select(editor.ui.ListTroops, 3);
        const LineTable lines = editor.window.session().module().troops.lines;
        for (const auto &answer : {std::optional<QString>(), std::optional<QString>(QStringLiteral("  "))}) {
            editor.folders.folder = answer;
            editor.ui.cmdBrowse->click();
            QCOMPARE(editor.ui.txtFolder->text(), folder);
            QVERIFY(commandsEnabled(editor));
            QCOMPARE(editor.ui.ListTroops->currentIndex().row(), 3);
            QVERIFY(editor.window.session().module().troops.lines == lines);
        }
        QVERIFY(editor.messages.shown.isEmpty());

        // After Remove the focus stays in the inventory, on its last entry.
        editor.select(editor.ui.ListItems, 1);
        editor.ui.cmdRemove->click();
        QCOMPARE(QApplication::focusWidget(), editor.ui.ListItems);
        QCOMPARE(editor.ui.ListItems->model()->rowCount(), 6);
        QCOMPARE(editor.ui.ListItems->currentIndex().row(), 5);
    }

    // A typical edit of each kind of record reaches the files, and undo and redo take it back and forth.
    void typicalEditReachesTheFilesAndIsUndone()
    {
        QTemporaryDir dir;
        Editor editor;
        QVERIFY(editor.loadCopy(dir));
        Ui::MainWindow &ui = editor.ui;

        // A troop: names, a flag, the inventory order and a skill.
        editor.select(ui.ListTroops, 3);
        QVERIFY(ui.chkArmor->isChecked());
        QCOMPARE(ui.txtShield->text(), QStringLiteral("4"));
        ui.txtName1->clear();
        QTest::keyClicks(ui.txtName1, QStringLiteral("Aurel Veteran"));
        ui.chkHero->click();
        editor.select(ui.ListItems, 1);
        ui.cmdUp->click();
        ui.txtRiding->setText(QStringLiteral("5"));
        ui.cmdUpdate->click();
        QCOMPARE(editor.messages.texts(),
                 QStringList{QStringLiteral("Information on Aurel_Veteran (trp_aurel_man_at_arms) has been updated.")});
        QCOMPARE(ui.ListTroops->model()->index(3, 0).data().toString(),
                 QStringLiteral("3 - Aurel_Veteran (trp_aurel_man_at_arms)"));
        QCOMPARE(ui.cmbPTTroops_4->itemText(3), QStringLiteral("3 - Aurel_Veteran (trp_aurel_man_at_arms)"));
        QCOMPARE(ui.cmbUpgradePathB->itemText(3), QStringLiteral("3 - Aurel_Veteran"));
        QVERIFY(editor.window.isWindowModified());

        // A template: personality and a member slot.
        ui.cmbChooseFile->setCurrentText(QStringLiteral("party_templates.txt"));
        editor.select(ui.lstPartyTemplates, 0);
        ui.cmbPTPersonality->setCurrentText(QStringLiteral("Bandit"));
        QCOMPARE(ui.cmbPTCourage->currentText(), QStringLiteral("8"));
        QVERIFY(ui.chkPTBanditness->isChecked());
        ui.txtPTName->setText(QStringLiteral("Aurel_Watch"));
        ui.cmbPTTroops_3->setCurrentIndex(12);
        ui.txtPTMin_3->setText(QStringLiteral("2"));
        ui.txtPTMax_3->setText(QStringLiteral("4"));
        ui.chkPTPrisoner_3->setChecked(true);
        ui.cmdUpdate->click();
        QCOMPARE(editor.label(ui.lstPartyTemplates, 0), QStringLiteral("0 - Aurel_Watch (pt_aurel_patrol)"));
        QCOMPARE(ui.cmbPTemplates->itemText(0), QStringLiteral("0 - Aurel_Watch (pt_aurel_patrol)"));

        // A party: template and faction.
        ui.cmbChooseFile->setCurrentText(QStringLiteral("parties.txt"));
        editor.select(ui.lstParties, 1);
        QCOMPARE(ui.txtPartiesID->text(), QStringLiteral("p_town_aurelhold"));
        QCOMPARE(ui.cmbPTemplates->currentIndex(), 9);
        ui.cmbPTemplates->setCurrentIndex(4);
        ui.cmbPFactions->setCurrentIndex(2);
        ui.cmdUpdate->click();

        editor.messages.shown.clear();
        QVERIFY(editor.window.cmdSave_Click());
        QVERIFY(!editor.window.isWindowModified());
        QCOMPARE(editor.messages.texts(),
                 QStringList{QStringLiteral("The following files in ") + withSeparator(dir.path())
                             + QStringLiteral(" were updated:\n\ntroops.txt (268 lines)\n"
                                              "party_templates.txt (14 lines)\nparties.txt (18 lines)\n\n"
                                              "The versions they replaced are kept beside them as troops.txt.bak, "
                                              "party_templates.txt.bak, parties.txt.bak.")});

        const QDir sample(sampleModule());
        QByteArray inventory = "  9 0 4 0 21 0 25 0 29 0 33 0 30 0 ";
        for (int i = 0; i < 57; ++i)
            inventory += "-1 0 ";
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("troops.txt"))),
                 withLines(readBytes(sample.filePath(QStringLiteral("troops.txt"))),
                           {{24, "trp_aurel_man_at_arms Aurel_Veteran Aurel_Men_at_Arms 0 40894480 0 0 1 4 0"},
                            {25, inventory},
                            {28, "0 0 0 9269 278528 0"}}));
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("party_templates.txt"))),
                 withLines(readBytes(sample.filePath(QStringLiteral("party_templates.txt"))),
                           {{3, "pt_aurel_patrol Aurel_Watch 0 0 1 312 1 4 10 0 2 2 6 0 5 2 5 0 12 2 4 1 -1 -1 "}}));
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("parties.txt"))),
                 withLines(readBytes(sample.filePath(QStringLiteral("parties.txt"))),
                           {{5, "1 1 1 0 p_town_aurelhold Aurelhold 5376 3 4 2 1 0 0 0 1 0 0 0 40.000000 22.500000 "
                                "40.000000 22.500000 40.000000 22.500000 0.0 0 "}}));

        // Each undo puts the record's lines and labels back and shows the record in its view.
        QUndoStack &history = editor.window.session().undoStack();
        const auto keys = [](QWidget *focus, QKeyCombination key) {
            focus->setFocus();
            QTest::keyClick(focus, key.key(), key.keyboardModifiers());
        };
        QCOMPARE(history.undoText(), QStringLiteral("Update p_town_aurelhold"));
        keys(ui.lstParties, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(ui.cmbPTemplates->currentIndex(), 9);
        keys(ui.lstParties, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(editor.visibleView(), ui.frmParty_Templates);
        QCOMPARE(ui.cmbPTemplates->itemText(0), QStringLiteral("0 - Aurel_Patrol (pt_aurel_patrol)"));
        QCOMPARE(ui.txtPTName->text(), QStringLiteral("Aurel_Patrol"));
        keys(ui.lstPartyTemplates, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(editor.visibleView(), ui.frmTroops);
        QCOMPARE(ui.ListTroops->currentIndex().row(), 3);
        QCOMPARE(ui.cmbUpgradePathA->itemText(3), QStringLiteral("3 - Aurel_Man_at_Arms"));
        // Undone to the start and saved, the files are as loaded.
        QVERIFY(editor.window.isWindowModified());
        QVERIFY(editor.window.cmdSave_Click());
        QCOMPARE(editedFiles(dir.path()), editedFiles(sampleModule()));

        keys(ui.ListTroops, Qt::CTRL | Qt::Key_Y);
        QCOMPARE(editor.label(ui.ListTroops, 3), QStringLiteral("3 - Aurel_Veteran (trp_aurel_man_at_arms)"));
        QCOMPARE(ui.txtName1->text(), QStringLiteral("Aurel_Veteran"));
        keys(ui.ListTroops, Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        QCOMPARE(editor.window.session().module().partyTemplates.lines.line(3).first(28), QByteArray("pt_aurel_patrol Aurel_Watch "));
        // Back where it was saved: nothing to ask on closing; a new load forgets the history.
        history.undo();
        QVERIFY(editor.window.isWindowModified());
        history.undo();
        QVERIFY(!editor.window.isWindowModified());
        editor.load(dir.path());
        QCOMPARE(history.count(), 0);
    }

    void ctrlZInAFieldUndoesItsTypingFirst()
    {
        Editor editor;
        editor.load(sampleModule());
        Ui::MainWindow &ui = editor.ui;
        editor.select(ui.ListTroops, 3);
        ui.txtName1->setFocus();
        QTest::keyClicks(ui.txtName1, QStringLiteral("X"));
        QTest::keyClick(ui.txtName1, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(ui.txtName1->text(), QStringLiteral("Aurel_Man_at_Arms"));
        QCOMPARE(editor.window.session().undoStack().count(), 0);

        QTest::keyClicks(ui.txtName1, QStringLiteral("X"));
        ui.cmdUpdate->click();
        QCOMPARE(editor.label(ui.ListTroops, 3), QStringLiteral("3 - Aurel_Man_at_ArmsX (trp_aurel_man_at_arms)"));
        // The typing is stored now: Ctrl+Z in the field undoes the update.
        ui.txtName1->setFocus();
        QTest::keyClick(ui.txtName1, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor.label(ui.ListTroops, 3), QStringLiteral("3 - Aurel_Man_at_Arms (trp_aurel_man_at_arms)"));
        QCOMPARE(ui.txtName1->text(), QStringLiteral("Aurel_Man_at_Arms"));
    }

    void reloadingForgetsTheShownRecord()
    {
        Editor editor;
        editor.load(sampleModule());
        editor.select(editor.ui.ListTroops, 5);
        QVERIFY(editor.ui.cmdUpdate->isEnabled());
        editor.load(sampleModule());
        QVERIFY(!editor.ui.cmdUpdate->isEnabled());
        // Even if Update were pressed, the values shown before the load reach no record.
        editor.window.cmdUpdate_Click();
        QCOMPARE(editor.messages.texts(), QStringList{QStringLiteral("Please select a troop from the list")});
        QCOMPARE(editor.window.session().undoStack().count(), 0);
    }

    void updateAfterARecordFailedToShowChangesNothing()
    {
        QTemporaryDir dir;
        QVERIFY(copyFolder(sampleModule(), dir.path()));
        QByteArray troops = readBytes(dir.filePath(QStringLiteral("troops.txt")));
        troops.replace("trp_aurel_footman Aurel_Footman Aurel_Footmen 0 3145728 0 0 1",
                       "trp_aurel_footman Aurel_Footman Aurel_Footmen 0 3145728 0 0 x");
        writeFile(dir.path(), QStringLiteral("troops.txt"), troops);
        Editor editor;
        editor.load(dir.path());
        editor.select(editor.ui.ListTroops, 1);
        editor.select(editor.ui.ListTroops, 2);
        QCOMPARE(editor.messages.texts(),
                 QStringList{QStringLiteral("Error #6: troops.txt line 17: the faction number \"x\" is not a number")});
        QVERIFY(!editor.ui.cmdUpdate->isEnabled());
        // The view does not go on showing troop 1 while troop 2 is highlighted.
        QVERIFY(editor.ui.txtID->text().isEmpty() && editor.ui.ListItems->model()->rowCount() == 0);
        editor.window.cmdUpdate_Click();
        QVERIFY(editor.messages.texts().last().startsWith(
            QStringLiteral("Error #16: the troop shown is not the one selected")));
        QCOMPARE(editor.window.session().module().troops.lines, splitLines(troops));
        QVERIFY(!editor.window.isWindowModified());
    }

    // A record naming a troop or template that does not exist is shown: the chooser holds the
    // stored number as an entry of its own, an Update keeps it, choosing an entry replaces it.
    void recordsWithBrokenReferencesOpen()
    {
        QTemporaryDir dir;
        QVERIFY(copyFolder(sampleModule(), dir.path()));
        QByteArray troops = readBytes(dir.filePath(QStringLiteral("troops.txt")));
        troops.replace("trp_aurel_footman Aurel_Footman Aurel_Footmen 0 3145728 0 0 1 3 0",
                       "trp_aurel_footman Aurel_Footman Aurel_Footmen 0 3145728 0 0 1 3 9999");
        writeFile(dir.path(), QStringLiteral("troops.txt"), troops);
        writeFile(dir.path(), QStringLiteral("parties.txt"),
                  readBytes(dir.filePath(QStringLiteral("parties.txt"))).replace("5376 3 9 1", "5376 3 40 1"));
        Editor editor;
        editor.load(dir.path());
        editor.select(editor.ui.ListTroops, 2);
        QVERIFY(editor.messages.shown.isEmpty());
        QCOMPARE(editor.ui.cmbUpgradePathB->currentText(), QStringLiteral("9999 - (missing)"));
        QVERIFY(editor.window.statusBar()->currentMessage().startsWith(QStringLiteral("Upgrade path B names 9999")));
        editor.ui.txtName1->setText(QStringLiteral("Aurel_Guard"));
        editor.ui.cmdUpdate->click();
        const auto line = [&](int n) { return editor.window.session().module().troops.lines.line(n).toByteArray(); };
        QVERIFY2(line(17).endsWith(" 1 3 9999"), line(17).constData());
        editor.ui.cmbUpgradePathB->setCurrentIndex(4);
        emit editor.ui.cmbUpgradePathB->activated(4);
        editor.ui.cmdUpdate->click();
        QVERIFY2(line(17).endsWith(" 1 3 4"), line(17).constData());

        editor.choose(QStringLiteral("parties.txt"));
        editor.select(editor.ui.lstParties, 1);
        QCOMPARE(editor.ui.cmbPTemplates->currentText(), QStringLiteral("40 - (missing)"));
        editor.ui.txtPartiesName->setText(QStringLiteral("Aurelford"));
        editor.ui.cmdUpdate->click();
        QVERIFY(editor.window.session().module().parties.lines.line(5).contains("Aurelford 5376 3 40 1"));
    }

    void raceFollowsEachTroopShown()
    {
        Editor editor;
        editor.load(sampleModule());
        const LineTable stored = editor.window.session().module().troops.lines;
        // Troop and race: 3 is race 0, 7 race 2, 34 race 15, 9 race 1.
        for (const auto &[troop, race] : {std::pair{3, 0}, {7, 2}, {34, 15}, {9, 1}}) {
            editor.select(editor.ui.ListTroops, troop);
            QCOMPARE(editor.ui.CmbRace->currentIndex(), race);
            QCOMPARE(editor.ui.CmbRace->isEnabled(), race > 1);
            QVERIFY(editor.window.findChild<QRadioButton *>(QStringLiteral("optGender_%1").arg(qMin(race, 2)))->isChecked());
            editor.ui.cmdUpdate->click();
        }
        QCOMPARE(editor.window.session().module().troops.lines, stored);
    }

    void oneMistakeGivesOneMessage()
    {
        Editor editor;
        editor.load(sampleModule());
        Ui::MainWindow &ui = editor.ui;
        editor.select(ui.ListTroops, 3);
        ui.TxtAttrStr->setFocus();
        ui.TxtAttrStr->selectAll();
        QTest::keyClicks(ui.TxtAttrStr, QStringLiteral("12a"));
        QTest::mouseClick(ui.cmdUpdate, Qt::LeftButton);
        QTRY_COMPARE(editor.messages.texts(),
                     QStringList{QStringLiteral(
                         "Strength must be a whole number from 0 to 2147483647, not \"12a\"")});
        QTRY_COMPARE(QApplication::focusWidget(), ui.TxtAttrStr);
        // A value checked only by Update, with the focus left where it is.
        ui.TxtAttrStr->setText(QStringLiteral("12"));
        ui.txtName2->clear();
        ui.cmdUpdate->click();
        QCOMPARE(editor.messages.texts().size(), 2);
        QCOMPARE(editor.messages.texts().last(), QStringLiteral("Name 2 must not be empty"));
        QCOMPARE(editor.window.session().undoStack().count(), 0);
    }

    void troopsThatCannotBePlacedAreNotShown()
    {
        QTemporaryDir dir;
        QVERIFY(copyFolder(sampleModule(), dir.path()));
        QList<QByteArray> lines = readBytes(dir.filePath(QStringLiteral("troops.txt"))).split('\n');
        lines.insert(18, "trp_stray Stray Strays 0 0 0 0 0 0 0\r"); // inside troop 2's record
        const QByteArray stray = lines.join('\n');
        writeFile(dir.path(), QStringLiteral("troops.txt"), stray);
        Editor editor;
        editor.load(dir.path());
        const QString notice = QStringLiteral(
            "troops.txt line 19: a line inside the record of troop 2 begins with trp_; troop 2 is not shown or updated");
        QCOMPARE(editor.messages.texts(),
                 QStringList{QStringLiteral("Could not place 1 troop, which the lists name but the editor does not "
                                            "show or update:\n\n")
                             + notice});
        QCOMPARE(editor.messages.shown.first().look, MessageLook::Exclamation);
        editor.select(editor.ui.ListTroops, 2);
        QCOMPARE(editor.messages.texts().last(), QStringLiteral("Error #15: ") + notice);
        editor.select(editor.ui.ListTroops, 3);
        QCOMPARE(editor.ui.txtID->text(), QStringLiteral("trp_aurel_man_at_arms"));
        editor.ui.cmdUpdate->click();
        QVERIFY(editor.window.cmdSave_Click());
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("troops.txt"))), stray);
    }

    void closingAsksOnlyAfterUnsavedUpdates_data()
    {
        // Whether party 0 is updated, the answer, whether the save fails, and then: asked, closed, saved.
        QTest::addColumn<QList<int>>("c");
        QTest::newRow("nothing updated") << QList<int>{false, int(CloseAnswer::Cancel), false, 0, true, false};
        QTest::newRow("cancel") << QList<int>{true, int(CloseAnswer::Cancel), false, 1, false, false};
        // troops.txt cannot be written, so none is, and the window stays.
        QTest::newRow("save fails") << QList<int>{true, int(CloseAnswer::Save), true, 1, false, false};
    }

    void closingAsksOnlyAfterUnsavedUpdates()
    {
        QFETCH(QList<int>, c);
        QTemporaryDir dir;
        Editor editor;
        QVERIFY(editor.loadCopy(dir));
        if (c[0]) {
            editor.ui.cmbChooseFile->setCurrentText(QStringLiteral("parties.txt"));
            editor.select(editor.ui.lstParties, 0);
            editor.ui.txtPartiesName->setText(QStringLiteral("Renamed"));
            editor.ui.cmdUpdate->click();
        }
        if (c[2]) {
            QVERIFY(QFile::remove(dir.filePath(QStringLiteral("troops.txt"))));
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("troops.txt")));
        }
        editor.questions.answer = CloseAnswer(c[1]);
        editor.questions.overwrite = true; // where troops.txt was replaced by a folder
        QCOMPARE(editor.window.close(), bool(c[4]));
        QCOMPARE(editor.questions.asked, c[3]);
        QCOMPARE(editor.window.isVisible(), !c[4]);
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("parties.txt"))).contains("Renamed"), bool(c[5]));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
