#include "module_generator/module_generator.h"
#include "support/fixture_folder.h"
#include "support/marking_translator.h"
#include "tables/change_description.h"
#include "tables/csv_table.h"
#include "tables/record_table.h"
#include "tables/table_columns.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <optional>

using namespace lancefall;
using namespace lancefall::testing;
using namespace Qt::StringLiterals;

namespace {

using Rows = QList<QList<QByteArray>>;

Rows rowsOf(const QByteArray &csv)
{
    Rows rows;
    for (const CsvRow &row : readCsv(csv).rows)
        rows.append(row.cells);
    return rows;
}

// Sets the cell of a column in the row of record k ("+" appends a cell, a column of its own).
void setCell(Rows &rows, qsizetype k, const QByteArray &column, const QByteArray &value)
{
    const qsizetype at = rows.first().indexOf(column);
    for (QList<QByteArray> &row : rows) {
        if (row.first() == QByteArray::number(k))
            at < 0 ? row.append(value) : void(row[at] = value);
    }
}

struct Opened {
    QTemporaryDir dir;
    ModuleDocument document;
    bool ok = false;
};

// The sample module, or one generated from options, opened from a copy.
void open(Opened &opened, const GeneratedModuleOptions *options = nullptr)
{
    const bool made = options ? writeGeneratedModule(opened.dir.path(), *options)
                              : copyFolder(sampleModuleFolder(), opened.dir.path());
    opened.ok = made && opened.document.open(opened.dir.path() + u'/').ok();
}

QByteArray exported(const ModuleDocument &document, RecordKind kind)
{
    const Result<TableExport> table = exportTable(document, kind);
    return table ? table->csv : QByteArray();
}

QStringList texts(const QList<TableMessage> &messages)
{
    QStringList out;
    for (const TableMessage &m : messages)
        out.append(m.toString());
    return out;
}

} // namespace

class TestRecordTable : public QObject {
    Q_OBJECT

private slots:
    // Column names are the same in every language, even when the columns are first made
    // under a translator (first of the tests, as the first export of a translated window);
    // the words of messages are those of the language installed when a message is made.
    void columnNamesFollowNoLanguage()
    {
        Opened opened;
        open(opened);
        QVERIFY(opened.ok);
        std::optional<MarkingTranslator> marking;
        marking.emplace();
        for (const RecordKind kind : kRecordKinds)
            QVERIFY2(!tableColumns(kind).join(u',').contains(u'['), qPrintable(tableColumns(kind).join(u',')));
        Rows rows = rowsOf(exported(opened.document, RecordKind::Troop));
        setCell(rows, 1, "level", "5.5");
        const auto errors = [&] { return texts(importTable(opened.document, writeCsv(rows), u"b.csv"_s).errors); };
        QVERIFY2(errors().join(u' ').contains(u"[Level]"), qPrintable(errors().join(u' ')));
        marking.reset();
        QCOMPARE(errors().join(u' ').count(u'['), 0);
    }

