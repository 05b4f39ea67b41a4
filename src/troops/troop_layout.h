#pragma once

#include <QString>

namespace lancefall {

// The three layout settings of troops.txt, decided while the file is read.
struct TroopLayout {
    // false only when line 1 is exactly "troopsfile version 1": the troop line then
    // lacks the carried field at position 3.
    bool version2 = true;
    // 6 when line 9 begins with "trp_", otherwise 7.
    int recordLines = 7;
    // "0.90x" when the faces line of troop 0 has exactly 7 fields, otherwise "0.95x".
    QString gameVersion;
};

inline const QString kGameVersion090 = QStringLiteral("0.90x");
inline const QString kGameVersion095 = QStringLiteral("0.95x");

// The first line of troop k's record.
inline qsizetype troopFirstLine(qsizetype troop, const TroopLayout &layout)
{
    return troop * layout.recordLines + 3;
}

} // namespace lancefall
