// Finding and moving through a module: the menu bar and its shortcuts, the record
// filters, the searchable choosers, the used-by panel, the status bar, the title and the
// folders remembered between runs.

#include "ui/navigation.h"

#include "ui/dialog_services.h"
#include "ui/field_validation.h"
#include "ui/full_text_tips.h"
#include "ui/main_window.h"
#include "ui/record_filter.h"
#include "ui/searchable_chooser.h"
#include "ui/services.h"
#include "ui/used_by.h"
#include "ui_main_window.h"

#include <QDir>
#include <QFileInfo>
#include <QStringListModel>
#include <QUndoStack>

namespace lancefall {

namespace {

QString folderName(const QString &folder)
{
    return QFileInfo(QDir::cleanPath(QDir::fromNativeSeparators(folder))).fileName();
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
        return QStringLiteral("Saved %1 files").arg(saved);
    if (saved == 0)
        return QStringLiteral("Not saved: ") + report.failures.value(0).message();
    return QStringLiteral("Saved %1 of %2 files; not written: %3")
        .arg(saved)
        .arg(report.files.size())
        .arg(kept.join(QStringLiteral(", ")));
}

void MainWindow::setUpNavigation()
{
    mNavigation = std::make_unique<Navigation>();
    Navigation &nav = *mNavigation;

    nav.filters = {new RecordFilter(ui->txtFilterTroops, ui->ListTroops),
                   new RecordFilter(ui->txtFilterTemplates, ui->lstPartyTemplates),
                   new RecordFilter(ui->txtFilterParties, ui->lstParties)};

    nav.tips = new FullTextTips(this);
    QList<QComboBox *> choosers{ui->cmbItems, ui->cmbFactions, ui->cmbPTFactions, ui->cmbPFactions, ui->cmbPTemplates};
    choosers.append(QList<QComboBox *>(cmbPTTroops.begin(), cmbPTTroops.end()));
    for (QComboBox *chooser : std::as_const(choosers))
        makeSearchable(chooser);
    // Upgrade-path entries name no identifier: they are searched as the member troops are.
    makeSearchable(ui->cmbUpgradePathA, model(RecordList::TroopSlots));
    makeSearchable(ui->cmbUpgradePathB, model(RecordList::TroopSlots));
    for (QComboBox *chooser : ui->centralwidget->findChildren<QComboBox *>()) {
        nav.tips->watch(chooser);
        // Ctrl+Z in a chooser's text undoes the last update once its typing has nothing to undo.
        if (chooser->lineEdit())
            chooser->lineEdit()->installEventFilter(this);
    }
    for (QAbstractItemView *list : std::initializer_list<QAbstractItemView *>{
             ui->ListTroops, ui->lstPartyTemplates, ui->lstParties, ui->ListItems, ui->lstUsedBy})
        nav.tips->watch(list);
    nav.tips->watch(ui->txtFace1);
    nav.tips->watch(ui->txtFace2);

    nav.usedBy = new UsedByPanel(ui->lblUsedByRecord, ui->lstUsedBy, ui->lblFactionUse, this);
    connect(nav.usedBy, &UsedByPanel::jump, this, &MainWindow::jumpTo);
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
    ui->actionConfirmUpdates->setChecked(nav.settings.confirmUpdates());
    connect(ui->actionConfirmUpdates, &QAction::toggled, this,
            [this](bool on) { mNavigation->settings.setConfirmUpdates(on); });
    connect(ui->actionAbout, &QAction::triggered, this, &MainWindow::showAbout);
    QAction *undo = findChild<QAction *>(QStringLiteral("actionUndo"));
    QAction *redo = findChild<QAction *>(QStringLiteral("actionRedo"));
    ui->menuEdit->insertActions(ui->actionUpdate, {undo, redo});
    ui->menuEdit->insertSeparator(ui->actionUpdate);
    QAction *showUsedBy = ui->dockUsedBy->toggleViewAction();
    showUsedBy->setObjectName(QStringLiteral("actionShowUsedBy"));
    ui->menuView->addAction(showUsedBy);
    fillRecentFolders();

    // The folder dialog opens on the folder used last.
    if (!nav.settings.lastFolder().isEmpty() && QFileInfo(nav.settings.lastFolder()).isDir())
        ui->txtFolder->setText(nav.settings.lastFolder());
    if (!restoreGeometry(nav.settings.windowGeometry()))
        resize(minimumSizeHint());
    restoreState(nav.settings.windowState());
    setStatus(QStringLiteral("Choose a module folder with Browse or File > Open Folder (Ctrl+O)"));
    updateNavigation();
}

void MainWindow::updateNavigation()
{
    if (!mNavigation)
        return;
    ui->actionSave->setEnabled(ui->cmdSave->isEnabled());
    ui->actionUpdate->setEnabled(ui->cmdUpdate->isEnabled());
    ui->actionFind->setEnabled(mDocument.isLoaded());
    const QString title = kProgramTitle + QLatin1Char(' ') + QStringLiteral(LANCEFALL_VERSION);
    setWindowTitle(mDocument.isLoaded() ? folderName(mDocument.folder()) + QStringLiteral("[*] - ") + title
                                        : title + QStringLiteral("[*]"));
    showUsedBy();
}

void MainWindow::showUsedBy()
{
    if (!mNavigation)
        return;
    const std::optional<ModuleFile> file = currentFile();
    int faction = -1;
    if (file == ModuleFile::Troops)
        faction = ui->cmbFactions->currentIndex();
    else if (file == ModuleFile::PartyTemplates)
        faction = ui->cmbPTFactions->currentIndex();
    else if (file == ModuleFile::Parties)
        faction = ui->cmbPFactions->currentIndex();
    const qsizetype shown = file ? mDocument.shownRecord(*file) : -1;
    if (!mDocument.isLoaded() || shown < 0)
        faction = -1;
    mNavigation->usedBy->show(mDocument, mNavigation->references, file, shown, faction);
}

void MainWindow::jumpTo(ModuleFile file, qsizetype k)
{
    setCurrentFile(file);
    // The user chose to stay with edits not applied.
    if (currentFile() != file)
        return;
    mNavigation->filterOf(file).reveal(int(k));
    QAbstractItemView *list = recordList(file);
    // Made current and selected as a click would: the view shows the record.
    list->setCurrentIndex(list->model()->index(int(k), 0));
    list->scrollTo(list->currentIndex());
}

void MainWindow::findInView()
{
    if (!mDocument.isLoaded())
        return;
    if (!currentFile())
        setCurrentFile(ModuleFile::Troops);
    QLineEdit *field = mNavigation->filterOf(*currentFile()).field();
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
    const QStringList &folders = mNavigation->settings.recentFolders();
    for (int i = 0; i < folders.size(); ++i) {
        const QString folder = folders.at(i);
        QAction *open = ui->menuRecentFolders->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(folder));
        open->setObjectName(QStringLiteral("actionRecentFolder_%1").arg(i));
        connect(open, &QAction::triggered, this, [this, folder] { openFolder(folder); });
    }
    ui->menuRecentFolders->setEnabled(!folders.isEmpty());
}

void MainWindow::showAbout()
{
    mMessages.show(this,
                   kProgramTitle + QLatin1Char(' ') + QStringLiteral(LANCEFALL_VERSION)
                       + QStringLiteral("\n\nEdits the troops, party templates and parties of a Lancefall module "
                                        "and writes them back in the game's own text formats.\n\nQt ")
                       + QString::fromLatin1(qVersion()),
                   MessageLook::Information);
}

void MainWindow::setStatus(const QString &text)
{
    ui->statusbar->showMessage(text);
}

void MainWindow::confirmUpdate(const RecordUpdate &update)
{
    setStatus(QStringLiteral("Updated ") + update.id);
    if (!mNavigation->settings.confirmUpdates())
        return;
    if (mMessages.showDismissible(this, update.confirmation(), MessageLook::Plain))
        ui->actionConfirmUpdates->setChecked(false);
}

void MainWindow::hideEvent(QHideEvent *event)
{
    if (mNavigation)
        mNavigation->settings.setWindow(saveGeometry(), saveState());
    QMainWindow::hideEvent(event);
}

} // namespace lancefall
