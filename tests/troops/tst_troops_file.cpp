#include "troops/troops_file.h"

#include "lines/text_file.h"

#include <QTest>

using namespace lancefall;
using namespace Qt::StringLiterals;

namespace {

// A well-formed 7-line record of troop `name`; its 7th line is empty.
QByteArrayList record(const QByteArray &name)
{
    return {"trp_" + name + ' ' + name + ' ' + name + "s 0 0 0 0 1 0 0", "  -1 0 ", "  9 8 4 6 10",
            " 60 50 40 30 20 10 0", "0 0 0 0 0 0", "  1 2 3 4 5 6 7 8 ", ""};
}

// troops.txt with header, summary row and three records a, b and c, changed by `edit`.
QByteArray troopsFile(const std::function<void(QByteArrayList &)> &edit = {})
{
    QByteArrayList lines{"troopsfile version 2", " 3"};
    for (const char *name : {"a", "b", "c"})
        lines += record(name);
    if (edit)
        edit(lines);
    return lines.join("\r\n") + "\r\n";
}

} // namespace

class TestTroopsFile : public QObject {
    Q_OBJECT

private slots:
    // Every troop is found where it really stands; a troop whose lines cannot be told
    // apart from another's is listed but not offered, and the summary row is corrected
    // only where the count is certain.
    void placesEveryTroop_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<qsizetype>>("firstLines");
        QTest::addColumn<QList<qsizetype>>("unplaced");
        QTest::addColumn<QByteArray>("summaryRow"); // line 2 after the load
        QTest::newRow("well formed") << troopsFile() << QList<qsizetype>{3, 10, 17} << QList<qsizetype>{}
                                     << QByteArray(" 3");
        QTest::newRow("blank line after the summary row")
            << troopsFile([](QByteArrayList &l) { l.insert(2, ""); }) << QList<qsizetype>{4, 11, 18}
            << QList<qsizetype>{} << QByteArray(" 3");
        QTest::newRow("blank lines between records")
            << troopsFile([](QByteArrayList &l) { l.insert(16, ""); l.insert(9, ""); }) << QList<qsizetype>{3, 11, 19}
            << QList<qsizetype>{} << QByteArray(" 3");
        QTest::newRow("stray trp_ line inside troop b, the summary row counts 3")
            << troopsFile([](QByteArrayList &l) { l.insert(11, "trp_stray x"); }) << QList<qsizetype>{3, 10, 18}
            << QList<qsizetype>{1} << QByteArray(" 3");
        QTest::newRow("stray trp_ line as troop b's last line read")
            << troopsFile([](QByteArrayList &l) { l.insert(14, "trp_stray x"); }) << QList<qsizetype>{3, 10, 18}
            << QList<qsizetype>{1} << QByteArray(" 3");
        QTest::newRow("troop b cut short, the summary row counts 3")
            << troopsFile([](QByteArrayList &l) { l.removeAt(12); l.removeAt(12); }) << QList<qsizetype>{3, 10, 15}
            << QList<qsizetype>{1} << QByteArray(" 3");
        QTest::newRow("stray line and a summary row that matches neither count")
            << troopsFile([](QByteArrayList &l) {
                   l[1] = " 7";
                   l.insert(11, "trp_stray x");
               })
            << QList<qsizetype>{3, 10, 18} << QList<qsizetype>{1, 2} << QByteArray(" 7");
        QTest::newRow("wrong summary row corrected")
            << troopsFile([](QByteArrayList &l) { l[1] = " 2"; }) << QList<qsizetype>{3, 10, 17} << QList<qsizetype>{}
            << QByteArray(" 3");
        QTest::newRow("byte-order mark and the first layout")
            << "\xef\xbb\xbf"_ba + troopsFile([](QByteArrayList &l) {
                   l[0] = "troopsfile version 1";
                   for (const int n : {2, 9, 16})
                       l[n].replace(" 0 0 0 0 1 0 0", " 0 0 0 1 0 0");
               })
            << QList<qsizetype>{3, 10, 17} << QList<qsizetype>{} << QByteArray(" 3");
    }
    void placesEveryTroop()
    {
        QFETCH(QByteArray, content);
        QFETCH(QList<qsizetype>, unplaced);
        const Result<TroopsFile> file = readTroops(splitLines(content));
        QVERIFY2(file, qPrintable(file ? QString() : file.error().message()));
        QTEST(file->records.firstLines, "firstLines");
        QList<qsizetype> notPlaced = file->records.unplaced.keys();
        std::sort(notPlaced.begin(), notPlaced.end());
        QCOMPARE(notPlaced, unplaced);
        QCOMPARE(file->placementNotices.size(), unplaced.size());
        QTEST(file->lines.line(2).toByteArray(), "summaryRow");
        QCOMPARE(file->listLabels, (QStringList{u"0 - a (trp_a)"_s, u"1 - b (trp_b)"_s, u"2 - c (trp_c)"_s}));
        QCOMPARE(file->layout.version2, !content.contains("version 1"));
    }

    void refusesFilesItCannotPlaceTroopsIn_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("description");
        QTest::newRow("no summary row") << troopsFile([](QByteArrayList &l) { l.removeAt(1); })
                                        << int(ErrorCode::MissingField)
                                        << u"troops.txt line 2: the summary row must hold the number of troops, not "
                                           "\"trp_a a as 0 0 0 0 1 0 0\""_s;
        QTest::newRow("a troop line of one field")
            << troopsFile([](QByteArrayList &l) { l[9] = "trp_b"; }) << int(ErrorCode::MissingField)
            << u"troops.txt line 10: a troop line needs at least 2 fields"_s;
        QTest::newRow("no troop") << QByteArray("troopsfile version 2\n 0\n") << int(ErrorCode::NoRecords)
                                  << u"troops.txt: the file holds no troop record"_s;
    }
    void refusesFilesItCannotPlaceTroopsIn()
    {
        QFETCH(QByteArray, content);
        const Result<TroopsFile> file = readTroops(splitLines(content));
        QVERIFY(!file);
        QTEST(int(file.error().code), "code");
        QTEST(file.error().text(), "description");
    }
};

QTEST_GUILESS_MAIN(TestTroopsFile)
#include "tst_troops_file.moc"
