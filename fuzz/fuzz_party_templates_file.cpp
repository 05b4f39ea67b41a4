// readPartyTemplates on any bytes: it fails with an error or lists each template once,
// in file order, at a line that begins with pt_, and changes no line.

#include "fuzz_support.h"
#include "lines/text_file.h"
#include "party_templates/party_templates_file.h"

using namespace lancefall;
using namespace lancefall::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const LineTable lines = splitLines(bytesOf(data, size));
    const Result<PartyTemplatesFile> file = readPartyTemplates(lines);
    if (!file)
        return 0;
    require(file->records.count() > 0, "a file of templates holds at least one");
    requireRecordsInOrder(lines, file->records, file->labels.size(), &isPartyTemplateLine);
    require(file->lines == lines, "the reader changes no line");
    return 0;
}
