#include "checker/check_command.h"

#include "checks/module_check.h"
#include "lines/text_file.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace lancefall {

namespace {

const QString kProgram = QStringLiteral("lancefall-check");

} // namespace

int runCheckCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Checks a Lancefall module folder with the editor's own readers: every record is read, written "
                       "back unchanged and its references checked. Exit status 0 without errors, 1 with errors, 2 when "
                       "the folder could not be read."));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Write the findings as JSON."));
    const QCommandLineOption quiet(QStringLiteral("quiet"), QStringLiteral("Print only the summary line."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    parser.addOptions({json, quiet, help});
    parser.addPositionalArgument(QStringLiteral("FOLDER"), QStringLiteral("The module folder to check."));

    if (!parser.parse(QStringList{kProgram} + arguments)) {
        err << kProgram << ": " << parser.errorText() << "\n" << parser.helpText();
        return kCheckUnreadable;
    }
    if (parser.isSet(help)) {
        out << parser.helpText();
        return kCheckClean;
    }
    if (parser.positionalArguments().size() != 1) {
        err << kProgram << ": give exactly one module folder\n" << parser.helpText();
        return kCheckUnreadable;
    }

    const QFileInfo info(parser.positionalArguments().constFirst());
    const QString shown = QDir::toNativeSeparators(parser.positionalArguments().constFirst());
    if (!info.isDir() || !QDir(info.absoluteFilePath()).isReadable()) {
        const QString why = info.isDir() ? QStringLiteral("it may not be read (no permission)")
            : info.exists()              ? QStringLiteral("it is not a folder")
                                         : unreachableReason(info).value_or(QStringLiteral("it does not exist"));
        err << kProgram << ": cannot read the folder " << shown << ": " << why << "\n";
        return kCheckUnreadable;
    }

    QString folder = QDir::toNativeSeparators(info.absoluteFilePath());
    const LoadReport report = loadModule(addBackSlash(folder));
    const QList<Finding> findings = report.ok() ? checkModule(report.module) : loadFindings(report);
    const QString summary = checkSummary(findings, report.ok() ? &report.module : nullptr);

    if (parser.isSet(json)) {
        out << QString::fromUtf8(findingsJson(findings, folder, summary, parser.isSet(quiet)));
    } else {
        if (!parser.isSet(quiet)) {
            for (const Finding &finding : findings)
                out << findingLine(finding) << "\n";
        }
        out << shown << ": " << summary << "\n";
    }

    const bool unreadable = std::any_of(report.failures.begin(), report.failures.end(),
                                        [](const std::optional<Error> &f) { return f && isUnreadable(*f); });
    if (unreadable)
        return kCheckUnreadable;
    return countFindings(findings).errors > 0 ? kCheckErrors : kCheckClean;
}

} // namespace lancefall
