#include "workspace/module_document.h"

#include "lines/text_codec.h"
#include "lines/text_file.h"

#include <QFileInfo>

namespace lancefall {

namespace {

int editedIndex(ModuleFile file)
{
    switch (file) {
    case ModuleFile::PartyTemplates:
        return 1;
    case ModuleFile::Parties:
        return 2;
    default:
        return 0;
    }
}

// How messages name a record of each edited file, and where its identifier stands.
struct RecordKind {
    QString record;       // "troop"
    QString idField;      // "Troop ID"
    QString pleaseSelect; // the message when no record is selected
    qsizetype idPosition; // field of the identifier in the record's first line
    qsizetype namePosition;
};

const RecordKind &kindOf(ModuleFile file)
{
    static const RecordKind troop{QStringLiteral("troop"), QStringLiteral("Troop ID"),
                                  QStringLiteral("Please select a troop from the list"), 0, 1};
    static const RecordKind partyTemplate{QStringLiteral("party template"), QStringLiteral("Template ID"),
                                          QStringLiteral("Please select a party template from the list"), 0, 1};
    static const RecordKind party{QStringLiteral("party"), QStringLiteral("Party ID"),
                                  QStringLiteral("Please select a party from the list"), 4, 5};
    switch (file) {
    case ModuleFile::PartyTemplates:
        return partyTemplate;
    case ModuleFile::Parties:
        return party;
    default:
        return troop;
    }
}

QByteArray fieldOf(QByteArrayView line, qsizetype position)
{
    // The field without splitting the whole line: every update looks up its identifier.
    qsizetype start = 0;
    for (; position > 0; --position) {
        start = line.indexOf(' ', start) + 1;
        if (start == 0)
            return {};
    }
    const qsizetype end = line.indexOf(' ', start);
    return line.sliced(start, (end < 0 ? line.size() : end) - start).toByteArray();
}

} // namespace

QString RecordUpdate::confirmation() const
{
    return QStringLiteral("Information on ") + name + QStringLiteral(" (") + id + QStringLiteral(") has been updated.");
}

QString RecordUpdate::description() const
{
    return QStringLiteral("Update ") + id;
}

ModuleDocument::ModuleDocument(Module module) : mModule(std::move(module)), mLoaded(true)
{
    labelsOf(RecordList::Troops) = mModule.troops.listLabels;
    labelsOf(RecordList::TroopSlots) = mModule.troops.slotLabels;
    labelsOf(RecordList::UpgradePaths) = mModule.troops.upgradeLabels;
    labelsOf(RecordList::Templates) = mModule.partyTemplates.labels;
    labelsOf(RecordList::Parties) = mModule.parties.labels;
}

LoadReport ModuleDocument::open(const QString &folder)
{
    LoadReport report = loadModule(folder);
    if (!report.ok())
        return report;
    *this = ModuleDocument(report.module);
    // The states of the bytes that were read: any later change on disk differs from them.
    mDiskStates = report.states;
    mReported = report.states;
    return report;
}

qsizetype ModuleDocument::recordCount(ModuleFile file) const
{
    return mModule.records(file).count();
}

qsizetype ModuleDocument::shownRecord(ModuleFile file) const
{
    return mShown[editedIndex(file)];
}

TroopLists ModuleDocument::troopLists() const
{
    return TroopLists{mModule.items, int(mModule.factions.size()), int(recordCount(ModuleFile::Troops))};
}

Result<DecodedTroop> ModuleDocument::showTroop(qsizetype k)
{
    qsizetype &shown = mShown[editedIndex(ModuleFile::Troops)];
    shown = -1;
    mShownTroop.reset();
    if (k < 0 || k >= recordCount(ModuleFile::Troops))
        return Error{ErrorCode::NotSelected, kindOf(ModuleFile::Troops).pleaseSelect};
    if (mModule.items.isEmpty())
        return Error{ErrorCode::EmptyCatalogue,
                     QStringLiteral("No items found, please make sure a item_kinds1.txt file exists in the folder.")};
    if (mModule.factions.isEmpty())
        return Error{ErrorCode::EmptyCatalogue,
                     QStringLiteral("No factions found, please make sure a factions.txt file exists in the folder.")};
    const RecordIndex &records = mModule.troops.records;
    if (records.unplaced.contains(k))
        return Error{ErrorCode::RecordNotPlaced, records.unplaced.value(k)};
    Result<DecodedTroop> decoded
        = decodeTroop(mModule.troops.lines, records.line(k), mModule.troops.layout, troopLists());
    if (decoded) {
        shown = k;
        mShownTroop = decoded->view;
    }
    return decoded;
}

Result<PartyTemplateView> ModuleDocument::showTemplate(qsizetype k)
{
    qsizetype &shown = mShown[editedIndex(ModuleFile::PartyTemplates)];
    shown = -1;
    if (k < 0 || k >= recordCount(ModuleFile::PartyTemplates))
        return Error{ErrorCode::NotSelected, kindOf(ModuleFile::PartyTemplates).pleaseSelect};
    Result<PartyTemplateView> decoded
        = decodePartyTemplate(mModule.partyTemplates.lines, mModule.partyTemplates.records.line(k),
                              int(mModule.factions.size()), int(recordCount(ModuleFile::Troops)));
    if (decoded)
        shown = k;
    return decoded;
}

Result<PartyView> ModuleDocument::showParty(qsizetype k)
{
    qsizetype &shown = mShown[editedIndex(ModuleFile::Parties)];
    shown = -1;
    if (k < 0 || k >= recordCount(ModuleFile::Parties))
        return Error{ErrorCode::NotSelected, kindOf(ModuleFile::Parties).pleaseSelect};
    Result<PartyView> decoded = decodeParty(mModule.parties.lines, mModule.parties.records.line(k),
                                            int(recordCount(ModuleFile::PartyTemplates)), int(mModule.factions.size()));
    if (decoded)
        shown = k;
    return decoded;
}

Result<qsizetype> ModuleDocument::shownLine(ModuleFile file, qsizetype k) const
{
    const RecordKind &kind = kindOf(file);
    if (k < 0)
        return Error{ErrorCode::NotSelected, kind.pleaseSelect};
    // The view still holds another record's values when this one could not be shown.
    if (shownRecord(file) != k)
        return Error{ErrorCode::NotShown,
                     QStringLiteral("the %1 shown is not the one selected, because it could not be shown without "
                                    "errors; select it again once its line is mended")
                         .arg(kind.record)};
    return mModule.records(file).line(k);
}

Status ModuleDocument::idIsFree(ModuleFile file, qsizetype k, const QByteArray &id) const
{
    const RecordKind &kind = kindOf(file);
    const LineTable &lines = mModule.lines(file);
    const RecordIndex &records = mModule.records(file);
    if (fieldOf(lines.line(records.line(k)), kind.idPosition) == id)
        return success();
    for (qsizetype other = 0; other < records.count(); ++other) {
        const QByteArrayView line = lines.line(records.line(other));
        const bool same = kind.idPosition == 0
            ? line.startsWith(id) && (line.size() == id.size() || line.at(id.size()) == ' ')
            : fieldOf(line, kind.idPosition) == id;
        if (other != k && same)
            return Error{ErrorCode::InvalidValue,
                         QStringLiteral("%1 %2 is already used by %3 %4")
                             .arg(kind.idField, displayText(id), kind.record)
                             .arg(other)};
    }
    return success();
}

RecordUpdate ModuleDocument::recordUpdate(ModuleFile file, qsizetype k, const QList<QByteArray> &newLines) const
{
    const RecordKind &kind = kindOf(file);
    const LineTable &lines = mModule.lines(file);
    const qsizetype first = mModule.records(file).line(k);
    RecordUpdate update;
    update.file = file;
    update.record = k;
    for (qsizetype i = 0; i < newLines.size(); ++i)
        update.lines.append({first + i, lines.line(first + i).toByteArray(), newLines.at(i)});
    update.id = displayText(fieldOf(newLines.first(), kind.idPosition));
    update.name = displayText(fieldOf(newLines.first(), kind.namePosition));

    const QString label = recordLabel(k, update.name, update.id);
    const auto relabel = [&](RecordList list, const QString &text) {
        update.labels.append({list, k, labels(list).at(k), text});
    };
    switch (file) {
    case ModuleFile::PartyTemplates:
        relabel(RecordList::Templates, label);
        break;
    case ModuleFile::Parties:
        relabel(RecordList::Parties, label);
        break;
    default:
        relabel(RecordList::Troops, label);
        relabel(RecordList::TroopSlots, label);
        relabel(RecordList::UpgradePaths, troopUpgradeLabel(k, update.name));
        break;
    }
    return update;
}

Result<RecordUpdate> ModuleDocument::troopUpdate(qsizetype k, const TroopView &view) const
{
    const auto first = shownLine(ModuleFile::Troops, k);
    if (!first)
        return first.error();
    const auto encoded = mShownTroop
        ? encodeTroop(view, *mShownTroop, mModule.troops.lines, *first, mModule.troops.layout)
        : encodeTroop(view, mModule.troops.lines, *first, mModule.troops.layout, troopLists());
    if (!encoded)
        return encoded.error();
    const Status free = idIsFree(ModuleFile::Troops, k, fieldOf(encoded->lines.first(), 0));
    if (!free)
        return free.error();
    return recordUpdate(ModuleFile::Troops, k, encoded->lines);
}

Result<RecordUpdate> ModuleDocument::templateUpdate(qsizetype k, const PartyTemplateView &view) const
{
    const auto n = shownLine(ModuleFile::PartyTemplates, k);
    if (!n)
        return n.error();
    const auto line = encodePartyTemplate(view, mModule.partyTemplates.lines, *n, int(mModule.factions.size()),
                                          int(recordCount(ModuleFile::Troops)));
    if (!line)
        return line.error();
    const Status free = idIsFree(ModuleFile::PartyTemplates, k, fieldOf(*line, 0));
    if (!free)
        return free.error();
    return recordUpdate(ModuleFile::PartyTemplates, k, {*line});
}

Result<RecordUpdate> ModuleDocument::partyUpdate(qsizetype k, const PartyView &view) const
{
    const auto n = shownLine(ModuleFile::Parties, k);
    if (!n)
        return n.error();
    const auto line = encodeParty(view, mModule.parties.lines, *n, int(recordCount(ModuleFile::PartyTemplates)),
                                  int(mModule.factions.size()));
    if (!line)
        return line.error();
    const Status free = idIsFree(ModuleFile::Parties, k, fieldOf(*line, 4));
    if (!free)
        return free.error();
    return recordUpdate(ModuleFile::Parties, k, {*line});
}

void ModuleDocument::setLines(const RecordUpdate &update, bool after)
{
    if (update.file == ModuleFile::Troops)
        mShownTroop.reset();
    LineTable &lines = mModule.lines(update.file);
    for (const LineChange &change : update.lines)
        lines.setLine(change.line, after ? change.after : change.before);
    for (const LabelChange &change : update.labels)
        labelsOf(change.list)[change.row] = after ? change.after : change.before;
}

void ModuleDocument::apply(const RecordUpdate &update)
{
    setLines(update, true);
}

void ModuleDocument::revert(const RecordUpdate &update)
{
    setLines(update, false);
}

SaveReport ModuleDocument::save()
{
    SaveReport report;
    report.folder = mModule.folder;
    FileTransaction transaction;
    std::array<QByteArray, 3> contents;
    std::array<qsizetype, 3> targets{};
    std::array<qsizetype, 3> backups{-1, -1, -1};
    std::array<std::optional<QByteArray>, 3> previous;
    for (std::size_t i = 0; i < kEditedFiles.size(); ++i) {
        const ModuleFile file = kEditedFiles[i];
        report.files[i].file = file;
        report.files[i].lines = mModule.lines(file).lastIndex();
        contents[i] = joinLines(mModule.lines(file));
        QByteArray bytes;
        const FileState now = readFileState(mModule.path(file), &bytes);
        if (!now.readError.isEmpty()) {
            report.failures.append(fileError(ErrorCode::FileRead, moduleFileName(file),
                                             QStringLiteral("the file on disk cannot be read: ") + now.readError));
            continue;
        }
        if (now.exists)
            previous[i] = bytes;
        // Backups come first: every one is in place before any file is replaced. The transaction
        // reads what a backup replaces, so that a failed save puts an older backup back too.
        if (now.exists && !mBackedUp[i]) {
            backups[i] = transaction.add(mModule.path(file) + QStringLiteral(".bak"), backupFileName(file), bytes);
            transaction.setPermissions(backups[i], QFileInfo(mModule.path(file)).permissions());
        }
    }
    if (!report.failures.isEmpty())
        return report;
    for (std::size_t i = 0; i < kEditedFiles.size(); ++i)
        targets[i]
            = transaction.add(mModule.path(kEditedFiles[i]), moduleFileName(kEditedFiles[i]), contents[i], previous[i]);
    if (transaction.write())
        transaction.commit();
    report.failures = transaction.errors();

    for (std::size_t i = 0; i < kEditedFiles.size(); ++i) {
        const ModuleFile file = kEditedFiles[i];
        SaveReport::File &out = report.files[i];
        out.written = transaction.replaced(targets[i]);
        if (!out.written)
            continue;
        out.backedUp = backups[i] >= 0 && transaction.replaced(backups[i]);
        mBackedUp[i] = mBackedUp[i] || out.backedUp || !previous[i];
        mDiskStates[int(file)] = writtenFileState(mModule.path(file), contents[i]);
        mReported[int(file)] = mDiskStates[int(file)];
    }
    return report;
}

QList<ModuleFile> ModuleDocument::changedOnDisk() const
{
    QList<ModuleFile> changed;
    if (!mLoaded)
        return changed;
    for (const ModuleFile file : kEditedFiles) {
        if (!readFileState(mModule.path(file)).sameContent(mDiskStates[int(file)]))
            changed.append(file);
    }
    return changed;
}

QList<ModuleFile> ModuleDocument::takeOutsideChanges()
{
    QList<ModuleFile> changed;
    if (!mLoaded)
        return changed;
    for (const ModuleFile file : kModuleFiles) {
        const FileState now = readFileState(mModule.path(file));
        if (!now.sameContent(mReported[int(file)]) && !now.sameContent(mDiskStates[int(file)]))
            changed.append(file);
        mReported[int(file)] = now;
    }
    return changed;
}

} // namespace lancefall
