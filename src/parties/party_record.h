#pragma once

#include "lines/error.h"
#include "lines/line_table.h"

#include <QByteArray>
#include <QString>

namespace lancefall {

// What the party view shows of one party record line: fields 4 (identifier) and 5 (name), and
// fields 8 and 9 as positions in the template and faction choosers.
struct PartyView {
    QString id;
    QString name;
    int partyTemplate = -1;
    int faction = -1;
};

// Decodes party k (record line 2k + 3).
// Errors: RecordBeyondTable when the line does not exist; InvalidValue when it is not a record
// line (no blank followed by "p_"); MissingField when it has fewer than ten fields; NotANumber for
// a template or faction field that is not a number; OutOfRange for a template outside
// 0..templateCount-1 or a faction outside 0..factionCount-1.
Result<PartyView> decodeParty(const LineTable &lines, qsizetype k, int templateCount, int factionCount);

// Builds the new record line of party k: the stored fields with fields 4, 5, 8 and 9 replaced,
// joined again by single blanks, so that the line keeps its form (closing blank or not, every
// field it does not edit byte for byte) and an update without changes gives the stored line.
// Blanks in the identifier and the name become "_"; texts equal to what was shown from the stored
// bytes are written as those bytes, and numbers equal to the stored ones keep their stored form.
// Errors, nothing being built: NotSelected when the stored line cannot be decoded (the view cannot
// be showing it); InvalidValue for an identifier that does not begin with "p_" (the line would no
// longer be found as a record line), a text holding a line break, or no template or faction chosen.
Result<QByteArray> encodeParty(const PartyView &view, const LineTable &lines, qsizetype k);

} // namespace lancefall
