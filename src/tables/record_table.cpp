#include "tables/record_table.h"

#include "fields/field_rules.h"
#include "tables/change_description.h"
#include "tables/csv_table.h"
#include "tables/table_columns.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <type_traits>

namespace lancefall {

namespace {

// The texts of this file, translated in the context "Tables".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Tables)
};

template <typename View>
constexpr RecordKind kindOf()
{
    if constexpr (std::is_same_v<View, TroopView>)
        return RecordKind::Troop;
    else if constexpr (std::is_same_v<View, PartyTemplateView>)
        return RecordKind::PartyTemplate;
    else
        return RecordKind::Party;
}

// Record k as a table shows it; missingItems when its inventory names items the catalogue
// does not hold, which the view leaves out.
template <typename View>
struct Stored {
    View view;
    bool missingItems = false;
};

template <typename View>
Result<Stored<View>> storedView(const ModuleDocument &document, qsizetype k)
{
    if constexpr (std::is_same_v<View, TroopView>) {
        Result<DecodedTroop> decoded = document.troopView(k);
        if (!decoded)
            return decoded.error();
        return Stored<View>{std::move(decoded->view), !decoded->missingItemsWarning.isEmpty()};
    } else {
        Result<View> view = [&] {
            if constexpr (std::is_same_v<View, PartyTemplateView>)
                return document.templateView(k);
            else
                return document.partyView(k);
        }();
        if (!view)
            return view.error();
        return Stored<View>{std::move(*view)};
    }
}

template <typename View>
Result<ModuleChange> changeOf(const ModuleDocument &document, qsizetype k, const View &view, const View &stored)
{
    if constexpr (std::is_same_v<View, TroopView>)
        return document.troopChange(k, view, &stored);
    else if constexpr (std::is_same_v<View, PartyTemplateView>)
        return document.templateChange(k, view);
    else
        return document.partyChange(k, view);
}

QString recordFile(RecordKind kind)
{
    return moduleFileName(fileOf(kind));
}

// "troop 12 (trp_aurel_guard)"
QString recordName(const TableNames &names, RecordKind kind, qsizetype k)
{
    const QString id = names.id(kind, k);
    return id.isEmpty() ? numberedRecord(kind, k) : Text::tr("%1 (%2)").arg(numberedRecord(kind, k), id);
}

// A header cell as a column name: any case, blanks or hyphens for underscores.
QString columnKey(const QString &cell)
{
    QString key = cell.trimmed().toLower();
    key.replace(u' ', u'_').replace(u'-', u'_');
    return key;
}

// UTF-8 cells, or nothing for bytes that are not UTF-8 (a sheet saved in a legacy code
// page): reading them as something else would put other names into the module.
std::optional<QString> utf8Text(const QByteArray &bytes)
{
    const QString text = QString::fromUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter) && !bytes.contains("\xEF\xBF\xBD"))
        return std::nullopt;
    return text;
}

template <typename View>
Result<TableExport> exportRecords(const ModuleDocument &document, const TableNames &names)
{
    constexpr RecordKind kind = kindOf<View>();
    const QList<Column<View>> &columns = columnsOf<View>();
    const QString file = recordFile(kind);
    const RecordIndex &records = document.module().records(kind);
    TableExport out;
    QList<QList<QByteArray>> rows;
    rows.reserve(records.count() + 1);
    QList<QByteArray> header;
    for (const QString &name : tableColumns(kind))
        header.append(name.toUtf8());
    rows.append(header);
    for (qsizetype k = 0; k < records.count(); ++k) {
        const Result<Stored<View>> stored = storedView<View>(document, k);
        if (!stored) {
            const Error &error = stored.error();
            if (error.code == ErrorCode::EmptyCatalogue)
                return error;
            out.warnings.append(
                {file,
                 error.line > 0 ? error.line : records.line(k),
                 {},
                 Text::tr("%1 is left out of the table: %2").arg(recordName(names, kind, k), error.description)});
            continue;
        }
        if (stored->missingItems)
            out.warnings.append({file, records.line(k), QStringLiteral("inventory"),
                                 Text::tr("%1 names items that item_kinds1.txt does not hold: they are left out "
                                          "of the table, and an import that changes this inventory drops them")
                                     .arg(recordName(names, kind, k))});
        QList<QByteArray> row;
        row.reserve(columns.size() + 1);
        row.append(QByteArray::number(k));
        for (const Column<View> &column : columns)
            row.append(column.write(stored->view, names).toUtf8());
        rows.append(std::move(row));
        ++out.rows;
    }
    out.csv = writeCsv(rows);
    return out;
}

