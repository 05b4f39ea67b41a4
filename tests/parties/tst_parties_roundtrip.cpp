#include "parties/parties_file.h"
#include "parties/party_record.h"

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

// Selecting and updating every party without an edit leaves every line as it was.
class TestPartiesRoundTrip : public QObject {
    Q_OBJECT

private slots:
    void updateWithoutEditKeepsEveryLine_data();
    void updateWithoutEditKeepsEveryLine();
};

void TestPartiesRoundTrip::updateWithoutEditKeepsEveryLine_data()
{
    QTest::addColumn<bool>("sample");
    QTest::addColumn<bool>("gb18030Names");
    QTest::addColumn<bool>("crlf");
    QTest::addColumn<quint32>("seed");

    QTest::newRow("sample module") << true << false << true << 1u;
    QTest::newRow("large generated module") << false << false << true << 1u;
    QTest::newRow("generated, GB18030 names, LF") << false << true << false << 5u;
}

void TestPartiesRoundTrip::updateWithoutEditKeepsEveryLine()
{
    QFETCH(bool, sample);
    QFETCH(bool, gb18030Names);
    QFETCH(bool, crlf);
    QFETCH(quint32, seed);

    QTemporaryDir generated;
    QString folder;
    if (sample) {
        folder = QFileInfo(QFINDTESTDATA("../../samples/module/parties.txt")).absolutePath();
    } else {
        GeneratedModuleOptions options;
        options.troops = 50;
        options.templates = 1200;
        options.parties = 3000;
        options.gb18030Names = gb18030Names;
        options.crlf = crlf;
        options.seed = seed;
        QString error;
        QVERIFY2(writeGeneratedModule(generated.path(), options, &error), qPrintable(error));
        folder = generated.path();
    }
    const int factionCount = countLinesStartingWith(folder + QStringLiteral("/factions.txt"), "0 fac_") + 1;
    const int templateCount = countLinesStartingWith(folder + QStringLiteral("/party_templates.txt"), "pt_");

    const Result<PartiesFile> file = readPartiesFile(folder + QStringLiteral("/parties.txt"));
    QVERIFY2(file.ok(), qPrintable(file ? QString() : file.error().message()));
    QVERIFY(file->labels.size() > 5);
    QCOMPARE(file->lines.lastIndex(), 2 + 2 * file->labels.size());

    LineTable lines = file->lines;
    for (qsizetype k = 0; k < file->labels.size(); ++k) {
        const Result<PartyView> view = decodeParty(lines, k, templateCount, factionCount);
        QVERIFY2(view.ok(), qPrintable(QStringLiteral("party %1: %2").arg(k).arg(view ? QString() : view.error().message())));
        const Result<QByteArray> line = encodeParty(*view, lines, k);
        QVERIFY2(line.ok(), qPrintable(QStringLiteral("party %1: %2").arg(k).arg(line ? QString() : line.error().message())));
        QCOMPARE(*line, file->lines.line(partyLine(k)));
        QCOMPARE(partyLabelFromLine(k, *line), file->labels.at(k));
        lines.setLine(partyLine(k), *line);
    }
    QVERIFY(lines == file->lines);
}

QTEST_GUILESS_MAIN(TestPartiesRoundTrip)
#include "tst_parties_roundtrip.moc"
