#include "checks/finding.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace lancefall {

namespace {

QString counted(qsizetype n, const QString &one, const QString &many)
{
    return QString::number(n) + u' ' + (n == 1 ? one : many);
}

QJsonValue numberOrNull(qsizetype n, qsizetype none)
{
    return n == none ? QJsonValue() : QJsonValue(double(n));
}

} // namespace

QString severityName(Severity severity)
{
    return severity == Severity::Error ? QStringLiteral("error") : QStringLiteral("warning");
}

QString findingLine(const Finding &finding)
{
    QString place = moduleFileName(finding.file);
    if (finding.line > 0)
        place += u':' + QString::number(finding.line);
    return place + QStringLiteral(": ") + severityName(finding.severity) + QStringLiteral(": ") + finding.text;
}

FindingCounts countFindings(const QList<Finding> &findings)
{
    FindingCounts counts;
    for (const Finding &f : findings)
        ++(f.severity == Severity::Error ? counts.errors : counts.warnings);
    return counts;
}

QString checkSummary(const QList<Finding> &findings, const Module *checked)
{
    const FindingCounts counts = countFindings(findings);
    const QString found = counted(counts.errors, QStringLiteral("error"), QStringLiteral("errors"))
        + QStringLiteral(", ") + counted(counts.warnings, QStringLiteral("warning"), QStringLiteral("warnings"));
    if (!checked)
        return found + QStringLiteral("; the module could not be read, so nothing else was checked");
    return found + QStringLiteral(" in ")
        + counted(checked->troops.records.count(), QStringLiteral("troop"), QStringLiteral("troops"))
        + QStringLiteral(", ")
        + counted(checked->partyTemplates.records.count(), QStringLiteral("party template"),
                  QStringLiteral("party templates"))
        + QStringLiteral(" and ")
        + counted(checked->parties.records.count(), QStringLiteral("party"), QStringLiteral("parties"));
}

QByteArray findingsJson(const QList<Finding> &findings, const QString &folder, const QString &summary, bool countsOnly)
{
    const FindingCounts counts = countFindings(findings);
    QJsonObject root{
        {QStringLiteral("folder"), folder},
        {QStringLiteral("errors"), double(counts.errors)},
        {QStringLiteral("warnings"), double(counts.warnings)},
        {QStringLiteral("summary"), summary},
    };
    if (!countsOnly) {
        QJsonArray list;
        for (const Finding &f : findings)
            list.append(QJsonObject{
                {QStringLiteral("file"), moduleFileName(f.file)},
                {QStringLiteral("line"), numberOrNull(f.line, 0)},
                {QStringLiteral("severity"), severityName(f.severity)},
                {QStringLiteral("message"), f.text},
                {QStringLiteral("record"), numberOrNull(f.record, -1)},
            });
        root.insert(QStringLiteral("findings"), list);
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace lancefall
