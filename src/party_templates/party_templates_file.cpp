#include "party_templates/party_templates_file.h"

#include "lines/text_codec.h"
#include "lines/text_file.h"

#include <QCoreApplication>

namespace lancefall {

namespace {

// Fields 0 and 1 of a line without splitting the rest of it; false when there is no blank,
// that is when the line has a single field.
bool firstTwoFields(QByteArrayView line, QByteArrayView *id, QByteArrayView *name)
{
    const qsizetype first = line.indexOf(' ');
    if (first < 0)
        return false;
    qsizetype second = line.indexOf(' ', first + 1);
    if (second < 0)
        second = line.size();
    *id = line.first(first);
    *name = line.sliced(first + 1, second - first - 1);
    return true;
}

} // namespace

QString partyTemplateLabelFromLine(qsizetype k, const QByteArray &line)
{
    QByteArrayView id;
    QByteArrayView name;
    if (!firstTwoFields(line, &id, &name))
        id = line;
    return recordLabel(k, displayText(name), displayText(id));
}

Result<PartyTemplatesFile> readPartyTemplates(LineTable lines)
{
    PartyTemplatesFile file;
    file.lines = std::move(lines);
    for (qsizetype n = 1; n <= file.lines.lastIndex(); ++n) {
        const QByteArrayView line = file.lines.line(n);
        if (!isPartyTemplateLine(line))
            continue;
        QByteArrayView id;
        QByteArrayView name;
        if (!firstTwoFields(line, &id, &name))
            return lineError(ErrorCode::MissingField, kPartyTemplatesFileName, n,
                             QCoreApplication::translate("PartyTemplates", "a template line needs at least 2 fields"));
        file.labels.append(recordLabel(file.labels.size(), displayText(name), displayText(id)));
        file.records.firstLines.append(n);
    }
    if (file.labels.isEmpty())
        return fileError(ErrorCode::NoRecords, kPartyTemplatesFileName,
                         QCoreApplication::translate("PartyTemplates",
                                                     "no line begins with pt_, so the file holds no party template"));
    return file;
}

} // namespace lancefall
