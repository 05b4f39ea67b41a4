#pragma once

#include "workspace/record_kind.h"

#include <QObject>

#include <optional>

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace lancefall {

class EditSession;

// The "Used by" list: what refers to the record a view shows (for a troop, the troops that
// upgrade to it, the templates that have it as a member and the parties built from those
// templates; for a template, the parties built from it), and how many troops, templates
// and parties belong to the faction the view has chosen. Each record entry jumps to its
// record when activated (double-click or Enter). It follows the session: a load, an
// update, an undo or a redo shows the same record and faction again as they now stand.
class UsedByPanel : public QObject {
    Q_OBJECT

public:
    UsedByPanel(EditSession &session, QLabel *record, QListWidget *list, QLabel *faction, QObject *parent);

    // Shows what uses record k of a kind (none for k < 0, or without a kind) and the
    // faction at position `faction` of the faction list (none for -1).
    void show(std::optional<RecordKind> kind, qsizetype k, int faction);

signals:
    void jump(lancefall::RecordKind kind, qsizetype record);

private:
    void refresh();
    void addGroup(const QString &title, RecordKind kind, const QList<qsizetype> &records);
    void activated(QListWidgetItem *item);

    EditSession &mSession;
    QLabel *mRecord;
    QListWidget *mList;
    QLabel *mFaction;
    std::optional<RecordKind> mKind;
    qsizetype mShown = -1;
    int mShownFaction = -1;
};

} // namespace lancefall
