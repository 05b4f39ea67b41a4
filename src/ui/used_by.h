#pragma once

#include "references/cross_references.h"

#include <QObject>

#include <optional>

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace lancefall {

// The "Used by" list: what refers to the record a view shows (for a troop, the troops that
// upgrade to it, the templates that have it as a member and the parties built from those
// templates; for a template, the parties built from it), and how many troops, templates
// and parties belong to the faction the view has chosen. Each record entry jumps to its
// record when activated (double-click or Enter).
class UsedByPanel : public QObject {
    Q_OBJECT

public:
    UsedByPanel(QLabel *record, QListWidget *list, QLabel *faction, QObject *parent);

    // Shows what uses record k of file (none for k < 0, or without a file) and the
    // faction at position `faction` of the faction list (none for -1).
    void show(const ModuleDocument &document, const CrossReferences &references, std::optional<ModuleFile> file,
              qsizetype k, int faction);

signals:
    void jump(ModuleFile file, qsizetype record);

private:
    void addGroup(const QString &title, const ModuleDocument &document, ModuleFile file,
                  const QList<qsizetype> &records);
    void activated(QListWidgetItem *item);

    QLabel *mRecord;
    QListWidget *mList;
    QLabel *mFaction;
};

} // namespace lancefall