// One data row, checked and matched to its record.
template <typename View>
struct Row {
    qsizetype line = 0;
    qsizetype record = -1;
    QStringList cells;
    Stored<View> stored;
};

template <typename View>
class Importer {
public:
    Importer(const ModuleDocument &document, const QString &fileName, TableNames &names, TableImport &result)
        : mDocument(document)
        , mFile(fileName)
        , mNames(names)
        , mResult(result)
    {
    }

    void run(const QStringList &header, qsizetype headerLine, const QList<CsvRow> &data)
    {
        if (!readHeader(header, headerLine))
            return;
        QList<Row<View>> rows;
        for (const CsvRow &row : data)
            matchRow(row, header.size(), rows);
        if (mIdCell >= 0)
            checkIdentifiers(rows);
        for (const Row<View> &row : std::as_const(rows))
            importRow(row);
        mResult.change.text
            = Text::tr("Import %1 from %2").arg(countedRecords(kKind, mResult.change.records.size()), mFile);
    }

private:
    static constexpr RecordKind kKind = kindOf<View>();

    void error(qsizetype line, const QString &column, const QString &text)
    {
        mResult.errors.append({mFile, line, column, text});
    }

    bool readHeader(const QStringList &header, qsizetype line)
    {
        const QList<Column<View>> &columns = columnsOf<View>();
        QHash<QString, qsizetype> seen;
        for (qsizetype i = 0; i < header.size(); ++i) {
            const QString key = columnKey(header.at(i));
            // A spreadsheet may add columns without a name; nothing is read from them.
            if (key.isEmpty())
                continue;
            mHeaderKeys.insert(i, key);
            if (seen.contains(key)) {
                error(line, key, Text::tr("the column stands twice in the header"));
                continue;
            }
            seen.insert(key, i);
            if (key == kNumberColumn) {
                mNumberCell = i;
                continue;
            }
            const auto known
                = std::find_if(columns.cbegin(), columns.cend(), [&](const Column<View> &c) { return c.name == key; });
            if (known == columns.cend()) {
                mResult.warnings.append(
                    {mFile, line, header.at(i),
                     Text::tr("no column of a %1 table has this name: it is ignored").arg(recordWord(kKind))});
                continue;
            }
            mCells.append({qsizetype(known - columns.cbegin()), i});
            if (key == QStringLiteral("id"))
                mIdCell = i;
            if (key == QStringLiteral("faction") && mNames.factionProblem())
                error(line, key, Text::tr("%1: load the module again").arg(*mNames.factionProblem()));
        }
        if (mNumberCell < 0)
            error(line, kNumberColumn, Text::tr("the header has no number column: rows are matched to records by it"));
        return mNumberCell >= 0;
    }

    void matchRow(const CsvRow &data, qsizetype width, QList<Row<View>> &rows)
    {
        if (data.cells.size() != width) {
            error(data.line, {}, Text::tr("the row has %1 cells, the header %2").arg(data.cells.size()).arg(width));
            return;
        }
        Row<View> row;
        row.line = data.line;
        bool readable = true;
        for (qsizetype i = 0; i < width; ++i) {
            const std::optional<QString> text = utf8Text(data.cells.at(i));
            if (!text) {
                error(data.line, mHeaderKeys.value(i),
                      Text::tr("the cell is not UTF-8 text: save the table as UTF-8 CSV"));
                readable = false;
            }
            row.cells.append(text.value_or(QString()));
        }
        if (!readable)
            return;
        const QString number = row.cells.at(mNumberCell).trimmed();
        const auto k = parseWholeNumber(QStringView(number));
        const qsizetype count = mDocument.recordCount(kKind);
        if (!k || *k < 0 || *k >= count) {
            error(row.line, kNumberColumn,
                  Text::tr("no %1 has the number \"%2\" (0 to %3)").arg(recordWord(kKind), number).arg(count - 1));
            return;
        }
        row.record = *k;
        if (const auto first = mRowOf.constFind(row.record); first != mRowOf.cend()) {
            error(row.line, kNumberColumn,
                  Text::tr("a second row for %1: the first is row %2")
                      .arg(recordName(mNames, kKind, row.record))
                      .arg(*first));
            return;
        }
        mRowOf.insert(row.record, row.line);
        Result<Stored<View>> stored = storedView<View>(mDocument, row.record);
        if (!stored) {
            error(row.line, kNumberColumn,
                  Text::tr("%1 cannot be read, so it cannot be changed: %2")
                      .arg(recordName(mNames, kKind, row.record), stored.error().text()));
            return;
        }
        row.stored = std::move(*stored);
        rows.append(std::move(row));
    }

