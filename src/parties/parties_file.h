#pragma once

#include "lines/error.h"
#include "lines/line_table.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lancefall {

inline const QString kPartiesFileName = QStringLiteral("parties.txt");

// parties.txt as loaded: the lines as read (bytes kept), the record line of each party and
// one list entry per party, entry k being party k.
struct PartiesFile {
    LineTable lines;
    RecordIndex records;
    QStringList labels; // "k - name (id)"
};

// A record line holds a blank followed by "p_" (its identifier field); no second line does.
inline bool isPartyLine(QByteArrayView line)
{
    return line.contains(" p_");
}

// The list entry of party k built from the display text of its record line's fields 5 (name)
// and 4 (identifier); a field the line lacks counts as empty.
QString partyLabelFromLine(qsizetype k, const QByteArray &line);

// Reads parties.txt and lists every record line in file order, wherever it stands; each
// party's second line is never read or changed. Error: MissingField for a record line with
// fewer than six fields. A file without parties is no error.
Result<PartiesFile> readParties(LineTable lines);

} // namespace lancefall
