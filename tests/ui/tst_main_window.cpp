#include "editor_fixture.h"

#include <QDir>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QTest>

using namespace lancefall;
using namespace lancefall::testing;

namespace {

QString fixture(const QString &name)
{
    return QFINDTESTDATA(QStringLiteral("../data/modules/") + name);
}

// The bytes of a file with some of its lines replaced (1-based), every line ending in CR LF.
QByteArray withLines(const QByteArray &content, const QMap<int, QByteArray> &replaced)
{
    QList<QByteArray> lines = withCrLfLineEnds(content).split('\n');
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
    return !editor.ui.cmbChooseFile->isEnabled() && !editor.ui.cmdUpdate->isEnabled() && !editor.ui.cmdSave->isEnabled();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void startsOnInstructionsWithCommandsDisabled();
    void loadsAModuleChosenWithBrowse();
    void showsExactlyOneViewPerChooserValue_data();
    void showsExactlyOneViewPerChooserValue();
    void cancelledBrowseChangesNothing_data();
    void cancelledBrowseChangesNothing();
    void failedLoadAfterSuccessLeavesNothingToSave();
    void failedSaveKeepsTheOldFileAndWritesTheOthers();
    void typicalEditReachesTheFiles();
    void updateWithoutAShownRecordChangesNothing();
    void closingAsksOnlyAfterUnsavedUpdates_data();
    void closingAsksOnlyAfterUnsavedUpdates();
};

void TestMainWindow::startsOnInstructionsWithCommandsDisabled()
{
    Editor editor;
    QCOMPARE(editor.visibleView(), editor.ui.frmInstructions);
    QVERIFY(commandsDisabled(editor));
    QVERIFY(editor.ui.cmdBrowse->isEnabled());
    QStringList chooser;
    for (int i = 0; i < editor.ui.cmbChooseFile->count(); ++i)
        chooser.append(editor.ui.cmbChooseFile->itemText(i));
    QCOMPARE(chooser, (QStringList{QStringLiteral("Instructions"), QStringLiteral("parties.txt"),
                                   QStringLiteral("party_templates.txt"), QStringLiteral("troops.txt")}));
    QVERIFY(!editor.ui.cmbChooseFile->isEditable());
    QVERIFY(editor.ui.txtFolder->isReadOnly());
    QVERIFY(editor.ui.txtFolder->text().endsWith(QDir::separator()));
    QCOMPARE(editor.ui.CmbRace->count(), 16);
    QCOMPARE(editor.ui.CmbRace->itemText(15), QStringLiteral("Skin 15"));
    QCOMPARE(editor.ui.cmbPTCourage->itemText(15), QStringLiteral("15"));
    QCOMPARE(editor.ui.cmbPTPersonality->currentText(), QStringLiteral("Soldier"));
    QCOMPARE(editor.ui.cmbPTAgressiveness->currentText(), QStringLiteral("8"));
    QVERIFY(editor.messages.shown.isEmpty());
}

void TestMainWindow::loadsAModuleChosenWithBrowse()
{
    Editor editor;
    const QString start = editor.ui.txtFolder->text();
    editor.load(sampleModule());
    QCOMPARE(editor.folders.lastStart, start);
    QCOMPARE(editor.folders.lastTitle, QStringLiteral("Select a Lancefall module folder to modify:"));
    QCOMPARE(editor.messages.texts(), QStringList());
    QVERIFY(commandsEnabled(editor));
    QCOMPARE(editor.visibleView(), editor.ui.frmInstructions);
    QCOMPARE(editor.ui.txtFolder->text(), withSeparator(QDir(sampleModule()).absolutePath()));
    QCOMPARE(editor.ui.ListTroops->model()->rowCount(), 38);
    QCOMPARE(editor.ui.cmbPTTroops_5->itemText(0), QStringLiteral("0 - None"));
    QCOMPARE(editor.ui.cmbPTTroops_5->currentIndex(), 0);
    QCOMPARE(editor.ui.cmbUpgradePathA->itemText(1), editor.ui.cmbUpgradePathB->itemText(1));
    QCOMPARE(editor.ui.cmbItems->count(), 40);
    QCOMPARE(editor.ui.cmbPFactions->count(), 7);
    QCOMPARE(editor.ui.cmbPFactions->itemText(0), QStringLiteral("0 - No_Faction"));
    QCOMPARE(editor.ui.lstPartyTemplates->model()->rowCount(), 12);
    QCOMPARE(editor.ui.cmbPTemplates->count(), 12);
    QCOMPARE(editor.ui.lstParties->model()->rowCount(), 8);
}

void TestMainWindow::showsExactlyOneViewPerChooserValue_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("view");
    QTest::newRow("troops") << QStringLiteral("troops.txt") << QStringLiteral("frmTroops");
    QTest::newRow("templates") << QStringLiteral("party_templates.txt") << QStringLiteral("frmParty_Templates");
    QTest::newRow("parties") << QStringLiteral("parties.txt") << QStringLiteral("frmParties");
    QTest::newRow("instructions") << QStringLiteral("Instructions") << QStringLiteral("frmInstructions");
}

