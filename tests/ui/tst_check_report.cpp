#include "editor_fixture.h"
#include "support/planted_fault.h"
#include "ui/check_report.h"
#include "ui_check_report.h"
#include "ui_main_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUndoStack>

using namespace lancefall;
using namespace lancefall::testing;
using namespace Qt::StringLiterals;

namespace {

// Presses F7 in the window and gives the report that opened.
CheckReport *checkWithF7(Editor &editor)
{
    QTest::keyClick(&editor.window, Qt::Key_F7);
    CheckReport *report = editor.window.findChild<CheckReport *>();
    return report && report->isVisible() ? report : nullptr;
}

QStringList listed(CheckReport &report)
{
    QStringList rows;
    QTreeWidget *list = report.form().lstFindings;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = list->topLevelItem(i);
        rows.append(item->text(1) + u':' + item->text(2) + u' ' + item->text(0) + u' ' + item->text(3));
    }
    return rows;
}

} // namespace

class TestCheckReport : public QObject {
    Q_OBJECT

private slots:
    // F7 lists the findings; activating one shows its record in its view, or the view of
    // its file when it belongs to no record.
    void activatingAFindingShowsItsRecord_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("finding"); // the listed row starts so
        QTest::addColumn<QString>("view");
        QTest::addColumn<int>("row"); // selected in the view's list, -1 for none
        QTest::newRow("troop") << Fault{u"troops.txt"_s, Plant::Field, 21, 3, "192"}
                               << u"troops.txt:21 warning trp_aurel_footman has skill levels above 10"_s << u"troops.txt"_s << 2;
        QTest::newRow("template") << Fault{u"party_templates.txt"_s, Plant::Field, 6, 7, "12"}
                                  << u"party_templates.txt:6 error member 1 of pt_sunmarch_column has a maximum of 9"_s << u"party_templates.txt"_s << 3;
        QTest::newRow("summary row") << Fault{u"parties.txt"_s, Plant::Line, 2, 0, " 7 7"}
                                     << u"parties.txt:2 error the summary row says 7 parties"_s << u"parties.txt"_s << -1;
    }
    void activatingAFindingShowsItsRecord()
    {
        QFETCH(Fault, fault);
        QFETCH(QString, finding);
        QFETCH(QString, view);
        QFETCH(int, row);
        QTemporaryDir dir;
        QVERIFY(plantFault(sampleModuleFolder(), dir.path(), fault));
        Editor editor;
        editor.load(dir.path());
        CheckReport *report = checkWithF7(editor);
        QVERIFY(report);
        const QStringList rows = listed(*report);
        QCOMPARE(rows.size(), 1);
        QVERIFY2(rows.first().startsWith(finding), qPrintable(rows.first()));

        // A filter that hides the record is cleared to show it.
        for (QLineEdit *filter : {editor.ui.txtFilterTroops, editor.ui.txtFilterTemplates, editor.ui.txtFilterParties})
            filter->setText(u"no such record"_s);
        report->form().cmdShowFinding->click();
        QCOMPARE(editor.ui.cmbChooseFile->currentText(), view);
        const QHash<QString, QAbstractItemView *> lists{{u"troops.txt"_s, editor.ui.ListTroops},
                                                        {u"party_templates.txt"_s, editor.ui.lstPartyTemplates},
                                                        {u"parties.txt"_s, editor.ui.lstParties}};
        QAbstractItemView *list = lists.value(view);
        const QModelIndexList selected = list->selectionModel()->selectedIndexes();
        QCOMPARE(selected.isEmpty() ? -1 : selected.first().row(), row);
        QCOMPARE(row >= 0 && static_cast<QListView *>(list)->isRowHidden(row), false);
        QVERIFY(editor.messages.shown.isEmpty());
    }

    // The editor's keys work while the report has the focus: Ctrl+Z undoes the last update
    // (and the report follows it), Ctrl+S saves.
    void shortcutsWorkInTheReport()
    {
        QTemporaryDir dir;
        Editor editor;
        QVERIFY(editor.loadCopy(dir));
        editor.select(editor.ui.ListTroops, 3);
        editor.ui.txtName1->setText(u"Aurel_Sergeant"_s);
        editor.ui.cmdUpdate->click();
        CheckReport *report = checkWithF7(editor);
        QVERIFY(report);
        // The offscreen platform does not move the focus to a new window by itself.
        QApplication::setActiveWindow(report);
        QTRY_COMPARE(QApplication::activeWindow(), report);
        editor.messages.shown.clear();
        QTest::keyClick(report->form().lstFindings, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor.label(editor.ui.ListTroops, 3), u"3 - Aurel_Man_at_Arms (trp_aurel_man_at_arms)"_s);
        QTest::keyClick(report->form().lstFindings, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(report->form().lstFindings, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!editor.window.isWindowModified());
        QVERIFY(readBytes(dir.filePath(u"troops.txt"_s)).contains("trp_aurel_man_at_arms Aurel_Sergeant "));
    }

};

QTEST_MAIN(TestCheckReport)
#include "tst_check_report.moc"
