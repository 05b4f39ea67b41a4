#include "workspace/module_document.h"

#include "lines/text_codec.h"
#include "lines/text_file.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace lancefall {

namespace {

// The texts of this file, translated in the context "Workspace".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Workspace)
};

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

bool RecordChange::changesLines() const
{
    return std::any_of(lines.begin(), lines.end(), [](const LineChange &c) { return c.before != c.after; });
}

bool ModuleChange::changesLines() const
{
    return std::any_of(records.begin(), records.end(), [](const RecordChange &r) { return r.changesLines(); });
}

QList<qsizetype> ModuleChange::recordsOf(RecordKind kind) const
{
    QList<qsizetype> found;
    for (const RecordChange &r : records) {
        if (r.kind == kind)
            found.append(r.record);
    }
    return found;
}

QString ModuleChange::confirmation() const
{
    if (records.size() == 1)
        return Text::tr("Information on %1 (%2) has been updated.").arg(records.first().name, records.first().id);
    const bool oneKind = std::all_of(records.begin(), records.end(),
                                     [&](const RecordChange &r) { return r.kind == records.first().kind; });
    return Text::tr("Information on %1 has been updated.")
        .arg(oneKind && !records.isEmpty() ? countedRecords(records.first().kind, records.size())
                                           : Text::tr("%1 records").arg(records.size()));
}

void ModuleChange::append(const ModuleChange &other)
{
    records += other.records;
    labels += other.labels;
}

