#pragma once

#include "lines/error.h"
#include "lines/line_table.h"

#include <QByteArray>
#include <QString>

namespace lancefall {

// What the party view shows of one party record line: fields 4 (identifier) and 5 (name), and
// fields 8 and 9 as positions in the template and faction choosers. A number at or beyond its
// list's size names a template or faction that does not exist, kept while it is unchanged.
struct PartyView {
    QString id;
    QString name;
    int partyTemplate = -1;
    int faction = -1;
};

// Decodes the party whose record line is line n.
// Errors: RecordBeyondTable when the line does not exist; InvalidValue when it is not a record
// line (no blank followed by "p_"); MissingField when it has fewer than ten fields; NotANumber for
// a template or faction field that is not a number; OutOfRange for a template or faction below 0
// or beyond 32 bits.
Result<PartyView> decodeParty(const LineTable &lines, qsizetype n);

// Builds the new record line n: the stored fields with fields 4, 5, 8 and 9 replaced where
// the view changed them, joined again by single blanks, so that every field the view does not
// change keeps its bytes and an update without changes gives the stored line. Changed values are
// checked first (InvalidValue naming the field): identifier and name not empty, the identifier
// beginning with "p_" (the line would otherwise no longer be found as a record line), a
// template and a faction chosen. A stored line that cannot be decoded gives decodeParty's error.
Result<QByteArray> encodeParty(const PartyView &view, const LineTable &lines, qsizetype n);

} // namespace lancefall
