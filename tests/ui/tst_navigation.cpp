#include "editor_fixture.h"

#include "ui/command_line.h"

#include <QCommandLineParser>
#include <QCompleter>
#include <QListWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QUndoStack>

using namespace lancefall;
using namespace lancefall::testing;
using namespace Qt::StringLiterals;

namespace {

QList<int> shownRows(QListView *list)
{
    QList<int> rows;
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        if (!list->isRowHidden(row))
            rows.append(row);
    }
    return rows;
}

QStringList entries(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text().trimmed());
    return texts;
}

QListView *recordListOf(Editor &editor)
{
    return editor.visibleView()->findChildren<QListView *>().first();
}

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT

private slots:
    void filterHidesRowsAndKeepsRecordNumbers_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("a name, in any case") << u"troops.txt"_s << u"AUREL_"_s << QList<int>{1, 2, 3, 4, 5, 6};
        QTest::newRow("a number, from the instructions") << u"Instructions"_s << u"37"_s << QList<int>{37};
        QTest::newRow("templates") << u"party_templates.txt"_s << u"caravan"_s << QList<int>{4, 5};
        QTest::newRow("parties") << u"parties.txt"_s << u"p_village"_s << QList<int>{3};
    }

    void filterHidesRowsAndKeepsRecordNumbers()
    {
        QFETCH(QString, view);
        QFETCH(QString, text);
        QFETCH(QList<int>, rows);
        Editor editor;
        editor.load(sampleModule());
        editor.choose(view);
        if (editor.visibleView() != editor.ui.frmInstructions)
            editor.select(recordListOf(editor), 0);
        QTest::keySequence(QApplication::focusWidget(), QKeySequence::Find);
        auto *filter = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(filter && filter->isVisible() && filter->objectName().startsWith(u"txtFilter"_s));
        QTest::keyClicks(filter, text);
        QListView *list = recordListOf(editor);
        QCOMPARE(shownRows(list), rows);
        // The last match, clicked, is the record its number names; typing a filter is no edit.
        editor.select(list, rows.last());
        QCOMPARE(editor.questions.applyAsked, QStringList());
        const RecordKind file = view == u"parties.txt"_s ? RecordKind::Party
            : view == u"party_templates.txt"_s            ? RecordKind::PartyTemplate
                                                          : RecordKind::Troop;
        QCOMPARE(editor.window.session().document().shownRecord(file), qsizetype(rows.last()));
        QTest::keyClick(filter, Qt::Key_Escape);
        QCOMPARE(filter->text(), QString());
        QCOMPARE(shownRows(list).size(), list->model()->rowCount());
    }

    void filteredRowStaysItsRecordThroughAnUpdate()
    {
        Editor editor;
        editor.load(sampleModule());
        editor.select(editor.ui.ListTroops, 12);
        QTest::keyClicks(editor.ui.txtFilterTroops, u"sunmarch_p"_s);
        // The record shown stays selected while it matches, and Update still acts on it.
        QCOMPARE(shownRows(editor.ui.ListTroops), QList<int>{12});
        editor.ui.txtName1->setText(u"Pikeman_Elite"_s);
        editor.ui.cmdUpdate->click();
        QCOMPARE(editor.window.session().document().labels(RecordList::Troops).at(12), u"12 - Pikeman_Elite (trp_sunmarch_pikeman)"_s);
        QCOMPARE(shownRows(editor.ui.ListTroops), QList<int>{12});
        editor.ui.txtFilterTroops->clear();
        QCOMPARE(editor.label(editor.ui.ListTroops, 11), u"11 - Sunmarch_Militia (trp_sunmarch_militia)"_s);
        QCOMPARE(editor.label(editor.ui.ListTroops, 12), u"12 - Pikeman_Elite (trp_sunmarch_pikeman)"_s);
        QCOMPARE(editor.label(editor.ui.cmbPTTroops_0->view(), 12), u"12 - Pikeman_Elite (trp_sunmarch_pikeman)"_s);
    }

    void chooserPicksAnEntryByTypedText_data()
    {
        QTest::addColumn<QString>("chooser");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("chosen"); // -1: typed text that names no entry keeps the entry chosen before
        QTest::newRow("an item by part of its name") << u"cmbItems"_s << u"halb"_s << 8;
        QTest::newRow("an upgrade path by the troop's identifier") << u"cmbUpgradePathB"_s << u"p_sunmarch_c"_s << 13;
        QTest::newRow("a faction in another case") << u"cmbFactions"_s << u"GREYWATER"_s << 4;
        QTest::newRow("free text is refused") << u"cmbItems"_s << u"Laser"_s << -1;
    }

    void chooserPicksAnEntryByTypedText()
    {
        QFETCH(QString, chooser);
        QFETCH(QString, typed);
        QFETCH(int, chosen);
        Editor editor;
        editor.load(sampleModule());
        editor.select(editor.ui.ListTroops, 3);
        auto *combo = editor.window.findChild<QComboBox *>(chooser);
        const int before = combo->currentIndex();
        combo->lineEdit()->setFocus();
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), typed);
        // The matches drop down; keys go to them as to any open popup.
        QWidget *popup = combo->completer()->popup();
        QTRY_COMPARE(popup->isVisible(), chosen >= 0);
        if (popup->isVisible())
            QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup->isVisible() ? popup : combo->lineEdit(), Qt::Key_Return);
        QCOMPARE(combo->currentIndex(), chosen >= 0 ? chosen : before);
        QTRY_COMPARE(combo->lineEdit()->text(), combo->itemText(combo->currentIndex()));
    }

    void usedByNamesWhatRefersToTheRecord_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<int>("record");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("faction");
        QTest::newRow("a troop") << u"troops.txt"_s << 4
                                 << QStringList{u"Troops that upgrade to it (1)"_s, u"3 - Aurel_Man_at_Arms (trp_aurel_man_at_arms)"_s,
                                                u"Templates with it as a member (2)"_s, u"1 - Aurel_Lancers (pt_aurel_lancers)"_s,
                                                u"10 - Kingdom_Hero_Party (pt_kingdom_hero_party)"_s, u"Parties using those templates (2)"_s,
                                                u"0 - Main_Party (p_main_party)"_s, u"2 - Greyspire_Castle (p_castle_greyspire)"_s}
                                 << u"Faction 1 - Kingdom_of_Aurel: 9 troops, 4 templates, 2 parties"_s;
        QTest::newRow("a template") << u"party_templates.txt"_s << 8
                                    << QStringList{u"Parties using it (1)"_s, u"3 - Millbrook (p_village_millbrook)"_s}
                                    << u"Faction 3 - Sunmarch_League: 7 troops, 2 templates, 2 parties"_s;
    }

    void usedByNamesWhatRefersToTheRecord()
    {
        QFETCH(QString, view);
        QFETCH(int, record);
        Editor editor;
        editor.load(sampleModule());
        editor.choose(view);
        editor.select(recordListOf(editor), record);
        QTEST(entries(editor.ui.lstUsedBy), "entries");
        QTEST(editor.ui.lblFactionUse->text(), "faction");
    }

    // Double-click or Enter on an entry shows its record, even one the list's filter hides.
    void usedByEntryJumpsToItsRecord()
    {
        for (const bool doubleClick : {true, false}) {
            Editor editor;
            editor.load(sampleModule());
            editor.ui.txtFilterParties->setText(u"Millbrook"_s);
            editor.select(editor.ui.ListTroops, 4);
            QListWidget *usedBy = editor.ui.lstUsedBy;
            QListWidgetItem *party = usedBy->findItems(u"2 - Greyspire_Castle"_s, Qt::MatchContains).value(0);
            QVERIFY(party);
            usedBy->setCurrentItem(party);
            const QPoint at = usedBy->visualItemRect(party).center();
            if (doubleClick) {
                QTest::mouseClick(usedBy->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(usedBy->viewport(), Qt::LeftButton, {}, at);
            } else {
                QTest::keyClick(usedBy, Qt::Key_Return);
            }
            QCOMPARE(editor.visibleView(), editor.ui.frmParties);
            QCOMPARE(shownRows(editor.ui.lstParties).size(), 8);
            QCOMPARE(editor.ui.lstParties->selectionModel()->selectedRows().value(0).row(), 2);
            QCOMPARE(editor.ui.txtPartiesID->text(), u"p_castle_greyspire"_s);
        }
    }

    // The used-by list follows an update and its undo.
    void commandLineFolderIsOpened_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("relative to the current folder") << QStringList{u"module"_s} << QString();
        QTest::newRow("a folder that does not exist") << QStringList{u"none"_s} << u"The folder %1 does not exist."_s;
    }

    void commandLineFolderIsOpened()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const QString current = QDir::currentPath();
        QDir::setCurrent(sampleModule() + u"/.."_s);
        QCommandLineParser parser;
        describeCommandLine(parser);
        QVERIFY(parser.parse(QStringList{u"lancefall-editor"_s} + arguments));
        const std::optional<QString> folder = editorOptions(parser).folder;
        QDir::setCurrent(current);
        QCOMPARE(folder.has_value(), !arguments.isEmpty());

        Editor editor;
        if (folder)
            editor.window.openFolder(*folder);
        QCOMPARE(editor.window.session().document().isLoaded(), folder && message.isEmpty());
        QCOMPARE(editor.messages.texts().value(0), folder ? message.arg(withSeparator(*folder)) : message);
        if (editor.window.session().document().isLoaded()) {
            QCOMPARE(editor.ui.txtFolder->text(), withSeparator(sampleModule()));
            QCOMPARE(editor.visibleView(), editor.ui.frmTroops);
            QVERIFY(editor.window.windowTitle().startsWith(u"module[*] - Lancefall Module Editor"_s));
        }
    }

    void shortcutsReachTheirCommands_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("field");  // typed into, then Update clicked unless the keys are Ctrl+Return
        QTest::addColumn<QString>("status"); // what the status bar says afterwards; empty when the window closed
        QTest::addColumn<int>("updates");    // updates in effect afterwards
        const QKeySequence update(u"Ctrl+Return"_s);
        QTest::newRow("Ctrl+Return updates from a field") << update << u"txtName1"_s << u"Updated trp_aurel_footman"_s << 1;
        QTest::newRow("Ctrl+Return checks the field first") << update << u"txtRiding"_s << u"Opened "_s << 0;
        QTest::newRow("Ctrl+S saves") << QKeySequence(u"Ctrl+S"_s) << u"txtName1"_s << u"Saved 3 files"_s << 1;
        QTest::newRow("Ctrl+O opens again") << QKeySequence(u"Ctrl+O"_s) << u"txtName1"_s << u"Opened "_s << 0;
        QTest::newRow("Ctrl+Q quits") << QKeySequence(u"Ctrl+Q"_s) << u"txtName1"_s << QString() << 1;
    }

    void shortcutsReachTheirCommands()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, field);
        QFETCH(QString, status);
        QFETCH(int, updates);
        QTemporaryDir dir;
        Editor editor;
        QVERIFY(editor.loadCopy(dir));
        editor.select(editor.ui.ListTroops, 2);
        auto *typed = editor.window.findChild<QLineEdit *>(field);
        typed->setFocus();
        // Refused once the field is left; in a name the blank becomes "_".
        typed->setText(typed == editor.ui.txtRiding ? u"11"_s : u"Aurel Guard"_s);
        if (keys != QKeySequence(u"Ctrl+Return"_s)) {
            editor.ui.cmdUpdate->click();
            editor.ui.ListTroops->setFocus();
        }
        editor.questions.answer = CloseAnswer::Discard;
        QTest::keySequence(QApplication::focusWidget(), keys);
        QVERIFY(editor.window.statusBar()->currentMessage().startsWith(status));
        QCOMPARE(editor.window.isVisible(), !status.isEmpty());
        QCOMPARE(editor.window.session().undoStack().index(), updates);
        if (status.startsWith(u"Updated"_s)) {
            QVERIFY(editor.window.session().module().troops.lines.line(17).startsWith("trp_aurel_footman Aurel_Guard "));
            QCOMPARE(QApplication::focusWidget(), typed);
        }
        if (status.startsWith(u"Saved"_s))
            QVERIFY(readBytes(dir.filePath(u"troops.txt"_s)).contains("trp_aurel_footman Aurel_Guard "));
    }

    void enlargedWindowGrowsListsNotFields_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("grows");
        QTest::newRow("troop list") << u"troops.txt"_s << u"ListTroops"_s << true;
        QTest::newRow("inventory") << u"troops.txt"_s << u"ListItems"_s << true;
        QTest::newRow("instructions") << u"Instructions"_s << u"Text1"_s << true;
        QTest::newRow("identifier") << u"troops.txt"_s << u"txtID"_s << false;
        QTest::newRow("item chooser") << u"troops.txt"_s << u"cmbItems"_s << false;
    }

    void enlargedWindowGrowsListsNotFields()
    {
        QFETCH(QString, view);
        QFETCH(QString, control);
        QFETCH(bool, grows);
        Editor editor;
        const QSize startSize = editor.window.size();
        editor.load(sampleModule());
        editor.choose(view);
        QCOMPARE(editor.window.size(), startSize); // switching views does not grow the window
        auto *widget = editor.window.findChild<QWidget *>(control);
        const QSize start = widget->size();
        editor.window.resize(startSize + QSize(400, 300));
        QTRY_COMPARE(widget->height() > start.height(), grows);
        if (!grows)
            QCOMPARE(widget->size(), start);
    }

    void confirmationCanBeDismissedStatusStillTells()
    {
        Editor editor;
        editor.load(sampleModule());
        editor.select(editor.ui.ListTroops, 5);
        editor.messages.dismiss = true;
        const auto update = [&](const QString &level) {
            editor.ui.txtLvl->setText(level);
            editor.ui.cmdUpdate->click();
        };
        update(u"7"_s);
        update(u"8"_s);
        QCOMPARE(editor.messages.texts(), QStringList{u"Information on Aurel_Bowman (trp_aurel_bowman) has been updated."_s});
        QCOMPARE(editor.window.statusBar()->currentMessage(), u"Updated trp_aurel_bowman"_s);
        editor.ui.actionConfirmUpdates->trigger(); // on again
        update(u"9"_s);
        QCOMPARE(editor.messages.shown.size(), 2);
        // An Update that changes no line is no step and asks for no confirmation.
        const int steps = editor.window.session().undoStack().count();
        editor.ui.cmdUpdate->click();
        QCOMPARE(editor.messages.shown.size(), 2);
        QCOMPARE(editor.window.session().undoStack().count(), steps);
    }

    void storedModifierIsShown()
    {
        QTemporaryDir dir;
        QVERIFY(copyFolder(sampleModule(), dir.path()));
        writeFile(dir.path(), u"troops.txt"_s, readBytes(dir.filePath(u"troops.txt"_s)).replace("  4 0 9 0 21 0 25 0", "  4 0 9 12 21 486539264 25 -16777216"));
        Editor editor;
        editor.load(dir.path());
        editor.select(editor.ui.ListTroops, 3);
        QCOMPARE(editor.label(editor.ui.ListItems, 0), u"4 - Arming_Sword  (itm_arming_sword)"_s);
        // The modifier number sits in the top byte of the stored word; other stored values
        // are given as they stand.
        QCOMPARE(editor.label(editor.ui.ListItems, 1), u"9 - Halberd  (itm_halberd)   [modifier 12]"_s);
        QCOMPARE(editor.label(editor.ui.ListItems, 2).section(u"   "_s, 1), u"[modifier 29]"_s);
        QCOMPARE(editor.label(editor.ui.ListItems, 3).section(u"   "_s, 1), u"[modifier -16777216]"_s);
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
