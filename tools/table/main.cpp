// lancefall-table: a record kind of a module folder as a CSV table, and such a table applied back.

#include "table/table_command.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return lancefall::runTableCommand(app.arguments().mid(1), out, err);
}
