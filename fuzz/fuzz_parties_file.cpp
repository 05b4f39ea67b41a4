// readParties on any bytes: it fails with an error or lists each party once, in file
// order, at a line that holds " p_".

#include "fuzz_support.h"
#include "lines/text_file.h"
#include "parties/parties_file.h"

using namespace lancefall;
using namespace lancefall::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const LineTable lines = splitLines(bytesOf(data, size));
    const Result<PartiesFile> file = readParties(lines);
    if (!file)
        return 0;
    const RecordIndex &records = file->records;
    require(file->labels.size() == records.count(), "one label per party");
    for (qsizetype k = 0; k < records.count(); ++k) {
        require(lines.contains(records.line(k)) && isPartyLine(lines.line(records.line(k))),
                "a party stands at a line that holds a blank and p_");
        require(k == 0 || records.line(k) > records.line(k - 1), "parties are listed in file order");
    }
    require(file->lines == lines, "the reader changes no line");
    return 0;
}
