// Finding and moving through a module: the menu bar and its shortcuts, the record
// filters, the searchable choosers, the used-by panel, the status bar, the title and the
// folders remembered between runs.

#include "ui/caption_fit.h"
#include "ui/navigation.h"

#include "checks/finding.h"
#include "ui/check_report.h"
#include "ui/dialog_services.h"
#include "ui/edit_session.h"
#include "ui/field_validation.h"
#include "ui/full_text_tips.h"
#include "ui/language.h"
#include "ui/main_window.h"
#include "ui/record_editor.h"
#include "ui/record_filter.h"
#include "ui/searchable_chooser.h"
#include "ui/services.h"
#include "ui/used_by.h"
#include "ui_main_window.h"

#include <QCoreApplication>
#include <QActionGroup>
#include <QDir>
#include <QDockWidget>
#include <QMenu>
#include <QUndoView>
#include <QFileInfo>
#include <QStringListModel>
#include <QUndoStack>

namespace lancefall {

namespace {

// Undo and redo name the step they take.
void nameSteps(QAction *undo, QAction *redo, const QUndoStack &history)
{
    if (undo)
        undo->setText(history.canUndo() ? QCoreApplication::translate("MainWindow", "&Undo %1").arg(history.undoText())
                                        : QCoreApplication::translate("MainWindow", "&Undo"));
    if (redo)
        redo->setText(history.canRedo() ? QCoreApplication::translate("MainWindow", "&Redo %1").arg(history.redoText())
                                        : QCoreApplication::translate("MainWindow", "&Redo"));
}

} // namespace

QString saveStatus(const SaveReport &report)
{
    QStringList kept;
    for (const SaveReport::File &file : report.files) {
        if (!file.written)
            kept.append(moduleFileName(file.file));
    }
    const qsizetype saved = qsizetype(report.files.size()) - kept.size();
    if (kept.isEmpty())
        return QCoreApplication::translate("MainWindow", "Saved %1 files").arg(saved);
    if (saved == 0)
        return QCoreApplication::translate("MainWindow", "Not saved: %1").arg(report.failures.value(0).message());
    return QCoreApplication::translate("MainWindow", "Saved %1 of %2 files; not written: %3")
        .arg(saved)
        .arg(report.files.size())
        .arg(kept.join(QStringLiteral(", ")));
}

void MainWindow::setUpMenus()
{
    auto *tips = new FullTextTips(this);
    QList<QComboBox *> choosers{ui->cmbItems,      ui->cmbFactions,   ui->cmbPTFactions, ui->cmbPFactions,
                                ui->cmbPTemplates, ui->cmbPTTroops_0, ui->cmbPTTroops_1, ui->cmbPTTroops_2,
                                ui->cmbPTTroops_3, ui->cmbPTTroops_4, ui->cmbPTTroops_5};
    for (QComboBox *chooser : std::as_const(choosers))
        makeSearchable(chooser);
    // Upgrade-path entries name no identifier: they are searched as the member troops are.
    makeSearchable(ui->cmbUpgradePathA, mSession->model(RecordList::TroopSlots));
    makeSearchable(ui->cmbUpgradePathB, mSession->model(RecordList::TroopSlots));
    for (QComboBox *chooser : ui->centralwidget->findChildren<QComboBox *>()) {
        tips->watch(chooser);
        // Ctrl+Z in a chooser's text undoes the last update once its typing has nothing to undo.
        if (chooser->lineEdit())
            chooser->lineEdit()->installEventFilter(this);
    }
    for (QAbstractItemView *list : std::initializer_list<QAbstractItemView *>{
             ui->ListTroops, ui->lstPartyTemplates, ui->lstParties, ui->ListItems, ui->lstUsedBy})
        tips->watch(list);
    tips->watch(ui->txtFace1);
    tips->watch(ui->txtFace2);

    mUsedBy = new UsedByPanel(*mSession, ui->lblUsedByRecord, ui->lstUsedBy, ui->lblFactionUse, this);
    connect(mUsedBy, &UsedByPanel::jump, this, &MainWindow::jumpTo);
    for (QComboBox *factions : {ui->cmbFactions, ui->cmbPTFactions, ui->cmbPFactions})
        connect(factions, &QComboBox::currentIndexChanged, this, &MainWindow::showUsedBy);

    // Menus: the commands keep their buttons' behaviour, the buttons stay.
    connect(ui->actionOpenFolder, &QAction::triggered, ui->cmdBrowse, &QPushButton::click);
    connect(ui->actionSave, &QAction::triggered, ui->cmdSave, &QPushButton::click);
    connect(ui->actionQuit, &QAction::triggered, this, &QWidget::close);
    ui->actionUpdate->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    connect(ui->actionUpdate, &QAction::triggered, this, &MainWindow::updateFromShortcut);
    ui->actionFind->setShortcuts(QKeySequence::Find);
    connect(ui->actionFind, &QAction::triggered, this, &MainWindow::findInView);
    ui->actionConfirmUpdates->setChecked(mSettings.confirmUpdates());
    connect(ui->actionConfirmUpdates, &QAction::toggled, this, [this](bool on) { mSettings.setConfirmUpdates(on); });
    connect(ui->actionAbout, &QAction::triggered, this, [this] {
        mMessages.show(this,
                       tr("%1 %2\n\nEdits the troops, party templates and parties of a Lancefall module and "
                          "writes them back in the game's own text formats.\n\nQt %3")
                           .arg(programTitle(), QStringLiteral(LANCEFALL_VERSION), QString::fromLatin1(qVersion())),
                       MessageLook::Information);
    });

    // Undo and redo name the step they take, in the language of the interface.
    QUndoStack &history = mSession->undoStack();
    auto *undo = new QAction(this);
    undo->setObjectName(QStringLiteral("actionUndo"));
    undo->setShortcuts(QKeySequence::Undo);
    undo->setEnabled(false);
    connect(undo, &QAction::triggered, &history, &QUndoStack::undo);
    connect(&history, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    auto *redo = new QAction(this);
    redo->setObjectName(QStringLiteral("actionRedo"));
    redo->setEnabled(false);
    connect(redo, &QAction::triggered, &history, &QUndoStack::redo);
    connect(&history, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(&history, &QUndoStack::indexChanged, this, [undo, redo, &history] { nameSteps(undo, redo, history); });
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    addAction(undo);
    addAction(redo);
    ui->menuEdit->insertActions(ui->actionUpdate, {undo, redo});
    ui->menuEdit->insertSeparator(ui->actionUpdate);
    QAction *showUsedBy = ui->dockUsedBy->toggleViewAction();
    showUsedBy->setObjectName(QStringLiteral("actionShowUsedBy"));
    ui->menuView->addAction(showUsedBy);

    auto *check = new QAction(this);
    check->setObjectName(QStringLiteral("actionCheckModule"));
    check->setShortcut(QKeySequence(Qt::Key_F7));
    connect(check, &QAction::triggered, this, [this, check] {
        if (!mSession->document().isLoaded())
            return;
        if (!mCheckReport) {
            mCheckReport = new CheckReport(*mSession, this);
            connect(mCheckReport, &CheckReport::findingActivated, this, [this](const Finding &finding) {
                const std::optional<RecordKind> kind = recordKindOf(finding.file);
                if (!kind)
                    return; // the catalogues have no view
                if (finding.record >= 0 && finding.record < mSession->document().recordCount(*kind))
                    showRecord(*kind, finding.record);
                else
                    setCurrentKind(*kind);
            });
        }
        mCheckReport->show();
        mCheckReport->check();
        mCheckReport->raise();
        mCheckReport->activateWindow();
    });
    ui->menuTools->addAction(check);
    setUpPanels();
    setUpTables();

    // The languages, each named in its own words.
    QMenu *languages = ui->menuView->addMenu(QString());
    languages->setObjectName(QStringLiteral("menuLanguage"));
    auto *group = new QActionGroup(languages);
    for (const auto &[language, name] : {std::pair(Language::English, QStringLiteral("English")),
                                         std::pair(Language::Chinese, QStringLiteral("中文"))}) {
        QAction *choice = languages->addAction(name);
        choice->setObjectName(QStringLiteral("actionLanguage_") + codeOf(language));
        choice->setCheckable(true);
        choice->setData(int(language));
        group->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, language = language] {
            setLanguage(language);
            mSettings.setLanguage(codeOf(language));
        });
    }
    retranslate();
    // The commands answer their keys in every window of the editor (the check report too),
    // not only in the main window.
    for (QAction *action : findChildren<QAction *>()) {
        if (!action->shortcuts().isEmpty())
            action->setShortcutContext(Qt::ApplicationShortcut);
    }
    fillRecentFolders();

    // The folder dialog opens on the folder used last.
    if (!mSettings.lastFolder().isEmpty() && QFileInfo(mSettings.lastFolder()).isDir())
        ui->txtFolder->setText(mSettings.lastFolder());
    if (!restoreGeometry(mSettings.windowGeometry()))
        resize(minimumSizeHint());
    restoreState(mSettings.windowState());
    updateCommands();
}

void MainWindow::retranslate()
{
    nameSteps(findChild<QAction *>(QStringLiteral("actionUndo")), findChild<QAction *>(QStringLiteral("actionRedo")),
              mSession->undoStack());
    if (auto *check = findChild<QAction *>(QStringLiteral("actionCheckModule"))) {
        check->setText(tr("Check module"));
        check->setStatusTip(tr("Check every record of the module as it stands, unsaved updates included"));
    }
    if (auto *replace = findChild<QAction *>(QStringLiteral("actionReplace")))
        replace->setText(tr("&Replace…"));
    if (auto *dock = findChild<QDockWidget *>(QStringLiteral("dockReplace")))
        dock->setWindowTitle(tr("Replace"));
    if (auto *dock = findChild<QDockWidget *>(QStringLiteral("dockHistory"))) {
        dock->setWindowTitle(tr("History"));
        if (auto *view = dock->findChild<QUndoView *>())
            view->setEmptyLabel(tr("<opened>"));
    }
    if (auto *review = findChild<QAction *>(QStringLiteral("actionReviewChanges")))
        review->setText(tr("Re&view Changes"));
    if (auto *dock = findChild<QDockWidget *>(QStringLiteral("dockReview")))
        dock->setWindowTitle(tr("Review Changes"));
    if (auto *exportTable = findChild<QAction *>(QStringLiteral("actionExportTable")))
        exportTable->setText(tr("&Export Table…"));
    if (auto *importTable = findChild<QAction *>(QStringLiteral("actionImportTable")))
        importTable->setText(tr("&Import Table…"));
    if (auto *languages = findChild<QMenu *>(QStringLiteral("menuLanguage")))
        languages->setTitle(tr("&Language"));
    mSession->retranslate();
    for (RecordEditor *editor : mEditors)
        editor->retranslate();
    // A message of the status bar is gone once the language changes; before a module is
    // open, the way to open one is shown again in the new language.
    if (mSession->document().isLoaded())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(tr("Choose a module folder with Browse or File > Open Folder (Ctrl+O)"));
    fillRecentFolders();
    fitGroupsToCaptions(ui->centralwidget);
    for (QBoxLayout *column : {ui->layoutTroopsLeft, ui->layoutTroopsRight, ui->layoutTemplatesRight, ui->layoutPartiesRight})
        lineUpColumn(column);
    // The views take turns in one place: each gets the room the largest needs, so that
    // choosing another view never resizes the window.
    const std::initializer_list<QWidget *> views{ui->frmTroops, ui->frmParty_Templates, ui->frmInstructions,
                                                 ui->frmParties};
    QSize room;
    for (QWidget *view : views)
        room = room.expandedTo(view->minimumSize());
    for (QWidget *view : views)
        view->setMinimumSize(room);
    updateCommands();
}

void MainWindow::findInView()
{
    if (!mSession->document().isLoaded())
        return;
    if (!currentKind())
        setCurrentKind(RecordKind::Troop);
    QLineEdit *field = editor(currentKind().value_or(RecordKind::Troop)).filter().field();
    field->setFocus(Qt::ShortcutFocusReason);
    field->selectAll();
}

void MainWindow::updateFromShortcut()
{
    // As a click on Update would: the field being edited is left first, so that its
    // check runs, and a value it refuses stops the update.
    QWidget *editing = focusWidget();
    ui->cmdUpdate->setFocus(Qt::ShortcutFocusReason);
    if (!ui->cmdUpdate->isEnabled())
        return;
    ui->cmdUpdate->click();
    if (editing && !mValidator->complaintPending())
        editing->setFocus(Qt::ShortcutFocusReason);
}

void MainWindow::fillRecentFolders()
{
    ui->menuRecentFolders->clear();
    const QStringList &folders = mSettings.recentFolders();
    for (int i = 0; i < folders.size(); ++i) {
        const QString folder = folders.at(i);
        QAction *open = ui->menuRecentFolders->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(folder));
        open->setObjectName(QStringLiteral("actionRecentFolder_%1").arg(i));
        connect(open, &QAction::triggered, this, [this, folder] { openFolder(folder); });
    }
    ui->menuRecentFolders->setEnabled(!folders.isEmpty());
}

void MainWindow::hideEvent(QHideEvent *event)
{
    mSettings.setWindow(saveGeometry(), saveState());
    QMainWindow::hideEvent(event);
}

} // namespace lancefall
