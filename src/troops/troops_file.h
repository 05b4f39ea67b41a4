#pragma once

#include "lines/error.h"
#include "lines/line_table.h"
#include "troops/troop_layout.h"

#include <QStringList>

namespace lancefall {

// troops.txt as loaded: its lines, its layout settings and the labels of every
// list that names troops (entry k of each is troop k).
struct TroopsFile {
    LineTable lines;
    TroopLayout layout;
    QStringList listLabels;    // `ListTroops`: "k - name (id)"
    QStringList slotLabels;    // `cmbPTTroops`: the same, troop 0 as "0 - None"
    QStringList upgradeLabels; // `cmbUpgradePathA/B`: "k - name", troop 0 as "0 - None"
    // The information message shown when the summary row did not hold the number of
    // records; line 2 has then been corrected in `lines`. Empty when the row was right.
    QString summaryNotice;
};

inline const QString kTroopsFileName = QStringLiteral("troops.txt");
inline const QString kNoTroopLabel = QStringLiteral("0 - None");

// Reads troops.txt. `previous` supplies the layout settings that a file too short
// to reach their lines leaves as they were. A missing file gives FileNotFound.
Result<TroopsFile> readTroopsFile(const QString &path, const TroopLayout &previous);

QString troopUpgradeLabel(qsizetype troop, const QString &name);

// True when line 2 holds the record count as a number, whatever blanks surround it.
bool summaryRowHolds(const QByteArray &row, qsizetype records);

} // namespace lancefall
