#include "ui/edit_session.h"

#include "ui/record_list_model.h"

#include "lines/text_codec.h"
#include "troops/troops_file.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace lancefall {

// One change as an undo step: the session applies and reverts it.
class ChangeCommand : public QUndoCommand {
public:
    ChangeCommand(EditSession &session, ModuleChange change) : mSession(session), mChange(std::move(change))
    {
        setText(mChange.text);
    }

    void redo() override
    {
        mSession.step(mChange, mPushed ? ChangeStep::Redone : ChangeStep::Applied);
        mPushed = true;
    }
    void undo() override { mSession.step(mChange, ChangeStep::Undone); }

private:
    EditSession &mSession;
    ModuleChange mChange;
    bool mPushed = false;
};

EditSession::EditSession(QObject *parent) : QObject(parent), mUndoStack(new QUndoStack(this))
{
    // The troop lists the choosers show name troop 0 "no troop" until it is updated.
    const auto noTroop = [](const QString &label) { return label == kNoTroopLabel ? noTroopLabel() : QString(); };
    for (int list = 0; list < kRecordListCount; ++list) {
        const bool choosesTroops = RecordList(list) == RecordList::TroopSlots || RecordList(list) == RecordList::UpgradePaths;
        mModels[list] = new RecordListModel(
            [this, list]() -> const QStringList & { return mDocument.labels(RecordList(list)); }, this,
            choosesTroops ? RecordListModel::Shown(noTroop) : RecordListModel::Shown());
    }
    mItems = new RecordListModel([this]() -> const QStringList & { return mDocument.module().items; }, this);
    mFactions = new RecordListModel([this]() -> const QStringList & { return mDocument.module().factions; }, this);
}

EditSession::~EditSession()
{
    // The steps refer to the session: they go first, and quietly, as what follows the history
    // may be going too.
    mUndoStack->blockSignals(true);
    delete mUndoStack;
}

void EditSession::retranslate()
{
    for (RecordListModel *model : mModels)
        model->retranslated();
}

bool EditSession::isModified() const
{
    return !mUndoStack->isClean();
}

QAbstractItemModel *EditSession::model(RecordList list) const
{
    return mModels[static_cast<int>(list)];
}

QAbstractItemModel *EditSession::itemsModel() const
{
    return mItems;
}

QAbstractItemModel *EditSession::factionsModel() const
{
    return mFactions;
}

LoadReport EditSession::open(const QString &folder)
{
    LoadReport report = mDocument.open(folder);
    if (!report.ok())
        return report;
    mReferences = CrossReferences(mDocument.module());
    keepSaved();
    mUndoStack->clear();
    mUndoStack->setClean();
    for (RecordListModel *model : mModels)
        model->reload();
    mItems->reload();
    mFactions->reload();
    emit loaded();
    return report;
}

bool EditSession::push(const ModuleChange &change)
{
    if (!change.changesLines())
        return false;
    mUndoStack->push(new ChangeCommand(*this, change));
    return true;
}

SaveReport EditSession::save()
{
    const SaveReport report = mDocument.save();
    if (report.ok()) {
        mUndoStack->setClean();
        keepSaved();
    }
    emit saved(report);
    return report;
}

void EditSession::keepSaved()
{
    for (const RecordKind kind : kRecordKinds) {
        mSaved[indexOf(kind)] = mDocument.module().lines(kind);
        mTouched[indexOf(kind)].clear();
    }
}

QList<RecordChange> EditSession::unsavedChanges() const
{
    QList<RecordChange> changes;
    for (const RecordKind kind : kRecordKinds) {
        const LineTable &saved = mSaved[indexOf(kind)];
        const LineTable &now = mDocument.module().lines(kind);
        const RecordKindDescription &d = describe(kind);
        for (auto it = mTouched[indexOf(kind)].cbegin(); it != mTouched[indexOf(kind)].cend(); ++it) {
            RecordChange record;
            record.kind = kind;
            record.record = it.key();
            QList<qsizetype> lines(it.value().begin(), it.value().end());
            std::sort(lines.begin(), lines.end());
            for (const qsizetype n : lines)
                record.lines.append({n, saved.line(n).toByteArray(), now.line(n).toByteArray()});
            if (!record.changesLines())
                continue;
            const QList<QByteArray> first = leadingFields(now.line(mDocument.module().records(kind).line(it.key())),
                                                          d.nameField + 1);
            record.id = displayText(first.value(d.idField));
            record.name = displayText(first.value(d.nameField));
            changes.append(record);
        }
    }
    return changes;
}

void EditSession::step(const ModuleChange &change, ChangeStep step)
{
    if (step == ChangeStep::Undone)
        mDocument.revert(change);
    else
        mDocument.apply(change);
    mReferences.refresh(mDocument.module(), change);
    for (const RecordChange &record : change.records) {
        QSet<qsizetype> &lines = mTouched[indexOf(record.kind)][record.record];
        for (const LineChange &line : record.lines)
            lines.insert(line.line);
    }

    std::array<QList<qsizetype>, kRecordListCount> rows;
    for (const LabelChange &label : change.labels)
        rows[static_cast<int>(label.list)].append(label.row);
    for (int list = 0; list < kRecordListCount; ++list) {
        if (rows[list].isEmpty())
            continue;
        mModels[list]->relabelled(rows[list]);
        emit labelsChanged(RecordList(list), rows[list]);
    }
    for (const RecordKind kind : kRecordKinds) {
        const QList<qsizetype> records = change.recordsOf(kind);
        if (!records.isEmpty())
            emit recordsChanged(kind, records);
    }
    emit changed(change, step);
}

} // namespace lancefall
