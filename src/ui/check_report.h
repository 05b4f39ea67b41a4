#pragma once

#include "checks/finding.h"

#include <QDialog>

#include <memory>

namespace Ui {
class CheckReport;
}

namespace lancefall {

// The findings of a module check, listed from the same values the command line
// prints: severity, file, line and text. Activating a finding (double-click, Enter or
// Show record) asks for its record to be shown; Check again asks for a new check. The
// dialog is not modal, so the user can mend a record and check again.
class CheckReport : public QDialog {
    Q_OBJECT

public:
    explicit CheckReport(QWidget *parent = nullptr);
    ~CheckReport() override;

    Ui::CheckReport &form() { return *ui; }
    // Lists the findings of a check and its summary line, keeping the selected row.
    void setFindings(const QList<Finding> &findings, const QString &summary);
    const QList<Finding> &findings() const { return mFindings; }

signals:
    void findingActivated(const lancefall::Finding &finding);
    void checkAgainRequested();

private:
    void activateCurrent();

    std::unique_ptr<Ui::CheckReport> ui;
    QList<Finding> mFindings;
};

} // namespace lancefall
