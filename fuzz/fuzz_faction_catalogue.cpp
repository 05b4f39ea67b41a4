// readFactionCatalogue on any bytes: entry 0 is the player's faction or none, entry k the
// k-th faction line.

#include "catalogues/catalogues.h"
#include "fuzz_support.h"
#include "lines/text_file.h"

using namespace lancefall;
using namespace lancefall::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    // The first byte chooses the game version, which names entry 0.
    const bool playerFaction = data[0] & 1;
    const LineTable lines = splitLines(bytesOf(data + 1, size - 1));
    const Result<QStringList> factions = readFactionCatalogue(lines, playerFaction);
    if (!factions)
        return 0;
    qsizetype factionLines = 0;
    for (qsizetype n = 1; n <= lines.lastIndex(); ++n)
        factionLines += lines.line(n).startsWith("0 fac_") ? 1 : 0;
    require(factions->size() == factionLines + 1, "entry 0 and one entry per faction line");
    for (qsizetype k = 0; k < factions->size(); ++k)
        require(factions->at(k).startsWith(QString::number(k) + QStringLiteral(" - ")), "entry k is faction k");
    return 0;
}
