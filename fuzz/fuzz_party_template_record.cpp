// A template line at line 1: when it decodes, an update without changes gives back the
// stored line.

#include "fuzz_support.h"
#include "lines/text_file.h"
#include "party_templates/party_template_record.h"

using namespace lancefall;
using namespace lancefall::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const LineTable lines = splitLines(bytesOf(data, size));
    constexpr int kFactions = 8;
    constexpr int kTroops = 30;
    const Result<PartyTemplateView> shown = decodePartyTemplate(lines, 1, kFactions, kTroops);
    if (!shown)
        return 0;
    const Result<QByteArray> encoded = encodePartyTemplate(*shown, lines, 1, kFactions, kTroops);
    require(encoded.ok() && *encoded == lines.line(1), "an unchanged template gives back its stored line");
    return 0;
}
