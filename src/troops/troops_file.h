#pragma once

#include "lines/error.h"
#include "lines/line_table.h"
#include "troops/troop_layout.h"

#include <QStringList>

namespace lancefall {

// troops.txt as loaded: its lines, its layout settings, where each troop stands and
// the labels of every list that names troops (entry k of each is troop k).
struct TroopsFile {
    LineTable lines;
    TroopLayout layout;
    RecordIndex records;
    QStringList listLabels;    // `ListTroops`: "k - name (id)"
    QStringList slotLabels;    // `cmbPTTroops`: the same, troop 0 as "0 - None"
    QStringList upgradeLabels; // `cmbUpgradePathA/B`: "k - name", troop 0 as "0 - None"
    // The information message shown when the summary row did not hold the number of
    // records; line 2 has then been corrected in `lines`. Empty when the row was right.
    QString summaryNotice;
    // One text per troop that cannot be placed, naming the file and line.
    QStringList placementNotices;
};

inline const QString kTroopsFileName = QStringLiteral("troops.txt");
inline const QString kNoTroopLabel = QStringLiteral("0 - None");
// How the choosers show troop 0, "no troop", in the language of the interface.
QString noTroopLabel();

// Reads troops.txt. Line 2 must be the summary row, a line that holds a number.
// Each troop is found where it really stands: a record begins with a line starting
// "trp_", and such a line among the next record's interpreted lines is either a
// stray line or the start of the next troop. When the two readings disagree the
// summary row decides; where it decides nothing, the troops from that point on
// are listed but not offered (records.unplaced says why).
// Errors: MissingField (no summary row, a troop line with a single field), NoRecords.
Result<TroopsFile> readTroops(LineTable lines);

QString troopUpgradeLabel(qsizetype troop, const QString &name);

} // namespace lancefall