QString updateText(const ModuleChange &change)
{
    if (change.records.size() == 1)
        return Text::tr("Update %1").arg(change.records.first().id);
    const bool oneKind = std::all_of(change.records.begin(), change.records.end(),
                                     [&](const RecordChange &r) { return r.kind == change.records.first().kind; });
    if (oneKind && !change.records.isEmpty())
        return Text::tr("Update %1").arg(countedRecords(change.records.first().kind, change.records.size()));
    return Text::tr("Update %1 records").arg(change.records.size());
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

qsizetype ModuleDocument::recordCount(RecordKind kind) const
{
    return mModule.records(kind).count();
}

qsizetype ModuleDocument::shownRecord(RecordKind kind) const
{
    return mShown[indexOf(kind)];
}

Result<DecodedTroop> ModuleDocument::troopView(qsizetype k) const
{
    if (k < 0 || k >= recordCount(RecordKind::Troop))
        return Error{ErrorCode::NotSelected, pleaseSelect(RecordKind::Troop)};
    if (mModule.items.isEmpty())
        return Error{ErrorCode::EmptyCatalogue,
                     Text::tr("No items found, please make sure a item_kinds1.txt file exists in the folder.")};
    if (mModule.factions.isEmpty())
        return Error{ErrorCode::EmptyCatalogue,
                     Text::tr("No factions found, please make sure a factions.txt file exists in the folder.")};
    const RecordIndex &records = mModule.troops.records;
    if (records.unplaced.contains(k))
        return records.unplaced.value(k);
    return decodeTroop(mModule.troops.lines, records.line(k), mModule.troops.layout, mModule.items);
}

Result<PartyTemplateView> ModuleDocument::templateView(qsizetype k) const
{
    if (k < 0 || k >= recordCount(RecordKind::PartyTemplate))
        return Error{ErrorCode::NotSelected, pleaseSelect(RecordKind::PartyTemplate)};
    return decodePartyTemplate(mModule.partyTemplates.lines, mModule.partyTemplates.records.line(k));
}

Result<PartyView> ModuleDocument::partyView(qsizetype k) const
{
    if (k < 0 || k >= recordCount(RecordKind::Party))
        return Error{ErrorCode::NotSelected, pleaseSelect(RecordKind::Party)};
    return decodeParty(mModule.parties.lines, mModule.parties.records.line(k));
}

Result<DecodedTroop> ModuleDocument::showTroop(qsizetype k)
{
    mShown[indexOf(RecordKind::Troop)] = -1;
    mShownTroop.reset();
    Result<DecodedTroop> decoded = troopView(k);
    if (decoded) {
        mShown[indexOf(RecordKind::Troop)] = k;
        mShownTroop = decoded->view;
    }
    return decoded;
}

Result<PartyTemplateView> ModuleDocument::showTemplate(qsizetype k)
{
    Result<PartyTemplateView> decoded = templateView(k);
    mShown[indexOf(RecordKind::PartyTemplate)] = decoded ? k : -1;
    return decoded;
}

Result<PartyView> ModuleDocument::showParty(qsizetype k)
{
    Result<PartyView> decoded = partyView(k);
    mShown[indexOf(RecordKind::Party)] = decoded ? k : -1;
    return decoded;
}

Result<qsizetype> ModuleDocument::shownLine(RecordKind kind, qsizetype k) const
{
    if (k < 0)
        return Error{ErrorCode::NotSelected, pleaseSelect(kind)};
    // The view still holds another record's values when this one could not be shown.
    if (shownRecord(kind) != k)
        return Error{ErrorCode::NotShown,
                     Text::tr("the %1 shown is not the one selected, because it could not be shown without "
                              "errors; select it again once its line is mended")
                         .arg(recordWord(kind))};
    return mModule.records(kind).line(k);
}

Status ModuleDocument::idIsFree(RecordKind kind, qsizetype k, const QByteArray &id) const
{
    const RecordKindDescription &d = describe(kind);
    const LineTable &lines = mModule.lines(kind);
    const RecordIndex &records = mModule.records(kind);
    if (fieldOf(lines.line(records.line(k)), d.idField) == id)
        return success();
    for (qsizetype other = 0; other < records.count(); ++other) {
        const QByteArrayView line = lines.line(records.line(other));
        const bool same = d.idField == 0
            ? line.startsWith(id) && (line.size() == id.size() || line.at(id.size()) == ' ')
            : fieldOf(line, d.idField) == id;
        if (other != k && same)
            return Error{ErrorCode::InvalidValue,
                         Text::tr("%1 %2 is already used by %3")
                             .arg(idCaption(kind), displayText(id), numberedRecord(kind, other))};
    }
    return success();
}

ModuleChange ModuleDocument::recordUpdate(RecordKind kind, qsizetype k, const QList<QByteArray> &newLines) const
{
    const RecordKindDescription &d = describe(kind);
    const LineTable &lines = mModule.lines(kind);
    const qsizetype first = mModule.records(kind).line(k);
    RecordChange record;
    record.kind = kind;
    record.record = k;
    for (qsizetype i = 0; i < newLines.size(); ++i)
        record.lines.append({first + i, lines.line(first + i).toByteArray(), newLines.at(i)});
    record.id = displayText(fieldOf(newLines.first(), d.idField));
    record.name = displayText(fieldOf(newLines.first(), d.nameField));

    ModuleChange change;
    const QString label = recordLabel(k, record.name, record.id);
    const auto relabel = [&](RecordList list, const QString &text) {
        if (labels(list).at(k) != text)
            change.labels.append({list, k, labels(list).at(k), text});
    };
    relabel(d.list, label);
    switch (kind) {
    case RecordKind::Troop:
        relabel(RecordList::TroopSlots, label);
        relabel(RecordList::UpgradePaths, troopUpgradeLabel(k, record.name));
        break;
    case RecordKind::PartyTemplate:
    case RecordKind::Party:
        break;
    }
    change.records.append(std::move(record));
    change.text = updateText(change);
    return change;
}

Result<ModuleChange> ModuleDocument::troopUpdate(qsizetype k, const TroopView &view) const
{
    const auto first = shownLine(RecordKind::Troop, k);
    if (!first)
        return first.error();
    return troopChange(k, view, mShownTroop ? &*mShownTroop : nullptr);
}

Result<ModuleChange> ModuleDocument::templateUpdate(qsizetype k, const PartyTemplateView &view) const
{
    const auto n = shownLine(RecordKind::PartyTemplate, k);
    if (!n)
        return n.error();
    return templateChange(k, view);
}

Result<ModuleChange> ModuleDocument::partyUpdate(qsizetype k, const PartyView &view) const
{
    const auto n = shownLine(RecordKind::Party, k);
    if (!n)
        return n.error();
    return partyChange(k, view);
}

Result<ModuleChange> ModuleDocument::troopChange(qsizetype k, const TroopView &view, const TroopView *stored) const
{
    std::optional<TroopView> decoded;
    if (!stored) {
        Result<DecodedTroop> read = troopView(k);
        if (!read)
            return read.error();
        decoded = std::move(read->view);
        stored = &*decoded;
    }
    const qsizetype first = mModule.troops.records.line(k);
    const auto encoded = encodeTroop(view, *stored, mModule.troops.lines, first, mModule.troops.layout);
    if (!encoded)
        return encoded.error();
    const Status free = idIsFree(RecordKind::Troop, k, fieldOf(encoded->lines.first(), 0));
    if (!free)
        return free.error();
    return recordUpdate(RecordKind::Troop, k, encoded->lines);
}

Result<ModuleChange> ModuleDocument::templateChange(qsizetype k, const PartyTemplateView &view) const
{
    if (k < 0 || k >= recordCount(RecordKind::PartyTemplate))
        return Error{ErrorCode::NotSelected, pleaseSelect(RecordKind::PartyTemplate)};
    const auto line = encodePartyTemplate(view, mModule.partyTemplates.lines, mModule.partyTemplates.records.line(k));
    if (!line)
        return line.error();
    const Status free = idIsFree(RecordKind::PartyTemplate, k, fieldOf(*line, 0));
    if (!free)
        return free.error();
    return recordUpdate(RecordKind::PartyTemplate, k, {*line});
}

Result<ModuleChange> ModuleDocument::partyChange(qsizetype k, const PartyView &view) const
{
    if (k < 0 || k >= recordCount(RecordKind::Party))
        return Error{ErrorCode::NotSelected, pleaseSelect(RecordKind::Party)};
    const auto line = encodeParty(view, mModule.parties.lines, mModule.parties.records.line(k));
    if (!line)
        return line.error();
    const Status free = idIsFree(RecordKind::Party, k, fieldOf(*line, describe(RecordKind::Party).idField));
    if (!free)
        return free.error();
    return recordUpdate(RecordKind::Party, k, {*line});
}

Result<ModuleChange> ModuleDocument::linesChange(RecordKind kind, qsizetype k,
                                                 const QList<std::pair<qsizetype, QByteArray>> &lines) const
{
    if (k < 0 || k >= recordCount(kind))
        return Error{ErrorCode::NotSelected, pleaseSelect(kind)};
    const qsizetype first = mModule.records(kind).line(k);
    QList<QByteArray> newLines{mModule.lines(kind).line(first).toByteArray()};
    for (const auto &[n, text] : lines) {
        while (first + newLines.size() <= n)
            newLines.append(mModule.lines(kind).line(first + newLines.size()).toByteArray());
        newLines[n - first] = text;
    }
    return recordUpdate(kind, k, newLines);
}

QString ModuleDocument::recordName(RecordKind kind, qsizetype k) const
{
    const QByteArray id = fieldOf(mModule.lines(kind).line(mModule.records(kind).line(k)), describe(kind).idField);
    return id.isEmpty() ? numberedRecord(kind, k) : displayText(id);
}

namespace {

// The changes of each record, made by `change(k)`, as one change; the first refusal names
// its record.
template <typename Change>
Result<ModuleChange> changeOfRecords(const ModuleDocument &document, RecordKind kind, const QList<qsizetype> &records,
                                     Change change)
{
    ModuleChange all;
    for (const qsizetype k : records) {
        if (k < 0 || k >= document.recordCount(kind))
            return Error{ErrorCode::NotSelected, pleaseSelect(kind)};
        const Result<ModuleChange> one = change(k);
        if (!one) {
            Error error = one.error();
            const QString name = document.recordName(kind, k);
            if (!error.description.contains(name))
                error.description = name + QStringLiteral(": ") + error.description;
            return error;
        }
        all.append(*one);
    }
    all.text = updateText(all);
    return all;
}

} // namespace

Result<ModuleChange> ModuleDocument::troopsChange(const QList<qsizetype> &records, const TroopEdit &edit) const
{
    return changeOfRecords(*this, RecordKind::Troop, records, [&](qsizetype k) -> Result<ModuleChange> {
        const Result<DecodedTroop> stored = troopView(k);
        if (!stored)
            return stored.error();
        const Result<TroopView> edited = editedTroop(stored->view, edit, recordName(RecordKind::Troop, k));
        if (!edited)
            return edited.error();
        return troopChange(k, *edited, &stored->view);
    });
}

Result<ModuleChange> ModuleDocument::templatesChange(const QList<qsizetype> &records, const TemplateEdit &edit) const
{
    return changeOfRecords(*this, RecordKind::PartyTemplate, records, [&](qsizetype k) -> Result<ModuleChange> {
        const Result<PartyTemplateView> stored = templateView(k);
        if (!stored)
            return stored.error();
        const Result<PartyTemplateView> edited
            = editedTemplate(*stored, edit, recordName(RecordKind::PartyTemplate, k));
        if (!edited)
            return edited.error();
        return templateChange(k, *edited);
    });
}

Result<ModuleChange> ModuleDocument::partiesChange(const QList<qsizetype> &records, const PartyEdit &edit) const
{
    return changeOfRecords(*this, RecordKind::Party, records, [&](qsizetype k) -> Result<ModuleChange> {
        const Result<PartyView> stored = partyView(k);
        if (!stored)
            return stored.error();
        return partyChange(k, editedParty(*stored, edit));
    });
}

void ModuleDocument::setLines(const ModuleChange &change, bool after)
{
    for (const RecordChange &record : change.records) {
        if (record.kind == RecordKind::Troop)
            mShownTroop.reset();
        LineTable &lines = mModule.lines(record.kind);
        for (const LineChange &line : record.lines)
            lines.setLine(line.line, after ? line.after : line.before);
    }
    for (const LabelChange &label : change.labels)
        labelsOf(label.list)[label.row] = after ? label.after : label.before;
}

void ModuleDocument::apply(const ModuleChange &change)
{
    setLines(change, true);
}

void ModuleDocument::revert(const ModuleChange &change)
{
    setLines(change, false);
}

SaveReport ModuleDocument::save()
{
    SaveReport report;
    report.folder = mModule.folder;
    FileTransaction transaction;
    std::array<QByteArray, kEditedFileCount> contents;
    std::array<qsizetype, kEditedFileCount> targets{};
    std::array<qsizetype, kEditedFileCount> backups{-1, -1, -1};
    std::array<std::optional<QByteArray>, kEditedFileCount> previous;
    for (std::size_t i = 0; i < kEditedFiles.size(); ++i) {
        const ModuleFile file = kEditedFiles[i];
        report.files[i].file = file;
        report.files[i].lines = mModule.lines(kRecordKinds[i]).lastIndex();
        contents[i] = joinLines(mModule.lines(kRecordKinds[i]));
        QByteArray bytes;
        const FileState now = readFileState(mModule.path(file), &bytes);
        if (!now.readError.isEmpty()) {
            report.failures.append(fileError(ErrorCode::FileRead, moduleFileName(file),
                                             Text::tr("the file on disk cannot be read: %1").arg(now.readError)));
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
