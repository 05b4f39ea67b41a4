// Times the module check: on the benchmark's generated module, and on a generated module
// the size of the largest real ones (about 1 500 troops and 11 000 lines), each both alone
// and with the load that lancefall-check does before it.

#include "checks/module_check.h"
#include "module_generator/module_generator.h"

#include <QDir>
#include <QTextStream>

#include <functional>

using namespace lancefall;

using MedianMs = std::function<double(int, const std::function<void()> &)>;

void benchCheck(QTextStream &out, const QString &folder, int runs, const MedianMs &medianMs)
{
    // The size of the largest real modules next to the benchmark's own module.
    const QString large = QDir(folder).filePath(QStringLiteral("real_size"));
    GeneratedModuleOptions realSize;
    realSize.troops = 1500;
    realSize.items = 1200;
    realSize.templates = 250;
    realSize.parties = 200;
    if (!QDir().mkpath(large) || !writeGeneratedModule(large, realSize)) {
        out << "cannot generate the module of real size\n";
        return;
    }
    for (const QString &dir : {folder, large}) {
        QString path = dir;
        const LoadReport report = loadModule(addBackSlash(path));
        if (!report.ok()) {
            out << "cannot load " << dir << "\n";
            return;
        }
        qsizetype lines = 0;
        for (const RecordKind kind : kRecordKinds)
            lines += report.module.lines(kind).lastIndex();
        qsizetype errors = 0;
        const double check = medianMs(runs, [&] { errors = countFindings(checkModule(report.module)).errors; });
        const double loadAndCheck = medianMs(runs, [&] { checkModule(loadModule(path).module); });
        out << "check, " << report.module.troops.records.count() << " troops (" << lines
            << " lines in the edited files): " << check << " ms alone, " << loadAndCheck << " ms with the load; "
            << errors << " errors\n";
    }
}
