#include "parties/parties_file.h"
#include "parties/party_record.h"
#include "party_templates/party_template_record.h"
#include "party_templates/party_templates_file.h"

#include "lines/text_file.h"
#include "module_generator/module_generator.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace lancefall;
using namespace Qt::StringLiterals;

// Selecting and updating every template and every party without an edit gives each stored line
// back byte for byte, and the list entry the reader made for it.
class TestPartiesRoundTrip : public QObject {
    Q_OBJECT

private slots:
    void updateWithoutEditKeepsEveryLine_data()
    {
        QTest::addColumn<bool>("sample");
        QTest::newRow("sample module") << true;
        QTest::newRow("large generated module, GB18030 names") << false;
    }
    void updateWithoutEditKeepsEveryLine()
    {
        QFETCH(bool, sample);
        QTemporaryDir generated;
        const QString folder =
            sample ? QFileInfo(QFINDTESTDATA("../../samples/module/parties.txt")).absolutePath() : generated.path();
        // Both files past 32767 lines.
        QVERIFY(sample || writeGeneratedModule(folder, {.templates = 40000, .parties = 20000, .gb18030Names = true}));
        // Counted straight from the file, apart from the editor's readers.
        const auto count = [&folder](const QString &file, const QByteArray &prefix) {
            const Result<LineTable> lines = readTextFile(folder + u'/' + file, file);
            const auto starts = [&](const QByteArray &line) { return line.startsWith(prefix); };
            return lines ? int(std::count_if(lines->begin(), lines->end(), starts)) : -1;
        };
        const int factionCount = count(u"factions.txt"_s, "0 fac_") + 1, troopCount = count(u"troops.txt"_s, "trp_");

        const Result<PartyTemplatesFile> templates = readPartyTemplatesFile(folder + u"/party_templates.txt"_s);
        QVERIFY2(templates, qPrintable(templates ? QString() : templates.error().message()));
        QCOMPARE(templates->labels.size(), count(u"party_templates.txt"_s, "pt_"));
        for (qsizetype k = 0; k < templates->labels.size(); ++k) {
            const Result<PartyTemplateView> view = decodePartyTemplate(templates->lines, k, factionCount, troopCount);
            const Result<QByteArray> line = view ? encodePartyTemplate(*view, templates->lines, k) : view.error();
            QCOMPARE(line ? *line : line.error().message().toUtf8(), templates->lines.line(k + 3));
            QCOMPARE(partyTemplateLabelFromLine(k, *line), templates->labels.at(k));
        }

        const Result<PartiesFile> parties = readPartiesFile(folder + u"/parties.txt"_s);
        QVERIFY2(parties, qPrintable(parties ? QString() : parties.error().message()));
        QCOMPARE(parties->lines.lastIndex(), 2 + 2 * parties->labels.size());
        for (qsizetype k = 0; k < parties->labels.size(); ++k) {
            const Result<PartyView> view = decodeParty(parties->lines, k, int(templates->labels.size()), factionCount);
            const Result<QByteArray> line = view ? encodeParty(*view, parties->lines, k) : view.error();
            QCOMPARE(line ? *line : line.error().message().toUtf8(), parties->lines.line(2 * k + 3));
            QCOMPARE(partyLabelFromLine(k, *line), parties->labels.at(k));
        }
    }
};

QTEST_GUILESS_MAIN(TestPartiesRoundTrip)
#include "tst_parties_round_trip.moc"
