// Times changes of many records at once in the real window: one change of a thousand troops
// pushed as one undo step, then undone, each with every list relabelled, the
// cross-reference index read again and the window following (the troops shown again
// after the undo), under 50 ms each; showing a selection of 1 500 troops (under 50 ms);
// an Update of every troop with one field changed, and its undo (under 300 ms each).

#include "bench_navigation.h"

#include "references/replacement.h"
#include "troops/inventory_line.h"
#include "ui/edit_session.h"
#include "ui/main_window.h"
#include "ui_main_window.h"

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
        << " ms median, " << applied.back() << " ms at most; its undo: " << undone[undone.size() / 2] << " ms median, "
        << undone.back() << " ms at most\n";

    // A selection as the user makes it, and an Update of it with the level typed as "+1".
    Ui::MainWindow &ui = window.form();
    ui.cmbChooseFile->setCurrentText(QStringLiteral("troops.txt"));
    QItemSelectionModel *selection = ui.ListTroops->selectionModel();
    const auto select = [&](int last) {
        selection->select(QItemSelection(ui.ListTroops->model()->index(0, 0), ui.ListTroops->model()->index(last, 0)),
                          QItemSelectionModel::ClearAndSelect);
    };
    const int all = int(session.document().recordCount(RecordKind::Troop));
    std::vector<double> shown, shownAll, updated, updateUndone;
    for (int round = 0; round < runs; ++round) {
        ui.ListTroops->setCurrentIndex(ui.ListTroops->model()->index(all - 1, 0));
        shown.push_back(elapsedMs([&] { select(1499); }));
        shownAll.push_back(elapsedMs([&] { select(all - 1); }));
        ui.txtLvl->setText(QStringLiteral("+1"));
        emit ui.txtLvl->textEdited(ui.txtLvl->text());
        updated.push_back(elapsedMs([&] { window.cmdUpdate_Click(); }));
        updateUndone.push_back(elapsedMs([&] { session.undoStack().undo(); }));
    }
    for (auto *times : {&shown, &shownAll, &updated, &updateUndone})
        std::sort(times->begin(), times->end());
    out << "selection of 1500 troops shown: " << shown[shown.size() / 2] << " ms median, " << shown.back()
        << " ms at most; of all " << all << ": " << shownAll[shownAll.size() / 2] << " ms median\n";
    // An item that a thousand troops hold: the first item of troops 1 to 1000 becomes item 5.
    const ModuleDocument &document = session.document();
    ModuleChange holders;
    for (qsizetype k = 1; k <= 1000; ++k) {
        const qsizetype line = document.module().troops.records.line(k) + 1;
        QByteArray text = document.module().troops.lines.line(line).toByteArray();
        for (const InventorySlot &slot : inventorySlots(text)) {
            if (slot.item > 0) {
                text.replace(slot.itemStart, slot.itemSize, "5");
                break;
            }
        }
        holders.append(*document.linesChange(RecordKind::Troop, k, {{line, text}}));
    }
    session.push(holders);
    std::vector<double> found;
    qsizetype places = 0;
    for (int round = 0; round < runs; ++round)
        found.push_back(elapsedMs(
            [&] { places = findReferences(document, session.references(), ReferenceKind::Item, 5).size(); }));
    std::sort(found.begin(), found.end());
    const double replaced = elapsedMs([&] {
        session.push(*replaceReferences(document, ReferenceKind::Item, 5, 6,
                                        findReferences(document, session.references(), ReferenceKind::Item, 5)));
    });
    out << "Find of item 5 in " << session.references().troopsHolding(6).size() << " troops (" << places
        << " places): " << found[found.size() / 2] << " ms median, " << found.back()
        << " ms at most; replacing them all, one step: " << replaced << " ms\n";
    out << "Update of all " << all << " troops, level +1: " << updated[updated.size() / 2] << " ms median, "
        << updated.back() << " ms at most; its undo: " << updateUndone[updateUndone.size() / 2] << " ms median, "
        << updateUndone.back() << " ms at most\n";
}

} // namespace lancefall
