#include "catalogues/catalogues.h"

#include "lines/text_file.h"

#include <QTest>

using namespace lancefall;
using namespace Qt::StringLiterals;

namespace {

// The entries read, or the error message.
QString itemsOf(const QByteArray &content)
{
    const Result<QStringList> items = readItemCatalogue(splitLines(content));
    return items ? items->join(u'|') : items.error().message();
}

QString factionsOf(const QByteArray &content, bool playerFaction = false)
{
    const Result<QStringList> factions = readFactionCatalogue(splitLines(content), playerFaction);
    return factions ? factions->join(u'|') : factions.error().message();
}

} // namespace

class TestCatalogues : public QObject {
    Q_OBJECT

private slots:
    // Entry p is item p + 1: the first item line is item 0, which is not listed.
    void listsItemsFromTheSecondItemLine()
    {
        QCOMPARE(itemsOf("itemsfile version 3\n3\n itm_no_item None 0\n itm_a A 1\n itm_b B 2\n"),
                 u"1 - A  (itm_a)|2 - B  (itm_b)"_s);
        QCOMPARE(itemsOf(" itm_zero\nitm_x X\n ITM_y Y\n  itm_z Z\n itm_a A\n"), u"1 - A  (itm_a)"_s);
        QCOMPARE(itemsOf(" itm_none\n itm_x  Name\n"), u"1 -   (itm_x)"_s);
        QCOMPARE(itemsOf(" itm_no_item\n"), QString());
        QCOMPARE(itemsOf(" itm_none\n itm_a A\n itm_b\n"),
                 u"Error #5: item_kinds1.txt line 3: an item line needs an identifier and a name"_s);
    }

    // Entry 0 is the player's faction (0.90x) or no faction; only lines beginning "0 fac_" count.
    void listsFactionsAfterTheVersionEntry()
    {
        const QByteArray content = "factionsfile version 1\r\n2\r\n0 fac_a A 0 0\r\n 0 fac_x X\r\n1 fac_y Y\r\n0 fac_b B\r\n";
        QCOMPARE(factionsOf(content, true), u"0 - Player_Faction|1 - A|2 - B"_s);
        QCOMPARE(factionsOf(content), u"0 - No_Faction|1 - A|2 - B"_s);
        QCOMPARE(factionsOf("head\n0 fac_a\n"),
                 u"Error #5: factions.txt line 2: a faction line needs an identifier and a name"_s);
    }
};

QTEST_GUILESS_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
