// readPartyTemplates on any bytes: it fails with an error or lists each template once,
// in file order, at a line that begins with pt_.

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
    const RecordIndex &records = file->records;
    require(file->labels.size() == records.count() && records.count() > 0, "one label per template, at least one");
    for (qsizetype k = 0; k < records.count(); ++k) {
        require(lines.contains(records.line(k)) && isPartyTemplateLine(lines.line(records.line(k))),
                "a template stands at a line that begins with pt_");
        require(k == 0 || records.line(k) > records.line(k - 1), "templates are listed in file order");
    }
    require(file->lines == lines, "the reader changes no line");
    return 0;
}
