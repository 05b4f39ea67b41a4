// The peak memory of loading a small module whose troops.txt is followed by empty lines
// up to 63 MB, just below the size limit: the most lines a module file can hold. Where the
// system tells the process's peak resident size (Linux), the growth of that peak during the
// load is printed next to the size of the files.

#include "module_generator/module_generator.h"
#include "workspace/module.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#endif

using namespace lancefall;

namespace {

// The peak resident size of the process so far, in bytes; -1 where it is not known.
qint64 peakResidentBytes()
{
#ifdef Q_OS_LINUX
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) == 0)
        return qint64(usage.ru_maxrss) * 1024;
#endif
    return -1;
}

} // namespace

void benchPeakMemory(QTextStream &out)
{
    QTemporaryDir dir;
    GeneratedModuleOptions options;
    options.troops = 50;
    options.items = 50;
    options.templates = 20;
    options.parties = 20;
    if (!writeGeneratedModule(dir.path(), options)) {
        out << "cannot generate the module for the memory case\n";
        return;
    }
    QFile troops(dir.filePath(QStringLiteral("troops.txt")));
    if (!troops.open(QIODevice::Append)) {
        out << "cannot extend troops.txt\n";
        return;
    }
    // Written a megabyte at a time, so that the writing does not raise the peak.
    const QByteArray empty(1 << 20, '\n');
    while (troops.size() + empty.size() < 63 * (1 << 20))
        troops.write(empty);
    troops.close();
    qint64 bytes = 0;
    for (const QFileInfo &file : QDir(dir.path()).entryInfoList(QDir::Files))
        bytes += file.size();
    const qint64 before = peakResidentBytes();
    QElapsedTimer timer;
    timer.start();
    QString folder = dir.path();
    const LoadReport report = loadModule(addBackSlash(folder));
    const double ms = timer.nsecsElapsed() / 1e6;
    const qint64 peak = peakResidentBytes();
    out << "load of " << bytes / (1 << 20) << " MB of files, troops.txt mostly empty lines: " << ms << " ms"
        << (report.ok() ? "" : " (refused)");
    if (before >= 0 && peak >= before)
        out << ", peak memory " << (peak - before) / (1 << 20) << " MB above the peak before it ("
            << double(peak - before) / bytes << " x the files)";
    out << "\n";
}
