#pragma once

#include <QStringList>
#include <QTextStream>

namespace lancefall {

// Exit statuses of lancefall-check.
enum CheckStatus {
    kCheckClean = 0,      // no errors (warnings may have been found)
    kCheckErrors = 1,     // at least one error
    kCheckUnreadable = 2, // the folder or one of its files could not be read, or the command line is wrong
};

// Runs `lancefall-check [--json] [--quiet] FOLDER` with the given arguments (without the
// program name): loads the module with the editor's readers, checks it and prints one line
// per finding and a summary line to out, or the findings as JSON. Usage problems and an
// unreadable folder are reported on err. Returns the exit status.
int runCheckCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace lancefall
