#include "workspace/module.h"

#include "catalogues/catalogues.h"
#include "lines/text_file.h"

#include <QDir>

#include <algorithm>

namespace lancefall {

QString moduleFileName(ModuleFile file)
{
    switch (file) {
    case ModuleFile::Troops:
        return kTroopsFileName;
    case ModuleFile::Items:
        return kItemsFileName;
    case ModuleFile::Factions:
        return kFactionsFileName;
    case ModuleFile::PartyTemplates:
        return kPartyTemplatesFileName;
    case ModuleFile::Parties:
        return kPartiesFileName;
    }
    return {};
}

QString addBackSlash(QString &path)
{
    const QChar separator = QDir::separator();
    if (!path.endsWith(separator))
        path.append(separator);
    return path;
}

const LineTable &Module::lines(ModuleFile file) const
{
    static const LineTable none;
    switch (file) {
    case ModuleFile::Troops:
        return troops.lines;
    case ModuleFile::PartyTemplates:
        return partyTemplates.lines;
    case ModuleFile::Parties:
        return parties.lines;
    default:
        return none;
    }
}

bool LoadReport::ok() const
{
    return std::none_of(failures.begin(), failures.end(), [](const auto &f) { return f.has_value(); });
}

QString LoadReport::unableToOpenMessage() const
{
    QString text = QStringLiteral("Unable to open the following files in ") + module.folder + QStringLiteral("\r\n");
    for (const ModuleFile file : kModuleFiles) {
        if (failure(file))
            text += QStringLiteral("\r\n  ") + moduleFileName(file);
    }
    return text;
}

namespace {

// Keeps a reader's value, or records its failure and leaves the default in place.
template <typename T>
void take(Result<T> &&result, T &target, std::optional<Error> &failure)
{
    if (result)
        target = std::move(result).value();
    else
        failure = result.error();
}

} // namespace

LoadReport loadModule(const QString &folder, const TroopLayout &previousLayout)
{
    LoadReport report;
    Module &module = report.module;
    module.folder = folder;
    module.troops.layout = previousLayout;
    auto failure
        = [&report](ModuleFile file) -> std::optional<Error> & { return report.failures[static_cast<int>(file)]; };

    take(readTroopsFile(module.path(ModuleFile::Troops), previousLayout), module.troops, failure(ModuleFile::Troops));
    take(readItemCatalogue(module.path(ModuleFile::Items)), module.items, failure(ModuleFile::Items));
    take(readFactionCatalogue(module.path(ModuleFile::Factions), module.troops.layout.gameVersion == kGameVersion090),
         module.factions, failure(ModuleFile::Factions));
    take(readPartyTemplatesFile(module.path(ModuleFile::PartyTemplates)), module.partyTemplates,
         failure(ModuleFile::PartyTemplates));
    take(readPartiesFile(module.path(ModuleFile::Parties)), module.parties, failure(ModuleFile::Parties));
    return report;
}

Result<QString> saveLineTable(const QString &folder, ModuleFile file, const LineTable &lines)
{
    const QString name = moduleFileName(file);
    Result<qsizetype> written = writeTextFile(folder + name, name, lines);
    if (!written)
        return written.error();
    return name + QStringLiteral(" (") + QString::number(*written) + QStringLiteral(" lines)");
}

QString saveMessageOpening(const QString &folder)
{
    return QStringLiteral("The following files in ") + folder + QStringLiteral(" were updated:\r\n\r\n");
}

bool SaveReport::ok() const
{
    return std::none_of(failures.begin(), failures.end(), [](const auto &f) { return f.has_value(); });
}

SaveReport saveModule(const Module &module)
{
    SaveReport report;
    report.message = saveMessageOpening(module.folder);
    for (std::size_t i = 0; i < kEditedFiles.size(); ++i) {
        const ModuleFile file = kEditedFiles[i];
        Result<QString> summary = saveLineTable(module.folder, file, module.lines(file));
        if (i > 0)
            report.message += QStringLiteral("\r\n");
        if (summary)
            report.message += *summary;
        else
            report.failures[i] = summary.error();
    }
    return report;
}

} // namespace lancefall
