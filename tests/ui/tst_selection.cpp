#include "editor_fixture.h"
#include "ui/record_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QUndoStack>

using namespace lancefall;
using namespace lancefall::testing;
using namespace Qt::StringLiterals;

namespace {

void click(QAbstractItemView *list, int row, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualRect(index).center());
}

QList<qsizetype> selected(Editor &editor, RecordKind kind)
{
    return editor.window.editor(kind).selectedRecords();
}

} // namespace

class TestSelection : public QObject {
    Q_OBJECT

private slots:
    // Troops 1 to 4 by Shift+click: the view shows what they share, marks what differs, and
    // an Update writes exactly the fields the user changed to each troop, as one step.
    void severalTroopsShowWhatTheyShareAndTakeWhatChanged()
    {
        QTemporaryDir dir;
        Editor editor;
        QVERIFY(editor.loadCopy(dir));
        Ui::MainWindow &ui = editor.ui;
        editor.select(ui.ListTroops, 1);
        click(ui.ListTroops, 4, Qt::ShiftModifier);
        QCOMPARE(selected(editor, RecordKind::Troop), (QList<qsizetype>{1, 2, 3, 4}));
        QCOMPARE(editor.window.statusBar()->currentMessage(), u"4 troops selected"_s);

        QVERIFY(!ui.txtID->isEnabled());
        QCOMPARE(ui.txtLvl->text(), QString());
        QCOMPARE(ui.txtLvl->placeholderText(), u"(several values)"_s);
        QCOMPARE(ui.cmbFactions->currentText(), u"1 - Kingdom_of_Aurel"_s); // shared
        QCOMPARE(ui.cmbUpgradePathA->currentIndex(), -1);
        QCOMPARE(ui.cmbUpgradePathA->lineEdit()->placeholderText(), u"(several values)"_s);
        QCOMPARE(ui.chkMounted->checkState(), Qt::PartiallyChecked);
        QCOMPARE(ui.chkHero->checkState(), Qt::Unchecked);
        QVERIFY(ui.txtLvl->toolTip().contains(u"+N"_s));
        const QByteArray before = readBytes(dir.filePath(u"troops.txt"_s));

        ui.txtLvl->setFocus();
        QTest::keyClicks(ui.txtLvl, u"+2"_s);
        ui.chkMounted->click(); // out of its partial state: checked for all
        ui.txtName2->setFocus();
        QVERIFY(editor.messages.shown.isEmpty()); // "+2" is no refused number
        ui.cmdUpdate->click();
        QCOMPARE(editor.messages.texts(), QStringList{u"Information on 4 troops has been updated."_s});
        QCOMPARE(editor.window.session().undoStack().undoText(), u"Update 4 troops"_s);
        QCOMPARE(ui.txtLvl->text(), QString()); // levels 5, 12, 20 and 28 still differ
        QCOMPARE(ui.chkMounted->checkState(), Qt::Checked);

        QVERIFY(editor.window.cmdSave_Click());
        const QList<QByteArray> was = before.split('\n');
        const QList<QByteArray> now = readBytes(dir.filePath(u"troops.txt"_s)).split('\n');
        QCOMPARE(now.size(), was.size());
        QStringList changed;
        for (qsizetype i = 0; i < was.size(); ++i) {
            if (was[i] != now[i])
                changed.append(QString::number(i + 1) + u' ' + QString::fromLatin1(now[i].trimmed().left(40)));
        }
        // Each troop's level two higher; the mounted flag (0x400) on those without it.
        QCOMPARE(changed, (QStringList{u"10 trp_aurel_recruit Aurel_Recruit Aurel_Re"_s, u"12 6 5 4 4 5"_s,
                                       u"17 trp_aurel_footman Aurel_Footman Aurel_Fo"_s, u"19 10 8 5 5 12"_s,
                                       u"24 trp_aurel_man_at_arms Aurel_Man_at_Arms "_s, u"26 15 11 6 6 20"_s, u"33 20 14 8 9 28"_s}));

        // Its undo puts every line back and selects the four troops again.
        click(ui.ListTroops, 7, Qt::NoModifier);
        editor.window.session().undoStack().undo();
        QVERIFY(editor.window.cmdSave_Click());
        QCOMPARE(readBytes(dir.filePath(u"troops.txt"_s)), before);
        QCOMPARE(selected(editor, RecordKind::Troop), (QList<qsizetype>{1, 2, 3, 4}));
    }

    // One troop that would go past a limit refuses the whole Update, naming it: nothing changes.
    void oneRefusalChangesNothing()
    {
        Editor editor;
        editor.load(sampleModule());
        editor.select(editor.ui.ListTroops, 1);
        click(editor.ui.ListTroops, 3, Qt::ShiftModifier);
        QTest::keyClicks(editor.ui.txtAthletics, u"+8"_s);
        const LineTable lines = editor.window.session().module().troops.lines;
        editor.ui.cmdUpdate->click();
        QCOMPARE(editor.messages.texts(),
                 QStringList{u"Athletics of trp_aurel_man_at_arms would be 11; it must be a whole number from 0 to 10"_s});
        QVERIFY(editor.window.session().module().troops.lines == lines);
        QCOMPARE(editor.window.session().undoStack().count(), 0);
    }

    // Ctrl+A selects the entries the filter shows; Ctrl+click adds one; leaving a selection
    // with changed fields asks about it as a whole.
    void ctrlASelectsWhatTheFilterShows()
    {
        Editor editor;
        editor.load(sampleModule());
        editor.choose(u"parties.txt"_s);
        editor.ui.txtFilterParties->setText(u"hol"_s);
        editor.ui.lstParties->setFocus();
        QTest::keyClick(editor.ui.lstParties, Qt::Key_A, Qt::ControlModifier);
        const QList<qsizetype> towns = selected(editor, RecordKind::Party);
        QCOMPARE(towns, (QList<qsizetype>{1, 4}));
        for (const qsizetype k : towns)
            QVERIFY(editor.label(editor.ui.lstParties, int(k)).contains(u"hol"_s, Qt::CaseInsensitive));
        QCOMPARE(editor.ui.cmbPTemplates->currentIndex(), -1);

        editor.ui.txtFilterParties->clear();
        QTest::keyClicks(editor.ui.txtPartiesName, u"Hold"_s);
        click(editor.ui.lstParties, 0, Qt::ControlModifier);
        QCOMPARE(editor.questions.applyAsked, QStringList{u"%1 parties"_s.arg(towns.size())});
        QCOMPARE(selected(editor, RecordKind::Party), towns); // Cancel stays

        // Ctrl+click on each selected entry leaves none selected: nothing is offered for Update.
        editor.questions.applyAnswer = ApplyAnswer::Discard;
        for (const qsizetype k : towns)
            click(editor.ui.lstParties, int(k), Qt::ControlModifier);
        QVERIFY(selected(editor, RecordKind::Party).isEmpty());
        QVERIFY(!editor.ui.cmdUpdate->isEnabled() && !editor.ui.actionUpdate->isEnabled());
    }
};

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
