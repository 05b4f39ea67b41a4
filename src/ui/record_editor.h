#pragma once

#include "lines/error.h"
#include "workspace/record_kind.h"

#include <QHash>
#include <QList>
#include <QObject>

#include <optional>

class QAbstractItemModel;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListView;
class QWidget;

namespace lancefall {

class EditSession;
class EditTracker;
class ReferenceChooser;
struct MissingReference;
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
// filter, and the controls of the view's frame. It copies the view of the records the user
// selected from the document into the controls, and what the user changed back into one
// change; it follows the user's choices in its list and asks before edits not applied would
// be lost. The window switches views and wires the editors to the menus; what differs
// between the kinds is in the subclasses.
//
// One record selected shows it whole. Several selected show what they share: a field whose
// values differ is empty ("(several values)"), a chooser shows no entry, a check box is
// partly checked. An Update then writes to each selected record exactly the fields the user
// changed, and number fields also take "+N", "-N" and "*X" for each record's own value.
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

    // The records the user selected in the list, in record order.
    QList<qsizetype> selectedRecords() const;
    // The entry the user clicked last among those selected, -1 for none.
    qsizetype currentRecord() const;
    // The records the controls show: none, one, or a selection.
    const QList<qsizetype> &shownRecords() const { return mShown; }
    // The one record the controls show, -1 for none or a selection.
    qsizetype shownRecord() const { return mShown.size() == 1 ? mShown.first() : -1; }
    // Whether the user can write the controls into records: the ones selected are shown.
    bool canApply() const;
    // The faction the controls have chosen, -1 for none or several.
    virtual int chosenFaction() const = 0;

    // Selects these records and shows them as stored, as after an undo: edits not applied go.
    void showRecords(const QList<qsizetype> &records);
    // Makes record k the selected one, as a click would: the questions about edits not
    // applied come first, then the record is shown.
    void selectRecord(qsizetype k);

    // Whether the controls hold edits the user has not applied.
    bool isEdited() const;
    // Forgets the edits not applied: they are no longer asked about (the controls keep them
    // until a record is shown).
    void discardEdits();
    // Writes the controls into the records shown as one undo step. A refused value is said
    // in a message and changes nothing; false then.
    bool apply();
    // Gives the texts the editor set in its controls again, in the language of the interface.
    virtual void retranslate();
    // Before the records shown are left with edits not applied, asks whether to apply them:
    // true when the user may go on. Discard shows the stored records again when showAgain.
    bool leave(bool showAgain);

signals:
    // The records shown or the selection changed.
    void shownChanged();
    // An Update was applied (or found nothing to write): the window confirms it.
    void applied(const lancefall::ModuleChange &change, bool changed);
    // What the status bar should say.
    void status(const QString &text);

protected:
    // Decodes record k into the controls, or gives the reason it cannot be shown.
    virtual Status decode(qsizetype k) = 0;
    // Decodes every record of a selection and shows in the controls what they share.
    virtual Status decodeSeveral(const QList<qsizetype> &records) = 0;
    // The change the controls make of record k, the one shown.
    virtual Result<ModuleChange> encode(qsizetype k) const = 0;
    // The change the controls make of each record of the selection shown: the fields the
    // user changed, and nothing else.
    virtual Result<ModuleChange> encodeSeveral(const QList<qsizetype> &records) const = 0;
    // A load filled the lists anew: the choosers take their first entries.
    virtual void moduleLoaded() = 0;
    // Empties the controls: the records selected could not be shown.
    virtual void clearView();

    // Notes the user's edits in the frame's controls but these (controls that choose
    // rather than edit, such as the item to add) and the filter. Called once the
    // subclass has its controls.
    void watchEdits(const QList<QWidget *> &choosers = {});
    // Whether the user changed this control since the records were shown.
    bool edited(const QObject *control) const;
    void showError(const Error &error) const;
    const EditorContext &context() const { return mContext; }
    EditSession &session() const { return mContext.session; }

    // Showing a selection: the value every record shares, or the sign that they differ.
    static void showShared(QLineEdit *field, const std::optional<QString> &value);
    void showShared(QComboBox *chooser, std::optional<int> position) const;
    static void showShared(QCheckBox *box, std::optional<bool> checked);

    // A chooser of troops, templates or factions that shows a stored reference to nothing
    // as an entry of its own (see ReferenceChooser); `entries` is its list.
    void chooseReferences(QComboBox *chooser, QAbstractItemModel *entries);
    // Shows list position `position` in a chooser, a missing reference where it is one.
    void showPosition(QComboBox *chooser, int position) const;
    // The position a chooser names: the stored number of a missing reference it shows.
    int positionOf(const QComboBox *chooser) const;
    // Says in the status bar which references of the record shown name nothing.
    void tellMissing(const QList<MissingReference> &missing);
    // The value every view shares, or none.
    template <typename View, typename Get>
    static auto shared(const QList<View> &views, Get get) -> std::optional<std::decay_t<decltype(get(views.first()))>>
    {
        for (const View &view : views) {
            if (!(get(view) == get(views.first())))
                return std::nullopt;
        }
        return get(views.first());
    }
    // The fields of the frame whose tooltip tells how several records are changed at once.
    void setNumberFields(const QList<QLineEdit *> &fields) { mNumberFields = fields; }

private:
    void selectionChanged();
    void show(const QList<qsizetype> &records);
    void setSeveral(bool several);
    void selectQuietly(const QList<qsizetype> &records, qsizetype current);
    void fieldsApplied();
    bool eventFilter(QObject *watched, QEvent *event) override;

    RecordKind mKind;
    EditorContext mContext;
    QWidget *mFrame;
    QListView *mList;
    RecordFilter *mFilter;
    EditTracker *mEdits;
    QList<QLineEdit *> mNumberFields;
    QHash<const QComboBox *, ReferenceChooser *> mReferences;
    QList<qsizetype> mShown;
    // The editor itself is changing the selection: no question, no record shown.
    bool mSelecting = false;
};

} // namespace lancefall
