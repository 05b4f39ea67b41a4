#pragma once

#include "lines/error.h"
#include "lines/line_table.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lancefall {

inline const QString kPartiesFileName = QStringLiteral("parties.txt");

// parties.txt as loaded: the lines as read (bytes kept) and one list entry per party record
// line, entry k being party k.
struct PartiesFile {
    LineTable lines;
    QStringList labels; // "k - name (id)"
};

// Party k has its record line at line 2k + 3 and a second line, never read or changed, after it.
inline qsizetype partyLine(qsizetype k)
{
    return 2 * k + 3;
}

// A record line holds a blank followed by "p_" (its identifier field); no second line does.
inline bool isPartyLine(const QByteArray &line)
{
    return line.contains(" p_");
}

// The list entry of party k built from the display text of its record line's fields 5 (name)
// and 4 (identifier); a field the line lacks counts as empty.
QString partyLabelFromLine(qsizetype k, const QByteArray &line);

// Reads parties.txt in one pass into a fresh line table and lists every record line in file
// order. A missing file gives ErrorCode::FileNotFound (the load lists it without a message of its
// own); a record line with fewer than six fields gives ErrorCode::MissingField naming the line.
// A file without parties is no error.
Result<PartiesFile> readPartiesFile(const QString &path);

} // namespace lancefall
