#include "ui/record_editor.h"

#include "ui/edit_session.h"
#include "ui/edit_tracker.h"
#include "ui/field_validation.h"
#include "ui/record_filter.h"
#include "ui/services.h"

#include <QLineEdit>
#include <QListView>
#include <QSignalBlocker>

#include <utility>

namespace lancefall {

RecordEditor::RecordEditor(RecordKind kind, const EditorContext &context, QWidget *frame, QListView *list,
                           QLineEdit *filterField)
    : QObject(frame)
    , mKind(kind)
    , mContext(context)
    , mFrame(frame)
    , mList(list)
    , mEdits(new EditTracker(this))
{
    list->setModel(session().model(describe(kind).list));
    mFilter = new RecordFilter(filterField, list);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &RecordEditor::selectionChanged);
    connect(&session(), &EditSession::loaded, this, [this] {
        discardEdits();
        moduleLoaded();
    });
}

RecordEditor::~RecordEditor() = default;

void RecordEditor::watchEdits(const QList<QWidget *> &choosers)
{
    mEdits->watch(mFrame, QList<QWidget *>(choosers) << mFilter->field());
}

qsizetype RecordEditor::selectedRecord() const
{
    // A click makes an entry current before it selects it, so the selected entry, not the
    // current one, is the one the user chose.
    const QModelIndexList selected = mList->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

qsizetype RecordEditor::shownRecord() const
{
    return session().document().shownRecord(mKind);
}

bool RecordEditor::canApply() const
{
    return session().document().isLoaded() && shownRecord() >= 0 && shownRecord() == selectedRecord();
}

bool RecordEditor::isEdited() const
{
    return mEdits->editedView() != nullptr;
}

void RecordEditor::discardEdits()
{
    mEdits->reset();
}

void RecordEditor::showError(const Error &error) const
{
    lancefall::showError(mContext.messages, mContext.owner, error);
}

void RecordEditor::selectQuietly(qsizetype k)
{
    // The selection model's signals stay on, so that the list repaints the rows it leaves.
    const bool selecting = std::exchange(mSelecting, true);
    if (k < 0)
        mList->selectionModel()->clearSelection();
    else
        mList->setCurrentIndex(mList->model()->index(int(k), 0));
    mSelecting = selecting;
}

void RecordEditor::selectionChanged()
{
    if (mSelecting)
        return;
    const qsizetype target = selectedRecord();
    const qsizetype shown = shownRecord();
    // Asked while the edited record is still the one selected, so that Apply is the
    // normal update of that record.
    if (isEdited() && target != shown) {
        selectQuietly(shown);
        if (!leave(false))
            return;
        selectQuietly(target);
    }
    if (target >= 0) {
        const Status decoded = decode(target);
        if (!decoded)
            showError(decoded.error());
    }
    emit shownChanged();
}

void RecordEditor::showRecord(qsizetype k)
{
    // Undo, redo and a reload put the stored record in the controls: edits not applied go.
    discardEdits();
    mFilter->reveal(int(k));
    selectQuietly(k);
    mList->scrollTo(mList->currentIndex());
    selectionChanged();
}

void RecordEditor::selectRecord(qsizetype k)
{
    mFilter->reveal(int(k));
    // Made current and selected as a click would: the view shows the record.
    mList->setCurrentIndex(mList->model()->index(int(k), 0));
    mList->scrollTo(mList->currentIndex());
}

bool RecordEditor::apply()
{
    // A field just left with a refused value says so itself; one mistake, one message.
    if (mContext.validator.complaintPending())
        return false;
    const Result<ModuleChange> change = encode(selectedRecord());
    if (!change) {
        emit status(QStringLiteral("Not updated: ") + change.error().text());
        showError(change.error());
        return false;
    }
    const bool changed = session().push(*change);
    discardEdits();
    fieldsApplied();
    emit applied(*change, changed);
    return true;
}

void RecordEditor::fieldsApplied()
{
    // What the fields hold is now stored: Ctrl+Z in a field undoes the update, not the
    // typing, and a field left unchanged is no longer checked as typed.
    for (QLineEdit *field : mFrame->findChildren<QLineEdit *>()) {
        const QSignalBlocker blocker(field);
        field->setText(field->text());
    }
}

bool RecordEditor::leave(bool showAgain)
{
    const qsizetype k = shownRecord();
    if (!isEdited() || k < 0) {
        discardEdits();
        return true;
    }
    // A field just left with a refused value says so itself and takes the focus back:
    // the user stays, and is asked once the value is mended.
    if (mContext.validator.complaintPending())
        return false;
    switch (mContext.questions.askApplyEdits(mContext.owner, session().document().labels(describe(mKind).list).at(k))) {
    case ApplyAnswer::Apply:
        // A refused update keeps the user on the record.
        return apply() && !isEdited();
    case ApplyAnswer::Discard:
        discardEdits();
        // The controls show the record as stored again, so a later Update cannot write them.
        if (showAgain)
            showRecord(k);
        return true;
    case ApplyAnswer::Cancel:
        break;
    }
    return false;
}

} // namespace lancefall
