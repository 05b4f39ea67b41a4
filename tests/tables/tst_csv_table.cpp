#include "tables/csv_table.h"

#include <QTest>

using namespace lancefall;
using namespace Qt::StringLiterals;

namespace {

// The rows read, each as "line:cell|cell|...".
QStringList shown(const CsvRead &read)
{
    QStringList rows;
    for (const CsvRow &row : read.rows) {
        QStringList cells;
        for (const QByteArray &cell : row.cells)
            cells.append(QString::fromUtf8(cell));
        rows.append(QString::number(row.line) + u':' + cells.join(u'|'));
    }
    return rows;
}

} // namespace

class TestCsvTable : public QObject {
    Q_OBJECT

private slots:
    // What spreadsheet programs save: either separator, with or without the mark, any line
    // end; quoted cells hold separators, quotes and line breaks, and a row keeps the line it
    // begins on.
    void readsRowsWithTheirLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<char>("separator");
        QTest::newRow("commas, mark, CR LF")
            << QByteArray("\xEF\xBB\xBFnumber,level\r\n2,12\r\n") << QStringList{u"1:number|level"_s, u"2:2|12"_s} << ',';
        QTest::newRow("semicolons, LF, no last line end")
            << QByteArray("number;name\n3;a,b") << QStringList{u"1:number|name"_s, u"2:3|a,b"_s} << ';';
        QTest::newRow("quoted separator, quote and line break")
            << QByteArray("a,b\r\n\"x,\"\"y\"\"\",\"two\r\nlines\"\r\n1,2\r\n")
            << QStringList{u"1:a|b"_s, u"2:x,\"y\"|two\r\nlines"_s, u"4:1|2"_s} << ',';
        QTest::newRow("blank lines and empty rows skipped, blanks kept")
            << QByteArray("a,b\r\n\r\n,\r\n x , y\r\n") << QStringList{u"1:a|b"_s, u"4: x | y"_s} << ',';
        QTest::newRow("lone CR") << QByteArray("a;b\r1;2\r") << QStringList{u"1:a|b"_s, u"2:1|2"_s} << ';';
    }
    void readsRowsWithTheirLines()
    {
        QFETCH(QByteArray, bytes);
        const CsvRead read = readCsv(bytes);
        QVERIFY(!read.problem);
        QTEST(shown(read), "rows");
        QTEST(read.separator, "separator");
    }

    // A broken line stops the reading at its line; the rows before it are kept.
    void brokenLinesAreReportedAtTheirLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qsizetype>("line");
        QTest::addColumn<qsizetype>("rowsBefore");
        QTest::newRow("quote never closed") << QByteArray("a,b\r\n1,2\r\n3,\"x\r\n4,5\r\n") << qsizetype(3) << qsizetype(2);
        QTest::newRow("quote inside a cell") << QByteArray("a,b\r\n1,x\"y\r\n") << qsizetype(2) << qsizetype(1);
        QTest::newRow("text after a closing quote") << QByteArray("a,b\n\"1\"2,3\n") << qsizetype(2) << qsizetype(1);
    }
    void brokenLinesAreReportedAtTheirLine()
    {
        QFETCH(QByteArray, bytes);
        const CsvRead read = readCsv(bytes);
        QVERIFY(read.problem);
        QTEST(read.problem->line, "line");
        QTEST(read.rows.size(), "rowsBefore");
    }

    // Whatever a cell holds, it is written so that it reads back as it was, with either separator.
    void writtenCellsReadBackAlike()
    {
        const QList<QList<QByteArray>> rows{{"id", "name;x", "a,b"},
                                            {"q\"uote", " lead", "line\r\nbreak"},
                                            {"", "itm_a itm_b@3", "\xE4\xB8\xAD"}};
        const QByteArray csv = writeCsv(rows);
        QVERIFY(csv.startsWith("\xEF\xBB\xBFid,\"name;x\",\"a,b\"\r\n"));
        const CsvRead read = readCsv(csv);
        QVERIFY(!read.problem);
        QCOMPARE(read.separator, ',');
        QCOMPARE(read.rows.size(), rows.size());
        for (qsizetype i = 0; i < rows.size(); ++i)
            QCOMPARE(read.rows.at(i).cells, rows.at(i));
    }

    void stopsAfterTheMostRows()
    {
        const CsvRead read = readCsv("a\n1\n2\n3\n", 2);
        QVERIFY(read.problem);
        QCOMPARE(read.rows.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestCsvTable)
#include "tst_csv_table.moc"