void TestMainWindow::showsExactlyOneViewPerChooserValue()
{
    QFETCH(QString, value);
    QFETCH(QString, view);
    Editor editor;
    editor.load(sampleModule());
    for (const QString &before : {QStringLiteral("parties.txt"), QStringLiteral("troops.txt")}) {
        editor.ui.cmbChooseFile->setCurrentText(before);
        editor.ui.cmbChooseFile->setCurrentText(value);
        QVERIFY(editor.visibleView());
        QCOMPARE(editor.visibleView()->objectName(), view);
    }
    // Update on the Instructions view does nothing.
    editor.ui.cmbChooseFile->setCurrentText(QStringLiteral("Instructions"));
    editor.ui.cmdUpdate->click();
    QVERIFY(editor.messages.shown.isEmpty());
}

void TestMainWindow::cancelledBrowseChangesNothing_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::newRow("cancel") << std::optional<QString>();
    QTest::newRow("a choice without a path") << std::optional<QString>(QStringLiteral("  "));
}

void TestMainWindow::cancelledBrowseChangesNothing()
{
    QFETCH(std::optional<QString>, answer);
    Editor editor;
    editor.load(sampleModule());
    editor.ui.cmbChooseFile->setCurrentText(QStringLiteral("troops.txt"));
    editor.select(editor.ui.ListTroops, 2);
    const QString folder = editor.ui.txtFolder->text();
    const LineTable lines = editor.window.module().troops.lines;

    editor.folders.folder = answer;
    editor.ui.cmdBrowse->click();
    QCOMPARE(editor.ui.txtFolder->text(), folder);
    QVERIFY(commandsEnabled(editor));
    QCOMPARE(editor.visibleView(), editor.ui.frmTroops);
    QCOMPARE(editor.ui.ListTroops->currentIndex().row(), 2);
    QCOMPARE(editor.ui.ListTroops->model()->rowCount(), 38);
    QVERIFY(editor.window.module().troops.lines == lines);
    QVERIFY(editor.messages.shown.isEmpty());
}

void TestMainWindow::failedLoadAfterSuccessLeavesNothingToSave()
{
    QTemporaryDir dir;
    QVERIFY(copyFolder(fixture(QStringLiteral("crlf_ascii")), dir.path()));
    QVERIFY(QFile::remove(dir.filePath(QStringLiteral("parties.txt"))));
    Editor editor;
    editor.load(sampleModule());
    editor.ui.cmbChooseFile->setCurrentText(QStringLiteral("parties.txt"));

    editor.load(dir.path());
    QCOMPARE(editor.messages.shown.size(), 1);
    QCOMPARE(editor.messages.shown[0].text, QStringLiteral("Unable to open the following files in ")
                                                + withSeparator(dir.path()) + QStringLiteral("\n\n  parties.txt"));
    QCOMPARE(editor.messages.shown[0].look, MessageLook::Critical);
    // The module loaded before stays, with its folder, its lists and its commands.
    QVERIFY(commandsEnabled(editor));
    QCOMPARE(editor.visibleView(), editor.ui.frmParties);
    QCOMPARE(editor.ui.txtFolder->text(), withSeparator(sampleModule()));
    QCOMPARE(editor.ui.ListTroops->model()->rowCount(), 38);
    QCOMPARE(editor.ui.lstParties->model()->rowCount(), 8);
}

void TestMainWindow::failedSaveKeepsTheOldFileAndWritesTheOthers()
{
    QTemporaryDir dir;
    QVERIFY(copyFolder(fixture(QStringLiteral("lf_only")), dir.path()));
    Editor editor;
    editor.load(dir.path());
    // Something root cannot replace: a folder where parties.txt was.
    QVERIFY(QFile::remove(dir.filePath(QStringLiteral("parties.txt"))));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("parties.txt/kept")));

    QVERIFY(!editor.window.cmdSave_Click());
    QCOMPARE(editor.messages.shown.size(), 1);
    QVERIFY(editor.messages.shown[0].text.startsWith(
        QStringLiteral("The following files in ") + withSeparator(dir.path())
        + QStringLiteral(" were updated:\n\ntroops.txt (16 lines)\nparty_templates.txt (3 lines)\n\n"
                         "The following files in ")
        + withSeparator(dir.path()) + QStringLiteral(" could not be written:\n\nError #4: parties.txt: ")));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("parties.txt/kept"))).isDir());
    QCOMPARE(readBytes(dir.filePath(QStringLiteral("troops.txt"))),
             readBytes(QDir(fixture(QStringLiteral("lf_only"))).filePath(QStringLiteral("troops.txt"))));
}

