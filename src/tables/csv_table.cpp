#include "tables/csv_table.h"

#include <QCoreApplication>

#include <csv.h>

#include <algorithm>

namespace lancefall {

namespace {

// The texts of this file, translated in the context "Tables".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Tables)
};

const QByteArray kByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

// What the parser's callbacks fill.
struct Reading {
    CsvRead result;
    CsvRow row;
    qsizetype rowStart = 0;
    bool inRow = false;
    qsizetype maxRows = 0;
};

void onCell(void *cell, std::size_t size, void *context)
{
    static_cast<Reading *>(context)->row.cells.append(QByteArray(static_cast<const char *>(cell), qsizetype(size)));
}

void onRowEnd(int, void *context)
{
    Reading &reading = *static_cast<Reading *>(context);
    reading.row.line = reading.rowStart;
    const bool blank = std::all_of(reading.row.cells.cbegin(), reading.row.cells.cend(),
                                   [](const QByteArray &cell) { return cell.isEmpty(); });
    if (!blank)
        reading.result.rows.append(std::move(reading.row));
    reading.row = {};
    reading.inRow = false;
}

// Blanks are part of a cell: the parser is told that nothing is a space to trim.
int noSpace(unsigned char)
{
    return 0;
}

char separatorOf(QByteArrayView text)
{
    qsizetype commas = 0;
    qsizetype semicolons = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted && c == ',')
            ++commas;
        else if (!quoted && c == ';')
            ++semicolons;
    }
    return semicolons > commas ? ';' : ',';
}

// The end of the physical line that begins at start: after its LF, its CR LF or its lone CR.
qsizetype lineEnd(QByteArrayView text, qsizetype start)
{
    for (qsizetype i = start; i < text.size(); ++i) {
        if (text.at(i) == '\n')
            return i + 1;
        if (text.at(i) == '\r')
            return i + 1 < text.size() && text.at(i + 1) == '\n' ? i + 2 : i + 1;
    }
    return text.size();
}

class Parser {
public:
    Parser() { mReady = csv_init(&mParser, CSV_STRICT | CSV_STRICT_FINI) == 0; }
    ~Parser()
    {
        if (mReady)
            csv_free(&mParser);
    }
    Parser(const Parser &) = delete;
    Parser &operator=(const Parser &) = delete;

    bool ready() const { return mReady; }
    csv_parser *get() { return &mParser; }

private:
    csv_parser mParser{};
    bool mReady = false;
};

QString parseProblem(csv_parser *parser)
{
    if (csv_error(parser) == CSV_EPARSE)
        return Text::tr("broken line: a quote inside a cell that does not begin with one, or text after a closing "
                        "quote (a quote in a cell is written twice, and the cell put in quotes)");
    // The reader's own words, which have no translation.
    return Text::tr("the table cannot be read: %1").arg(QString::fromLatin1(csv_strerror(csv_error(parser))));
}

} // namespace

CsvRead readCsv(QByteArrayView bytes, qsizetype maxRows)
{
    Reading reading;
    reading.maxRows = maxRows;
    CsvRead &result = reading.result;
    result.byteOrderMark = bytes.startsWith(kByteOrderMark);
    const QByteArrayView text = result.byteOrderMark ? bytes.sliced(kByteOrderMark.size()) : bytes;
    result.separator = separatorOf(text);

    Parser parser;
    if (!parser.ready()) {
        result.problem = CsvProblem{1, Text::tr("the table reader cannot start")};
        return result;
    }
    csv_set_delim(parser.get(), static_cast<unsigned char>(result.separator));
    csv_set_space_func(parser.get(), noSpace);

    // Line by line, so that each row knows the line it begins on: a quoted cell may hold
    // line breaks, and the parser says only where rows end.
    qsizetype line = 0;
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype end = lineEnd(text, start);
        const QByteArrayView chunk = text.sliced(start, end - start);
        ++line;
        if (!reading.inRow && chunk.front() != '\n' && chunk.front() != '\r') {
            reading.rowStart = line;
            reading.inRow = true;
        }
        if (csv_parse(parser.get(), chunk.data(), std::size_t(chunk.size()), onCell, onRowEnd, &reading)
            != std::size_t(chunk.size())) {
            result.problem = CsvProblem{line, parseProblem(parser.get())};
            return result;
        }
        if (result.rows.size() > maxRows) {
            result.rows.resize(maxRows);
            result.problem = CsvProblem{line, Text::tr("the table has more than %1 rows").arg(maxRows)};
            return result;
        }
        start = end;
    }
    if (csv_fini(parser.get(), onCell, onRowEnd, &reading) != 0)
        result.problem
            = CsvProblem{reading.rowStart, Text::tr("broken line: a quote opened on this line is never closed")};
    else if (result.rows.size() > maxRows) {
        result.rows.resize(maxRows);
        result.problem = CsvProblem{line, Text::tr("the table has more than %1 rows").arg(maxRows)};
    }
    return result;
}

QByteArray writeCsv(const QList<QList<QByteArray>> &rows)
{
    QByteArray out = kByteOrderMark;
    for (const QList<QByteArray> &row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            const QByteArray &cell = row.at(i);
            if (i > 0)
                out += ',';
            const bool quoted
                = std::any_of(cell.cbegin(), cell.cend(),
                              [](char c) { return c == ',' || c == ';' || c == '"' || c == '\r' || c == '\n'; })
                || (!cell.isEmpty()
                    && (cell.front() == ' ' || cell.front() == '\t' || cell.back() == ' ' || cell.back() == '\t'));
            if (!quoted) {
                out += cell;
                continue;
            }
            const qsizetype at = out.size();
            const std::size_t size = csv_write(nullptr, 0, cell.constData(), std::size_t(cell.size()));
            out.resize(at + qsizetype(size));
            csv_write(out.data() + at, size, cell.constData(), std::size_t(cell.size()));
        }
        out += "\r\n";
    }
    return out;
}

} // namespace lancefall
