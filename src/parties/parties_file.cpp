#include "parties/parties_file.h"

#include "lines/text_codec.h"
#include "lines/text_file.h"

#include <QCoreApplication>

namespace lancefall {

namespace {

constexpr qsizetype kIdField = 4;
constexpr qsizetype kNameField = 5;

} // namespace

QString partyLabelFromLine(qsizetype k, const QByteArray &line)
{
    const QList<QByteArray> fields = leadingFields(line, kNameField + 1);
    return recordLabel(k, displayText(fields.value(kNameField)), displayText(fields.value(kIdField)));
}

Result<PartiesFile> readParties(LineTable lines)
{
    PartiesFile file;
    file.lines = std::move(lines);
    for (qsizetype n = 1; n <= file.lines.lastIndex(); ++n) {
        const QByteArrayView line = file.lines.line(n);
        if (!isPartyLine(line))
            continue;
        const QList<QByteArray> fields = leadingFields(line, kNameField + 1);
        if (fields.size() <= kNameField)
            return lineError(ErrorCode::MissingField, kPartiesFileName, n,
                             QCoreApplication::translate("Parties", "a party line needs at least 6 fields"));
        file.labels.append(
            recordLabel(file.labels.size(), displayText(fields.at(kNameField)), displayText(fields.at(kIdField))));
        file.records.firstLines.append(n);
    }
    return file;
}

} // namespace lancefall
