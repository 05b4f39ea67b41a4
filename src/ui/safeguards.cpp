// The window's safeguards of work not yet kept: the questions before a view or the module
// is left with edits or updates that would be lost, and the reload the folder watch asks for.

#include "ui/edit_session.h"
#include "ui/main_window.h"
#include "ui/record_editor.h"
#include "ui/services.h"
#include "ui_main_window.h"

#include <QSignalBlocker>
#include <QUndoStack>

namespace lancefall {

void MainWindow::reloadModule()
{
    const std::optional<RecordKind> view = currentKind();
    const QList<qsizetype> shown = view ? editor(*view).shownRecords() : QList<qsizetype>();
    if (!loadFolder(mSession->document().folder()))
        return;
    setCurrentKind(view);
    if (view && !shown.isEmpty() && shown.last() < mSession->document().recordCount(*view))
        editor(*view).showRecords(shown);
}

RecordEditor *MainWindow::editedEditor() const
{
    for (RecordEditor *editor : mEditors) {
        if (editor->isEdited())
            return editor;
    }
    return nullptr;
}

bool MainWindow::leaveModule(SaveMoment moment)
{
    if (RecordEditor *edited = editedEditor(); edited && !edited->leave(true))
        return false;
    if (!mSession->isModified())
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

bool MainWindow::leaveView()
{
    RecordEditor *edited = editedEditor();
    if (!edited || currentKind() == edited->kind())
        return true;
    // Asked with the edited view still chosen, so that the user sees what is asked about.
    const int target = ui->cmbChooseFile->currentIndex();
    const QSignalBlocker blocker(ui->cmbChooseFile);
    ui->cmbChooseFile->setCurrentIndex(ui->cmbChooseFile->findData(static_cast<int>(edited->kind())));
    if (!edited->leave(true))
        return false;
    ui->cmbChooseFile->setCurrentIndex(target);
    return true;
}

} // namespace lancefall
