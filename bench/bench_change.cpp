// Times changes of many records at once in the real window: one change of a thousand troops
// pushed as one undo step, then undone, each with every list relabelled, the
// cross-reference index read again and the window following (the first troop shown
// after the undo). Each must stay under 50 ms.

#include "bench_navigation.h"

#include "ui/edit_session.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QUndoStack>

#include <algorithm>
#include <vector>

namespace lancefall {

namespace {

// Troops 1 to n renamed and a level higher, as one change.
ModuleChange renameTroops(ModuleDocument &document, qsizetype n, int round)
{
    ModuleChange change;
    for (qsizetype k = 1; k <= n && k < document.recordCount(RecordKind::Troop); ++k) {
        TroopView view = document.showTroop(k)->view;
        view.name1 = QStringLiteral("Renamed_%1_%2").arg(round).arg(k);
        view.attributes[4] = QString::number(view.attributes[4].toInt() + 1);
        change.append(*document.troopUpdate(k, view));
    }
    change.text = updateText(change);
    return change;
}

double elapsedMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    QApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

void benchChange(QTextStream &out, MainWindow &window, int runs)
{
    EditSession &session = window.session();
    std::vector<double> applied, undone;
    const qsizetype troops = 1000;
    for (int round = 0; round < runs; ++round) {
        const ModuleChange change = renameTroops(session.document(), troops, round);
        applied.push_back(elapsedMs([&] { session.push(change); }));
        undone.push_back(elapsedMs([&] { session.undoStack().undo(); }));
    }
    std::sort(applied.begin(), applied.end());
    std::sort(undone.begin(), undone.end());
    out << "change of " << troops << " troops (rename and level), one step: " << applied[applied.size() / 2]
        << " ms median, " << applied.back() << " ms at most; its undo: " << undone[undone.size() / 2]
        << " ms median, " << undone.back() << " ms at most\n";
}

} // namespace lancefall
