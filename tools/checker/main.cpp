// lancefall-check FOLDER: checks a module folder the way the editor reads and writes it.

#include "checker/check_command.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return lancefall::runCheckCommand(app.arguments().mid(1), out, err);
}
