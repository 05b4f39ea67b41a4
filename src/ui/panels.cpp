// The panels beside the views: the replacement of a reference everywhere and the undo
// history, each a dock the menus show.

#include "ui/edit_session.h"
#include "ui/main_window.h"
#include "ui/record_editor.h"
#include "ui/replace_panel.h"
#include "ui/services.h"
#include "ui_main_window.h"

#include <QDockWidget>
#include <QUndoView>

namespace lancefall {

void MainWindow::setUpPanels()
{
    const auto dock = [this](const QString &name, const QString &title, QWidget *contents) {
        auto *panel = new QDockWidget(title, this);
        panel->setObjectName(name);
        panel->setWidget(contents);
        panel->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
        addDockWidget(Qt::RightDockWidgetArea, panel);
        panel->hide();
        return panel;
    };

    auto *replace = new ReplacePanel(
        *mSession,
        [this] {
            RecordLimits selected;
            for (const RecordKind kind : kRecordKinds)
                selected[indexOf(kind)] = editor(kind).selectedRecords();
            return selected;
        },
        this);
    QDockWidget *replaceDock = dock(QStringLiteral("dockReplace"), QString(), replace);
    connect(replace, &ReplacePanel::showRecord, this, &MainWindow::jumpTo);
    connect(replace, &ReplacePanel::status, this, [this](const QString &text) { statusBar()->showMessage(text); });
    connect(replace, &ReplacePanel::refused, this, [this](const Error &error) { showError(mMessages, this, error); });
    auto *openReplace = new QAction(this);
    openReplace->setObjectName(QStringLiteral("actionReplace"));
    openReplace->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(openReplace, &QAction::triggered, this, [replaceDock] {
        replaceDock->show();
        replaceDock->raise();
    });
    ui->menuTools->addAction(openReplace);

    auto *history = new QUndoView(&mSession->undoStack(), this);
    history->setObjectName(QStringLiteral("lstHistory"));
    QDockWidget *historyDock = dock(QStringLiteral("dockHistory"), QString(), history);
    QAction *showHistory = historyDock->toggleViewAction();
    showHistory->setObjectName(QStringLiteral("actionShowHistory"));
    ui->menuView->addAction(showHistory);
}

} // namespace lancefall
