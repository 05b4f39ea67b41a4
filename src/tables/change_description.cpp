#include "tables/change_description.h"

#include "tables/table_columns.h"

#include <QCoreApplication>
#include <QHash>

#include <type_traits>

namespace lancefall {

namespace {

// The texts of this file, translated in the context "Tables".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Tables)
};

const QString kArrow = QStringLiteral(" \u2192 ");
const QString kMinus = QStringLiteral("\u2212");

// The lines of a record, numbered from 1, as they stand before or after the change; an
// error is moved back to the record's own line of its file.
struct RecordLines {
    LineTable lines;
    qsizetype first = 0;

    template <typename T>
    Result<T> placed(Result<T> result) const
    {
        if (result)
            return result;
        Error error = result.error();
        if (error.line > 0)
            error.line += first - 1;
        return error;
    }
};

RecordLines linesOf(const ModuleDocument &document, const RecordChange &record, bool after, int count)
{
    const LineTable &stored = document.module().lines(record.kind);
    RecordLines out;
    out.first = document.module().records(record.kind).line(record.record);
    for (qsizetype n = out.first; n < out.first + count && stored.contains(n); ++n) {
        QByteArray line = QByteArrayView(stored.line(n)).toByteArray();
        for (const LineChange &change : record.lines) {
            if (change.line == n)
                line = after ? change.after : change.before;
        }
        out.lines.append(line);
    }
    return out;
}

QString shown(const QString &cell)
{
    return cell.isEmpty() ? Text::tr("none") : cell;
}

// Items added and removed, each as often as its count changed, in the order they stand.
QString inventoryDifference(const QString &before, const QString &after)
{
    const QStringList was = before.split(u' ', Qt::SkipEmptyParts);
    const QStringList now = after.split(u' ', Qt::SkipEmptyParts);
    QHash<QString, int> balance; // how many more the new inventory holds
    for (const QString &item : now)
        ++balance[item];
    for (const QString &item : was)
        --balance[item];
    QStringList parts;
    QHash<QString, int> added = balance;
    for (const QString &item : now) {
        if (added.value(item) > 0) {
            parts.append(u'+' + item);
            --added[item];
        }
    }
    QHash<QString, int> removed = balance;
    for (const QString &item : was) {
        if (removed.value(item) < 0) {
            parts.append(kMinus + item);
            ++removed[item];
        }
    }
    return parts.isEmpty() ? Text::tr("Inventory reordered") : Text::tr("Inventory %1").arg(parts.join(u' '));
}

template <typename View>
QStringList describeColumns(const View &before, const View &after, const TableNames &names)
{
    QStringList fields;
    for (const Column<View> &column : columnsOf<View>()) {
        const QString was = column.write(before, names);
        const QString now = column.write(after, names);
        if (was == now)
            continue;
        fields.append(column.inventory ? inventoryDifference(was, now)
                                       : column.word() + u' ' + shown(was) + kArrow + shown(now));
    }
    return fields;
}

template <typename View>
QStringList describeRecord(const ModuleDocument &document, const RecordChange &record, const TableNames &names)
{
    const Result<View> before = recordView<View>(document, record, false);
    if (!before)
        return {Text::tr("cannot be read before the change: %1").arg(before.error().text())};
    const Result<View> after = recordView<View>(document, record, true);
    if (!after)
        return {Text::tr("cannot be read after the change: %1").arg(after.error().text())};
    QStringList fields = describeViews(*before, *after, names);
    if (fields.isEmpty() && record.changesLines())
        fields.append(Text::tr("no field shown changes"));
    return fields;
}

} // namespace

template <>
Result<TroopView> recordView<TroopView>(const ModuleDocument &document, const RecordChange &record, bool after)
{
    const Module &module = document.module();
    const RecordLines lines = linesOf(document, record, after, kTroopInterpretedLines);
    const Result<DecodedTroop> decoded = lines.placed(decodeTroop(lines.lines, 1, module.troops.layout, module.items));
    if (!decoded)
        return decoded.error();
    return decoded->view;
}

template <>
Result<PartyTemplateView> recordView<PartyTemplateView>(const ModuleDocument &document, const RecordChange &record,
                                                        bool after)
{
    const RecordLines lines = linesOf(document, record, after, 1);
    return lines.placed(decodePartyTemplate(lines.lines, 1));
}

template <>
Result<PartyView> recordView<PartyView>(const ModuleDocument &document, const RecordChange &record, bool after)
{
    const RecordLines lines = linesOf(document, record, after, 1);
    return lines.placed(decodeParty(lines.lines, 1));
}

QStringList describeViews(const TroopView &before, const TroopView &after, const TableNames &names)
{
    return describeColumns(before, after, names);
}

QStringList describeViews(const PartyTemplateView &before, const PartyTemplateView &after, const TableNames &names)
{
    return describeColumns(before, after, names);
}

QStringList describeViews(const PartyView &before, const PartyView &after, const TableNames &names)
{
    return describeColumns(before, after, names);
}

ChangeDescriber::ChangeDescriber(const ModuleDocument &document, const ModuleChange *change)
    : mDocument(document)
    , mNames(document)
{
    if (!change)
        return;
    for (const RecordChange &record : change->records)
        mNames.setId(record.kind, record.record, record.id);
}

QStringList ChangeDescriber::describe(const RecordChange &record) const
{
    switch (record.kind) {
    case RecordKind::Troop:
        return describeRecord<TroopView>(mDocument, record, mNames);
    case RecordKind::PartyTemplate:
        return describeRecord<PartyTemplateView>(mDocument, record, mNames);
    case RecordKind::Party:
        break;
    }
    return describeRecord<PartyView>(mDocument, record, mNames);
}

QStringList describeChange(const ModuleDocument &document, const RecordChange &record)
{
    return ChangeDescriber(document).describe(record);
}

} // namespace lancefall
