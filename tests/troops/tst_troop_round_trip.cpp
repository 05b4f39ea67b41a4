#include "lines/text_file.h"
#include "module_generator/module_generator.h"
#include "troops/troop_record.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace lancefall;
using namespace Qt::StringLiterals;

namespace {

int linesStartingWith(const LineTable &table, const char *prefix)
{
    return int(std::count_if(table.begin(), table.end(), [&](const QByteArray &l) { return l.startsWith(prefix); }));
}

// The inventory line as the format rewrites it: the item slots in order with their
// modifiers, then the empty slots.
QByteArray normalisedInventory(const QByteArray &line)
{
    QList<QByteArray> pieces = line.split(' ');
    pieces.removeAll(QByteArray());
    QByteArray items;
    for (qsizetype i = 0; i + 1 < pieces.size(); i += 2)
        items += pieces.at(i).toLongLong() > 0 ? pieces.at(i) + ' ' + pieces.at(i + 1) + ' ' : QByteArray();
    return "  " + items + QByteArray("-1 0 ").repeated(64 - items.count(' ') / 2);
}

// The skills line as the format rewrites it: nibbles without a skill cleared, the
// sixth field 0, no trailing blank.
QByteArray normalisedSkills(const QByteArray &line)
{
    static constexpr quint32 kShown[5] = {0xF0000FFF, 0xFFFFFFFF, 0xFF0000FF, 0x0000FFFF, 0x000FFFF0};
    const QList<QByteArray> pieces = line.split(' ');
    QByteArray out;
    for (int w = 0; w < 5; ++w)
        out += QByteArray::number(static_cast<quint32>(pieces.at(w).toULongLong()) & kShown[w]) + ' ';
    return out + '0';
}

} // namespace

Q_DECLARE_METATYPE(lancefall::GeneratedModuleOptions)

// Selecting a troop and updating it without an edit leaves its lines as they were,
// except for what the format itself normalises:
// - skill nibbles that no skill field shows are written as 0;
// - the sixth field of the skills line is written as 0, without a trailing blank;
// - empty inventory slots move after the items (each written as -1 0).
// Everything else (flag bits without a box, bit 31, carried troop-line fields also after
// the last written one, item modifiers, skill levels above 10, 64-bit face words,
// non-UTF-8 names, the seventh line) comes back unchanged.
class TestTroopRoundTrip : public QObject {
    Q_OBJECT

private slots:
    void everyTroopSurvivesAnUnchangedUpdate_data()
    {
        QTest::addColumn<bool>("sample");
        QTest::addColumn<GeneratedModuleOptions>("options");

        QTest::newRow("sample module") << true << GeneratedModuleOptions{};
        QTest::newRow("large module") << false << GeneratedModuleOptions{};
        QTest::newRow("first layout, 6 lines, 0.90x") << false << GeneratedModuleOptions{
            .troops = 600, .version2 = false, .recordLines = 6, .game095 = false, .crlf = false, .seed = 7};
        QTest::newRow("GB18030 names, 7 lines, 0.90x")
            << false << GeneratedModuleOptions{.troops = 600, .game095 = false, .gb18030Names = true, .seed = 3};
        QTest::newRow("second layout, 6 lines, 0.95x")
            << false << GeneratedModuleOptions{.troops = 600, .recordLines = 6, .seed = 11};
    }

    void everyTroopSurvivesAnUnchangedUpdate()
    {
        QFETCH(bool, sample);
        QFETCH(GeneratedModuleOptions, options);
        QTemporaryDir generated;
        QString folder = generated.path(), error;
        if (sample)
            folder = QFileInfo(QFINDTESTDATA("../../samples/module/troops.txt")).absolutePath();
        else
            QVERIFY2(generated.isValid() && writeGeneratedModule(folder, options, &error), qPrintable(error));

        // The module worked out from its files without the editor's own readers.
        const auto read = [&](const QString &name) { return readTextFile(QDir(folder).filePath(name), name); };
        const auto troops = read(u"troops.txt"_s), items = read(u"item_kinds1.txt"_s);
        const auto factions = read(u"factions.txt"_s);
        QVERIFY2(troops && items && factions, qPrintable(folder));
        const LineTable &t = *troops;
        const TroopLayout layout{t.line(1) != "troopsfile version 1", t.line(9).startsWith("trp_") ? 6 : 7,
                                 t.line(8).split(' ').size() == 7 ? kGameVersion090 : kGameVersion095};
        QStringList itemLabels; // item 0 gets none: label p is item p + 1
        for (const QByteArray &line : *items) {
            if (line.startsWith(" itm_"))
                itemLabels.append(u"%1 - %2"_s.arg(itemLabels.size()).arg(QString::fromLatin1(line.split(' ')[1])));
        }
        itemLabels.removeFirst();
        const int troopCount = linesStartingWith(t, "trp_");
        const int factionCount = linesStartingWith(*factions, "0 fac_") + 1; // numbers 0..factions
        QVERIFY(troopCount > 0);

        for (int k = 0; k < troopCount; ++k) {
            const auto decoded = decodeTroop(t, k, layout, itemLabels, factionCount, troopCount);
            QVERIFY2(decoded, qPrintable(u"troop %1: "_s.arg(k) + (decoded ? QString() : decoded.error().message())));
            QVERIFY2(decoded->missingItemsWarning.isEmpty(), qPrintable(decoded->missingItemsWarning));
            const auto encoded = encodeTroop(decoded->view, t, k, layout, decoded->view.race);
            QVERIFY2(encoded, qPrintable(u"troop %1: "_s.arg(k) + (encoded ? QString() : encoded.error().message())));
            QCOMPARE(encoded->race, decoded->view.race);

            const auto stored = [&](int i) { return t.line(troopFirstLine(k, layout) + i); };
            const QList<QByteArray> expected = {stored(0), normalisedInventory(stored(1)), stored(2),
                                                stored(3), normalisedSkills(stored(4)),    stored(5)};
            if (encoded->lines != expected)
                QFAIL(qPrintable(u"troop %1:\n   written  %2\n   expected %3"_s.arg(k).arg(
                    QString::fromLatin1(encoded->lines.join('\n')), QString::fromLatin1(expected.join('\n')))));
        }
    }
};

QTEST_GUILESS_MAIN(TestTroopRoundTrip)
#include "tst_troop_round_trip.moc"
