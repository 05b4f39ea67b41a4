#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <limits>
#include <optional>

namespace lancefall {

// One row of a table as read: its cells as bytes, and the line of the file it begins on
// (the header is on line 1 unless blank lines stand before it).
struct CsvRow {
    qsizetype line = 0;
    QList<QByteArray> cells;
};

// Where reading stopped, and why: a quote that is never closed, text after a closing quote.
struct CsvProblem {
    qsizetype line = 0;
    QString message;
};

struct CsvRead {
    QList<CsvRow> rows; // the header first; blank lines and rows of empty cells are no rows
    char separator = ',';
    bool byteOrderMark = false;
    std::optional<CsvProblem> problem; // the rows before it are kept
};

// Reads comma- or semicolon-separated values as RFC 4180 writes them, in strict mode: a
// quote inside an unquoted cell or after a closing quote, and a quote never closed, are
// problems. The separator is the one of ',' and ';' that stands more often, outside
// quotes, in the first row (',' when neither does). A leading UTF-8 byte-order mark is
// taken off; CR LF, LF and a lone CR end rows; blanks around a cell are kept. Reading
// stops with a problem after maxRows rows, so that a stray huge file cannot fill memory.
CsvRead readCsv(QByteArrayView bytes, qsizetype maxRows = std::numeric_limits<qsizetype>::max());

// The rows as a file spreadsheet programs open as it is: a UTF-8 byte-order mark, commas,
// CR LF after every row. A cell is quoted (its quotes doubled) only when it must be: when it
// holds a separator (',' or ';', so that either reading finds the same cells), a quote or a
// line break, or begins or ends with a blank. A row of empty cells reads back as no row.
QByteArray writeCsv(const QList<QList<QByteArray>> &rows);

} // namespace lancefall
