#include "tables/table_names.h"

#include "catalogues/catalogues.h"
#include "fields/field_rules.h"
#include "lines/text_codec.h"
#include "lines/text_file.h"
#include "workspace/module_document.h"

#include <QCoreApplication>

namespace lancefall {

namespace {

// The texts of this file, translated in the context "Tables".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Tables)
};

// The identifier field of every record of a kind, as it stands in the lines.
QStringList recordIds(const Module &module, RecordKind kind)
{
    const LineTable &lines = module.lines(kind);
    const RecordIndex &records = module.records(kind);
    const qsizetype field = describe(kind).idField;
    QStringList ids;
    ids.reserve(records.count());
    for (qsizetype k = 0; k < records.count(); ++k) {
        const auto fields = fieldViews(lines.line(records.line(k)));
        ids.append(field < fields.size() ? displayText(fields.at(field).toByteArray()) : QString());
    }
    return ids;
}

// An item entry reads "n - name  (itm_id)"; a name holds no blank, so the identifier
// follows the first double blank.
QStringList itemIds(const QStringList &labels)
{
    QStringList ids;
    ids.reserve(labels.size());
    for (const QString &label : labels) {
        const qsizetype open = label.indexOf(QStringLiteral("  ("));
        ids.append(open < 0 || !label.endsWith(u')') ? QString() : label.sliced(open + 3, label.size() - open - 4));
    }
    return ids;
}

} // namespace

TableNames::TableNames(const ModuleDocument &document)
{
    const Module &module = document.module();
    mTroops.ids = recordIds(module, RecordKind::Troop);
    mTroops.count = mTroops.ids.size();
    mTemplates.ids = recordIds(module, RecordKind::PartyTemplate);
    mTemplates.count = mTemplates.ids.size();
    mParties.ids = recordIds(module, RecordKind::Party);
    mParties.count = mParties.ids.size();
    mItems.ids = itemIds(module.items);
    mItems.first = 1;
    mItems.count = mItems.ids.size() + 1;
    mFactions.first = 1;
    mFactions.count = module.factions.size();

    // Faction p is the p-th "0 fac_" line of factions.txt; the catalogue's entry p is
    // "p - name" from the same line, which tells whether the file is still the one loaded.
    const Result<LineTable> lines = readTextFile(module.path(ModuleFile::Factions), kFactionsFileName);
    if (!lines) {
        mFactionProblem = lines.error().text();
    } else {
        for (qsizetype n = 1; n <= lines->lastIndex(); ++n) {
            const QByteArray line = QByteArrayView(lines->line(n)).toByteArray();
            if (!line.startsWith("0 fac_"))
                continue;
            const QList<QByteArray> fields = leadingFields(line, 3);
            const qsizetype p = mFactions.ids.size() + 1;
            if (fields.size() < 3 || p >= module.factions.size()
                || module.factions.at(p) != QString::number(p) + QStringLiteral(" - ") + displayText(fields.at(2)))
                break;
            mFactions.ids.append(displayText(fields.at(1)));
        }
        if (mFactions.ids.size() + 1 != module.factions.size())
            mFactionProblem = Text::tr("factions.txt has changed since the module was loaded");
    }
    if (mFactionProblem)
        mFactions.ids.clear();
    for (List *list : {&mTroops, &mFactions, &mItems, &mTemplates, &mParties})
        index(*list);
}

void TableNames::index(List &list)
{
    list.index.reserve(list.ids.size());
    for (qsizetype i = 0; i < list.ids.size(); ++i) {
        // Of records that share an identifier, the first is the one it names.
        if (!list.ids.at(i).isEmpty() && !list.index.contains(list.ids.at(i)))
            list.index.insert(list.ids.at(i), list.first + i);
    }
}

const TableNames::List &TableNames::list(Reference kind) const
{
    switch (kind) {
    case Reference::Troop:
        return mTroops;
    case Reference::Faction:
        return mFactions;
    case Reference::Item:
        return mItems;
    case Reference::PartyTemplate:
        break;
    }
    return mTemplates;
}

QString TableNames::word(Reference kind)
{
    switch (kind) {
    case Reference::Troop:
        return Text::tr("troop");
    case Reference::Faction:
        return Text::tr("faction");
    case Reference::Item:
        return Text::tr("item");
    case Reference::PartyTemplate:
        break;
    }
    return Text::tr("party template");
}

QString TableNames::cell(Reference kind, qint64 n) const
{
    const List &names = list(kind);
    const bool hasNone = kind == Reference::Troop || kind == Reference::Faction;
    if (hasNone && n == 0)
        return {};
    const qint64 i = n - names.first;
    if (i >= 0 && i < names.ids.size() && !names.ids.at(i).isEmpty())
        return names.ids.at(i);
    return QString::number(n);
}

Result<qint64> TableNames::number(Reference kind, const QString &cell) const
{
    const List &names = list(kind);
    const QString text = cell.trimmed();
    const QString what = word(kind);
    if (text.isEmpty()) {
        if (kind == Reference::Troop || kind == Reference::Faction)
            return qint64(0);
        return Error{ErrorCode::InvalidValue, Text::tr("a %1 is needed").arg(what)};
    }
    if (const auto n = parseWholeNumber(QStringView(text))) {
        if (*n >= names.first && *n < names.count)
            return *n;
        return Error{
            ErrorCode::OutOfRange,
            Text::tr("no %1 has the number %2 (%3 to %4)").arg(what, text).arg(names.first).arg(names.count - 1)};
    }
    const auto found = names.index.constFind(text);
    if (found != names.index.cend())
        return *found;
    return Error{ErrorCode::InvalidValue, Text::tr("%1 names no %2 of this module").arg(text, what)};
}

TableNames::List &TableNames::records(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Troop:
        return mTroops;
    case RecordKind::PartyTemplate:
        return mTemplates;
    case RecordKind::Party:
        break;
    }
    return mParties;
}

QString TableNames::id(RecordKind kind, qsizetype k) const
{
    return records(kind).ids.value(k);
}

qsizetype TableNames::recordWithId(RecordKind kind, const QString &id) const
{
    return records(kind).index.value(id, -1);
}

void TableNames::setId(RecordKind kind, qsizetype k, const QString &id)
{
    List &names = records(kind);
    if (k >= 0 && k < names.ids.size() && names.ids.at(k) != id) {
        names.ids[k] = id;
        names.index.insert(id, k);
    }
}

void TableNames::addAlias(RecordKind kind, const QString &id, qsizetype k)
{
    records(kind).index.insert(id, k);
}

} // namespace lancefall
