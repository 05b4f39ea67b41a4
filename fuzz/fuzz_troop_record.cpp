// A troop record at line 1: when it decodes, an update without changes encodes it back
// to every stored line, and so does the encoding against the view already decoded.

#include "fuzz_support.h"
#include "lines/text_file.h"
#include "troops/troop_record.h"

using namespace lancefall;
using namespace lancefall::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    // The first byte chooses the layout: bit 0 the second record layout, bit 1 game
    // version 0.95x (else 0.90x), bit 2 a game version without a faces layout.
    TroopLayout layout;
    layout.version2 = data[0] & 1;
    layout.gameVersion = (data[0] & 4) ? QString() : (data[0] & 2) ? kGameVersion095 : kGameVersion090;
    const LineTable lines = splitLines(bytesOf(data + 1, size - 1));
    static const QStringList items = [] {
        QStringList labels;
        for (int p = 0; p < 40; ++p)
            labels.append(QString::number(p + 1) + QStringLiteral(" - Item"));
        return labels;
    }();
    const Result<DecodedTroop> shown = decodeTroop(lines, 1, layout, items);
    if (!shown)
        return 0;
    const Result<EncodedTroop> encoded = encodeTroop(shown->view, lines, 1, layout, items);
    require(encoded.ok(), "a troop that decodes encodes unchanged");
    for (qsizetype i = 0; i < encoded->lines.size(); ++i)
        require(encoded->lines.at(i) == lines.line(1 + i), "an unchanged troop gives back every stored line");
    const Result<EncodedTroop> again = encodeTroop(shown->view, shown->view, lines, 1, layout);
    require(again.ok() && again->lines == encoded->lines, "encoding against the decoded view gives the same lines");
    return 0;
}
