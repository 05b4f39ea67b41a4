#pragma once

#include "checks/finding.h"
#include "lines/error.h"
#include "workspace/module.h"

#include <QList>

namespace lancefall {

// Checks a loaded module the way the editor and the game read it, and returns the
// findings in file order, line by line:
// - every troop, party template and party is shown and updated without changes, and the
//   update must give back every stored line;
// - upgrade paths, template members and party templates name records that exist, factions
//   and inventory items exist in their catalogues;
// - identifiers are unique within each file, the summary rows hold the record counts, each
//   record stands where the record layout puts it and every record could be placed;
// - names are not empty, numbers shown as numbers are whole 32-bit numbers, a member's
//   maximum is not below its minimum, an inventory holds 64 slots;
// - a skill level above 10 is a warning, as are references of -1 (nothing chosen).
// The module keeps no summary row of its catalogues, and its troops.txt row as corrected
// at load; those rows are read again from the module's folder, as they stand on disk.
QList<Finding> checkModule(const Module &module);

// One finding per file that a load could not read, at the line its reader stopped at.
QList<Finding> loadFindings(const LoadReport &report);

// True for a load failure that kept a file from being read at all (missing, unreadable,
// too large), as opposed to a file read and found malformed.
bool isUnreadable(const Error &error);

} // namespace lancefall
