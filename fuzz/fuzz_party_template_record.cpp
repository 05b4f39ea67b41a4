// A template line at line 1: when it decodes, an update without changes gives back the
// stored line.

#include "fuzz_support.h"
#include "lines/text_file.h"
#include "party_templates/party_template_record.h"

using namespace lancefall;
using namespace lancefall::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    constexpr int kFactions = 8;
    constexpr int kTroops = 30;
    requireUnchangedLine(
        splitLines(bytesOf(data, size)),
        [](const LineTable &lines) { return decodePartyTemplate(lines, 1, kFactions, kTroops); },
        [](const PartyTemplateView &view, const LineTable &lines) {
            return encodePartyTemplate(view, lines, 1, kFactions, kTroops);
        });
    return 0;
}
