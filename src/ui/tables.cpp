// The window's tables: File > Export Table writes the records of the view shown as a CSV
// table, File > Import Table reads one back as one undo step (or says every error), and
// Edit > Review Changes lists what a save would write.

#include "tables/record_table.h"
#include "tables/table_columns.h"
#include "ui/edit_session.h"
#include "ui/main_window.h"
#include "ui/record_editor.h"
#include "ui/review_panel.h"
#include "ui/services.h"
#include "ui_main_window.h"

#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace lancefall {

namespace {

QString messages(const QList<TableMessage> &list)
{
    QStringList lines;
    for (const TableMessage &message : list)
        lines.append(message.toString());
    return lines.join(u'\n');
}

// The most of a table's lines a message box shows; the rest are counted.
constexpr qsizetype kShownMessages = 30;

QString someMessages(const QList<TableMessage> &list)
{
    QString text = messages(list.first(std::min(list.size(), kShownMessages)));
    if (list.size() > kShownMessages)
        text += u'\n' + QCoreApplication::translate("MainWindow", "… and %1 more").arg(list.size() - kShownMessages);
    return text;
}

} // namespace

void MainWindow::setUpTables()
{
    auto *review = new ReviewPanel(*mSession, this);
    auto *reviewDock = new QDockWidget(this);
    reviewDock->setObjectName(QStringLiteral("dockReview"));
    reviewDock->setWidget(review);
    addDockWidget(Qt::RightDockWidgetArea, reviewDock);
    reviewDock->hide();
    connect(review, &ReviewPanel::showRecord, this, &MainWindow::jumpTo);
    auto *openReview = new QAction(this);
    openReview->setObjectName(QStringLiteral("actionReviewChanges"));
    connect(openReview, &QAction::triggered, this, [reviewDock] {
        reviewDock->show();
        reviewDock->raise();
    });
    ui->menuEdit->addAction(openReview);

    auto *exportTable = new QAction(this);
    exportTable->setObjectName(QStringLiteral("actionExportTable"));
    connect(exportTable, &QAction::triggered, this, [this] {
        if (!mSession->document().isLoaded())
            return;
        const RecordKind kind = currentKind().value_or(RecordKind::Troop);
        const QString start = QDir(mSession->document().folder()).filePath(tableWord(kind) + QStringLiteral(".csv"));
        const std::optional<QString> path = mFolders.pickFile(this, tr("Export %1 as a table").arg(recordsWord(kind)),
                                                              start, tr("CSV tables (*.csv)"), FileUse::Save);
        if (!path)
            return;
        const Result<TableExport> table = lancefall::exportTable(mSession->document(), kind);
        QSaveFile file(*path);
        if (!table || !file.open(QIODevice::WriteOnly) || file.write(table->csv) != table->csv.size()
            || !file.commit()) {
            mMessages.show(this,
                           tr("The table could not be written to %1: %2")
                               .arg(QDir::toNativeSeparators(*path), table ? file.errorString() : table.error().text()),
                           MessageLook::Critical);
            return;
        }
        statusBar()->showMessage(tr("Exported %1 rows to %2").arg(table->rows).arg(QDir::toNativeSeparators(*path)));
        if (!table->warnings.isEmpty())
            mMessages.show(this, tr("Left out of the table:\n\n%1").arg(someMessages(table->warnings)),
                           MessageLook::Exclamation);
    });

    auto *importTable = new QAction(this);
    importTable->setObjectName(QStringLiteral("actionImportTable"));
    connect(importTable, &QAction::triggered, this, [this] {
        if (!mSession->document().isLoaded())
            return;
        const std::optional<QString> path = mFolders.pickFile(this, tr("Import a table"), mSession->document().folder(),
                                                              tr("CSV tables (*.csv);;All files (*)"), FileUse::Open);
        if (!path)
            return;
        // A change made in a view but not applied would be lost under the import's records.
        for (RecordEditor *editor : mEditors) {
            if (!editor->leave(true))
                return;
        }
        QFile file(*path);
        if (!file.open(QIODevice::ReadOnly)) {
            mMessages.show(this,
                           tr("The table %1 could not be read: %2").arg(QDir::toNativeSeparators(*path), file.errorString()),
                           MessageLook::Critical);
            return;
        }
        const TableImport table = lancefall::importTable(mSession->document(), file.readAll(), QFileInfo(*path).fileName());
        if (!table.ok()) {
            statusBar()->showMessage(tr("Not imported: %n error(s) in the table", nullptr, int(table.errors.size())));
            mMessages.show(this, tr("The table was not imported; nothing changed:\n\n%1").arg(someMessages(table.errors)),
                           MessageLook::Critical);
            return;
        }
        if (!table.change.changesLines()) {
            statusBar()->showMessage(tr("The table changes nothing"));
        } else {
            mSession->push(table.change);
            statusBar()->showMessage(tr("Done: %1").arg(table.change.text));
        }
        if (!table.warnings.isEmpty())
            mMessages.show(this, tr("Imported, with these warnings:\n\n%1").arg(someMessages(table.warnings)),
                           MessageLook::Exclamation);
    });
    ui->menuFile->insertActions(ui->actionSave, {exportTable, importTable});
    ui->menuFile->insertSeparator(ui->actionSave);
}

} // namespace lancefall
