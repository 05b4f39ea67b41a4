// readTroops on any bytes: it fails with an error or lists each troop once, in file
// order, at a line that begins with trp_, and changes no line but the summary row.

#include "fuzz_support.h"
#include "lines/text_file.h"
#include "troops/troops_file.h"

using namespace lancefall;
using namespace lancefall::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    const LineTable lines = splitLines(bytes);
    // With one kind of line end the bytes come back as they were read.
    if (!bytes.contains('\r'))
        require(joinLines(lines) == bytes, "a file with LF line ends is written back as read");
    const Result<TroopsFile> file = readTroops(lines);
    if (!file)
        return 0;
    const RecordIndex &records = file->records;
    require(file->slotLabels.size() == records.count() && file->upgradeLabels.size() == records.count(),
            "one label of each list per troop");
    requireRecordsInOrder(lines, records, file->listLabels.size(),
                          [](QByteArrayView line) { return line.startsWith("trp_"); });
    for (const qsizetype k : records.unplaced.keys())
        require(k >= 0 && k < records.count(), "only listed troops are unplaced");
    require(file->lines.lastIndex() == lines.lastIndex(), "the reader keeps every line");
    for (qsizetype n = 1; n <= lines.lastIndex(); ++n)
        require(n == 2 || file->lines.line(n) == lines.line(n), "the reader changes no line but the summary row");
    return 0;
}
