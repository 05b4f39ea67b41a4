#include "module_generator/module_generator.h"
#include "troops/troop_record.h"
#include "workspace/module.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace lancefall;
using namespace Qt::StringLiterals;

namespace {

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
        QTest::addColumn<GeneratedModuleOptions>("options"); // no troops: the sample module

        QTest::newRow("sample module") << GeneratedModuleOptions{.troops = 0};
        QTest::newRow("large module") << GeneratedModuleOptions{};
        QTest::newRow("first layout, 6 lines, 0.90x") << GeneratedModuleOptions{
            .troops = 600, .version2 = false, .recordLines = 6, .game095 = false, .crlf = false, .seed = 7};
        QTest::newRow("GB18030 names, 7 lines, 0.90x")
            << GeneratedModuleOptions{.troops = 600, .game095 = false, .gb18030Names = true, .seed = 3};
    }

    void everyTroopSurvivesAnUnchangedUpdate()
    {
        QFETCH(GeneratedModuleOptions, options);
        QTemporaryDir generated;
        QString folder = generated.path(), error;
        if (options.troops == 0)
            folder = QFileInfo(QFINDTESTDATA("../../samples/module/troops.txt")).absolutePath();
        else
            QVERIFY2(generated.isValid() && writeGeneratedModule(folder, options, &error), qPrintable(error));
        // Loaded as the editor loads it: layout, item catalogue and faction list come from its readers.
        const LoadReport load = loadModule(folder + u'/');
        QVERIFY2(load.ok(), qPrintable(load.unableToOpenMessage()));
        const TroopsFile &file = load.module.troops;
        const auto troopCount = int(file.listLabels.size());

        for (int k = 0; k < troopCount; ++k) {
            const auto decoded = decodeTroop(file.lines, k, file.layout, load.module.items,
                                             int(load.module.factions.size()), troopCount);
            const auto encoded = decoded ? encodeTroop(decoded->view, file.lines, k, file.layout, decoded->view.race)
                                         : Result<EncodedTroop>(decoded.error());
            const auto stored = [&](int i) { return file.lines.line(troopFirstLine(k, file.layout) + i); };
            const QByteArray expected = QList{stored(0), normalisedInventory(stored(1)), stored(2), stored(3),
                                              normalisedSkills(stored(4)), stored(5)}.join('\n');
            const QByteArray written = encoded ? encoded->lines.join('\n') : encoded.error().message().toUtf8();
            QVERIFY2(written == expected, qPrintable(u"troop %1:\n   written  %2\n   expected %3"_s.arg(k).arg(
                                              QString::fromLatin1(written), QString::fromLatin1(expected))));
        }
    }
};

QTEST_GUILESS_MAIN(TestTroopRoundTrip)
#include "tst_troop_round_trip.moc"
