#pragma once

#include <QStringList>
#include <QTextStream>

namespace lancefall {

// Exit statuses of lancefall-table.
enum TableStatus {
    kTableDone = 0,       // the table was written, or the import applied (or would be, with --dry-run)
    kTableRefused = 1,    // the import was refused: the table has errors, nothing was changed
    kTableUnreadable = 2, // the folder, one of its files or the table could not be read or written,
                          // or the command line is wrong
};

// Runs lancefall-table with the given arguments (without the program name):
//   export FOLDER troops|templates|parties [-o FILE]   the table on out, or into FILE
//   import FOLDER FILE.csv [--dry-run]                 applies the table and saves the module
// The import prints one line per record it changes and a summary on out; errors and
// warnings go to err, each as "FILE.csv:ROW: column: message". Returns the exit status.
int runTableCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace lancefall