    // A row keeps its record's number: an identifier another record holds means the row was
    // renumbered, not renamed. New identifiers must be unique once the whole table is in.
    void checkIdentifiers(const QList<Row<View>> &rows)
    {
        QHash<QString, const Row<View> *> renamed;
        for (const Row<View> &row : rows) {
            const QString &current = row.stored.view.id;
            const QString id = withoutBlanks(row.cells.at(mIdCell));
            if (id == current)
                continue;
            const qsizetype holder = mNames.recordWithId(kKind, id);
            if (holder >= 0 && holder != row.record) {
                mRefused.insert(row.line);
                error(row.line, QStringLiteral("id"),
                      Text::tr("%1 is the identifier of %2, not of %3: rows are matched to records by number, so "
                               "a row cannot move to another record")
                          .arg(id, recordName(mNames, kKind, holder), recordName(mNames, kKind, row.record)));
            } else if (const Row<View> *other = renamed.value(id)) {
                mRefused.insert(row.line);
                error(row.line, QStringLiteral("id"),
                      Text::tr("%1 is also the new identifier of %2 on row %3")
                          .arg(id, recordName(mNames, kKind, other->record))
                          .arg(other->line));
            } else {
                renamed.insert(id, &row);
            }
        }
        // References in the table may name a record by its new identifier.
        for (auto it = renamed.cbegin(); it != renamed.cend(); ++it)
            mNames.addAlias(kKind, it.key(), it.value()->record);
    }

    void importRow(const Row<View> &row)
    {
        const QList<Column<View>> &columns = columnsOf<View>();
        View edited = row.stored.view;
        QList<const Column<View> *> changed;
        bool readable = true;
        for (const auto &[column, cell] : std::as_const(mCells)) {
            const Column<View> &c = columns.at(column);
            const QString &text = row.cells.at(cell);
            if (text == c.write(row.stored.view, mNames))
                continue;
            if (const auto problem = c.read(text, edited, mNames)) {
                error(row.line, c.name, *problem);
                readable = false;
                continue;
            }
            changed.append(&c);
        }
        if (!readable || changed.isEmpty() || mRefused.contains(row.line))
            return;
        const Result<ModuleChange> change = changeOf(mDocument, row.record, edited, row.stored.view);
        if (!change) {
            error(row.line, changed.first()->name, change.error().description);
            return;
        }
        if (!checkKept(row, edited, changed, change->records.first()) || !change->changesLines())
            return;
        if (row.stored.missingItems
            && std::any_of(changed.cbegin(), changed.cend(), [](const Column<View> *c) { return c->inventory; }))
            mResult.warnings.append({mFile, row.line, QStringLiteral("inventory"),
                                     Text::tr("%1 names items that item_kinds1.txt does not hold: the new "
                                              "inventory drops them")
                                         .arg(recordName(mNames, kKind, row.record))});
        mResult.change.append(*change);
    }

    // Every value read into the record must read back from its new lines. A member slot
    // without a troop keeps no counts, so counts given to it alone would be lost.
    bool checkKept(const Row<View> &row, const View &edited, const QList<const Column<View> *> &changed,
                   const RecordChange &record)
    {
        const Result<View> after = recordView<View>(mDocument, record, true);
        if (!after) {
            error(row.line, changed.first()->name, after.error().description);
            return false;
        }
        bool kept = true;
        for (const Column<View> *c : changed) {
            // Names and face codes are written tidied ("_" for blanks, every face digit).
            if (c->name == QStringLiteral("id") || c->name.contains(QStringLiteral("name"))
                || c->name.startsWith(QStringLiteral("face_")))
                continue;
            const QString wanted = c->write(edited, mNames);
            const QString written = c->write(*after, mNames);
            if (wanted == written)
                continue;
            kept = false;
            const QString was = written.isEmpty() ? Text::tr("none") : written;
            error(row.line, c->name,
                  (c->name.startsWith(QStringLiteral("member_"))
                       ? Text::tr("%1 would read %2, not %3, after the import: a member slot without a troop keeps "
                                  "no counts")
                       : Text::tr("%1 would read %2, not %3, after the import"))
                      .arg(c->word(), was, wanted));
        }
        return kept;
    }

    const ModuleDocument &mDocument;
    QString mFile;
    TableNames &mNames;
    TableImport &mResult;
    qsizetype mNumberCell = -1;
    qsizetype mIdCell = -1;
    QList<std::pair<qsizetype, qsizetype>> mCells; // column -> cell, for the columns present
    QHash<qsizetype, QString> mHeaderKeys;         // cell -> column name
    QHash<qsizetype, qsizetype> mRowOf;            // record -> row
    QSet<qsizetype> mRefused;                      // rows whose identifier is refused
};

