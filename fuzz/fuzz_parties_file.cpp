// readParties on any bytes: it fails with an error or lists each party once, in file
// order, at a line that holds " p_", and changes no line.

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
    requireRecordsInOrder(lines, file->records, file->labels.size(), &isPartyLine);
    require(file->lines == lines, "the reader changes no line");
    return 0;
}
