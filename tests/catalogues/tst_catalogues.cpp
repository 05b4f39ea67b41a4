#include "catalogues/catalogues.h"

#include "lines/text_file.h"

#include <QTest>

using namespace lancefall;

class TestCatalogues : public QObject {
    Q_OBJECT

private slots:
    void listsItemsFromTheSecondItemLine_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("three items") << QByteArray("itemsfile version 3\n3\n itm_no_item None 0\n itm_a A 1\n itm_b B 2\n")
                                     << QStringList{QStringLiteral("1 - A  (itm_a)"), QStringLiteral("2 - B  (itm_b)")};
        QTest::newRow("look-alike lines do not count")
            << QByteArray(" itm_zero\nitm_x X\n ITM_y Y\n  itm_z Z\n itm_a A\n")
            << QStringList{QStringLiteral("1 - A  (itm_a)")};
        QTest::newRow("empty name") << QByteArray(" itm_none\n itm_x  Name\n") << QStringList{QStringLiteral("1 -   (itm_x)")};
        QTest::newRow("only item 0") << QByteArray(" itm_no_item\n") << QStringList{};
    }

    void listsItemsFromTheSecondItemLine()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, entries);
        const Result<QStringList> items = readItemCatalogue(splitLines(content));
        QVERIFY(items.ok());
        QCOMPARE(*items, entries);
    }

    void listsFactionsAfterTheVersionEntry_data()
    {
        QTest::addColumn<bool>("playerFaction");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("0.90x") << true
                               << QStringList{QStringLiteral("0 - Player_Faction"), QStringLiteral("1 - A"), QStringLiteral("2 - B")};
        QTest::newRow("0.95x") << false
                               << QStringList{QStringLiteral("0 - No_Faction"), QStringLiteral("1 - A"), QStringLiteral("2 - B")};
    }

    void listsFactionsAfterTheVersionEntry()
    {
        QFETCH(bool, playerFaction);
        QFETCH(QStringList, entries);
        const QByteArray content = "factionsfile version 1\r\n2\r\n0 fac_a A 0 0\r\n 0 fac_x X\r\n1 fac_y Y\r\n0 fac_b B\r\n";
        const Result<QStringList> factions = readFactionCatalogue(splitLines(content), playerFaction);
        QVERIFY(factions.ok());
        QCOMPARE(*factions, entries);
    }

    void refusesShortLines_data()
    {
        QTest::addColumn<bool>("items");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("item without name") << true << QByteArray(" itm_none\n itm_a A\n itm_b\n")
                                           << QStringLiteral("Error #5: item_kinds1.txt line 3: an item line needs an identifier and a name");
        QTest::newRow("faction without name") << false << QByteArray("head\n0 fac_a\n")
                                              << QStringLiteral("Error #5: factions.txt line 2: a faction line needs an identifier and a name");
    }

    void refusesShortLines()
    {
        QFETCH(bool, items);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        const LineTable lines = splitLines(content);
        const Result<QStringList> read = items ? readItemCatalogue(lines) : readFactionCatalogue(lines, false);
        QVERIFY(!read.ok());
        QCOMPARE(read.error().message(), message);
    }
};

QTEST_GUILESS_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
