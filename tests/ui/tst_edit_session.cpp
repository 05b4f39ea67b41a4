#include "editor_fixture.h"
#include "support/planted_fault.h"
#include "ui/check_report.h"
#include "ui/record_editor.h"
#include "ui/replace_panel.h"
#include "ui_check_report.h"
#include "ui_replace_panel.h"

#include <QComboBox>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QUndoStack>

using namespace lancefall;
using namespace lancefall::testing;
using namespace Qt::StringLiterals;

namespace {

QStringList rows(const QAbstractItemModel *model)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts.append(model->index(row, 0).data().toString());
    return texts;
}

// Everything the window shows that follows the session: the entries of every record list,
// read through controls that show them, the used-by panel and the open check report.
QStringList followers(Editor &editor, CheckReport &report)
{
    Ui::MainWindow &ui = editor.ui;
    QStringList shown;
    for (const QAbstractItemView *list : std::initializer_list<const QAbstractItemView *>{
             ui.ListTroops, ui.lstPartyTemplates, ui.lstParties})
        shown += rows(list->model());
    for (const QComboBox *chooser : {ui.cmbPTTroops_0, ui.cmbUpgradePathA, ui.cmbPTemplates})
        shown += rows(chooser->model());
    // What a chooser shows of its entry is its own copy, kept only by the relabelling.
    shown += ui.cmbPTTroops_0->currentText();
    shown += {ui.lblUsedByRecord->text(), ui.lblFactionUse->text()};
    for (int i = 0; i < ui.lstUsedBy->count(); ++i)
        shown += ui.lstUsedBy->item(i)->text();
    shown += report.form().lblCheckSummary->text();
    for (int i = 0; i < report.form().lstFindings->topLevelItemCount(); ++i)
        shown += report.form().lstFindings->topLevelItem(i)->text(3);
    return shown;
}

} // namespace

class TestEditSession : public QObject {
    Q_OBJECT

private slots:
    // A change of records of two files, made as one step, is undone and redone whole: every
    // list, the used-by panel of the record shown and the open check report are back as
    // they were before it, and as they were after it.
    void changeOfSeveralRecordsIsUndoneAndRedoneWhole()
    {
        QTemporaryDir dir;
        QVERIFY(plantFault(sampleModule(), dir.path(), {u"party_templates.txt"_s, Plant::Field, 3, 7, "12"}));
        Editor editor;
        editor.load(dir.path());
        QTest::keyClick(&editor.window, Qt::Key_F7);
        auto *report = editor.window.findChild<CheckReport *>();
        QVERIFY(report && report->findings().size() == 1);
        editor.choose(u"party_templates.txt"_s);
        editor.select(editor.ui.lstPartyTemplates, 1); // its first member is troop 4
        editor.choose(u"troops.txt"_s);
        editor.select(editor.ui.ListTroops, 3);

        // Made on a copy of the module, as any change is made from what is stored.
        EditSession &session = editor.window.session();
        ModuleDocument scratch(session.module());
        ModuleChange change;
        TroopView troop = scratch.showTroop(3)->view;
        troop.name1 = u"Aurel_Sergeant"_s;
        change.append(*scratch.troopUpdate(3, troop));
        troop = scratch.showTroop(4)->view;
        troop.name1 = u"Aurel_Knight"_s;
        change.append(*scratch.troopUpdate(4, troop));
        troop = scratch.showTroop(1)->view;
        troop.upgradeA = 3;
        change.append(*scratch.troopUpdate(1, troop));
        PartyTemplateView group = *scratch.showTemplate(0);
        group.members[0].min = u"2"_s;
        change.append(*scratch.templateUpdate(0, group));
        change.text = updateText(change);
        QCOMPARE(change.text, u"Update 4 records"_s);

        const QStringList before = followers(editor, *report);
        QVERIFY(session.push(change));
        const QStringList after = followers(editor, *report);
        QVERIFY(after.contains(u"4 - Aurel_Knight (trp_aurel_lancer)"_s));
        QVERIFY(after.contains(u"Troops that upgrade to it (2)"_s));
        QVERIFY(report->findings().isEmpty());

        session.undoStack().undo();
        QCOMPARE(followers(editor, *report), before);
        QCOMPARE(editor.window.statusBar()->currentMessage(), u"Undid Update 4 records"_s);
        session.undoStack().redo();
        QCOMPARE(followers(editor, *report), after);
        // The troops of the step are selected again, and can be updated together.
        QCOMPARE(editor.window.editor(RecordKind::Troop).selectedRecords(), (QList<qsizetype>{1, 3, 4}));
        QVERIFY(editor.ui.cmdUpdate->isEnabled());
    }

