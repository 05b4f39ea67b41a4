#pragma once

#include "lines/error.h"
#include "lines/file_state.h"
#include "parties/parties_file.h"
#include "party_templates/party_templates_file.h"
#include "troops/troops_file.h"
#include "workspace/module_files.h"
#include "workspace/record_kind.h"

#include <QStringList>

#include <array>
#include <optional>

namespace lancefall {

// The edited files, in the order they are written: the files of the record kinds.
inline constexpr std::array<ModuleFile, kEditedFileCount> kEditedFiles{ModuleFile::Troops, ModuleFile::PartyTemplates,
                                                                       ModuleFile::Parties};

// Appends the platform's separator ("\" on Windows, "/" elsewhere) unless the
// path already ends in one; stores the result back into path and returns it.
QString addBackSlash(QString &path);

// One loaded module: the folder (ending in a separator), the three edited files with
// their lines and records, and the item and faction catalogues.
struct Module {
    QString folder;
    TroopsFile troops;
    QStringList items;
    QStringList factions;
    PartyTemplatesFile partyTemplates;
    PartiesFile parties;

    QString path(ModuleFile file) const { return folder + moduleFileName(file); }
    // The lines and records of the file of a record kind.
    const LineTable &lines(RecordKind kind) const;
    LineTable &lines(RecordKind kind);
    const RecordIndex &records(RecordKind kind) const;
};

// What a load found. A file that failed leaves its part of the module empty.
struct LoadReport {
    Module module;
    std::array<std::optional<Error>, kModuleFileCount> failures; // by ModuleFile; FileNotFound for a missing file
    // By ModuleFile: each file as it was read, to tell later whether another program
    // changed it.
    std::array<FileState, kModuleFileCount> states;
    // What the user should know of a module that was read: a corrected summary row,
    // records that cannot be placed.
    QString summaryNotice;
    QStringList placementNotices;

    bool ok() const;
    const std::optional<Error> &failure(ModuleFile file) const { return failures[static_cast<int>(file)]; }
    // "Unable to open the following files in <folder>" and one indented line per failed file.
    QString unableToOpenMessage() const;
    // How many troops could not be placed, the first few of them with their file and line,
    // and where to find the rest: one stray line can leave thousands unplaced, too many
    // for one message. Empty when every troop was placed.
    QString placementMessage() const;
};

// Runs the five readers in order on folder (which ends in a separator).
LoadReport loadModule(const QString &folder);

// What a save of the three edited files did, one entry per file in kEditedFiles order.
struct SaveReport {
    struct File {
        ModuleFile file = ModuleFile::Troops;
        qsizetype lines = 0;
        bool written = false;  // the file on disk now holds the module's lines
        bool backedUp = false; // this save kept the version it replaced as NAME.bak
    };
    QString folder;
    std::array<File, kEditedFileCount> files;
    QList<Error> failures; // each names its file and the reason

    bool ok() const;
    bool anyWritten() const;
    // "The following files in <folder> were updated:" and one "name (n lines)" per file
    // written, the backups made; the files that could not be written, each with its
    // reason, and the files left as they were. Nothing is said to be updated that was
    // not written.
    QString message() const;
};

// The name of the backup beside a module file: "troops.txt.bak".
QString backupFileName(ModuleFile file);

} // namespace lancefall
