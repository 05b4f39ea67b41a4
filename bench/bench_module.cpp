// Times loading and saving a large generated module through the real window,
// next to a plain read-and-split and a plain write of the same bytes in the same
// run, and showing and updating a record as the user does it. Prints the times and
// their ratios. Not a test: the figures depend on the machine, so only their ratios
// mean something.

#include "bench_navigation.h"
#include "headless_services.h"
#include "module_generator/module_generator.h"
#include "ui/main_window.h"
#include "ui_main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

using namespace lancefall;

namespace {

const QStringList kAllFiles{QStringLiteral("troops.txt"), QStringLiteral("item_kinds1.txt"),
                            QStringLiteral("factions.txt"), QStringLiteral("party_templates.txt"),
                            QStringLiteral("parties.txt")};
const QStringList kEdited{QStringLiteral("troops.txt"), QStringLiteral("party_templates.txt"),
                          QStringLiteral("parties.txt")};

// The median of several runs, in milliseconds; the run number is passed to the work, and
// to `prepare`, which runs before each timed run.
double medianMs(int runs, const std::function<void(int)> &work, const std::function<void(int)> &prepare = {})
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare(i);
        QElapsedTimer timer;
        timer.start();
        work(i);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

void benchCheck(QTextStream &out, const QString &folder, int runs,
                const std::function<double(int, const std::function<void()> &)> &medianMs);
void benchPeakMemory(QTextStream &out);
void benchTable(QTextStream &out, const QString &folder, int runs,
                const std::function<double(int, const std::function<void()> &)> &medianMs);

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const int runs = 9;
    out << Qt::fixed;
    out.setRealNumberPrecision(1);
    // First, while the process's peak memory is still that of its start.
    benchPeakMemory(out);

    QTemporaryDir dir;
    GeneratedModuleOptions options; // about 30 000 troop lines, 2 000 items, 1 000 templates, 500 parties
    QString error;
    if (!dir.isValid() || !writeGeneratedModule(dir.path(), options, &error)) {
        out << "cannot generate the module: " << error << "\n";
        return 1;
    }
    qint64 lines = 0;
    for (const QString &name : kAllFiles) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            lines += file.readAll().count('\n');
    }

    PrintedMessages messages(false);
    DiscardOnClose questions;
    FixedFolder folder(dir.path());
    MainWindow window(messages, questions, folder);

    // Plain read-and-split of the five files.
    qint64 sink = 0;
    const double plainRead = medianMs(runs, [&](int) {
        for (const QString &name : kAllFiles) {
            QFile file(dir.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                sink += file.readAll().split('\n').size();
        }
    });
    // The full load: from the folder choice to every list filled.
    const double load = medianMs(runs, [&](int) { window.cmdBrowse_Click(); });
    if (messages.shown != 0) {
        out << "the load showed a message; the module is not consistent\n";
        return 1;
    }

    // Plain write of the bytes the save writes, to files beside the module's.
    QList<QByteArray> contents;
    for (const QString &name : kEdited) {
        QFile file(dir.filePath(name));
        contents.append(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    const double plainWrite = medianMs(runs, [&](int) {
        for (int i = 0; i < kEdited.size(); ++i) {
            QFile file(dir.filePath(QStringLiteral("plain_") + kEdited[i]));
            if (file.open(QIODevice::WriteOnly))
                file.write(contents[i]);
        }
    });
    // The same bytes through QSaveFile, which flushes them to disk before it
    // renames them over the target: the floor of any save that cannot be half-written.
    const double durableWrite = medianMs(runs, [&](int) {
        for (int i = 0; i < kEdited.size(); ++i) {
            QSaveFile file(dir.filePath(QStringLiteral("durable_") + kEdited[i]));
            if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
                file.write(contents[i]);
                file.commit();
            }
        }
    });
    const double save = medianMs(runs, [&](int) { window.cmdSave_Click(); });

    // Selecting a troop as a click does (decoding it and filling every field), and pressing
    // Update on it after an edit (encoding, relabelling, the undo step), spread over the list.
    Ui::MainWindow &ui = window.form();
    ui.cmbChooseFile->setCurrentText(QStringLiteral("troops.txt"));
    const int records = 201;
    const auto selectTroop = [&](int i) {
        const QModelIndex troop = ui.ListTroops->model()->index(i * (options.troops - 1) / records, 0);
        ui.ListTroops->selectionModel()->select(troop, QItemSelectionModel::ClearAndSelect);
    };
    const double select = medianMs(records, selectTroop);
    const double update = medianMs(
        records, [&](int) { window.cmdUpdate_Click(); },
        [&](int i) {
            selectTroop(i);
            ui.txtName1->setText(QStringLiteral("Renamed_%1").arg(i));
        });
    out << "module: " << lines << " lines in all, " << options.troops << " troops, " << options.items << " items, "
        << options.templates << " templates, " << options.parties << " parties\n";
    out << "plain read-and-split: " << plainRead << " ms\n";
    out << "full load (Browse):   " << load << " ms  (" << load / plainRead << " x plain read)\n";
    out << "plain write:          " << plainWrite << " ms\n";
    out << "durable plain write:  " << durableWrite << " ms\n";
    out << "save (three files):   " << save << " ms  (" << save / plainWrite << " x plain write, "
        << save / durableWrite << " x durable plain write)\n";
    out << "select a troop:       " << int(select * 1000) << " us\n";
    out << "update a troop:       " << int(update * 1000) << " us\n";
    out << "median of " << runs << " runs each (" << records << " for select and update); " << sink / runs
        << " lines split per read\n";
    benchNavigation(out, window, runs);
    benchChange(out, window, runs);
    const auto median = [](int n, const std::function<void()> &work) { return medianMs(n, [&](int) { work(); }); };
    benchCheck(out, dir.path(), runs, median);
    benchTable(out, dir.path(), runs, median);
    return 0;
}
