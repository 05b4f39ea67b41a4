#pragma once

#include "references/replacement.h"

#include <QWidget>

#include <functional>
#include <memory>

class QIdentityProxyModel;

namespace Ui {
class ReplacePanel;
}

namespace lancefall {

class EditSession;

// Replaces a reference everywhere it is named: the kind of reference (an item, a troop, a
// party template, a faction), the one to replace and the one to put in its place. Find lists
// every place that will change, each "record: field"; Replace All makes the whole
// replacement one undo step. "Only the selected records" limits both to the records selected
// in the views. The list follows the session: after any change it is found again.
class ReplacePanel : public QWidget {
    Q_OBJECT

public:
    // `selection` gives the records selected in each view.
    ReplacePanel(EditSession &session, std::function<RecordLimits()> selection, QWidget *parent);
    ~ReplacePanel() override;

    Ui::ReplacePanel &form() { return *ui; }

    void cmdReplaceFind_Click();
    void cmdReplaceAll_Click();

signals:
    // A place was activated: show its record.
    void showRecord(lancefall::RecordKind kind, qsizetype record);
    // What the status bar should say; a refusal to show as a message.
    void status(const QString &text);
    void refused(const lancefall::Error &error);

protected:
    void changeEvent(QEvent *event) override;

private:
    ReferenceKind kind() const;
    void nameKinds();
    // The chooser positions as the numbers the files store (item p is item p + 1).
    qint64 numberAt(int position) const;
    void kindChosen();
    void listPlaces();

    std::unique_ptr<Ui::ReplacePanel> ui;
    EditSession &mSession;
    std::function<RecordLimits()> mSelection;
    QIdentityProxyModel *mWhat;
    QIdentityProxyModel *mWith;
    QList<ReferencePlace> mPlaces;
    bool mFound = false; // a search was made: the list follows changes
};

} // namespace lancefall
