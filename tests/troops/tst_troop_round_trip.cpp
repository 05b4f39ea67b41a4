#include "lines/text_file.h"
#include "module_generator/module_generator.h"
#include "troops/troop_record.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace lancefall;
using lancefall::GeneratedModuleOptions;

namespace {

struct Module {
    LineTable troops;
    TroopLayout layout;
    QStringList itemLabels;
    int factionCount = 0;
    int troopCount = 0;
};

// Works the module out from its files without the editor's own readers.
bool loadModule(const QString &folder, Module *module)
{
    const auto troops = readTextFile(QDir(folder).filePath(QStringLiteral("troops.txt")), QStringLiteral("troops.txt"));
    const auto items =
        readTextFile(QDir(folder).filePath(QStringLiteral("item_kinds1.txt")), QStringLiteral("item_kinds1.txt"));
    const auto factions =
        readTextFile(QDir(folder).filePath(QStringLiteral("factions.txt")), QStringLiteral("factions.txt"));
    if (!troops || !items || !factions)
        return false;
    module->troops = *troops;

    const LineTable &t = module->troops;
    module->layout.version2 = t.line(1) != "troopsfile version 1";
    module->layout.gameVersion = t.line(8).split(' ').size() == 7 ? kGameVersion090 : kGameVersion095;
    module->layout.recordLines = t.line(9).startsWith("trp_") ? 6 : 7;
    for (const QByteArray &line : t)
        module->troopCount += line.startsWith("trp_") ? 1 : 0;

    int item = 0;
    for (const QByteArray &line : *items) {
        if (!line.startsWith(" itm_"))
            continue;
        const QList<QByteArray> tokens = line.split(' ');
        if (item > 0) {
            module->itemLabels.append(QStringLiteral("%1 - %2  (%3)")
                                          .arg(item)
                                          .arg(QString::fromUtf8(tokens.at(2)), QString::fromUtf8(tokens.at(1))));
        }
        ++item;
    }
    module->factionCount = 1;
    for (const QByteArray &line : *factions)
        module->factionCount += line.startsWith("0 fac_") ? 1 : 0;
    return true;
}

// The inventory line as the format rewrites it: the item slots in order with their
// modifiers, then the empty slots.
QByteArray normalisedInventory(const QByteArray &line)
{
    QList<QByteArray> pieces;
    for (const QByteArray &piece : line.split(' ')) {
        if (!piece.isEmpty())
            pieces.append(piece);
    }
    QByteArray out = "  ";
    int used = 0;
    for (qsizetype i = 0; i + 1 < pieces.size(); i += 2) {
        if (pieces.at(i).toLongLong() > 0) {
            out += pieces.at(i) + ' ' + pieces.at(i + 1) + ' ';
            ++used;
        }
    }
    return out + QByteArray("-1 0 ").repeated(64 - used);
}

// The skills line as the format rewrites it: nibbles without a skill cleared, the
// sixth field 0, no trailing blank.
QByteArray normalisedSkills(const QByteArray &line)
{
    static constexpr quint32 kShown[5] = {0xF0000FFF, 0xFFFFFFFF, 0xFF0000FF, 0x0000FFFF, 0x000FFFF0};
    const QList<QByteArray> pieces = line.split(' ');
    QList<QByteArray> out;
    for (int w = 0; w < 5; ++w)
        out.append(QByteArray::number(static_cast<quint32>(pieces.at(w).toULongLong()) & kShown[w]));
    out.append("0");
    return out.join(' ');
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
    void everyTroopSurvivesAnUnchangedUpdate_data();
    void everyTroopSurvivesAnUnchangedUpdate();
};

void TestTroopRoundTrip::everyTroopSurvivesAnUnchangedUpdate_data()
{
    QTest::addColumn<bool>("sample");
    QTest::addColumn<GeneratedModuleOptions>("options");

    QTest::newRow("sample module") << true << GeneratedModuleOptions{};
    QTest::newRow("large module") << false << GeneratedModuleOptions{};
    GeneratedModuleOptions first;
    first.troops = 600;
    first.version2 = false;
    first.recordLines = 6;
    first.game095 = false;
    first.crlf = false;
    first.seed = 7;
    QTest::newRow("first layout, 6 lines, 0.90x") << false << first;
    GeneratedModuleOptions chinese;
    chinese.troops = 600;
    chinese.gb18030Names = true;
    chinese.game095 = false;
    chinese.seed = 3;
    QTest::newRow("GB18030 names, 7 lines, 0.90x") << false << chinese;
    GeneratedModuleOptions second;
    second.troops = 600;
    second.recordLines = 6;
    second.version2 = true;
    second.seed = 11;
    QTest::newRow("second layout, 6 lines, 0.95x") << false << second;
}

void TestTroopRoundTrip::everyTroopSurvivesAnUnchangedUpdate()
{
    QFETCH(bool, sample);
    QFETCH(GeneratedModuleOptions, options);
    QString folder;
    QTemporaryDir generated;
    if (sample) {
        const QString troops = QFINDTESTDATA("../../samples/module/troops.txt");
        QVERIFY(!troops.isEmpty());
        folder = QFileInfo(troops).absolutePath();
    } else {
        QVERIFY(generated.isValid());
        QString error;
        QVERIFY2(writeGeneratedModule(generated.path(), options, &error), qPrintable(error));
        folder = generated.path();
    }
    Module module;
    QVERIFY2(loadModule(folder, &module), qPrintable(folder));
    QVERIFY(module.troopCount > 0);

    for (int k = 0; k < module.troopCount; ++k) {
        const auto decoded =
            decodeTroop(module.troops, k, module.layout, module.itemLabels, module.factionCount, module.troopCount);
        if (!decoded)
            QFAIL(qPrintable(QStringLiteral("troop %1: %2").arg(k).arg(decoded.error().message())));
        QVERIFY2(decoded->missingItemsWarning.isEmpty(), qPrintable(decoded->missingItemsWarning));
        const auto encoded = encodeTroop(decoded->view, module.troops, k, module.layout, decoded->view.race);
        if (!encoded)
            QFAIL(qPrintable(QStringLiteral("troop %1: %2").arg(k).arg(encoded.error().message())));

        const qsizetype first = troopFirstLine(k, module.layout);
        const QList<QByteArray> expected = {
            module.troops.line(first),
            normalisedInventory(module.troops.line(first + 1)),
            module.troops.line(first + 2),
            module.troops.line(first + 3),
            normalisedSkills(module.troops.line(first + 4)),
            module.troops.line(first + 5),
        };
        for (int i = 0; i < expected.size(); ++i) {
            if (encoded->lines.at(i) != expected.at(i)) {
                QFAIL(qPrintable(QStringLiteral("troop %1, line %2:\n   written  %3\n   expected %4")
                                     .arg(k)
                                     .arg(first + i)
                                     .arg(QString::fromLatin1(encoded->lines.at(i)),
                                          QString::fromLatin1(expected.at(i)))));
            }
        }
        QCOMPARE(encoded->race, decoded->view.race);
    }
}

QTEST_GUILESS_MAIN(TestTroopRoundTrip)
#include "tst_troop_round_trip.moc"
