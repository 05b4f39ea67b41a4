// Writes a generated module into a folder, for trying the editor on a large module:
// lancefall-generate-module FOLDER [troops] [seed]

#include "module_generator/module_generator.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() < 2) {
        err << "usage: lancefall-generate-module FOLDER [troops] [seed]\n";
        return 2;
    }
    lancefall::GeneratedModuleOptions options;
    if (args.size() > 2)
        options.troops = args.at(2).toInt();
    if (args.size() > 3)
        options.seed = args.at(3).toUInt();
    QDir().mkpath(args.at(1));
    QString error;
    if (!lancefall::writeGeneratedModule(args.at(1), options, &error)) {
        err << error << "\n";
        return 1;
    }
    return 0;
}
