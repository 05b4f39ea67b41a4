#pragma once

#include "lines/file_state.h"
#include "parties/party_record.h"
#include "party_templates/party_template_record.h"
#include "troops/troop_record.h"
#include "workspace/module.h"

#include <array>

namespace lancefall {

// The lists that name records. Each is filled from the module and relabelled by updates;
// entry k of each is record k.
enum class RecordList {
    Troops,       // "k - name (id)"
    TroopSlots,   // the same, troop 0 as "0 - None" until it is updated
    UpgradePaths, // "k - name", troop 0 as "0 - None" until it is updated
    Templates,    // "k - name (id)"
    Parties,      // "k - name (id)"
};
inline constexpr int kRecordListCount = 5;

// The list whose entries name the records of an edited file, "k - name (id)".
inline RecordList recordListOf(ModuleFile file)
{
    switch (file) {
    case ModuleFile::PartyTemplates:
        return RecordList::Templates;
    case ModuleFile::Parties:
        return RecordList::Parties;
    default:
        return RecordList::Troops;
    }
}

struct LineChange {
    qsizetype line = 0;
    QByteArray before, after;
};

struct LabelChange {
    RecordList list = RecordList::Troops;
    qsizetype row = 0;
    QString before, after;
};

// One update of one record: everything needed to apply it, undo it and redo it.
struct RecordUpdate {
    ModuleFile file = ModuleFile::Troops;
    qsizetype record = -1;
    QList<LineChange> lines;
    QList<LabelChange> labels;
    // The identifier and name as written.
    QString id, name;

    // "Information on <name> (<id>) has been updated."
    QString confirmation() const;
    // The undo step's text: "Update <id>".
    QString description() const;
};

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

    // The number of records of an edited file.
    qsizetype recordCount(ModuleFile file) const;
    const QStringList &labels(RecordList list) const { return mLabels[static_cast<int>(list)]; }

    // Decodes record k into its view and remembers it as the record that view shows; a
    // failure leaves none shown, so that an update cannot write another record's values.
    // Errors: NotSelected (k < 0), EmptyCatalogue (a troop without items or factions to
    // show), RecordNotPlaced, and those of the record's decoder.
    Result<DecodedTroop> showTroop(qsizetype k);
    Result<PartyTemplateView> showTemplate(qsizetype k);
    Result<PartyView> showParty(qsizetype k);
    // The record the view of an edited file shows, -1 for none.
    qsizetype shownRecord(ModuleFile file) const;

    // The update of record k from a view, not yet applied. Record k must be the one its view
    // shows: NotSelected when k < 0 (the description asks to select one), NotShown when the
    // view shows another record or none. InvalidValue for an identifier another record of
    // the file already uses, and the errors of the record's encoder.
    Result<RecordUpdate> troopUpdate(qsizetype k, const TroopView &view) const;
    Result<RecordUpdate> templateUpdate(qsizetype k, const PartyTemplateView &view) const;
    Result<RecordUpdate> partyUpdate(qsizetype k, const PartyView &view) const;

    // Writes an update's new lines and labels, or puts the old ones back.
    void apply(const RecordUpdate &update);
    void revert(const RecordUpdate &update);

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
    TroopLists troopLists() const;
    Result<qsizetype> shownLine(ModuleFile file, qsizetype k) const;
    Status idIsFree(ModuleFile file, qsizetype k, const QByteArray &id) const;
    RecordUpdate recordUpdate(ModuleFile file, qsizetype k, const QList<QByteArray> &newLines) const;
    void setLines(const RecordUpdate &update, bool after);
    QStringList &labelsOf(RecordList list) { return mLabels[static_cast<int>(list)]; }

    Module mModule;
    bool mLoaded = false;
    std::array<QStringList, kRecordListCount> mLabels;
    std::array<qsizetype, 3> mShown{-1, -1, -1}; // by position in kEditedFiles
    // By ModuleFile: each file as the editor last read or wrote it, and as last reported.
    std::array<FileState, 5> mDiskStates;
    std::array<FileState, 5> mReported;
    std::array<bool, 3> mBackedUp{}; // by position in kEditedFiles, since the load
    // The view of the troop shown while its lines are as it was decoded from: an update
    // then encodes without decoding the record again.
    std::optional<TroopView> mShownTroop;
};

} // namespace lancefall