    // A table exported and imported unchanged changes nothing at all, whatever a spreadsheet
    // did to its order, its separator or its mark: stored spellings, modifiers, gaps in
    // inventories, members naming troop 0, GB18030 names all stay.
    void anUnchangedTableChangesNothing_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("generated");
        QTest::addColumn<bool>("reshuffled"); // sorted by the 4th column, columns reversed, ';', no mark
        for (const RecordKind kind : kRecordKinds) {
            const QByteArray name = tableWord(kind).toLatin1();
            QTest::newRow(name + " of the sample") << int(kind) << false << false;
            QTest::newRow(name + " of a generated module") << int(kind) << true << false;
            QTest::newRow(name + " reshuffled") << int(kind) << true << true;
        }
    }
    void anUnchangedTableChangesNothing()
    {
        QFETCH(int, kind);
        QFETCH(bool, generated);
        QFETCH(bool, reshuffled);
        const GeneratedModuleOptions options{.troops = 400, .items = 300, .templates = 120, .parties = 60,
                                             .game095 = false, .gb18030Names = true, .seed = 5};
        Opened opened;
        open(opened, generated ? &options : nullptr);
        QVERIFY(opened.ok);
        QByteArray csv = exported(opened.document, RecordKind(kind));
        QVERIFY(!csv.isEmpty());
        if (reshuffled) {
            Rows rows = rowsOf(csv);
            const qsizetype level = std::max(rows.first().indexOf("level"), qsizetype(3));
            std::sort(rows.begin() + 1, rows.end(), [&](const auto &a, const auto &b) { return a.at(level) < b.at(level); });
            QByteArray text;
            for (QList<QByteArray> &row : rows) {
                std::reverse(row.begin(), row.end());
                text += row.join(';') + "\n";
            }
            csv = text;
        }
        const TableImport import = importTable(opened.document, csv, u"balance.csv"_s);
        QVERIFY2(import.ok(), qPrintable(texts(import.errors).join(u'\n')));
        QCOMPARE(int(import.kind), kind);
        QVERIFY(import.warnings.isEmpty());
        QCOMPARE(import.change.records.size(), 0);
    }

    // One cell changed changes that field alone: after the save, one line of one file differs,
    // and only in that field. The change names the field as the window does. Columns left
    // out of the table are left alone.
    void oneCellChangesOneField_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<qsizetype>("record");
        QTest::addColumn<QByteArray>("column");
        QTest::addColumn<QByteArray>("cell");
        QTest::addColumn<bool>("alone"); // the table holds the number and this column only
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("field");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QString>("description");
        const int troop = int(RecordKind::Troop);
        QTest::newRow("level") << troop << qsizetype(2) << "level"_ba << "12"_ba << false << 19 << 6 << "12"_ba
                               << u"Level 10 → 12"_s;
        QTest::newRow("name") << troop << qsizetype(2) << "name"_ba << "Aurel_Veteran"_ba << true << 17 << 1
                              << "Aurel_Veteran"_ba << u"Name 1 Aurel_Footman → Aurel_Veteran"_s;
        QTest::newRow("upgrade path") << troop << qsizetype(2) << "upgrade_b"_ba << "trp_aurel_bowman"_ba << false
                                      << 17 << 9 << "5"_ba << u"Upgrade path B none → trp_aurel_bowman"_s;
        QTest::newRow("flag") << troop << qsizetype(2) << "hero"_ba << "1"_ba << true << 17 << 4 << "3145744"_ba
                              << u"Hero 0 → 1"_s;
        QTest::newRow("inventory") << troop << qsizetype(1) << "inventory"_ba
                                   << "itm_hatchet itm_boar_spear 23 28 32 itm_pike"_ba << false << 11
                                   << 12 << "8"_ba << u"Inventory +itm_pike"_s;
        QTest::newRow("item modifier") << troop << qsizetype(1) << "inventory"_ba
                                       << "itm_hatchet@3 itm_boar_spear 23 28 32"_ba << false << 11 << 3
                                       << "50331648"_ba << u"Inventory +itm_hatchet@3 −itm_hatchet"_s;
        const int partyTemplate = int(RecordKind::PartyTemplate);
        QTest::newRow("member maximum") << partyTemplate << qsizetype(0) << "member_2_max"_ba << "8"_ba << false << 3
                                        << 12 << "8"_ba << u"Member 2 maximum 6 → 8"_s;
        QTest::newRow("personality") << partyTemplate << qsizetype(0) << "personality"_ba << "Bandit"_ba << true << 3
                                     << 5 << "312"_ba << u"Personality soldier → bandit"_s;
        const int party = int(RecordKind::Party);
        QTest::newRow("faction") << party << qsizetype(1) << "faction"_ba << "fac_veyra_clans"_ba << false << 5 << 9
                                 << "2"_ba << u"Faction fac_kingdom_of_aurel → fac_veyra_clans"_s;
        QTest::newRow("template by number") << party << qsizetype(1) << "template"_ba << "0"_ba << true << 5 << 8
                                            << "0"_ba << u"Party template pt_town_watch → pt_aurel_patrol"_s;
    }
    void oneCellChangesOneField()
    {
        QFETCH(int, kind);
        QFETCH(qsizetype, record);
        QFETCH(QByteArray, column);
        QFETCH(QByteArray, cell);
        QFETCH(bool, alone);
        QFETCH(int, line);
        QFETCH(int, field);
        Opened opened;
        open(opened);
        QVERIFY(opened.ok);
        Rows rows = rowsOf(exported(opened.document, RecordKind(kind)));
        const qsizetype at = rows.first().indexOf(column);
        QVERIFY(at > 0);
        if (alone) {
            for (QList<QByteArray> &row : rows)
                row = {row.first(), row.at(at)};
        }
        setCell(rows, record, column, cell);
        const TableImport import = importTable(opened.document, writeCsv(rows), u"balance.csv"_s, RecordKind(kind));
        QVERIFY2(import.ok(), qPrintable(texts(import.errors).join(u'\n')));
        QCOMPARE(import.change.records.size(), 1);
        QCOMPARE(import.change.text, u"Import 1 %1 from balance.csv"_s.arg(recordWord(RecordKind(kind))));
        QTEST(describeChange(opened.document, import.change.records.first()).join(u", "), "description");

        const QByteArrayList before = editedFiles(opened.dir.path());
        opened.document.apply(import.change);
        QVERIFY(opened.document.save().ok());
        QTEST(describeChange(opened.document, import.change.records.first()).join(u", "), "description");
        const QByteArrayList after = editedFiles(opened.dir.path());
        for (int file = 0; file < kEditedFileCount; ++file) {
            const QByteArrayList was = QByteArray(before.at(file)).replace('\r', "").split('\n');
            const QByteArrayList now = QByteArray(after.at(file)).replace('\r', "").split('\n');
            QCOMPARE(now.size(), was.size());
            for (int n = 0; n < was.size(); ++n) {
                if (file != kind || n + 1 != line) {
                    QCOMPARE(now.at(n), was.at(n));
                    continue;
                }
                const QByteArrayList wasFields = was.at(n).split(' ');
                QByteArrayList expected = wasFields;
                QTEST(now.at(n).split(' ').at(field), "written");
                expected[field] = now.at(n).split(' ').at(field);
                QCOMPARE(now.at(n).split(' '), expected);
                QVERIFY(expected != wasFields);
            }
        }
    }

    // Any error refuses the whole table, each reported with the row and column it stands in.
    void errorsRefuseTheWholeTable_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<qsizetype>("record"); // -1: the bytes are changed instead
        QTest::addColumn<QByteArray>("column");
        QTest::addColumn<QByteArray>("cell");
        QTest::addColumn<QStringList>("errors"); // the start of each
        const int troop = int(RecordKind::Troop);
        QTest::newRow("unknown reference") << troop << qsizetype(1) << "upgrade_a"_ba << "trp_nobody"_ba
                                           << QStringList{u"balance.csv:3: upgrade_a: trp_nobody names no troop"_s};
        QTest::newRow("a wrong number") << troop << qsizetype(1) << "level"_ba << "5.5"_ba
                                        << QStringList{u"balance.csv:3: level: Level must be a whole number"_s};
        QTest::newRow("the id of another record") << troop << qsizetype(1) << "id"_ba << "trp_aurel_footman"_ba
            << QStringList{u"balance.csv:3: id: trp_aurel_footman is the identifier of troop 2 (trp_aurel_footman)"_s};
        QTest::newRow("a record number that is none") << troop << qsizetype(1) << "number"_ba << "38"_ba
                                                      << QStringList{u"balance.csv:3: number: no troop has the number"_s};
        QTest::newRow("two rows for a record") << troop << qsizetype(1) << "number"_ba << "2"_ba
            << QStringList{u"balance.csv:3: id: trp_aurel_recruit is the identifier of troop 1"_s,
                           u"balance.csv:4: number: a second row for troop 2"_s};
        QByteArray items = "itm_hatchet";
        for (int i = 1; i < 65; ++i)
            items += " itm_hatchet";
        QTest::newRow("65 items") << troop << qsizetype(1) << "inventory"_ba << items
                                  << QStringList{u"balance.csv:3: inventory: Inventory holds 65 items"_s};
        QTest::newRow("a cell not UTF-8") << troop << qsizetype(-1) << "Aurel_Recruit,"_ba << "Aurel_R\xE9" "cruit,"_ba
                                          << QStringList{u"balance.csv:3: name: the cell is not UTF-8 text"_s};
        QTest::newRow("counts of a slot without a troop")
            << int(RecordKind::PartyTemplate) << qsizetype(0) << "member_4_min"_ba << "3"_ba
            << QStringList{u"balance.csv:2: member_4_min: Member 4 minimum would read 0, not 3"_s};
        QTest::newRow("a cell too many") << troop << qsizetype(1) << "+"_ba << "x"_ba
                                         << QStringList{u"balance.csv:3: the row has 63 cells, the header 62"_s};
        QTest::newRow("a broken line") << troop << qsizetype(-1) << "\r\n2,"_ba << "\r\n\"2,"_ba
                                       << QStringList{u"balance.csv:4: broken line"_s};
    }
    void errorsRefuseTheWholeTable()
    {
        QFETCH(int, kind);
        QFETCH(qsizetype, record);
        QFETCH(QByteArray, column);
        QFETCH(QByteArray, cell);
        QFETCH(QStringList, errors);
        Opened opened;
        open(opened);
        QVERIFY(opened.ok);
        Rows rows = rowsOf(exported(opened.document, RecordKind(kind)));
        if (kind == int(RecordKind::Troop))
            setCell(rows, 3, "level", "99"); // a good edit beside the bad one
        QByteArray csv = writeCsv(rows);
        if (record < 0)
            csv.replace(column, cell);
        else if (column == "number") // the row of record 1 takes another number
            csv.replace("\r\n1,", "\r\n" + cell + ',');
        else {
            setCell(rows, record, column, cell);
            csv = writeCsv(rows);
        }
        const TableImport import = importTable(opened.document, csv, u"balance.csv"_s);
        QVERIFY(!import.ok());
        QVERIFY(import.change.isEmpty());
        const QStringList found = texts(import.errors);
        QCOMPARE(found.size(), errors.size());
        for (qsizetype i = 0; i < errors.size(); ++i)
            QVERIFY2(found.at(i).startsWith(errors.at(i)), qPrintable(found.at(i)));
    }

    // A cell holding the record's value in another spelling is no edit: the stored text stays.
    void theSameValueSpelledOtherwiseChangesNothing_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("column");
        QTest::addColumn<QByteArray>("cell"); // in the row of record 1
        const int troop = int(RecordKind::Troop);
        QTest::newRow("number") << troop << "level"_ba << "003"_ba;
        QTest::newRow("flag") << troop << "hero"_ba << "00"_ba;
        QTest::newRow("troop by number") << troop << "upgrade_a"_ba << "2"_ba;
        QTest::newRow("faction by number") << troop << "faction"_ba << "1"_ba;
        QTest::newRow("modifier as stored") << troop << "inventory"_ba << "itm_hatchet@=0 itm_boar_spear 23 28 32"_ba;
        QTest::newRow("items by number, blanks") << troop << "inventory"_ba << "itm_hatchet  itm_boar_spear 23 28 32"_ba;
        QTest::newRow("personality") << int(RecordKind::PartyTemplate) << "personality"_ba << "Soldier"_ba;
        QTest::newRow("template by number") << int(RecordKind::Party) << "template"_ba << "9"_ba;
    }
    void theSameValueSpelledOtherwiseChangesNothing()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, column);
        QFETCH(QByteArray, cell);
        Opened opened;
        open(opened);
        QVERIFY(opened.ok);
        Rows rows = rowsOf(exported(opened.document, RecordKind(kind)));
        setCell(rows, 1, column, cell);
        const TableImport import = importTable(opened.document, writeCsv(rows), u"balance.csv"_s);
        QVERIFY2(import.ok(), qPrintable(texts(import.errors).join(u'\n')));
        QCOMPARE(import.change.records.size(), 0);
    }

    // Two rows given one new identifier: the second is refused, naming the first.
    void newIdentifiersMustBeUnique()
    {
        Opened opened;
        open(opened);
        QVERIFY(opened.ok);
        Rows rows = rowsOf(exported(opened.document, RecordKind::Troop));
        setCell(rows, 1, "id", "trp_aurel_veteran");
        setCell(rows, 2, "id", "trp_aurel_veteran");
        setCell(rows, 3, "upgrade_a", "trp_aurel_veteran");
        const TableImport import = importTable(opened.document, writeCsv(rows), u"balance.csv"_s);
        QCOMPARE(texts(import.errors),
                 QStringList{u"balance.csv:4: id: trp_aurel_veteran is also the new identifier of troop 1 "
                             u"(trp_aurel_recruit) on row 3"_s});
        // Once unique, a reference may use the new identifier.
        setCell(rows, 2, "id", "trp_aurel_footman");
        const TableImport renamed = importTable(opened.document, writeCsv(rows), u"balance.csv"_s);
        QVERIFY2(renamed.ok(), qPrintable(texts(renamed.errors).join(u'\n')));
        QCOMPARE(renamed.change.records.size(), 2);
        QCOMPARE(ChangeDescriber(opened.document, &renamed.change).describe(renamed.change.records.last()),
                 QStringList{u"Upgrade path A trp_aurel_lancer → trp_aurel_veteran"_s});
    }
};

QTEST_GUILESS_MAIN(TestRecordTable)
#include "tst_record_table.moc"
