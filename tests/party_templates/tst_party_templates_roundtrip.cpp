#include "party_templates/party_template_record.h"
#include "party_templates/party_templates_file.h"

#include "lines/text_file.h"
#include "module_generator/module_generator.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace lancefall;

namespace {

// Counted straight from the files, apart from the editor's readers.
int countLinesStartingWith(const QString &path, const QByteArray &prefix)
{
    const Result<LineTable> lines = readTextFile(path, QStringLiteral("count"));
    int count = 0;
    if (lines) {
        for (const QByteArray &line : *lines)
            count += line.startsWith(prefix) ? 1 : 0;
    }
    return count;
}

} // namespace

// Selecting and updating every template without an edit leaves every line as it was.
class TestPartyTemplatesRoundTrip : public QObject {
    Q_OBJECT

private slots:
    void updateWithoutEditKeepsEveryLine_data();
    void updateWithoutEditKeepsEveryLine();
};

void TestPartyTemplatesRoundTrip::updateWithoutEditKeepsEveryLine_data()
{
    QTest::addColumn<bool>("sample");
    QTest::addColumn<int>("troops");
    QTest::addColumn<bool>("gb18030Names");
    QTest::addColumn<quint32>("seed");

    QTest::newRow("sample module") << true << 0 << false << 1u;
    QTest::newRow("large generated module") << false << 4300 << false << 1u;
    QTest::newRow("generated, GB18030 names") << false << 300 << true << 7u;
    QTest::newRow("generated, troop 0 only") << false << 1 << false << 3u;
}

void TestPartyTemplatesRoundTrip::updateWithoutEditKeepsEveryLine()
{
    QFETCH(bool, sample);
    QFETCH(int, troops);
    QFETCH(bool, gb18030Names);
    QFETCH(quint32, seed);

    QTemporaryDir generated;
    QString folder;
    if (sample) {
        folder = QFileInfo(QFINDTESTDATA("../../samples/module/party_templates.txt")).absolutePath();
    } else {
        GeneratedModuleOptions options;
        options.troops = troops;
        options.gb18030Names = gb18030Names;
        options.seed = seed;
        QString error;
        QVERIFY2(writeGeneratedModule(generated.path(), options, &error), qPrintable(error));
        folder = generated.path();
    }
    const int factionCount = countLinesStartingWith(folder + QStringLiteral("/factions.txt"), "0 fac_") + 1;
    const int troopCount = countLinesStartingWith(folder + QStringLiteral("/troops.txt"), "trp_");
    QVERIFY(troopCount > 0);

    const Result<PartyTemplatesFile> file = readPartyTemplatesFile(folder + QStringLiteral("/party_templates.txt"));
    QVERIFY2(file.ok(), qPrintable(file ? QString() : file.error().message()));
    QVERIFY(file->labels.size() > 10);

    LineTable lines = file->lines;
    for (qsizetype k = 0; k < file->labels.size(); ++k) {
        const Result<PartyTemplateView> view = decodePartyTemplate(lines, k, factionCount, troopCount);
        QVERIFY2(view.ok(), qPrintable(QStringLiteral("template %1: %2").arg(k).arg(view ? QString() : view.error().message())));
        const Result<QByteArray> line = encodePartyTemplate(*view, lines, k);
        QVERIFY2(line.ok(), qPrintable(QStringLiteral("template %1: %2").arg(k).arg(line ? QString() : line.error().message())));
        QCOMPARE(*line, file->lines.line(partyTemplateLine(k)));
        QCOMPARE(partyTemplateLabelFromLine(k, *line), file->labels.at(k));
        lines.setLine(partyTemplateLine(k), *line);
    }
    QVERIFY(lines == file->lines);
}

QTEST_GUILESS_MAIN(TestPartyTemplatesRoundTrip)
#include "tst_party_templates_roundtrip.moc"
