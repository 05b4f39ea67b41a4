// A party record line at line 1: when it decodes, an update without changes gives back
// the stored line.

#include "fuzz_support.h"
#include "lines/text_file.h"
#include "parties/party_record.h"

using namespace lancefall;
using namespace lancefall::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    requireUnchangedLine(
        splitLines(bytesOf(data, size)), [](const LineTable &lines) { return decodeParty(lines, 1); },
        [](const PartyView &view, const LineTable &lines) { return encodeParty(view, lines, 1); });
    return 0;
}
