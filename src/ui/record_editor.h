#pragma once

#include "lines/error.h"
#include "workspace/record_kind.h"

#include <QObject>

#include <optional>

class QLineEdit;
class QListView;
class QWidget;

namespace lancefall {

class EditSession;
class EditTracker;
class FieldValidator;
class MessageService;
class QuestionService;
class RecordFilter;
struct ModuleChange;

// What every editor works with: the session, the services that show messages and ask
// questions, the checks of left fields, and the window that owns the messages.
struct EditorContext {
    EditSession &session;
    MessageService &messages;
    QuestionService &questions;
    FieldValidator &validator;
    QWidget *owner;
};

// The editor of one view: the records of one kind, the list that names them with its
// filter, and the controls of the view's frame. It copies a record's view from the
// document into the controls and back into a change, follows the user's choices in its
// list and asks before edits not applied would be lost. The window switches views and
// wires the editors to the menus; what differs between the kinds is in the subclasses.
class RecordEditor : public QObject {
    Q_OBJECT

public:
    RecordEditor(RecordKind kind, const EditorContext &context, QWidget *frame, QListView *list,
                 QLineEdit *filterField);
    ~RecordEditor() override;

    RecordKind kind() const { return mKind; }
    QWidget *frame() const { return mFrame; }
    QListView *list() const { return mList; }
    RecordFilter &filter() const { return *mFilter; }

    // The record the user selected in the list, -1 for none.
    qsizetype selectedRecord() const;
    // The record the controls show, -1 for none.
    qsizetype shownRecord() const;
    // Whether the user can write the controls into a record: the one selected is shown.
    bool canApply() const;
    // The faction the controls have chosen, -1 for none.
    virtual int chosenFaction() const = 0;

    // Selects record k and shows it as stored, as after an undo: edits not applied go.
    void showRecord(qsizetype k);
    // Makes record k the selected one, as a click would: the questions about edits not
    // applied come first, then the record is shown.
    void selectRecord(qsizetype k);

    // Whether the controls hold edits the user has not applied.
    bool isEdited() const;
    // Forgets the edits not applied: they are no longer asked about (the controls keep them
    // until a record is shown).
    void discardEdits();
    // Writes the controls into the record shown as one undo step. A refused value is said
    // in a message and changes nothing; false then.
    bool apply();
    // Before the record shown is left with edits not applied, asks whether to apply them:
    // true when the user may go on. Discard shows the stored record again when showAgain.
    bool leave(bool showAgain);

signals:
    // The record shown or the selection changed.
    void shownChanged();
    // An Update was applied (or found nothing to write): the window confirms it.
    void applied(const lancefall::ModuleChange &change, bool changed);
    // What the status bar should say.
    void status(const QString &text);

protected:
    // Decodes record k into the controls, or gives the reason it cannot be shown.
    virtual Status decode(qsizetype k) = 0;
    // The change the controls make of record k, the one shown.
    virtual Result<ModuleChange> encode(qsizetype k) const = 0;
    // A load filled the lists anew: the choosers take their first entries.
    virtual void moduleLoaded() = 0;

    // Notes the user's edits in the frame's controls but these (controls that choose
    // rather than edit, such as the item to add) and the filter. Called once the
    // subclass has its controls.
    void watchEdits(const QList<QWidget *> &choosers = {});
    void showError(const Error &error) const;
    const EditorContext &context() const { return mContext; }
    EditSession &session() const { return mContext.session; }

private:
    void selectionChanged();
    void selectQuietly(qsizetype k);
    void fieldsApplied();

    RecordKind mKind;
    EditorContext mContext;
    QWidget *mFrame;
    QListView *mList;
    RecordFilter *mFilter;
    EditTracker *mEdits;
    // The editor itself is changing the selection: no question, no record shown.
    bool mSelecting = false;
};

} // namespace lancefall
