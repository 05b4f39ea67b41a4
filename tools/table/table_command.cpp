#include "table/table_command.h"

#include "lines/text_file.h"
#include "tables/change_description.h"
#include "tables/record_table.h"
#include "tables/table_columns.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace lancefall {

namespace {

const QString kProgram = QStringLiteral("lancefall-table");

struct Usage {
    QCommandLineParser parser;
    QCommandLineOption output{{QStringLiteral("o"), QStringLiteral("output")},
                              QStringLiteral("export: write the table into FILE instead of the standard output."),
                              QStringLiteral("FILE")};
    QCommandLineOption dryRun{QStringLiteral("dry-run"),
                              QStringLiteral("import: print what the table would change, and write nothing.")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")};

    Usage()
    {
        parser.setApplicationDescription(QStringLiteral(
            "Writes the troops, party templates or parties of a Lancefall module folder as a CSV table, and applies "
            "such a table back with every value checked as the editor checks it.\n\n"
            "  export FOLDER troops|templates|parties [-o FILE]\n"
            "  import FOLDER FILE.csv [--dry-run]\n\n"
            "Exit status 0 when done, 1 when the import was refused (nothing is changed), 2 when the folder or a "
            "file could not be read or written, or the command line is wrong."));
        parser.addOptions({output, dryRun, help});
        parser.addPositionalArgument(QStringLiteral("COMMAND"), QStringLiteral("export or import."));
        parser.addPositionalArgument(QStringLiteral("FOLDER"), QStringLiteral("The module folder."));
        parser.addPositionalArgument(QStringLiteral("WHAT"),
                                     QStringLiteral("export: troops, templates or parties; import: the CSV file."));
    }
};

QString asWarning(TableMessage message)
{
    message.text.prepend(QStringLiteral("warning: "));
    return message.toString();
}

int usageError(const Usage &usage, QTextStream &err, const QString &problem)
{
    err << kProgram << ": " << problem << "\n" << usage.parser.helpText();
    return kTableUnreadable;
}

// Opens the module folder; every problem goes to err.
bool openModule(ModuleDocument &document, const QString &argument, QTextStream &err)
{
    const QFileInfo info(argument);
    const QString shown = QDir::toNativeSeparators(argument);
    if (!info.isDir() || !QDir(info.absoluteFilePath()).isReadable()) {
        err << kProgram << ": cannot read the folder " << shown
            << (info.exists() ? QStringLiteral(": it is not a readable folder\n")
                              : QStringLiteral(": it does not exist\n"));
        return false;
    }
    QString folder = QDir::toNativeSeparators(info.absoluteFilePath());
    const LoadReport report = document.open(addBackSlash(folder));
    if (!report.ok()) {
        for (const auto &failure : report.failures) {
            if (failure)
                err << kProgram << ": " << failure->text() << "\n";
        }
        err << kProgram << ": cannot read the module in " << shown << "\n";
        return false;
    }
    for (const QString &notice : report.placementNotices)
        err << kProgram << ": warning: " << notice << "\n";
    return true;
}

int exportCommand(const QString &folder, const QString &what, const QString &output, QTextStream &out, QTextStream &err)
{
    const std::optional<RecordKind> kind = tableKind(what);
    if (!kind) {
        err << kProgram << ": export troops, templates or parties, not \"" << what << "\"\n";
        return kTableUnreadable;
    }
    ModuleDocument document;
    if (!openModule(document, folder, err))
        return kTableUnreadable;
    const Result<TableExport> table = exportTable(document, *kind);
    if (!table) {
        err << kProgram << ": " << table.error().text() << "\n";
        return kTableUnreadable;
    }
    for (const TableMessage &warning : table->warnings)
        err << asWarning(warning) << "\n";
    if (output.isEmpty()) {
        out << QString::fromUtf8(table->csv);
        return kTableDone;
    }
    const QString shown = QDir::toNativeSeparators(output);
    FileTransaction file;
    file.add(QFileInfo(output).absoluteFilePath(), shown, table->csv);
    if (!file.write() || !file.commit()) {
        for (const Error &error : file.errors())
            err << kProgram << ": " << error.text() << "\n";
        return kTableUnreadable;
    }
    out << shown << ": " << countedRecords(*kind, table->rows) << " written\n";
    return kTableDone;
}

int importCommand(const QString &folder, const QString &path, bool dryRun, QTextStream &out, QTextStream &err)
{
    const QString shown = QDir::toNativeSeparators(path);
    const Result<QByteArray> bytes = readModuleBytes(path);
    if (!bytes) {
        err << kProgram << ": cannot read " << shown << ": " << bytes.error().description << "\n";
        return kTableUnreadable;
    }
    ModuleDocument document;
    if (!openModule(document, folder, err))
        return kTableUnreadable;
    const TableImport import = importTable(document, *bytes, shown);
    for (const TableMessage &warning : import.warnings)
        err << asWarning(warning) << "\n";
    if (!import.ok()) {
        for (const TableMessage &error : import.errors)
            err << error.toString() << "\n";
        err << shown << ": the import is refused (" << import.errors.size()
            << (import.errors.size() == 1 ? " error" : " errors") << "); nothing was changed\n";
        return kTableRefused;
    }

    const QString changed = countedRecords(import.kind, import.change.records.size());
    {
        const ChangeDescriber describer(document, &import.change);
        for (const RecordChange &record : import.change.records)
            out << moduleFileName(fileOf(record.kind)) << ':'
                << document.module().records(record.kind).line(record.record) << ": " << record.id << ": "
                << describer.describe(record).join(QStringLiteral(", ")) << "\n";
    }
    if (import.change.isEmpty()) {
        out << shown << ": nothing to change\n";
        return kTableDone;
    }
    if (dryRun) {
        out << shown << ": " << changed << " would change (dry run: nothing written)\n";
        return kTableDone;
    }
    document.apply(import.change);
    const SaveReport saved = document.save();
    if (!saved.ok()) {
        err << kProgram << ": " << saved.message() << "\n";
        return kTableUnreadable;
    }
    out << shown << ": " << changed << " changed in " << QDir::toNativeSeparators(document.folder()) << "\n";
    return kTableDone;
}

} // namespace

int runTableCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    Usage usage;
    QCommandLineParser &parser = usage.parser;
    if (!parser.parse(QStringList{kProgram} + arguments))
        return usageError(usage, err, parser.errorText());
    if (parser.isSet(usage.help)) {
        out << parser.helpText();
        return kTableDone;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 3)
        return usageError(usage, err, QStringLiteral("give a command, a module folder and what to export or import"));
    const QString &command = positional.at(0);
    if (command == QStringLiteral("export")) {
        if (parser.isSet(usage.dryRun))
            return usageError(usage, err, QStringLiteral("--dry-run belongs to import"));
        return exportCommand(positional.at(1), positional.at(2), parser.value(usage.output), out, err);
    }
    if (command == QStringLiteral("import")) {
        if (parser.isSet(usage.output))
            return usageError(usage, err, QStringLiteral("-o belongs to export"));
        return importCommand(positional.at(1), positional.at(2), parser.isSet(usage.dryRun), out, err);
    }
    return usageError(usage, err, QStringLiteral("the command is export or import, not \"%1\"").arg(command));
}

} // namespace lancefall
