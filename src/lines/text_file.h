#pragma once

#include "lines/error.h"
#include "lines/line_table.h"

#include <QString>

namespace lancefall {

// Splits file content into lines. CR LF, LF and a lone CR each end a line; a last
// line without a terminator still counts, a final terminator adds no empty line.
LineTable splitLines(const QByteArray &content);

// Reads the file at path into a line table. A missing file gives
// ErrorCode::FileNotFound; fileName is the bare name used in messages.
Result<LineTable> readTextFile(const QString &path, const QString &fileName);

// Writes elements 1..n of the table, each followed by CR LF, to a temporary file
// beside path and renames it over path, so a failed write leaves the old file as
// it was. Returns the number of lines written.
Result<qsizetype> writeTextFile(const QString &path, const QString &fileName, const LineTable &lines);

} // namespace lancefall