    // Tools > Replace finds every place that names an item, or those of the selected troops
    // only; Replace All is one step that the list follows, and so does its undo.
    void replaceAllIsOneStepTheListFollows()
    {
        QTemporaryDir dir;
        Editor editor;
        QVERIFY(editor.loadCopy(dir));
        editor.window.findChild<QAction *>(u"actionReplace"_s)->trigger();
        auto *panel = editor.window.findChild<ReplacePanel *>();
        QVERIFY(panel && panel->isVisible());
        Ui::ReplacePanel &form = panel->form();
        form.cmbReplaceKind->setCurrentText(u"Item"_s);
        form.cmbReplaceWhat->setCurrentIndex(8); // item 9, itm_halberd
        form.cmbReplaceWith->setCurrentIndex(7);
        form.cmdReplaceFind->click();
        QCOMPARE(form.lstReplacePlaces->count(), 3);
        QCOMPARE(form.lstReplacePlaces->item(0)->text(), u"trp_aurel_man_at_arms: inventory slot 2"_s);
        editor.select(editor.ui.ListTroops, 3);
        form.chkReplaceSelection->setChecked(true);
        form.cmdReplaceFind->click();
        QCOMPARE(form.lstReplacePlaces->count(), 1);

        form.chkReplaceSelection->setChecked(false);
        form.cmdReplaceAll->click();
        QUndoStack &history = editor.window.session().undoStack();
        QCOMPARE(history.count(), 1);
        QVERIFY2(history.undoText().startsWith(u"Replace itm_halberd with "_s), qPrintable(history.undoText()));
        QCOMPARE(form.lstReplacePlaces->count(), 0);
        QVERIFY(editor.window.session().module().troops.lines.line(25).startsWith("  4 0 8 0 21 0"));
        history.undo();
        QCOMPARE(form.lstReplacePlaces->count(), 3);
    }

    // A table exported from the window and imported back with one cell changed is one step;
    // the review lists that record and its field, and follows the undo. A table with an
    // error changes nothing and names the row.
    void tableRoundTripAndReview()
    {
        QTemporaryDir dir;
        Editor editor;
        QVERIFY(editor.loadCopy(dir));
        const QString table = dir.filePath(u"troops.csv"_s);
        editor.folders.saveFile = table;
        editor.window.findChild<QAction *>(u"actionExportTable"_s)->trigger();
        QList<QByteArray> rows = readBytes(table).split('\n');
        QVERIFY(rows.first().startsWith("\xEF\xBB\xBFnumber,id,name,"));
        const qsizetype level = QByteArray(rows.first()).trimmed().split(',').indexOf("level");
        QList<QByteArray> cells = rows[4].split(',');
        QCOMPARE(cells[1], QByteArray("trp_aurel_man_at_arms"));
        cells[level] = "20";
        rows[4] = cells.join(',');
        writeFile(dir.path(), u"troops.csv"_s, rows.join('\n'));
        editor.folders.openFile = table;
        editor.window.findChild<QAction *>(u"actionImportTable"_s)->trigger();
        QUndoStack &history = editor.window.session().undoStack();
        QCOMPARE(history.count(), 1);
        QVERIFY2(history.undoText().endsWith(u"from troops.csv"_s), qPrintable(history.undoText()));

        editor.window.findChild<QAction *>(u"actionReviewChanges"_s)->trigger();
        auto *changes = editor.window.findChild<QTreeWidget *>(u"lstChanges"_s);
        QVERIFY(changes && changes->isVisible());
        QCOMPARE(changes->topLevelItemCount(), 1);
        QCOMPARE(changes->topLevelItem(0)->text(0), u"troops.txt (1)"_s);
        QCOMPARE(changes->topLevelItem(0)->child(0)->text(0), u"trp_aurel_man_at_arms: Level 18 → 20"_s);
        history.undo();
        QCOMPARE(changes->topLevelItemCount(), 0);

        cells[level] = "x";
        rows[4] = cells.join(',');
        writeFile(dir.path(), u"troops.csv"_s, rows.join('\n'));
        editor.window.findChild<QAction *>(u"actionImportTable"_s)->trigger();
        QCOMPARE(history.count(), 1);
        QCOMPARE(history.index(), 0);
        QVERIFY2(editor.messages.texts().last().contains(u"troops.csv:5: level: "_s), qPrintable(editor.messages.texts().last()));
    }
};

QTEST_MAIN(TestEditSession)
#include "tst_edit_session.moc"
