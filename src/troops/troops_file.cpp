#include "troops/troops_file.h"

#include "fields/field_rules.h"
#include "lines/text_codec.h"
#include "lines/text_file.h"

#include <QCoreApplication>
#include <QStringBuilder>

#include <algorithm>
#include <cstring>
#include <optional>

namespace lancefall {

QString noTroopLabel()
{
    return QCoreApplication::translate("Troops", "0 - None");
}

namespace {

constexpr qsizetype kFirstRecordLine = 3;

// The texts of this file, translated in the context "Troops".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Troops)
};

bool isTroopLine(QByteArrayView line)
{
    // Asked of every line of a large file, twice: four bytes compared in place.
    return line.size() >= 4 && std::memcmp(line.constData(), "trp_", 4) == 0;
}

std::optional<qint64> summaryValue(QByteArrayView row)
{
    return parseWholeNumber(row.trimmed());
}

// Every line from line 3 on that begins with "trp_", each taken for a troop.
QList<qsizetype> everyTroopLine(const LineTable &lines)
{
    QList<qsizetype> starts;
    for (qsizetype n = kFirstRecordLine; n <= lines.lastIndex(); ++n) {
        if (isTroopLine(lines.line(n)))
            starts.append(n);
    }
    return starts;
}

// Troops taken record by record: a troop line and the record's other lines, which
// are no troops whatever they begin with.
QList<qsizetype> troopsByRecord(const LineTable &lines, qsizetype first, int recordLines)
{
    QList<qsizetype> starts;
    for (qsizetype n = first; n <= lines.lastIndex();) {
        if (isTroopLine(lines.line(n))) {
            starts.append(n);
            n += recordLines;
        } else {
            ++n;
        }
    }
    return starts;
}

Error placementError(qsizetype line, const QString &why)
{
    return lineError(ErrorCode::RecordNotPlaced, kTroopsFileName, line, why);
}

// Troops whose interpreted lines hold another line beginning with "trp_".
void markStrayLines(const LineTable &lines, RecordIndex &index)
{
    for (qsizetype k = 0; k < index.count(); ++k) {
        const qsizetype first = index.line(k);
        for (qsizetype n = first + 1; n < first + kTroopInterpretedLines && n <= lines.lastIndex(); ++n) {
            if (isTroopLine(lines.line(n))) {
                index.unplaced.insert(k,
                                      placementError(n,
                                                     Text::tr("a line inside the record of troop %1 begins "
                                                              "with trp_; troop %1 is not shown or updated")
                                                         .arg(k)));
                break;
            }
        }
    }
}

// Troops whose record is cut short by the next one.
void markShortRecords(RecordIndex &index)
{
    for (qsizetype k = 0; k + 1 < index.count(); ++k) {
        const qsizetype first = index.line(k);
        if (index.line(k + 1) - first < kTroopInterpretedLines)
            index.unplaced.insert(k,
                                  placementError(index.line(k + 1),
                                                 Text::tr("troop %1 begins before the record of troop %2 (line %3) "
                                                          "has all its lines; troop %2 is not shown or updated")
                                                     .arg(k + 1)
                                                     .arg(k)
                                                     .arg(first)));
    }
}

RecordIndex placeTroops(const LineTable &lines, const TroopLayout &layout, std::optional<qint64> summary)
{
    const QList<qsizetype> everyLine = everyTroopLine(lines);
    const QList<qsizetype> byRecord = troopsByRecord(lines, everyLine.first(), layout.recordLines);
    RecordIndex index;
    if (byRecord == everyLine || summary == byRecord.size()) {
        index.firstLines = byRecord;
        markStrayLines(lines, index);
        return index;
    }
    if (summary == everyLine.size()) {
        index.firstLines = everyLine;
        markShortRecords(index);
        return index;
    }
    // Neither reading matches the summary row: the troops up to the first line the
    // readings disagree on are certain, none after it.
    index.firstLines = byRecord;
    const auto firstDifference
        = std::mismatch(byRecord.cbegin(), byRecord.cend(), everyLine.cbegin(), everyLine.cend());
    const qsizetype certain = std::max<qsizetype>(0, (firstDifference.first - byRecord.cbegin()) - 1);
    const qsizetype line = firstDifference.second != everyLine.cend() ? *firstDifference.second : lines.lastIndex();
    for (qsizetype k = certain; k < index.count(); ++k)
        index.unplaced.insert(k,
                              placementError(line,
                                             Text::tr("this line begins with trp_ inside a troop record, and "
                                                      "the summary row matches neither the troops with it "
                                                      "nor those without it; troop %1 is not shown or updated")
                                                 .arg(k)));
    return index;
}

} // namespace

