#include "troops/troops_file.h"

#include "lines/text_codec.h"
#include "lines/text_file.h"

namespace lancefall {

QString troopUpgradeLabel(qsizetype troop, const QString &name)
{
    return QString::number(troop) + QStringLiteral(" - ") + name;
}

bool summaryRowHolds(const QByteArray &row, qsizetype records)
{
    qint64 value = 0;
    return parseInteger(row.trimmed(), &value) && value == records;
}

Result<TroopsFile> readTroopsFile(const QString &path, const TroopLayout &previous)
{
    Result<LineTable> read = readTextFile(path, kTroopsFileName);
    if (!read)
        return read.error();

    TroopsFile file;
    file.lines = std::move(read).value();
    file.layout = previous;
    const LineTable &lines = file.lines;
    const qsizetype lineCount = lines.lastIndex();

    if (lineCount >= 1)
        file.layout.version2 = lines.line(1) != "troopsfile version 1";
    if (lineCount >= 8)
        file.layout.gameVersion = splitFields(lines.line(8)).size() == 7 ? kGameVersion090 : kGameVersion095;
    if (lineCount >= 9)
        file.layout.recordLines = lines.line(9).startsWith("trp_") ? 6 : 7;
    if (lineCount < 2)
        return fileError(ErrorCode::MissingField, kTroopsFileName,
                         QStringLiteral("the file has no summary row (line 2)"));

    qsizetype troop = -1;
    for (qsizetype n = 1; n <= lineCount; ++n) {
        const QByteArray &line = lines.line(n);
        if (!line.startsWith("trp_"))
            continue;
        const QList<QByteArray> fields = splitFields(line);
        if (fields.size() < 2)
            return lineError(ErrorCode::MissingField, kTroopsFileName, n,
                             QStringLiteral("a troop line needs at least 2 fields"));
        ++troop;
        const QString id = displayText(fields.at(0));
        const QString name = displayText(fields.at(1));
        QString label = recordLabel(troop, name, id);
        file.slotLabels.append(troop == 0 ? kNoTroopLabel : label);
        file.upgradeLabels.append(troop == 0 ? kNoTroopLabel : troopUpgradeLabel(troop, name));
        file.listLabels.append(std::move(label));
    }
    if (troop < 0)
        return fileError(ErrorCode::NoRecords, kTroopsFileName, QStringLiteral("the file holds no troop record"));

    const qsizetype records = troop + 1;
    if (!summaryRowHolds(lines.line(2), records)) {
        file.summaryNotice = QString::number(records)
            + QStringLiteral(" troops exist in this file but the summary row has ") + displayText(lines.line(2))
            + QStringLiteral("\r\nThis value will be updated when a new file is saved.");
        file.lines.setLine(2, ' ' + QByteArray::number(records));
    }
    return file;
}

} // namespace lancefall
