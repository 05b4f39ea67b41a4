#pragma once

#include "references/cross_references.h"
#include "workspace/module_document.h"

#include <QMap>
#include <QObject>
#include <QSet>

#include <array>

class QAbstractItemModel;
class QUndoStack;

namespace lancefall {

class RecordListModel;

// How a change came to be in force: applied as it was made, or by the undo history.
enum class ChangeStep { Applied, Undone, Redone };

// The module being edited and everything that changes it: the document, the undo history
// and the cross-reference index, kept in step. Every change goes through push() and the
// undo steps it makes; the session says what changed through its signals, and the lists,
// panels and views follow them. Nothing outside refreshes anything by hand after an
// update, an undo or a redo, and an undo step needs no window.
class EditSession : public QObject {
    Q_OBJECT

public:
    explicit EditSession(QObject *parent = nullptr);
    ~EditSession() override;

    const ModuleDocument &document() const { return mDocument; }
    // Showing a record remembers it as shown: the views decode through this.
    ModuleDocument &document() { return mDocument; }
    const Module &module() const { return mDocument.module(); }
    const CrossReferences &references() const { return mReferences; }
    QUndoStack &undoStack() const { return *mUndoStack; }
    // Whether there are changes not saved.
    bool isModified() const;

    // One model per list of the module, shared by every control that shows that list; each
    // follows loads and changes. Entry k of a record list is record k.
    QAbstractItemModel *model(RecordList list) const;
    QAbstractItemModel *itemsModel() const;
    QAbstractItemModel *factionsModel() const;
    // The language of the interface changed: the lists show their fixed entries anew.
    void retranslate();

    // Reads the module in folder; only when every file was read does it take the place of
    // the module loaded before, with a new index and an empty history (loaded() follows).
    LoadReport open(const QString &folder);
    // Makes a change one undo step and applies it. A change that gives every line its own
    // bytes is no step: nothing is pushed and false comes back.
    bool push(const ModuleChange &change);
    // Writes the three edited files; a save of every one marks the history clean.
    SaveReport save();

    // Every record whose lines differ from the last save (or the load), as a change from
    // those lines to the lines it has now, in record order by kind.
    QList<RecordChange> unsavedChanges() const;

signals:
    void loaded();
    // A change took effect: applied, undone or redone. The finer signals below came first.
    void changed(const lancefall::ModuleChange &change, lancefall::ChangeStep step);
    void recordsChanged(lancefall::RecordKind kind, const QList<qsizetype> &records);
    void labelsChanged(lancefall::RecordList list, const QList<qsizetype> &rows);
    void saved(const lancefall::SaveReport &report);

private:
    friend class ChangeCommand;
    void step(const ModuleChange &change, ChangeStep step);
    void keepSaved();

    ModuleDocument mDocument;
    CrossReferences mReferences;
    QUndoStack *mUndoStack;
    std::array<RecordListModel *, kRecordListCount> mModels{};
    // By RecordKind: the lines as last saved or loaded, and the lines of each record that a
    // change touched since.
    std::array<LineTable, kEditedFileCount> mSaved;
    std::array<QMap<qsizetype, QSet<qsizetype>>, kEditedFileCount> mTouched;
    RecordListModel *mItems;
    RecordListModel *mFactions;
};

} // namespace lancefall