QString troopUpgradeLabel(qsizetype troop, const QString &name)
{
    return QString::number(troop) % QLatin1String(" - ") % name;
}

Result<TroopsFile> readTroops(LineTable lines)
{
    TroopsFile file;
    file.lines = std::move(lines);
    const LineTable &table = file.lines;

    if (table.lastIndex() >= 1)
        file.layout.version2 = table.line(1) != "troopsfile version 1";
    const std::optional<qint64> summary = table.contains(2) ? summaryValue(table.line(2)) : std::nullopt;
    if (!summary)
        return lineError(ErrorCode::MissingField, kTroopsFileName, 2,
                         Text::tr("the summary row must hold the number of troops, not \"%1\"")
                             .arg(table.contains(2) ? displayText(table.line(2)) : QString()));

    const QList<qsizetype> everyLine = everyTroopLine(table);
    if (everyLine.isEmpty())
        return fileError(ErrorCode::NoRecords, kTroopsFileName, Text::tr("the file holds no troop record"));
    const qsizetype first = everyLine.first();
    if (table.contains(first + 5))
        file.layout.gameVersion = splitFields(table.line(first + 5)).size() == 7 ? kGameVersion090 : kGameVersion095;
    file.layout.recordLines = table.contains(first + 6) && isTroopLine(table.line(first + 6)) ? 6 : 7;

    file.records = placeTroops(table, file.layout, summary);
    const qsizetype records = file.records.count();
    file.listLabels.reserve(records);
    file.slotLabels.reserve(records);
    file.upgradeLabels.reserve(records);
    for (qsizetype k = 0; k < records; ++k) {
        const QByteArrayView line = table.line(file.records.line(k));
        const qsizetype blank = line.indexOf(' ');
        if (blank < 0)
            return lineError(ErrorCode::MissingField, kTroopsFileName, file.records.line(k),
                             Text::tr("a troop line needs at least 2 fields"));
        qsizetype end = line.indexOf(' ', blank + 1);
        if (end < 0)
            end = line.size();
        const QString id = displayText(line.first(blank));
        const QString name = displayText(line.sliced(blank + 1, end - blank - 1));
        QString label = recordLabel(k, name, id);
        file.slotLabels.append(k == 0 ? kNoTroopLabel : label);
        file.upgradeLabels.append(k == 0 ? kNoTroopLabel : troopUpgradeLabel(k, name));
        file.listLabels.append(std::move(label));
    }
    for (qsizetype k = 0; k < records; ++k) {
        if (file.records.unplaced.contains(k))
            file.placementNotices.append(file.records.unplaced.value(k).text());
    }

    // Where the placement is uncertain the row cannot be checked against it.
    const bool certain = file.records.unplaced.isEmpty() || *summary == records;
    if (certain && *summary != records) {
        file.summaryNotice = Text::tr("%1 troops exist in this file but the summary row has %2\n"
                                      "This value will be updated when a new file is saved.")
                                 .arg(QString::number(records), displayText(table.line(2)));
        file.lines.setLine(2, ' ' + QByteArray::number(records));
    }
    return file;
}

} // namespace lancefall
