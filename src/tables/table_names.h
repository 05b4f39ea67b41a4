#pragma once

#include "lines/error.h"
#include "workspace/record_kind.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace lancefall {

class ModuleDocument;

// The kinds of record a table cell may name.
enum class Reference { Troop, Faction, Item, PartyTemplate };

// How a table names what a record refers to: by identifier (trp_, fac_, itm_, pt_), so that
// a sheet stays readable when it is sorted, with an empty cell for none and a number for
// what has no identifier:
//   troops     troop 0 is none in this game (an upgrade path or member slot naming it is
//              unused): an empty cell. -1, nothing chosen, is "-1".
//   factions   faction 0, which factions.txt does not list (no faction, or the player's
//              faction in a 0.90x module), is an empty cell; -1 is "-1".
//   items      items 1 and up, by identifier; item 0 is an empty slot and is not written.
//   templates  always an identifier: a party's template 0 is a template like any other.
// A number that names nothing of its list (a broken reference) is written as the number.
// A cell read back may give the identifier or the number.
class TableNames {
public:
    // The identifiers of the document's troops, templates and items as they stand now.
    // Faction identifiers are not in the faction catalogue, which keeps names only, so
    // factions.txt is read again and taken only when its names are the catalogue's.
    explicit TableNames(const ModuleDocument &document);

    // Why factions have no identifiers (factions.txt cannot be read or changed since the
    // load); a faction is then written as its number.
    const std::optional<QString> &factionProblem() const { return mFactionProblem; }

    // The cell for reference number n.
    QString cell(Reference kind, qint64 n) const;
    // The number a cell names: an identifier, a number of the list, or empty for none.
    // The message says why not.
    Result<qint64> number(Reference kind, const QString &cell) const;

    // The identifier of record k as it stands.
    QString id(RecordKind kind, qsizetype k) const;
    // The record whose identifier this is now, -1 for none.
    qsizetype recordWithId(RecordKind kind, const QString &id) const;
    // Makes id name record k too: a record renamed by the import it is part of.
    void addAlias(RecordKind kind, const QString &id, qsizetype k);
    // Gives record k the identifier id in cells: a record renamed by a change.
    void setId(RecordKind kind, qsizetype k, const QString &id);

    // "troop", "faction", "item", "party template", in the language of the interface
    static QString word(Reference kind);

private:
    struct List {
        QStringList ids;              // entry i is the identifier of number i + first
        QHash<QString, qint64> index; // identifier -> number: the first of the list that has it
        qint64 first = 0;
        qint64 count = 0; // numbers first..count-1 are valid
    };
    const List &list(Reference kind) const;
    List &records(RecordKind kind);
    const List &records(RecordKind kind) const { return const_cast<TableNames *>(this)->records(kind); }
    static void index(List &list);

    List mTroops, mFactions, mItems, mTemplates, mParties;
    std::optional<QString> mFactionProblem;
};

} // namespace lancefall
