// Checks what the round-trip tests rely on in a generated module: line counts, summary rows,
// where the records start, the line ends, and the same bytes for the same seed. The records
// themselves are decoded by the round-trip tests, with the real decoders, from written modules.
#include "module_generator/module_generator.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace lancefall;

Q_DECLARE_METATYPE(GeneratedModuleOptions)

class TestModuleGenerator : public QObject {
    Q_OBJECT

private slots:
    void generatedModule_data()
    {
        QTest::addColumn<GeneratedModuleOptions>("o");
        QTest::newRow("version 1, 6 lines, 0.90x, LF") << GeneratedModuleOptions{.troops = 120, .items = 40,
            .factions = 5, .templates = 30, .parties = 12, .version2 = false, .recordLines = 6, .game095 = false,
            .crlf = false};
        QTest::newRow("version 2, 7 lines, 0.95x, CRLF, GB18030") << GeneratedModuleOptions{.troops = 120,
            .items = 40, .factions = 5, .templates = 30, .parties = 12, .gb18030Names = true};
        QTest::newRow("smallest, version 2, 6 lines, CRLF") << GeneratedModuleOptions{.troops = 2, .items = 2,
            .factions = 0, .templates = 1, .parties = 1, .recordLines = 6};
    }
    void generatedModule()
    {
        QFETCH(GeneratedModuleOptions, o);
        auto generate = [o](quint32 seed) mutable {
            GeneratedModuleFiles m;
            o.seed = seed;
            return generateModuleFiles(o, &m) ? QList{m.troops, m.items, m.factions, m.partyTemplates, m.parties}
                                              : QList<QByteArray>();
        };
        const QList<QByteArray> files = generate(1), otherSeed = generate(2);
        QVERIFY(files.size() == 5 && generate(1) == files); // the same seed gives the same bytes
        const auto n = [](int count) { return ' ' + QByteArray::number(count); };
        // Per file: the header and summary row, the line count, and the text found on record lines
        // only: of every `period` lines after the summary row, the first `records` are records.
        const struct { QByteArray head; int lines; const char *marker; int period, records; } expected[] = {
            {"troopsfile version" + n(o.version2 ? 2 : 1) + '\n' + n(o.troops), 2 + o.troops * o.recordLines,
             "trp_", o.recordLines, 1},
            {"itemsfile version 3\n" + n(o.items), 2 + o.items + o.items / 4, " itm_", 5, 4}, // 4 items, " 0"
            {"factionsfile version 1\n" + n(o.factions), 2 + o.factions, "0 fac_", 1, 1},
            {"partytemplatesfile version 1\n" + n(o.templates), 2 + o.templates, "pt_", 1, 1},
            {"partiesfile version 1\n" + n(o.parties) + n(o.parties), 2 + 2 * o.parties, " p_", 2, 1},
        };
        for (int f = 0; f < 5; ++f) {
            const QByteArray &data = files[f];
            QVERIFY2(expected[f].lines == 2 || data != otherSeed.value(f), expected[f].marker);
            QVERIFY(data.endsWith(o.crlf ? "\r\n" : "\n") && data.count("\r\n") == data.count('\r'));
            QCOMPARE(data.count('\r'), o.crlf ? data.count('\n') : 0);
            QCOMPARE(data.isValidUtf8(), !o.gb18030Names || f == 2); // factions have no GB18030 names
            const QList<QByteArray> lines = QByteArray(data).replace("\r", "").split('\n');
            QCOMPARE(lines.size() - 1, expected[f].lines); // the last line end leaves an empty piece
            QCOMPARE(lines[0] + '\n' + lines[1], expected[f].head);
            for (qsizetype i = 2; i < expected[f].lines; ++i) {
                QCOMPARE(lines[i].contains(expected[f].marker), (i - 2) % expected[f].period < expected[f].records);
                // Faces: two blanks, then 8 (0.95x) or 4 (0.90x) words, each followed by a blank.
                if (f == 0 && (i - 2) % o.recordLines == 5)
                    QCOMPARE(lines[i].count(' '), (o.game095 ? 8 : 4) + 2);
            }
        }
    }

    void impossibleOptionsWriteNothing()
    {
        QTemporaryDir dir;
        const std::pair<QString, GeneratedModuleOptions> cases[] = {{dir.path(), {.recordLines = 5}},
            {dir.path(), {.templates = 0}}, {dir.filePath(QStringLiteral("missing")), {}}};
        for (const auto &[folder, options] : cases) {
            QString error;
            QVERIFY(dir.isValid() && !writeGeneratedModule(folder, options, &error) && !error.isEmpty());
        }
        QVERIFY(QDir(dir.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestModuleGenerator)
#include "tst_module_generator.moc"
