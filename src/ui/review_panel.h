#pragma once

#include "workspace/record_kind.h"

#include <QWidget>

class QTreeWidget;
class QLabel;

namespace lancefall {

class EditSession;

// What a save would write: one entry per record whose lines differ from the last save (or
// the load), grouped by file, each with its changed fields as "old → new" ("Level 18 → 20",
// "Inventory +itm_heavy_lance −itm_spear"). It follows every update, undo, redo, import and
// replacement while it is shown. Activating an entry (double-click, Enter) asks for its
// record to be shown.
class ReviewPanel : public QWidget {
    Q_OBJECT

public:
    ReviewPanel(EditSession &session, QWidget *parent);

    QTreeWidget *list() const { return mList; }
    // Lists the records not saved again, as they stand now.
    void refresh();

signals:
    void showRecord(lancefall::RecordKind kind, qsizetype record);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    EditSession &mSession;
    QLabel *mSummary;
    QTreeWidget *mList;
};

} // namespace lancefall
