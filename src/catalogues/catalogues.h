#pragma once

#include "lines/error.h"
#include "lines/line_table.h"

#include <QStringList>

namespace lancefall {

inline const QString kItemsFileName = QStringLiteral("item_kinds1.txt");
inline const QString kFactionsFileName = QStringLiteral("factions.txt");

// The item chooser's entries from item_kinds1.txt. Entry p is item number p + 1:
// the first item line (item 0) is not listed. An entry reads
// "n - name  (itm_id)".
Result<QStringList> readItemCatalogue(const LineTable &lines);

// The faction choosers' entries from factions.txt. Entry p is faction number p;
// entry 0 names the player's faction (game version 0.90x) or no faction (any other
// version).
Result<QStringList> readFactionCatalogue(const LineTable &lines, bool playerFactionFirst);

} // namespace lancefall
