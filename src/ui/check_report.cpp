#include "ui/check_report.h"

#include "checks/module_check.h"
#include "ui/main_window.h"
#include "ui_check_report.h"
#include "ui_main_window.h"

#include <QAction>
#include <QStyle>

#include <algorithm>

namespace lancefall {

namespace {

enum Column { SeverityColumn, FileColumn, LineColumn, TextColumn };

} // namespace

CheckReport::CheckReport(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::CheckReport>())
{
    ui->setupUi(this);
    QHeaderView *header = ui->lstFindings->header();
    for (const int column : {SeverityColumn, FileColumn, LineColumn})
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    header->setStretchLastSection(true);
    connect(ui->lstFindings, &QTreeWidget::itemActivated, this, &CheckReport::activateCurrent);
    connect(ui->cmdShowFinding, &QPushButton::clicked, this, &CheckReport::activateCurrent);
    connect(ui->cmdCheckAgain, &QPushButton::clicked, this, &CheckReport::checkAgainRequested);
}

CheckReport::~CheckReport() = default;

void CheckReport::setFindings(const QList<Finding> &findings, const QString &summary)
{
    const int row = ui->lstFindings->indexOfTopLevelItem(ui->lstFindings->currentItem());
    mFindings = findings;
    ui->lblCheckSummary->setText(summary);
    ui->lstFindings->clear();
    const QIcon error = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    QList<QTreeWidgetItem *> items;
    for (const Finding &f : findings) {
        auto *item = new QTreeWidgetItem(QStringList{severityName(f.severity), moduleFileName(f.file),
                                                     f.line > 0 ? QString::number(f.line) : QString(), f.text});
        item->setIcon(SeverityColumn, f.severity == Severity::Error ? error : warning);
        item->setTextAlignment(LineColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setToolTip(TextColumn, findingLine(f));
        items.append(item);
    }
    ui->lstFindings->addTopLevelItems(items);
    if (!items.isEmpty())
        ui->lstFindings->setCurrentItem(items.at(std::clamp(row, 0, int(items.size()) - 1)));
    ui->cmdShowFinding->setEnabled(!items.isEmpty());
}

void CheckReport::activateCurrent()
{
    const int row = ui->lstFindings->indexOfTopLevelItem(ui->lstFindings->currentItem());
    if (row >= 0 && row < mFindings.size())
        emit findingActivated(mFindings.at(row));
}

// --- The window's Check module command -------------------------------------------

void MainWindow::createCheckAction()
{
    mCheckAction = new QAction(QStringLiteral("Check module"), this);
    mCheckAction->setObjectName(QStringLiteral("actionCheckModule"));
    mCheckAction->setShortcut(QKeySequence(Qt::Key_F7));
    mCheckAction->setStatusTip(
        QStringLiteral("Check every record of the module as it stands, unsaved updates included"));
    connect(mCheckAction, &QAction::triggered, this, &MainWindow::actionCheckModule_Triggered);
    ui->menuTools->addAction(mCheckAction);
}

void MainWindow::actionCheckModule_Triggered()
{
    if (!mDocument.isLoaded())
        return;
    if (!mCheckReport) {
        mCheckReport = new CheckReport(this);
        mCheckReport->addAction(mCheckAction);
        connect(mCheckReport, &CheckReport::findingActivated, this, &MainWindow::showFinding);
        connect(mCheckReport, &CheckReport::checkAgainRequested, this, &MainWindow::refreshCheckReport);
    }
    mCheckReport->show();
    refreshCheckReport();
    mCheckReport->raise();
    mCheckReport->activateWindow();
}

void MainWindow::refreshCheckReport()
{
    if (!mCheckReport || !mCheckReport->isVisible() || !mDocument.isLoaded())
        return;
    const QList<Finding> findings = checkModule(module());
    mCheckReport->setFindings(findings, checkSummary(findings, &module()));
}

void MainWindow::showFinding(const Finding &finding)
{
    if (std::find(kEditedFiles.begin(), kEditedFiles.end(), finding.file) == kEditedFiles.end())
        return; // the catalogues have no view
    if (finding.record >= 0 && finding.record < mDocument.recordCount(finding.file))
        showRecord(finding.file, finding.record);
    else
        setCurrentFile(finding.file);
}

} // namespace lancefall
