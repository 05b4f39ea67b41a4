#include "support/planted_fault.h"
#include "workspace/module_document.h"

#include <QTemporaryDir>
#include <QTest>

using namespace lancefall;
using namespace lancefall::testing;
using namespace Qt::StringLiterals;

class TestRepeatedUpdates : public QObject {
    Q_OBJECT

private slots:
    // A second update of the troop shown, without showing it again, encodes against its
    // lines as the first update left them: a name set back to the stored one is written.
    void secondUpdateEncodesTheLinesAsTheyAre()
    {
        ModuleDocument document;
        QString folder = sampleModuleFolder();
        QVERIFY(document.open(addBackSlash(folder)).ok());
        const QByteArray stored = document.module().troops.lines.line(17);
        auto shown = document.showTroop(2);
        QVERIFY(shown);
        TroopView view = shown->view;
        view.name1 = u"Aurel_Veteran"_s;
        const auto first = document.troopUpdate(2, view);
        QVERIFY(first);
        document.apply(*first);

        view.name1 = shown->view.name1;
        const auto second = document.troopUpdate(2, view);
        QVERIFY(second);
        QCOMPARE(second->lines.first().after, stored);
    }
};

QTEST_GUILESS_MAIN(TestRepeatedUpdates)
#include "tst_repeated_updates.moc"
