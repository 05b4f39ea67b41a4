// Times finding and moving through the large generated module in the real window: building
// the cross-reference index, filtering the troop list at each keystroke, and opening and
// searching the item chooser. Each must stay well under a frame (16 ms).

#include "bench_navigation.h"

#include "references/cross_references.h"
#include "ui/edit_session.h"
#include "ui/main_window.h"
#include "ui_main_window.h"

#include <QApplication>
#include <QCompleter>
#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <vector>

namespace lancefall {

namespace {

// Every time of one piece of work, in milliseconds, sorted; the work's events (layout,
// painting) are processed inside the timing, as a user waits for them.
std::vector<double> sortedTimesMs(int runs, const std::function<void(int)> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work(i);
        QApplication::processEvents();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times;
}

void report(QTextStream &out, const QString &what, const std::vector<double> &times)
{
    out << what << times[times.size() / 2] << " ms median, " << times.back() << " ms at most\n";
}

} // namespace

void benchNavigation(QTextStream &out, MainWindow &window, int runs)
{
    Ui::MainWindow &ui = window.form();
    window.show();
    ui.cmbChooseFile->setCurrentText(QStringLiteral("troops.txt"));
    QApplication::processEvents();

    qsizetype found = 0;
    const auto index
        = sortedTimesMs(runs, [&](int) { found += CrossReferences(window.session().module()).upgradesTo(1).size(); });

    // Typed one letter at a time, then erased again: the last erasure shows every troop.
    const QString typed = QStringLiteral("Lancer_12");
    const auto filter = sortedTimesMs(int(typed.size()) * 2, [&](int i) {
        const int letters = i < typed.size() ? i + 1 : int(typed.size()) * 2 - 1 - i;
        ui.txtFilterTroops->setText(typed.left(letters));
    });

    QComboBox *items = ui.cmbItems;
    const auto open = sortedTimesMs(runs, [&](int i) {
        if (i > 0)
            items->hidePopup();
        items->showPopup();
    });
    items->hidePopup();
    // The chooser searches while the user is in it.
    window.activateWindow();
    items->setFocus();
    QApplication::processEvents();
    const auto search = sortedTimesMs(runs, [&](int i) {
        items->completer()->setCompletionPrefix(i % 2 ? QStringLiteral("Sword") : QStringLiteral("Bow_1"));
        items->completer()->complete();
    });
    items->completer()->popup()->hide();

    out << "cross-reference index:  ";
    report(out, QString(), index);
    out << "troop filter, " << window.session().document().recordCount(RecordKind::Troop) << " troops, per keystroke: ";
    report(out, QString(), filter);
    out << "item chooser, " << items->count() << " entries, opening: ";
    report(out, QString(), open);
    out << "item chooser search, per keystroke: ";
    report(out, QString(), search);
    out << "(" << found / runs << " troops upgrade to troop 1)\n";
}

} // namespace lancefall