// The kind whose columns the header names most; among kinds that tie, the one whose
// prefix the first row's identifier has.
std::optional<RecordKind> kindOfTable(const QStringList &keys, const QList<QStringList> &rows)
{
    QList<RecordKind> best;
    qsizetype most = 0;
    for (const RecordKind kind : kRecordKinds) {
        const QStringList columns = tableColumns(kind);
        qsizetype known = 0;
        for (const QString &key : keys)
            known += columns.contains(key) && key != kNumberColumn ? 1 : 0;
        if (known > most)
            best.clear();
        if (known >= most && known > 0) {
            most = known;
            best.append(kind);
        }
    }
    if (best.size() == 1)
        return best.first();
    const qsizetype idCell = keys.indexOf(QStringLiteral("id"));
    if (idCell < 0 || rows.isEmpty() || idCell >= rows.first().size())
        return std::nullopt;
    const QString id = rows.first().at(idCell).trimmed();
    for (const RecordKind kind : best) {
        if (id.startsWith(QString::fromLatin1(describe(kind).idPrefix)))
            return kind;
    }
    return std::nullopt;
}

} // namespace

QString TableMessage::toString() const
{
    QString text = file + u':';
    if (line > 0)
        text += QString::number(line) + u':';
    if (!column.isEmpty())
        text += u' ' + column + u':';
    return text + u' ' + this->text;
}

Result<TableExport> exportTable(const ModuleDocument &document, RecordKind kind)
{
    const TableNames names(document);
    if (names.factionProblem())
        return Error{ErrorCode::FileRead, *names.factionProblem()};
    switch (kind) {
    case RecordKind::Troop:
        return exportRecords<TroopView>(document, names);
    case RecordKind::PartyTemplate:
        return exportRecords<PartyTemplateView>(document, names);
    case RecordKind::Party:
        break;
    }
    return exportRecords<PartyView>(document, names);
}

TableImport importTable(const ModuleDocument &document, const QByteArray &bytes, const QString &fileName,
                        std::optional<RecordKind> kind)
{
    TableImport result;
    const auto fail = [&](qsizetype line, const QString &text) {
        result.errors.append({fileName, line, {}, text});
        return result;
    };
    qsizetype records = 0;
    for (const RecordKind k : kRecordKinds)
        records = std::max(records, document.recordCount(k));
    // Room for every record, the header, and rows enough to be told what is wrong with them.
    const CsvRead csv = readCsv(bytes, records + 1 + 1000);
    if (csv.rows.isEmpty())
        return fail(csv.problem ? csv.problem->line : 1,
                    csv.problem ? csv.problem->message : Text::tr("the table has no header row"));

    const CsvRow &head = csv.rows.first();
    QStringList header;
    QStringList keys;
    for (const QByteArray &cell : head.cells) {
        const std::optional<QString> text = utf8Text(cell);
        if (!text)
            return fail(head.line, Text::tr("the header is not UTF-8 text: save the table as UTF-8 CSV"));
        header.append(*text);
        keys.append(columnKey(*text));
    }
    const QList<CsvRow> data = csv.rows.mid(1);
    if (!kind) {
        QList<QStringList> firstRows;
        if (!data.isEmpty()) {
            QStringList cells;
            for (const QByteArray &cell : data.first().cells)
                cells.append(QString::fromUtf8(cell));
            firstRows.append(cells);
        }
        kind = kindOfTable(keys, firstRows);
        if (!kind)
            return fail(head.line,
                        Text::tr("the header does not tell whether the table holds troops, party templates or "
                                 "parties: add a column only one of them has, or the id column"));
    }
    result.kind = *kind;
    if (csv.problem)
        result.errors.append({fileName, csv.problem->line, {}, csv.problem->message});

    TableNames names(document);
    switch (*kind) {
    case RecordKind::Troop:
        Importer<TroopView>(document, fileName, names, result).run(header, head.line, data);
        break;
    case RecordKind::PartyTemplate:
        Importer<PartyTemplateView>(document, fileName, names, result).run(header, head.line, data);
        break;
    case RecordKind::Party:
        Importer<PartyView>(document, fileName, names, result).run(header, head.line, data);
        break;
    }
    if (!result.errors.isEmpty())
        result.change = ModuleChange{};
    std::stable_sort(result.errors.begin(), result.errors.end(),
                     [](const TableMessage &a, const TableMessage &b) { return a.line < b.line; });
    return result;
}

} // namespace lancefall
