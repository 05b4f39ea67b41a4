// lancefall-fuzz-seeds SAMPLE_MODULE OUT: writes a seed corpus for every fuzz target into
// OUT/<target>/, made of the sample module and of small generated modules in each layout:
// whole files for the readers, single records for the record targets, stored numbers for
// the number codecs, exported tables for the table reader.

#include "lines/text_file.h"
#include "module_generator/module_generator.h"
#include "tables/record_table.h"
#include "workspace/module_document.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>

using namespace lancefall;

namespace {

class Seeds {
public:
    explicit Seeds(const QString &root) : mRoot(root) {}

    void add(const QString &target, const QByteArray &content)
    {
        QDir().mkpath(mRoot.filePath(target));
        QFile file(mRoot.filePath(target + QStringLiteral("/seed_") + QString::number(++mCount)));
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
    }

    // The five files, every record on its own and the numbers of the troop records.
    void addModule(const Module &module)
    {
        for (const auto &[target, kind] : {std::pair(QStringLiteral("troops_file"), RecordKind::Troop),
                                           std::pair(QStringLiteral("party_templates_file"), RecordKind::PartyTemplate),
                                           std::pair(QStringLiteral("parties_file"), RecordKind::Party)})
            add(target, joinLines(module.lines(kind)));
        for (const auto &[target, file] : {std::pair(QStringLiteral("item_catalogue"), ModuleFile::Items),
                                           std::pair(QStringLiteral("faction_catalogue"), ModuleFile::Factions)}) {
            QFile raw(module.path(file));
            if (raw.open(QIODevice::ReadOnly))
                add(target,
                    (target == QStringLiteral("faction_catalogue") ? QByteArray("\x01") : QByteArray())
                        + raw.readAll());
        }
        const TroopLayout &layout = module.troops.layout;
        const char options = char((layout.version2 ? 1 : 0) | (layout.gameVersion == kGameVersion095 ? 2 : 0));
        addRecords(QStringLiteral("troop_record"), module, RecordKind::Troop, layout.recordLines,
                   QByteArray(1, options));
        addRecords(QStringLiteral("party_template_record"), module, RecordKind::PartyTemplate, 1, {});
        addRecords(QStringLiteral("party_record"), module, RecordKind::Party, 2, {});
        // The module's tables, as the export writes them.
        const ModuleDocument document(module);
        for (const RecordKind kind : kRecordKinds) {
            if (const Result<TableExport> table = exportTable(document, kind))
                add(QStringLiteral("table_reader"), table->csv);
        }
        // The flag, skill and face words of a few troops.
        const LineTable &troops = module.lines(RecordKind::Troop);
        for (qsizetype k = 0; k < module.troops.records.count() && k < 4; ++k) {
            for (const int i : {0, 4, 5}) {
                for (const QByteArray &field : splitFields(troops.line(module.troops.records.line(k) + i))) {
                    if (!mNumbers.contains(field)) {
                        mNumbers.insert(field);
                        add(QStringLiteral("number_codecs"), field);
                    }
                }
            }
        }
    }

private:
    void addRecords(const QString &target, const Module &module, RecordKind kind, int recordLines,
                    const QByteArray &prefix)
    {
        const LineTable &lines = module.lines(kind);
        const RecordIndex &records = module.records(kind);
        for (qsizetype k = 0; k < records.count(); ++k) {
            QByteArray record = prefix;
            for (int i = 0; i < recordLines && lines.contains(records.line(k) + i); ++i) {
                record += lines.line(records.line(k) + i);
                record += "\r\n";
            }
            add(target, record);
        }
    }

    QDir mRoot;
    int mCount = 0;
    QSet<QByteArray> mNumbers;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: lancefall-fuzz-seeds SAMPLE_MODULE OUT\n";
        return 2;
    }
    Seeds seeds(args.at(2));
    QTemporaryDir generated;
    const QList<GeneratedModuleOptions> layouts{
        {.troops = 14, .items = 40, .factions = 6, .templates = 8, .parties = 6},
        {.troops = 14,
         .items = 40,
         .factions = 6,
         .templates = 8,
         .parties = 6,
         .version2 = false,
         .recordLines = 6,
         .game095 = false,
         .crlf = false,
         .seed = 2},
        {.troops = 14, .items = 40, .factions = 6, .templates = 8, .parties = 6, .gb18030Names = true, .seed = 3},
    };
    QStringList folders{args.at(1)};
    for (qsizetype i = 0; i < layouts.size(); ++i) {
        const QString folder = QDir(generated.path()).filePath(QString::number(i));
        if (!QDir().mkpath(folder) || !writeGeneratedModule(folder, layouts.at(i))) {
            err << "cannot generate a module in " << folder << "\n";
            return 1;
        }
        folders.append(folder);
    }
    for (QString folder : std::as_const(folders)) {
        const LoadReport report = loadModule(addBackSlash(folder));
        if (!report.ok()) {
            err << report.unableToOpenMessage() << "\n";
            return 1;
        }
        seeds.addModule(report.module);
    }
    return 0;
}
