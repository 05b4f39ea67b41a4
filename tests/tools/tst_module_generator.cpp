// The round-trip tests decode the records of written modules with the real decoders; this checks
// what they rely on besides: the same bytes for the same options, and each file's summary row and
// line count, for both troop layouts and both line ends.
#include "module_generator/module_generator.h"

#include <QtTest>

using namespace lancefall;

class TestModuleGenerator : public QObject {
    Q_OBJECT

private slots:
    void generatedModule()
    {
        const GeneratedModuleOptions optionSets[] = {{.crlf = false}, {.version2 = false, .recordLines = 6}};
        for (const GeneratedModuleOptions &o : optionSets) {
            GeneratedModuleFiles m, again;
            QVERIFY(generateModuleFiles(o, &m) && generateModuleFiles(o, &again));
            const QByteArray eol = o.crlf ? "\r\n" : "\n";
            const auto n = [](int count) { return ' ' + QByteArray::number(count); };
            using F = GeneratedModuleFiles;
            // Per file: the header and summary row, and the line count; items 3, 7, 11, ... are followed
            // by a line " 0".
            const std::tuple<QByteArray F::*, QByteArray, int> expected[] = {
                {&F::troops, "troopsfile version" + n(o.version2 ? 2 : 1) + eol + n(o.troops),
                 2 + o.troops * o.recordLines},
                {&F::items, "itemsfile version 3" + eol + n(o.items), 2 + o.items + o.items / 4},
                {&F::factions, "factionsfile version 1" + eol + n(o.factions), 2 + o.factions},
                {&F::partyTemplates, "partytemplatesfile version 1" + eol + n(o.templates), 2 + o.templates},
                {&F::parties, "partiesfile version 1" + eol + n(o.parties) + n(o.parties), 2 + 2 * o.parties}};
            for (const auto &[file, head, lines] : expected) {
                QCOMPARE(again.*file, m.*file); // the same options give the same bytes
                QVERIFY2((m.*file).startsWith(head + eol), head.constData());
                QCOMPARE((m.*file).count(eol), lines);
            }
        }
    }

    void impossibleOptionsWriteNothing()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("missing"));
        for (const auto &[folder, options] : {std::pair{dir.path(), GeneratedModuleOptions{.recordLines = 5}},
                                              {dir.path(), {.templates = 0}}, {missing, {}}}) {
            QString error;
            QVERIFY(!writeGeneratedModule(folder, options, &error) && !error.isEmpty());
        }
        QVERIFY(dir.isValid() && QDir(dir.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestModuleGenerator)
#include "tst_module_generator.moc"
