#pragma once

#include "checks/finding.h"

#include <QDialog>

#include <memory>

namespace Ui {
class CheckReport;
}

namespace lancefall {

class EditSession;

// The findings of a check of the module as it stands in the session, unsaved changes
// included, listed from the same values the command line prints: severity, file, line and
// text. While it is open it checks again after every load, change, undo and redo, and on
// Check again. Activating a finding (double-click, Enter or Show record) asks for its
// record to be shown. The dialog is not modal, so the user can mend a record and see it go.
class CheckReport : public QDialog {
    Q_OBJECT

public:
    CheckReport(EditSession &session, QWidget *parent);
    ~CheckReport() override;

    Ui::CheckReport &form() { return *ui; }
    const QList<Finding> &findings() const { return mFindings; }
    // Checks the module and lists the findings, keeping the selected row.
    void check();

signals:
    void findingActivated(const lancefall::Finding &finding);

protected:
    void changeEvent(QEvent *event) override;

private:
    void activateCurrent();

    std::unique_ptr<Ui::CheckReport> ui;
    EditSession &mSession;
    QList<Finding> mFindings;
};

} // namespace lancefall
