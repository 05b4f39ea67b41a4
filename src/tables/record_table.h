#pragma once

#include "lines/error.h"
#include "workspace/module_document.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace lancefall {

// A message about a row of a table or a record of a module file, in the form compilers
// use: "balance.csv:14: level: Level must be a whole number ...", "troops.txt:57: troop 12 ...".
struct TableMessage {
    QString file;
    qsizetype line = 0;
    QString column; // empty for a message about a whole row or record
    QString text;

    QString toString() const;
};

// A record kind of a module as a table (see tableColumns() for the columns).
struct TableExport {
    QByteArray csv;               // UTF-8 with a byte-order mark, commas, RFC 4180 quoting, CR LF
    qsizetype rows = 0;           // records written, one row each, in record order
    QList<TableMessage> warnings; // records left out because they cannot be read, items left out
};

// The troops, templates or parties of the document as they stand, unsaved changes included.
// A record that cannot be decoded (a damaged line, a troop that cannot be placed) is left
// out with a warning naming it; the rest are written. Fails only when no record of the kind
// can be shown at all (a troop table without items or factions), or when factions.txt
// cannot give the faction identifiers (it cannot be read, or changed since the load).
Result<TableExport> exportTable(const ModuleDocument &document, RecordKind kind);

// What an import of a table would change.
struct TableImport {
    RecordKind kind = RecordKind::Troop;
    // One change of every record whose lines the table changes, named
    // "Import 212 troops from balance.csv"; empty when nothing changes or when refused.
    ModuleChange change;
    QList<TableMessage> errors;   // any error refuses the whole import
    QList<TableMessage> warnings; // unknown columns, items dropped from a changed inventory

    bool ok() const { return errors.isEmpty(); }
};

// Reads a table (with or without the byte-order mark; ',' or ';' between cells, as the
// header row shows; columns in any order; rows in any order) and turns it into one change
// of the document, not applied. Rows are matched to records by their number; only cells
// whose value differs from the record's as the export writes it become edits, each checked
// as an update of that record checks it. The kind is the one given, or the one the header's
// columns (or the identifiers) tell. fileName names the table in messages and in the
// change's text. Nothing is applied: the caller applies the change, or pushes it as one undo step.
TableImport importTable(const ModuleDocument &document, const QByteArray &bytes, const QString &fileName,
                        std::optional<RecordKind> kind = std::nullopt);

} // namespace lancefall
