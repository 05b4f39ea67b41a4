#pragma once

#include <QStringList>
#include <QTextStream>

namespace lancefall::testing {

// What a command-line tool did: its exit status and what it printed.
struct ToolRun {
    int status = -1;
    QString out, err;
};

// Runs a tool's command (a function taking the arguments and the two streams) in-process;
// "%1" in the arguments stands for folder.
template <typename Command>
ToolRun runTool(Command command, QStringList arguments, const QString &folder)
{
    ToolRun result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    for (QString &argument : arguments)
        argument.replace(QStringLiteral("%1"), folder);
    result.status = command(arguments, out, err);
    out.flush();
    err.flush();
    return result;
}

} // namespace lancefall::testing
