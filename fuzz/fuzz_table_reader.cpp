// Any bytes read as a table give rows or a problem, never a crash: rows stand on lines in
// file order, and the cells read, written as a table and read again, come back the same.

#include "fuzz_support.h"
#include "tables/csv_table.h"

using namespace lancefall;
using namespace lancefall::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const CsvRead read = readCsv(bytesOf(data, size));
    QList<QList<QByteArray>> cells;
    for (qsizetype i = 0; i < read.rows.size(); ++i) {
        require(read.rows.at(i).line > (i == 0 ? 0 : read.rows.at(i - 1).line), "rows stand on lines in file order");
        cells.append(read.rows.at(i).cells);
    }
    const CsvRead again = readCsv(writeCsv(cells));
    require(!again.problem, "a written table reads without a problem");
    require(again.rows.size() == cells.size(), "a written table reads back as many rows");
    for (qsizetype i = 0; i < cells.size(); ++i)
        require(again.rows.at(i).cells == cells.at(i), "a written table reads back the same cells");
    return 0;
}
