#pragma once

#include "lines/error.h"
#include "lines/line_table.h"

#include <QString>

namespace lancefall {

// The largest module file that is read: far beyond any real one (a large troops.txt
// is 1 to 3 MB), small enough that a stray huge file is refused before it is read.
inline constexpr qint64 kMaxModuleFileBytes = qint64(64) * 1024 * 1024;

// Splits file content into lines. CR LF, LF and a lone CR each end a line; a last
// line without a terminator still counts, a final terminator adds no empty line. A
// leading UTF-8 byte-order mark is taken off line 1. The table's layout records the
// mark, the line end (CR LF when the file mixes several) and the final terminator.
LineTable splitLines(const QByteArray &content);

// The bytes of a table as a file: its mark, every line followed by its line end,
// the last one only when the file had it.
QByteArray joinLines(const LineTable &lines);

// Reads the file at path into a line table. A missing file gives
// ErrorCode::FileNotFound, a file above kMaxModuleFileBytes ErrorCode::FileTooLarge;
// fileName is the bare name used in messages.
Result<LineTable> readTextFile(const QString &path, const QString &fileName);

// Writes the table to a temporary file beside path and renames it over path, so a
// failed write leaves the old file as it was. Returns the number of lines written.
Result<qsizetype> writeTextFile(const QString &path, const QString &fileName, const LineTable &lines);

} // namespace lancefall
