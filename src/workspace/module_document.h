#pragma once

#include "lines/file_state.h"
#include "parties/party_edit.h"
#include "parties/party_record.h"
#include "party_templates/party_template_record.h"
#include "party_templates/template_edit.h"
#include "troops/troop_edit.h"
#include "troops/troop_record.h"
#include "workspace/module.h"

#include <array>

namespace lancefall {

struct LineChange {
    qsizetype line = 0;
    QByteArray before, after;
};

struct LabelChange {
    RecordList list = RecordList::Troops;
    qsizetype row = 0;
    QString before, after;
};

// The new lines of one record, and its identifier and name as written.
struct RecordChange {
    RecordKind kind = RecordKind::Troop;
    qsizetype record = -1;
    QList<LineChange> lines;
    QString id, name;

    bool changesLines() const;
};

// A change of any number of records of any of the edited files, as one value: everything
// needed to apply it, undo it and redo it. An Update of one record, of many selected
// records, an import and a replacement are each one change and one undo step.
struct ModuleChange {
    QList<RecordChange> records;
    QList<LabelChange> labels;
    // What the change did, as the undo history names it: "Update trp_aurel_lancer",
    // "Update 37 troops".
    QString text;

    bool isEmpty() const { return records.isEmpty(); }
    // Whether any line gets other bytes: a change that writes every line as it stands
    // changes nothing.
    bool changesLines() const;
    // The records changed of a kind, in the change's order.
    QList<qsizetype> recordsOf(RecordKind kind) const;
    // "Information on <name> (<id>) has been updated." for one record,
    // "Information on 37 troops has been updated." for several of one kind.
    QString confirmation() const;
    // Adds the records and labels of another change of other records.
    void append(const ModuleChange &other);
};

// "Update <id>" for one record, "Update 37 troops" for several of one kind.
QString updateText(const ModuleChange &change);

// The loaded module and every change to it. The window, the checker, the benchmark and
// the tests all read and change a module through this one class: open a folder, decode
// a record into its view, turn a view into an update of that record, apply or revert an
// update, save.
class ModuleDocument {
public:
    ModuleDocument() = default;
    // A document on a module read before, with nothing shown: the checker works on its own
    // copy of the window's module, so that showing records there changes nothing the window shows.
    explicit ModuleDocument(Module module);

    // Reads the five files of folder (ending in a separator) into a fresh module. Only when
    // every file was read does it replace the loaded module; otherwise the loaded module,
    // its folder and its changes stay as they were.
    LoadReport open(const QString &folder);
    bool isLoaded() const { return mLoaded; }
    const Module &module() const { return mModule; }
    const QString &folder() const { return mModule.folder; }

    // The number of records of a kind.
    qsizetype recordCount(RecordKind kind) const;
    const QStringList &labels(RecordList list) const { return mLabels[static_cast<int>(list)]; }

    // Decodes record k into its view and remembers it as the record that view shows; a
    // failure leaves none shown, so that an update cannot write another record's values.
    // Errors: NotSelected (k < 0), EmptyCatalogue (a troop without items or factions to
    // show), RecordNotPlaced, and those of the record's decoder.
    Result<DecodedTroop> showTroop(qsizetype k);
    Result<PartyTemplateView> showTemplate(qsizetype k);
    Result<PartyView> showParty(qsizetype k);
    // Record k as stored, decoded as the show functions do, without remembering it as
    // shown: for changes of many records (a selection, an imported table).
    Result<DecodedTroop> troopView(qsizetype k) const;
    Result<PartyTemplateView> templateView(qsizetype k) const;
    Result<PartyView> partyView(qsizetype k) const;
    // The record the view of a kind shows, -1 for none.
    qsizetype shownRecord(RecordKind kind) const;

    // The update of record k from a view, not yet applied. Record k must be the one its view
    // shows: NotSelected when k < 0 (the description asks to select one), NotShown when the
    // view shows another record or none. InvalidValue for an identifier another record of
    // the file already uses, and the errors of the record's encoder.
    Result<ModuleChange> troopUpdate(qsizetype k, const TroopView &view) const;
    Result<ModuleChange> templateUpdate(qsizetype k, const PartyTemplateView &view) const;
    Result<ModuleChange> partyUpdate(qsizetype k, const PartyView &view) const;

    // The change that writes a view into record k, whether shown or not, with the checks of
    // an update of that record: the values the view changed, and an identifier no other
    // record of the file holds now. `stored`, when given, is the view record k decodes to,
    // so that it is not decoded again.
    Result<ModuleChange> troopChange(qsizetype k, const TroopView &view, const TroopView *stored = nullptr) const;
    Result<ModuleChange> templateChange(qsizetype k, const PartyTemplateView &view) const;
    Result<ModuleChange> partyChange(qsizetype k, const PartyView &view) const;

    // The change that gives lines of record k new bytes, as a change of that record: for
    // changes made on the lines themselves (an item replaced in an inventory line). The
    // lines must belong to the record, and the caller answers for what they hold.
    Result<ModuleChange> linesChange(RecordKind kind, qsizetype k, const QList<std::pair<qsizetype, QByteArray>> &lines) const;

    // One change of every record in `records` (a selection): the edit made to each record's
    // own view, with the checks of an Update of each. The first record that refuses the
    // edit refuses the whole change, with a message naming that record and the field.
    Result<ModuleChange> troopsChange(const QList<qsizetype> &records, const TroopEdit &edit) const;
    Result<ModuleChange> templatesChange(const QList<qsizetype> &records, const TemplateEdit &edit) const;
    Result<ModuleChange> partiesChange(const QList<qsizetype> &records, const PartyEdit &edit) const;
    // How messages name record k: its identifier, or "troop 12" when it has none.
    QString recordName(RecordKind kind, qsizetype k) const;

    // Writes a change's new lines and labels, or puts the old ones back.
    void apply(const ModuleChange &change);
    void revert(const ModuleChange &change);

    // Writes the three edited files together: all of them, or none when one cannot be
    // written (see FileTransaction). The first save after a load that replaces a file
    // keeps the version it replaces beside it as NAME.bak, replacing an older backup.
    SaveReport save();

    // The edited files whose bytes on disk are no longer those the editor last read or
    // wrote: another program changed them since, and a save would overwrite that.
    QList<ModuleFile> changedOnDisk() const;
    // The module files (all five) changed on disk since the editor last read or wrote
    // them, or reported them here: each change is reported once.
    QList<ModuleFile> takeOutsideChanges();

private:
    Result<qsizetype> shownLine(RecordKind kind, qsizetype k) const;
    Status idIsFree(RecordKind kind, qsizetype k, const QByteArray &id) const;
    ModuleChange recordUpdate(RecordKind kind, qsizetype k, const QList<QByteArray> &newLines) const;
    void setLines(const ModuleChange &change, bool after);
    QStringList &labelsOf(RecordList list) { return mLabels[static_cast<int>(list)]; }

    Module mModule;
    bool mLoaded = false;
    std::array<QStringList, kRecordListCount> mLabels;
    std::array<qsizetype, kEditedFileCount> mShown{-1, -1, -1}; // by RecordKind
    // By ModuleFile: each file as the editor last read or wrote it, and as last reported.
    std::array<FileState, kModuleFileCount> mDiskStates;
    std::array<FileState, kModuleFileCount> mReported;
    std::array<bool, kEditedFileCount> mBackedUp{}; // by RecordKind, since the load
    // The view of the troop shown while its lines are as it was decoded from: an update
    // then encodes without decoding the record again.
    std::optional<TroopView> mShownTroop;
};

} // namespace lancefall
