#pragma once

#include "workspace/module.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace lancefall {

// An error is something the editor or the game cannot read, or that the editor would
// change; a warning is legal but suspicious.
enum class Severity { Error, Warning };

// One finding of a module check: where it is, how bad, what is wrong and the record it
// belongs to, so that the window can show that record.
struct Finding {
    ModuleFile file = ModuleFile::Troops;
    qsizetype line = 0; // 0 when it concerns the file as a whole
    Severity severity = Severity::Error;
    QString text;
    qsizetype record = -1; // the record of an edited file, -1 for none

    friend bool operator==(const Finding &, const Finding &) = default;
};

// "error", "warning", as the window names them (translated).
QString severityName(Severity severity);

// The finding as compilers print theirs: "troops.txt:1234: error: text", or
// "troops.txt: error: text" without a line. Tools read the severity, so it is never
// translated; the text is.
QString findingLine(const Finding &finding);

struct FindingCounts {
    qsizetype errors = 0;
    qsizetype warnings = 0;
};
FindingCounts countFindings(const QList<Finding> &findings);

// The line that ends a check's output: "2 errors, 1 warning in 38 troops, 12 party
// templates and 8 parties". Without a module (it could not be read) it says that nothing
// else was checked.
QString checkSummary(const QList<Finding> &findings, const Module *checked);

// The findings as a JSON object for tools: the folder, the counts, the summary and, unless
// countsOnly, one object per finding (file, line or null, severity, message, record or null).
QByteArray findingsJson(const QList<Finding> &findings, const QString &folder, const QString &summary, bool countsOnly);

} // namespace lancefall
