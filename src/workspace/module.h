#pragma once

#include "lines/error.h"
#include "parties/parties_file.h"
#include "party_templates/party_templates_file.h"
#include "troops/troops_file.h"

#include <QStringList>

#include <array>
#include <optional>

namespace lancefall {

// The five files of a module folder, in the order they are read.
enum class ModuleFile { Troops, Items, Factions, PartyTemplates, Parties };
inline constexpr std::array<ModuleFile, 5> kModuleFiles{ModuleFile::Troops, ModuleFile::Items, ModuleFile::Factions,
                                                        ModuleFile::PartyTemplates, ModuleFile::Parties};
// The three edited files, in the order they are written.
inline constexpr std::array<ModuleFile, 3> kEditedFiles{ModuleFile::Troops, ModuleFile::PartyTemplates,
                                                        ModuleFile::Parties};

QString moduleFileName(ModuleFile file);

// Appends the platform's separator ("\" on Windows, "/" elsewhere) unless the
// path already ends in one; stores the result back into path and returns it.
QString addBackSlash(QString &path);

// One loaded module: the folder (ending in a separator), the three line tables
// with the troop layout, and the entries of the catalogue and record lists.
struct Module {
    QString folder;
    TroopsFile troops;
    QStringList items;
    QStringList factions;
    PartyTemplatesFile partyTemplates;
    PartiesFile parties;

    QString path(ModuleFile file) const { return folder + moduleFileName(file); }
    const LineTable &lines(ModuleFile file) const;
};

// What a load found. A file that failed leaves its part of the module empty.
struct LoadReport {
    Module module;
    std::array<std::optional<Error>, 5> failures; // by ModuleFile; FileNotFound for a missing file

    bool ok() const;
    const std::optional<Error> &failure(ModuleFile file) const { return failures[static_cast<int>(file)]; }
    // "Unable to open the following files in <folder>" and one indented line per failed file.
    QString unableToOpenMessage() const;
};

// Runs the five readers in order on folder. `previousLayout` holds the troop layout
// settings a short troops.txt does not reach.
LoadReport loadModule(const QString &folder, const TroopLayout &previousLayout = {});

// Writes one edited file atomically and returns its summary, "troops.txt (n lines)".
Result<QString> saveLineTable(const QString &folder, ModuleFile file, const LineTable &lines);

// The opening of the save message.
QString saveMessageOpening(const QString &folder);

// What a save of all three edited files did.
struct SaveReport {
    std::array<std::optional<Error>, 3> failures; // by position in kEditedFiles
    QString message;                              // the opening and one summary line per file
    bool ok() const;
};

SaveReport saveModule(const Module &module);

} // namespace lancefall
