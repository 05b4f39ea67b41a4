#pragma once

#include "lines/error.h"
#include "lines/line_table.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lancefall {

inline const QString kPartyTemplatesFileName = QStringLiteral("party_templates.txt");

// party_templates.txt as loaded: the lines as read (bytes kept) and one list entry per
// template line, entry k being template k.
struct PartyTemplatesFile {
    LineTable lines;
    QStringList labels; // "k - name (id)"
};

// Template k lives on line k + 3, after the two header lines.
inline qsizetype partyTemplateLine(qsizetype k)
{
    return k + 3;
}

// A template line is recognised by its start alone.
inline bool isPartyTemplateLine(const QByteArray &line)
{
    return line.startsWith("pt_");
}

// The list entry of template k built from the display text of its line's fields 1 (name) and
// 0 (identifier); an empty name when the line has a single field.
QString partyTemplateLabelFromLine(qsizetype k, const QByteArray &line);

// Reads party_templates.txt in one pass into a fresh line table and lists every line that
// begins with "pt_", in file order. A missing file gives ErrorCode::FileNotFound (the load lists
// it without a message of its own). A template line with fewer than two fields
// (ErrorCode::MissingField, naming the line) and a file without any template line
// (ErrorCode::NoRecords) are errors; nothing is returned then.
Result<PartyTemplatesFile> readPartyTemplatesFile(const QString &path);

} // namespace lancefall
