#include "workspace/module.h"

#include "catalogues/catalogues.h"
#include "lines/text_file.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

namespace lancefall {

namespace {

// The texts of this file, translated in the context "Workspace".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Workspace)
};

} // namespace

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

const LineTable &Module::lines(RecordKind kind) const
{
    return const_cast<Module *>(this)->lines(kind);
}

LineTable &Module::lines(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Troop:
        return troops.lines;
    case RecordKind::PartyTemplate:
        return partyTemplates.lines;
    case RecordKind::Party:
        break;
    }
    return parties.lines;
}

const RecordIndex &Module::records(RecordKind kind) const
{
    switch (kind) {
    case RecordKind::Troop:
        return troops.records;
    case RecordKind::PartyTemplate:
        return partyTemplates.records;
    case RecordKind::Party:
        break;
    }
    return parties.records;
}

bool LoadReport::ok() const
{
    return std::none_of(failures.begin(), failures.end(), [](const auto &f) { return f.has_value(); });
}

QString LoadReport::unableToOpenMessage() const
{
    QString files;
    for (const ModuleFile file : kModuleFiles) {
        if (failure(file))
            files += QStringLiteral("\n  ") + moduleFileName(file);
    }
    return Text::tr("Unable to open the following files in %1\n%2").arg(module.folder, files);
}

QString LoadReport::placementMessage() const
{
    constexpr qsizetype kNamed = 5;
    const qsizetype count = placementNotices.size();
    if (count == 0)
        return {};
    const QString troops = countedRecords(RecordKind::Troop, count);
    const QString named = placementNotices.first(std::min(count, kNamed)).join(u'\n');
    if (count <= kNamed)
        return Text::tr("Could not place %1, which the lists name but the editor does not show or update:\n\n%2")
            .arg(troops, named);
    return Text::tr("Could not place %1, which the lists name but the editor does not show or update:\n\n%2\n\n"
                    "and %3 more. Tools > Check Module (F7) lists them all.")
        .arg(troops, named, QString::number(count - kNamed));
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

LoadReport loadModule(const QString &folder)
{
    LoadReport report;
    Module &module = report.module;
    module.folder = folder;
    // Each file is read once; its reader works on the lines, its state on the same bytes.
    const auto load = [&](ModuleFile file, auto read, auto &target) {
        const int i = static_cast<int>(file);
        Result<LineTable> lines = readTextFile(module.path(file), moduleFileName(file), &report.states[i]);
        if (!lines)
            report.failures[i] = lines.error();
        else
            take(read(std::move(lines).value()), target, report.failures[i]);
    };
    load(
        ModuleFile::Troops, [](LineTable lines) { return readTroops(std::move(lines)); }, module.troops);
    load(
        ModuleFile::Items, [](const LineTable &lines) { return readItemCatalogue(lines); }, module.items);
    const bool playerFaction = module.troops.layout.gameVersion == kGameVersion090;
    load(
        ModuleFile::Factions, [&](const LineTable &lines) { return readFactionCatalogue(lines, playerFaction); },
        module.factions);
    load(
        ModuleFile::PartyTemplates, [](LineTable lines) { return readPartyTemplates(std::move(lines)); },
        module.partyTemplates);
    load(
        ModuleFile::Parties, [](LineTable lines) { return readParties(std::move(lines)); }, module.parties);
    report.summaryNotice = module.troops.summaryNotice;
    report.placementNotices = module.troops.placementNotices;
    return report;
}

bool SaveReport::ok() const
{
    return failures.isEmpty() && std::all_of(files.begin(), files.end(), [](const File &f) { return f.written; });
}

bool SaveReport::anyWritten() const
{
    return std::any_of(files.begin(), files.end(), [](const File &f) { return f.written; });
}

QString SaveReport::message() const
{
    QStringList written;
    QStringList backups;
    QStringList unchanged;
    for (const File &f : files) {
        const QString name = moduleFileName(f.file);
        if (!f.written)
            unchanged.append(name);
        else
            written.append(Text::tr("%1 (%2 lines)").arg(name, QString::number(f.lines)));
        if (f.written && f.backedUp)
            backups.append(backupFileName(f.file));
    }
    QStringList parts;
    if (!written.isEmpty())
        parts.append(Text::tr("The following files in %1 were updated:\n\n%2").arg(folder, written.join(u'\n')));
    if (!backups.isEmpty())
        parts.append(
            Text::tr("The versions they replaced are kept beside them as %1.").arg(backups.join(QStringLiteral(", "))));
    if (!failures.isEmpty()) {
        QStringList reasons;
        for (const Error &failure : failures)
            reasons.append(failure.message());
        parts.append(
            Text::tr("The following files in %1 could not be written:\n\n%2").arg(folder, reasons.join(u'\n')));
    }
    if (!unchanged.isEmpty())
        parts.append(Text::tr("These files were left as they were: %1").arg(unchanged.join(QStringLiteral(", "))));
    return parts.join(QStringLiteral("\n\n"));
}

QString backupFileName(ModuleFile file)
{
    return moduleFileName(file) + QStringLiteral(".bak");
}

} // namespace lancefall
