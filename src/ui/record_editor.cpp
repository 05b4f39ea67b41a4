#include "ui/record_editor.h"

#include "ui/edit_session.h"
#include "ui/edit_tracker.h"
#include "ui/field_validation.h"
#include "references/missing_references.h"
#include "ui/record_filter.h"
#include "ui/reference_chooser.h"
#include "ui/services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QSignalBlocker>

#include <algorithm>
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
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->installEventFilter(this);
    mFilter = new RecordFilter(filterField, list);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &RecordEditor::selectionChanged);
    connect(&session(), &EditSession::loaded, this, [this] {
        discardEdits();
        mShown.clear();
        setSeveral(false);
        moduleLoaded();
    });
}

RecordEditor::~RecordEditor() = default;

void RecordEditor::watchEdits(const QList<QWidget *> &choosers)
{
    mEdits->watch(mFrame, QList<QWidget *>(choosers) << mFilter->field());
}

QList<qsizetype> RecordEditor::selectedRecords() const
{
    QList<qsizetype> records;
    for (const QItemSelectionRange &range : mList->selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            records.append(row);
    }
    std::sort(records.begin(), records.end());
    records.erase(std::unique(records.begin(), records.end()), records.end());
    return records;
}

qsizetype RecordEditor::currentRecord() const
{
    const QModelIndex current = mList->currentIndex();
    if (current.isValid() && mList->selectionModel()->isSelected(current))
        return current.row();
    const QList<qsizetype> selected = selectedRecords();
    return selected.isEmpty() ? -1 : selected.first();
}

bool RecordEditor::canApply() const
{
    return session().document().isLoaded() && !mShown.isEmpty() && mShown == selectedRecords();
}

bool RecordEditor::isEdited() const
{
    return mEdits->isEdited();
}

bool RecordEditor::edited(const QObject *control) const
{
    return mEdits->edited(control);
}

void RecordEditor::discardEdits()
{
    mEdits->reset();
}

void RecordEditor::showError(const Error &error) const
{
    lancefall::showError(mContext.messages, mContext.owner, error);
}

void RecordEditor::selectQuietly(const QList<qsizetype> &records, qsizetype current)
{
    // The selection model's signals stay on, so that the list repaints the rows it leaves.
    const bool selecting = std::exchange(mSelecting, true);
    QItemSelection selection;
    for (qsizetype i = 0; i < records.size();) {
        qsizetype j = i + 1;
        while (j < records.size() && records.at(j) == records.at(j - 1) + 1)
            ++j;
        selection.select(mList->model()->index(int(records.at(i)), 0), mList->model()->index(int(records.at(j - 1)), 0));
        i = j;
    }
    if (current >= 0)
        mList->selectionModel()->setCurrentIndex(mList->model()->index(int(current), 0), QItemSelectionModel::NoUpdate);
    mList->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    mSelecting = selecting;
}

void RecordEditor::selectionChanged()
{
    if (mSelecting)
        return;
    const QList<qsizetype> targets = selectedRecords();
    // Asked while the edited records are still the ones selected, so that Apply is the
    // normal update of them.
    if (isEdited() && targets != mShown) {
        const qsizetype current = currentRecord();
        selectQuietly(mShown, mShown.value(0, -1));
        if (!leave(false))
            return;
        selectQuietly(targets, current);
    }
    show(targets);
    emit shownChanged();
}

void RecordEditor::show(const QList<qsizetype> &records)
{
    mShown.clear();
    // What marked the values a selection does not share goes before any record is shown.
    for (QLineEdit *field : mFrame->findChildren<QLineEdit *>()) {
        if (field != mFilter->field() && !qobject_cast<QComboBox *>(field->parentWidget()))
            field->setPlaceholderText(QString());
    }
    for (QComboBox *chooser : mFrame->findChildren<QComboBox *>()) {
        chooser->setPlaceholderText(QString());
        if (chooser->lineEdit())
            chooser->lineEdit()->setPlaceholderText(QString());
    }
    for (QCheckBox *box : mFrame->findChildren<QCheckBox *>())
        box->setTristate(false);

    Status shown = success();
    if (records.size() == 1)
        shown = decode(records.first());
    else if (records.size() > 1)
        shown = decodeSeveral(records);
    if (!shown) {
        // The list highlights the records that failed: the view must not keep showing others.
        clearView();
        showError(shown.error());
    } else {
        mShown = records;
    }
    setSeveral(mShown.size() > 1);
    if (mShown.size() > 1)
        emit status(tr("%1 selected").arg(countedRecords(mKind, mShown.size())));
}

void RecordEditor::retranslate()
{
    for (QLineEdit *field : mFrame->findChildren<QLineEdit *>()) {
        if (field != mFilter->field() && !field->placeholderText().isEmpty())
            field->setPlaceholderText(tr("(several values)"));
    }
    for (ReferenceChooser *references : std::as_const(mReferences))
        references->retranslate();
    setSeveral(mShown.size() > 1);
}

