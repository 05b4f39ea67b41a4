// A party record line at line 1: when it decodes, an update without changes gives back
// the stored line.

#include "fuzz_support.h"
#include "lines/text_file.h"
#include "parties/party_record.h"

using namespace lancefall;
using namespace lancefall::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const LineTable lines = splitLines(bytesOf(data, size));
    constexpr int kTemplates = 12;
    constexpr int kFactions = 8;
    const Result<PartyView> shown = decodeParty(lines, 1, kTemplates, kFactions);
    if (!shown)
        return 0;
    const Result<QByteArray> encoded = encodeParty(*shown, lines, 1, kTemplates, kFactions);
    require(encoded.ok() && *encoded == lines.line(1), "an unchanged party gives back its stored line");
    return 0;
}
