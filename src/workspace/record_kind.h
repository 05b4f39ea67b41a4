#pragma once

#include "workspace/module_files.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

namespace lancefall {

// The kinds of record the editor edits, one per edited file. A kind's value is its
// position in kRecordKinds, the order in which the edited files are written. Code that
// treats the kinds differently switches on the kind without a default branch, so that
// the compiler names every switch a new kind is missing from.
enum class RecordKind { Troop, PartyTemplate, Party };

// The number of edited files, one per record kind.
inline constexpr int kEditedFileCount = 3;
inline constexpr std::array<RecordKind, kEditedFileCount> kRecordKinds{RecordKind::Troop, RecordKind::PartyTemplate,
                                                                       RecordKind::Party};
inline constexpr std::size_t indexOf(RecordKind kind)
{
    return static_cast<std::size_t>(kind);
}

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

// Everything the editor needs to know of a record kind that is not its line format.
struct RecordKindDescription {
    RecordKind kind;
    ModuleFile file;
    RecordList list;     // the list whose entry k is record k as "k - name (id)"
    qsizetype idField;   // the identifier's field in the record's first line
    qsizetype nameField; // the name's field there
    QByteArray idPrefix; // the reader finds records by it, so every identifier keeps it
};

const RecordKindDescription &describe(RecordKind kind);
inline ModuleFile fileOf(RecordKind kind)
{
    return describe(kind).file;
}
// The kind whose records a file holds; none for the catalogues.
std::optional<RecordKind> recordKindOf(ModuleFile file);

// How messages name a kind's records, in the language of the moment. Each is a whole
// phrase, so that a translation needs no grammar of its own.
QString recordWord(RecordKind kind);                  // "troop"
QString recordsWord(RecordKind kind);                 // "troops"
QString idCaption(RecordKind kind);                   // "Troop ID"
QString numberedRecord(RecordKind kind, qsizetype k); // "troop 12"
QString pleaseSelect(RecordKind kind);                // "Please select a troop from the list"
QString countedRecords(RecordKind kind, qsizetype n); // "1 troop", "37 troops"

} // namespace lancefall
