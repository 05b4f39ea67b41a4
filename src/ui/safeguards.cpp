// The window's safeguards of work not yet kept: the questions before a record, a view
// or the module is left with edits or updates that would be lost, before a save
// replaces files another program changed, and the watch on the module folder.

#include "ui/edit_tracker.h"
#include "ui/field_validation.h"
#include "ui/main_window.h"
#include "ui/module_watcher.h"
#include "ui/services.h"
#include "ui_main_window.h"

#include <QDir>
#include <QSignalBlocker>
#include <QUndoStack>

namespace lancefall {

namespace {

QStringList fileNames(const QList<ModuleFile> &files)
{
    QStringList names;
    for (const ModuleFile file : files)
        names.append(moduleFileName(file));
    return names;
}

} // namespace

void MainWindow::createSafeguards()
{
    mEdits = new EditTracker(this);
    // The record filters look for records; they edit none.
    mEdits->watch(ui->frmTroops, {ui->cmbItems, ui->txtFilterTroops});
    mEdits->watch(ui->frmParty_Templates, {ui->txtFilterTemplates});
    mEdits->watch(ui->frmParties, {ui->txtFilterParties});
    mWatcher = new ModuleWatcher(this);
    connect(mWatcher, &ModuleWatcher::changed, this, &MainWindow::moduleChangedOnDisk);
}

void MainWindow::beginModule()
{
    mEdits->reset();
    QStringList files;
    for (const ModuleFile file : kModuleFiles)
        files.append(QDir::cleanPath(QDir::fromNativeSeparators(module().path(file))));
    mWatcher->watch(QDir::cleanPath(QDir::fromNativeSeparators(mDocument.folder())), files);
}

bool MainWindow::mayOverwriteChangesOnDisk()
{
    // Another program's changes are not replaced unasked; Cancel writes nothing.
    const QList<ModuleFile> changed = mDocument.changedOnDisk();
    return changed.isEmpty() || mQuestions.askOverwrite(this, mDocument.folder(), fileNames(changed));
}

void MainWindow::reloadModule()
{
    const std::optional<ModuleFile> view = currentFile();
    const qsizetype shown = view ? mDocument.shownRecord(*view) : -1;
    if (!loadFolder(mDocument.folder()))
        return;
    if (view && shown >= 0 && shown < mDocument.recordCount(*view))
        showRecord(*view, shown);
    else
        setCurrentFile(view);
}

void MainWindow::moduleChangedOnDisk()
{
    const QList<ModuleFile> changed = mDocument.takeOutsideChanges();
    if (changed.isEmpty())
        return;
    if (mUndoStack->isClean() && !mEdits->editedView()) {
        if (mQuestions.askReload(this, mDocument.folder(), fileNames(changed)))
            reloadModule();
        return;
    }
    // The updates decide: a save asks before it replaces a changed file.
    mMessages.show(this,
                   QStringLiteral("These files in ") + mDocument.folder()
                       + QStringLiteral(" were changed on disk by another program:\n\n  ")
                       + fileNames(changed).join(QStringLiteral("\n  "))
                       + QStringLiteral("\n\nThe module has changes that are not saved, so it is not loaded again. "
                                        "Saving asks before it replaces a file that was changed."),
                   MessageLook::Exclamation);
}

std::optional<ModuleFile> MainWindow::editedFile() const
{
    const QWidget *view = mEdits->editedView();
    if (view == ui->frmTroops)
        return ModuleFile::Troops;
    if (view == ui->frmParty_Templates)
        return ModuleFile::PartyTemplates;
    if (view == ui->frmParties)
        return ModuleFile::Parties;
    return std::nullopt;
}

bool MainWindow::leaveModule(SaveMoment moment)
{
    if (!leaveRecord(true))
        return false;
    if (mUndoStack->isClean())
        return true;
    switch (mQuestions.askSaveChanges(this, moment)) {
    case CloseAnswer::Save:
        return cmdSave_Click();
    case CloseAnswer::Discard:
        return true;
    case CloseAnswer::Cancel:
        break;
    }
    return false;
}

bool MainWindow::leaveRecord(bool showAgain)
{
    // Asked while the edited record is still the one selected and shown, so that Apply
    // is the normal update of that record.
    const std::optional<ModuleFile> file = editedFile();
    const qsizetype k = file ? mDocument.shownRecord(*file) : -1;
    if (k < 0) {
        mEdits->reset();
        return true;
    }
    // A field just left with a refused value says so itself and takes the focus back:
    // the user stays, and is asked once the value is mended.
    if (mValidator->complaintPending())
        return false;
    switch (mQuestions.askApplyEdits(this, mDocument.labels(recordListOf(*file)).at(k))) {
    case ApplyAnswer::Apply:
        cmdUpdate_Click();
        // A refused update keeps the user on the record.
        return !mEdits->editedView();
    case ApplyAnswer::Discard:
        mEdits->reset();
        // The fields show the record as stored again, so a later Update cannot write them.
        if (showAgain)
            showRecord(*file, k);
        return true;
    case ApplyAnswer::Cancel:
        break;
    }
    return false;
}

bool MainWindow::leaveRecordFor(ModuleFile file)
{
    QAbstractItemView *list = recordList(file);
    const int target = selectedRow(list);
    const qsizetype shown = mDocument.shownRecord(file);
    if (editedFile() != file || target == shown)
        return true;
    selectQuietly(list, int(shown));
    if (!leaveRecord(false))
        return false;
    selectQuietly(list, target);
    return true;
}

bool MainWindow::leaveView()
{
    const std::optional<ModuleFile> edited = editedFile();
    if (!edited || currentFile() == edited)
        return true;
    const int target = ui->cmbChooseFile->currentIndex();
    const QSignalBlocker blocker(ui->cmbChooseFile);
    ui->cmbChooseFile->setCurrentIndex(ui->cmbChooseFile->findData(static_cast<int>(*edited)));
    if (!leaveRecord(true))
        return false;
    ui->cmbChooseFile->setCurrentIndex(target);
    return true;
}

void MainWindow::selectQuietly(QAbstractItemView *list, int row)
{
    const QSignalBlocker blocker(list->selectionModel());
    if (row < 0)
        list->selectionModel()->clearSelection();
    else
        list->setCurrentIndex(list->model()->index(row, 0));
    list->viewport()->update();
}

} // namespace lancefall
