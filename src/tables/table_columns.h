#pragma once

#include "parties/party_record.h"
#include "party_templates/party_template_record.h"
#include "tables/table_names.h"
#include "troops/troop_record.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace lancefall {

// The column of the record number, first in every table: rows are matched to records by it.
inline const QString kNumberColumn = QStringLiteral("number");

// A word of the window in the language installed when it is asked for: the columns are
// made once, and a change of language must still reach the messages made after it.
using ColumnWord = std::function<QString()>;

// One column of a table of records shown as View: how its cell shows a view's value, and
// how a cell is read back into a view. The export, the import and the description of a
// change all go through these, so that what one writes the others read alike.
template <typename View>
struct Column {
    QString name;    // in the header, the same in every language: "level", "member_2_max"
    ColumnWord word; // in messages and descriptions, as the window says it: "Level", "Member 2 maximum"
    std::function<QString(const View &, const TableNames &)> write;
    // Puts a cell that differs from write()'s into the view. A cell holding the same value
    // in another spelling ("7" for a stored "07", an identifier for its number) leaves the
    // view alone, so that the stored text stays. The message when the cell holds no value
    // this column takes.
    std::function<std::optional<QString>(const QString &, View &, const TableNames &)> read;
    bool inventory = false; // described as items added and removed
};

// The columns of each kind after the number, in the order an export writes them.
template <typename View>
const QList<Column<View>> &columnsOf();
template <>
const QList<Column<TroopView>> &columnsOf<TroopView>();
template <>
const QList<Column<PartyTemplateView>> &columnsOf<PartyTemplateView>();
template <>
const QList<Column<PartyView>> &columnsOf<PartyView>();

// Every column of a kind's table, the number first.
QStringList tableColumns(RecordKind kind);

// The word of a kind on the command line and in file names: "troops", "templates", "parties".
QString tableWord(RecordKind kind);
std::optional<RecordKind> tableKind(const QString &word);

// An inventory as a cell: the item identifiers separated by blanks, an item with a modifier
// as "itm_x@N", N the modifier number (the stored field holds N x 2^24), and one whose stored
// modifier field holds something else than such a number as "itm_x@=S", S as stored.
QString inventoryCell(const QList<InventoryEntry> &inventory, const TableNames &names);

} // namespace lancefall
