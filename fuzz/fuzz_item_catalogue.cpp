// readItemCatalogue on any bytes: entry p is item p + 1, one for every item line after
// the first.

#include "catalogues/catalogues.h"
#include "fuzz_support.h"
#include "lines/text_file.h"

#include <algorithm>

using namespace lancefall;
using namespace lancefall::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const LineTable lines = splitLines(bytesOf(data, size));
    const Result<QStringList> items = readItemCatalogue(lines);
    if (!items)
        return 0;
    qsizetype itemLines = 0;
    for (qsizetype n = 1; n <= lines.lastIndex(); ++n)
        itemLines += lines.line(n).startsWith(" itm_") ? 1 : 0;
    require(items->size() == std::max<qsizetype>(0, itemLines - 1), "one entry per item line after the first");
    for (qsizetype p = 0; p < items->size(); ++p)
        require(items->at(p).startsWith(QString::number(p + 1) + QStringLiteral(" - ")), "entry p is item p + 1");
    return 0;
}
