#pragma once

#include <QString>

namespace lancefall {

// The three layout settings of troops.txt, decided while the file is read.
struct TroopLayout {
    // false only when line 1 is exactly "troopsfile version 1": the troop line then
    // lacks the carried field at position 3.
    bool version2 = true;
    // 6 when the line six lines after the first troop's begins with "trp_", otherwise 7.
    int recordLines = 7;
    // "0.90x" when the faces line of the first troop has exactly 7 fields, "0.95x"
    // for any other count, empty when the file ends before it.
    QString gameVersion;
};

inline const QString kGameVersion090 = QStringLiteral("0.90x");
inline const QString kGameVersion095 = QStringLiteral("0.95x");

// The interpreted lines of a record: troop line, inventory, attributes,
// proficiencies, skills, faces. A 7-line record's last line is never read or written.
inline constexpr int kTroopInterpretedLines = 6;

} // namespace lancefall
