#include "checks/finding.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace lancefall {

namespace {

// The texts of this file, translated in the context "Check".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Check)
};

// The severity in the forms tools read: the compilers' line and the JSON. Never translated.
QString severityKeyword(Severity severity)
{
    return severity == Severity::Error ? QStringLiteral("error") : QStringLiteral("warning");
}

QJsonValue numberOrNull(qsizetype n, qsizetype none)
{
    return n == none ? QJsonValue() : QJsonValue(double(n));
}

} // namespace

QString severityName(Severity severity)
{
    return severity == Severity::Error ? Text::tr("error") : Text::tr("warning");
}

QString findingLine(const Finding &finding)
{
    QString place = moduleFileName(finding.file);
    if (finding.line > 0)
        place += u':' + QString::number(finding.line);
    return place + QStringLiteral(": ") + severityKeyword(finding.severity) + QStringLiteral(": ") + finding.text;
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
    // Singular and plural are texts of their own, so that the built-in text says "1 error".
    const QString errors = (counts.errors == 1 ? Text::tr("%1 error") : Text::tr("%1 errors")).arg(counts.errors);
    const QString warnings
        = (counts.warnings == 1 ? Text::tr("%1 warning") : Text::tr("%1 warnings")).arg(counts.warnings);
    if (!checked)
        return Text::tr("%1, %2; the module could not be read, so nothing else was checked").arg(errors, warnings);
    return Text::tr("%1, %2 in %3, %4 and %5")
        .arg(errors, warnings, countedRecords(RecordKind::Troop, checked->troops.records.count()),
             countedRecords(RecordKind::PartyTemplate, checked->partyTemplates.records.count()),
             countedRecords(RecordKind::Party, checked->parties.records.count()));
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
                {QStringLiteral("severity"), severityKeyword(f.severity)},
                {QStringLiteral("message"), f.text},
                {QStringLiteral("record"), numberOrNull(f.record, -1)},
            });
        root.insert(QStringLiteral("findings"), list);
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace lancefall
