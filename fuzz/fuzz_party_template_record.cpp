// A template line at line 1: when it decodes, an update without changes gives back the
// stored line.

#include "fuzz_support.h"
#include "lines/text_file.h"
#include "party_templates/party_template_record.h"

using namespace lancefall;
using namespace lancefall::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    requireUnchangedLine(
        splitLines(bytesOf(data, size)), [](const LineTable &lines) { return decodePartyTemplate(lines, 1); },
        [](const PartyTemplateView &view, const LineTable &lines) { return encodePartyTemplate(view, lines, 1); });
    return 0;
}
