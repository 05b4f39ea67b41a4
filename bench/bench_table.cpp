// Times the tables of the benchmark's generated module: the export of its 4 300 troops
// (under 200 ms), and the import of a table that changes every troop, up to the change
// made and not applied (under 1 s), beside the import of the same table unchanged.

#include "tables/csv_table.h"
#include "tables/record_table.h"

#include <QDir>
#include <QTextStream>

#include <functional>

using namespace lancefall;

using MedianMs = std::function<double(int, const std::function<void()> &)>;

void benchTable(QTextStream &out, const QString &folder, int runs, const MedianMs &medianMs)
{
    ModuleDocument document;
    QString path = folder;
    if (!document.open(addBackSlash(path)).ok()) {
        out << "cannot load " << folder << "\n";
        return;
    }
    QByteArray csv;
    const double exported = medianMs(runs, [&] { csv = exportTable(document, RecordKind::Troop)->csv; });

    // Every troop a level higher.
    QList<QList<QByteArray>> rows;
    for (const CsvRow &row : readCsv(csv).rows)
        rows.append(row.cells);
    const qsizetype level = rows.first().indexOf("level");
    for (qsizetype i = 1; i < rows.size(); ++i)
        rows[i][level] = QByteArray::number(rows[i][level].toLongLong() + 1);
    const QByteArray changed = writeCsv(rows);

    qsizetype records = 0;
    const double unchanged = medianMs(runs, [&] { importTable(document, csv, QStringLiteral("balance.csv")); });
    const double imported = medianMs(
        runs, [&] { records = importTable(document, changed, QStringLiteral("balance.csv")).change.records.size(); });
    out << "table of " << rows.size() - 1 << " troops (" << csv.size() / 1024 << " KB): export " << exported
        << " ms; import unchanged " << unchanged << " ms, import changing " << records << " troops " << imported
        << " ms\n";
}