void RecordEditor::clearView()
{
    for (QLineEdit *field : mFrame->findChildren<QLineEdit *>()) {
        if (field != mFilter->field() && !qobject_cast<QComboBox *>(field->parentWidget()))
            field->clear();
    }
    for (QComboBox *chooser : mFrame->findChildren<QComboBox *>())
        showPosition(chooser, -1);
    for (QCheckBox *box : mFrame->findChildren<QCheckBox *>())
        box->setChecked(false);
}

void RecordEditor::setSeveral(bool several)
{
    mContext.validator.setSeveralRecords(mFrame, several);
    const QString tip = several ? tr("A whole number sets every selected record to it; +N or -N adds N to or takes "
                                     "N from each record's own value; *X multiplies it by X")
                                : QString();
    for (QLineEdit *field : std::as_const(mNumberFields))
        field->setToolTip(tip);
}

void RecordEditor::showRecords(const QList<qsizetype> &records)
{
    // Undo, redo and a reload put the stored records in the controls: edits not applied go.
    discardEdits();
    for (const qsizetype k : records)
        mFilter->reveal(int(k));
    selectQuietly(records, records.value(0, -1));
    mList->scrollTo(mList->currentIndex());
    show(selectedRecords());
    emit shownChanged();
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
    const QList<qsizetype> records = selectedRecords();
    const Result<ModuleChange> change = records.size() > 1 ? encodeSeveral(records) : encode(records.value(0, -1));
    if (!change) {
        emit status(tr("Not updated: %1").arg(change.error().text()));
        showError(change.error());
        return false;
    }
    const bool changed = session().push(*change);
    discardEdits();
    fieldsApplied();
    // The fields of a selection held what was typed ("+2"): they show the values now shared.
    if (records.size() > 1)
        show(records);
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
    const QList<qsizetype> shown = mShown;
    if (!isEdited() || shown.isEmpty()) {
        discardEdits();
        return true;
    }
    // A field just left with a refused value says so itself and takes the focus back:
    // the user stays, and is asked once the value is mended.
    if (mContext.validator.complaintPending())
        return false;
    const QString what = shown.size() == 1 ? session().document().labels(describe(mKind).list).at(shown.first())
                                           : countedRecords(mKind, shown.size());
    switch (mContext.questions.askApplyEdits(mContext.owner, what)) {
    case ApplyAnswer::Apply:
        // A refused update keeps the user on the records.
        return apply() && !isEdited();
    case ApplyAnswer::Discard:
        discardEdits();
        // The controls show the records as stored again, so a later Update cannot write them.
        if (showAgain)
            showRecords(shown);
        return true;
    case ApplyAnswer::Cancel:
        break;
    }
    return false;
}

bool RecordEditor::eventFilter(QObject *watched, QEvent *event)
{
    // Ctrl+A selects every entry the filter shows, not those it hides.
    if (watched == mList && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::SelectAll)) {
        QList<qsizetype> visible;
        for (int row = 0; row < mList->model()->rowCount(); ++row) {
            if (!mList->isRowHidden(row))
                visible.append(row);
        }
        const qsizetype current = currentRecord();
        selectQuietly(visible, current);
        selectionChanged();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void RecordEditor::showShared(QLineEdit *field, const std::optional<QString> &value)
{
    field->setText(value.value_or(QString()));
    field->setPlaceholderText(value ? QString() : tr("(several values)"));
}

void RecordEditor::chooseReferences(QComboBox *chooser, QAbstractItemModel *entries)
{
    mReferences.insert(chooser, new ReferenceChooser(chooser, entries));
}

void RecordEditor::showPosition(QComboBox *chooser, int position) const
{
    if (ReferenceChooser *references = mReferences.value(chooser))
        references->show(position);
    else
        chooser->setCurrentIndex(position);
}

int RecordEditor::positionOf(const QComboBox *chooser) const
{
    const ReferenceChooser *references = mReferences.value(chooser);
    return references ? references->position() : chooser->currentIndex();
}

void RecordEditor::tellMissing(const QList<MissingReference> &missing)
{
    QStringList named;
    for (const MissingReference &reference : missing)
        named.append(tr("%1 names %2").arg(reference.field).arg(reference.number));
    if (!named.isEmpty())
        emit status(tr("%1, which does not exist: choose an entry to replace it, or Update keeps it")
                        .arg(named.join(tr("; "))));
}

void RecordEditor::showShared(QComboBox *chooser, std::optional<int> position) const
{
    if (ReferenceChooser *references = mReferences.value(chooser))
        references->show(position);
    else
        chooser->setCurrentIndex(position.value_or(-1));
    const QString placeholder = position ? QString() : tr("(several values)");
    if (chooser->lineEdit())
        chooser->lineEdit()->setPlaceholderText(placeholder);
    else
        chooser->setPlaceholderText(placeholder);
}

void RecordEditor::showShared(QCheckBox *box, std::optional<bool> checked)
{
    box->setTristate(!checked);
    box->setCheckState(!checked ? Qt::PartiallyChecked : *checked ? Qt::Checked : Qt::Unchecked);
}

} // namespace lancefall