void TestMainWindow::typicalEditReachesTheFiles()
{
    QTemporaryDir dir;
    QVERIFY(copyFolder(sampleModule(), dir.path()));
    Editor editor;
    editor.load(dir.path());
    Ui::MainWindow &ui = editor.ui;

    // A troop: names, a flag, the inventory order and a skill.
    ui.cmbChooseFile->setCurrentText(QStringLiteral("troops.txt"));
    editor.select(ui.ListTroops, 3);
    QCOMPARE(ui.txtID->text(), QStringLiteral("trp_aurel_man_at_arms"));
    QVERIFY(ui.chkArmor->isChecked());
    QVERIFY(!ui.chkHero->isChecked());
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
    QCOMPARE(ui.cmbPTPersonality->currentText(), QStringLiteral("Soldier"));
    ui.cmbPTPersonality->setCurrentText(QStringLiteral("Bandit"));
    QCOMPARE(ui.cmbPTCourage->currentText(), QStringLiteral("8"));
    QVERIFY(ui.chkPTBanditness->isChecked());
    ui.cmbPTTroops_3->setCurrentIndex(12);
    ui.txtPTMin_3->setText(QStringLiteral("2"));
    ui.txtPTMax_3->setText(QStringLiteral("4"));
    ui.chkPTPrisoner_3->setChecked(true);
    ui.cmdUpdate->click();

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
                                          "party_templates.txt (14 lines)\nparties.txt (18 lines)")});

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
                       {{3, "pt_aurel_patrol Aurel_Patrol 0 0 1 312 1 4 10 0 2 2 6 0 5 2 5 0 12 2 4 1 -1 -1 "}}));
    QCOMPARE(readBytes(dir.filePath(QStringLiteral("parties.txt"))),
             withLines(readBytes(sample.filePath(QStringLiteral("parties.txt"))),
                       {{5, "1 1 1 0 p_town_aurelhold Aurelhold 5376 3 4 2 1 0 0 0 1 0 0 0 40.000000 22.500000 "
                            "40.000000 22.500000 40.000000 22.500000 0.0 0 "}}));

    // One more update, then closing asks before the work is lost.
    ui.cmdUpdate->click();
    editor.questions.answer = CloseAnswer::Cancel;
    QVERIFY(!editor.window.close());
    QCOMPARE(editor.questions.asked, 1);
}

void TestMainWindow::updateWithoutAShownRecordChangesNothing()
{
    Editor editor;
    editor.load(sampleModule());
    for (const QString &view : {QStringLiteral("troops.txt"), QStringLiteral("party_templates.txt"),
                                QStringLiteral("parties.txt")}) {
        editor.ui.cmbChooseFile->setCurrentText(view);
        QVERIFY(!editor.ui.cmdUpdate->isEnabled());
    }
    QVERIFY(!editor.window.isWindowModified());
}

void TestMainWindow::closingAsksOnlyAfterUnsavedUpdates_data()
{
    QTest::addColumn<bool>("update");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saveFails");
    QTest::addColumn<int>("asked");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    QTest::newRow("nothing updated") << false << int(CloseAnswer::Cancel) << false << 0 << true << false;
    QTest::newRow("cancel") << true << int(CloseAnswer::Cancel) << false << 1 << false << false;
    QTest::newRow("discard") << true << int(CloseAnswer::Discard) << false << 1 << true << false;
    QTest::newRow("save") << true << int(CloseAnswer::Save) << false << 1 << true << true;
    // troops.txt cannot be written; the other files still are, and the window stays.
    QTest::newRow("save fails") << true << int(CloseAnswer::Save) << true << 1 << false << true;
}

void TestMainWindow::closingAsksOnlyAfterUnsavedUpdates()
{
    QFETCH(bool, update);
    QFETCH(int, answer);
    QFETCH(bool, saveFails);
    QFETCH(int, asked);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    QTemporaryDir dir;
    QVERIFY(copyFolder(sampleModule(), dir.path()));
    Editor editor;
    editor.load(dir.path());
    if (update) {
        editor.ui.cmbChooseFile->setCurrentText(QStringLiteral("parties.txt"));
        editor.select(editor.ui.lstParties, 0);
        editor.ui.txtPartiesName->setText(QStringLiteral("Renamed"));
        editor.ui.cmdUpdate->click();
        QVERIFY(editor.window.isWindowModified());
    }
    if (saveFails) {
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("troops.txt"))));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("troops.txt")));
    }
    editor.questions.answer = CloseAnswer(answer);
    QCOMPARE(editor.window.close(), closed);
    QCOMPARE(editor.questions.asked, asked);
    QCOMPARE(editor.window.isVisible(), !closed);
    QCOMPARE(readBytes(dir.filePath(QStringLiteral("parties.txt"))).contains("Renamed"), saved);
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
