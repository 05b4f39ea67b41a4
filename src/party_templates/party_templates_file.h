#pragma once

#include "lines/error.h"
#include "lines/line_table.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lancefall {

inline const QString kPartyTemplatesFileName = QStringLiteral("party_templates.txt");

// party_templates.txt as loaded: the lines as read (bytes kept), the line of each
// template and one list entry per template, entry k being template k.
struct PartyTemplatesFile {
    LineTable lines;
    RecordIndex records;
    QStringList labels; // "k - name (id)"
};

// A template line is recognised by its start alone.
inline bool isPartyTemplateLine(QByteArrayView line)
{
    return line.startsWith("pt_");
}

// The list entry of template k built from the display text of its line's fields 1 (name) and
// 0 (identifier); an empty name when the line has a single field.
QString partyTemplateLabelFromLine(qsizetype k, const QByteArray &line);

// Reads party_templates.txt and lists every line that begins with "pt_", in file order,
// wherever it stands. Errors: MissingField for a template line with a single field,
// NoRecords for a file without any template line.
Result<PartyTemplatesFile> readPartyTemplates(LineTable lines);

} // namespace lancefall
