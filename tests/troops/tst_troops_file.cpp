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
        QFETCH(QList<qsizetype>, firstLines);
        QFETCH(QList<qsizetype>, unplaced);
        QFETCH(QByteArray, summaryRow);
        const Result<TroopsFile> file = readTroops(splitLines(content));
        QVERIFY2(file, qPrintable(file ? QString() : file.error().message()));
        QCOMPARE(file->records.firstLines, firstLines);
        QList<qsizetype> notPlaced = file->records.unplaced.keys();
        std::sort(notPlaced.begin(), notPlaced.end());
        QCOMPARE(notPlaced, unplaced);
        QCOMPARE(file->placementNotices.size(), unplaced.size());
        QCOMPARE(file->lines.line(2), summaryRow);
        QCOMPARE(file->listLabels, (QStringList{u"0 - a (trp_a)"_s, u"1 - b (trp_b)"_s, u"2 - c (trp_c)"_s}));
        QCOMPARE(file->layout.version2, !content.contains("version 1"));
    }

    void tellsWhereTheSummaryRowWasWrong()
    {
        const Result<TroopsFile> file = readTroops(splitLines(troopsFile([](QByteArrayList &l) { l[1] = " 2"; })));
        QCOMPARE(file->summaryNotice,
                 u"3 troops exist in this file but the summary row has  2\n"
                 "This value will be updated when a new file is saved."_s);
    }

    // The record layout: 6 or 7 lines from the line six after the first troop's, the game
    // version from the first troop's faces line.
    void decidesTheLayoutFromTheFirstTroop_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("recordLines");
        QTest::addColumn<QString>("gameVersion");
        QTest::newRow("7 lines, 0.95x") << troopsFile() << 7 << kGameVersion095;
        QTest::newRow("6 lines, 0.90x after a blank line") << troopsFile([](QByteArrayList &l) {
            l.removeAt(22);
            l.removeAt(15);
            l.removeAt(8);
            for (const int n : {7, 13, 19})
                l[n] = "  1 2 3 4 ";
            l.insert(2, "");
        }) << 6 << kGameVersion090;
    }
    void decidesTheLayoutFromTheFirstTroop()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, recordLines);
        QFETCH(QString, gameVersion);
        const Result<TroopsFile> file = readTroops(splitLines(content));
        QVERIFY(file);
        QCOMPARE(file->layout.recordLines, recordLines);
        QCOMPARE(file->layout.gameVersion, gameVersion);
        QCOMPARE(file->records.count(), 3);
        QVERIFY(file->records.unplaced.isEmpty());
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
        QFETCH(int, code);
        QFETCH(QString, description);
        const Result<TroopsFile> file = readTroops(splitLines(content));
        QVERIFY(!file);
        QCOMPARE(int(file.error().code), code);
        QCOMPARE(file.error().description, description);
    }
};

QTEST_GUILESS_MAIN(TestTroopsFile)
#include "tst_troops_file.moc"
