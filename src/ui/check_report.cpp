#include "ui/check_report.h"

#include "checks/module_check.h"
#include "ui/edit_session.h"
#include "ui_check_report.h"

#include <QStyle>

#include <algorithm>

namespace lancefall {

namespace {

enum Column { SeverityColumn, FileColumn, LineColumn, TextColumn };

} // namespace

CheckReport::CheckReport(EditSession &session, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::CheckReport>())
    , mSession(session)
{
    ui->setupUi(this);
    QHeaderView *header = ui->lstFindings->header();
    for (const int column : {SeverityColumn, FileColumn, LineColumn})
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    header->setStretchLastSection(true);
    connect(ui->lstFindings, &QTreeWidget::itemActivated, this, &CheckReport::activateCurrent);
    connect(ui->cmdShowFinding, &QPushButton::clicked, this, &CheckReport::activateCurrent);
    connect(ui->cmdCheckAgain, &QPushButton::clicked, this, &CheckReport::check);
    const auto follow = [this] {
        if (isVisible())
            check();
    };
    connect(&session, &EditSession::loaded, this, follow);
    connect(&session, &EditSession::changed, this, follow);
}

CheckReport::~CheckReport() = default;

void CheckReport::check()
{
    if (!mSession.document().isLoaded())
        return;
    const QList<Finding> findings = checkModule(mSession.module());
    const int row = ui->lstFindings->indexOfTopLevelItem(ui->lstFindings->currentItem());
    mFindings = findings;
    ui->lblCheckSummary->setText(checkSummary(findings, &mSession.module()));
    ui->lstFindings->clear();
    const QIcon error = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    QList<QTreeWidgetItem *> items;
    for (const Finding &f : findings) {
        auto *item = new QTreeWidgetItem(QStringList{severityName(f.severity), moduleFileName(f.file),
                                                     f.line > 0 ? QString::number(f.line) : QString(), f.text});
        item->setIcon(SeverityColumn, f.severity == Severity::Error ? error : warning);
        item->setTextAlignment(LineColumn, Qt::AlignRight | Qt::AlignVCenter);
        // The whole finding where its column is too narrow, with its place; the severity
        // stands in its own column, in the language of the interface.
        item->setToolTip(TextColumn, moduleFileName(f.file) + (f.line > 0 ? u':' + QString::number(f.line) : QString())
                                         + QStringLiteral(": ") + f.text);
        items.append(item);
    }
    ui->lstFindings->addTopLevelItems(items);
    if (!items.isEmpty())
        ui->lstFindings->setCurrentItem(items.at(std::clamp(row, 0, int(items.size()) - 1)));
    ui->cmdShowFinding->setEnabled(!items.isEmpty());
}

void CheckReport::changeEvent(QEvent *event)
{
    // The findings are texts of the check: they are made again in the new language.
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        if (isVisible())
            check();
    }
    QDialog::changeEvent(event);
}

void CheckReport::activateCurrent()
{
    const int row = ui->lstFindings->indexOfTopLevelItem(ui->lstFindings->currentItem());
    if (row >= 0 && row < mFindings.size())
        emit findingActivated(mFindings.at(row));
}

} // namespace lancefall
