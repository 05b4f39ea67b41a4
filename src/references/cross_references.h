#pragma once

#include "workspace/module_document.h"

#include <QList>

#include <array>
#include <vector>

namespace lancefall {

// How many records of each edited file belong to one faction.
struct FactionUse {
    qsizetype troops = 0, templates = 0, parties = 0;

    friend bool operator==(const FactionUse &, const FactionUse &) = default;
};

// Which record names which: the upgrade paths and faction of every troop, the member
// troops and faction of every template, the template and faction of every party, and the
// reverse of each, so that what uses a record is a lookup rather than a scan of the files.
// Troop 0 stands for "none" in upgrade paths and member slots and is never a target. A
// record that cannot be decoded, or cannot be placed, names nothing; a reference to a record
// or faction that does not exist names nothing either.
class CrossReferences {
public:
    CrossReferences() = default;
    explicit CrossReferences(const Module &module);

    // Reads again the records a change changed, from the module as it now stands (after
    // the change was applied, or reverted).
    void refresh(const Module &module, const ModuleChange &change);

    // Each list is in record order and names a record once.
    // Troops whose upgrade path A or B is this troop.
    QList<qsizetype> upgradesTo(qsizetype troop) const;
    // Templates with this troop in a member slot.
    QList<qsizetype> templatesWith(qsizetype troop) const;
    // Parties built from a template that has this troop in a member slot.
    QList<qsizetype> partiesWith(qsizetype troop) const;
    // Parties built from this template.
    QList<qsizetype> partiesUsing(qsizetype partyTemplate) const;
    // Troops whose inventory holds item number `item` (1 for the catalogue's first entry).
    QList<qsizetype> troopsHolding(qint64 item) const;
    // Records of a kind that belong to this faction.
    QList<qsizetype> ofFaction(RecordKind kind, int faction) const;
    FactionUse factionUse(int faction) const;

private:
    // What one record names: its faction (-1 for none), the records it points to and, for
    // a troop, the items it holds.
    struct Links {
        int faction = -1;
        QList<qsizetype> targets;
        QList<qint64> items;
    };
    Links read(const Module &module, RecordKind kind, qsizetype k) const;
    void add(RecordKind kind, qsizetype k, Links links);
    void remove(RecordKind kind, qsizetype k);
    const QList<qsizetype> &users(RecordKind kind, qsizetype target) const;

    // By RecordKind: the links of each record, and for each target the records that
    // point to it.
    std::array<std::vector<Links>, kEditedFileCount> mLinks;
    std::array<std::vector<QList<qsizetype>>, kEditedFileCount> mUsers;
    // By RecordKind, then faction: the records of that faction.
    std::array<std::vector<QList<qsizetype>>, kEditedFileCount> mFactionMembers;
    // By item number: the troops that hold it.
    std::vector<QList<qsizetype>> mHolders;
};

} // namespace lancefall
