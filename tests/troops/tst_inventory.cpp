#include "troops/inventory.h"

#include <QTest>

using namespace lancefall;
using namespace Qt::StringLiterals;

namespace {

// A list written one entry per word, "label:modifier" or just "label" for modifier 0.
InventoryState stateOf(const QString &entries, int current)
{
    InventoryState state{{}, current};
    for (const QString &entry : entries.split(u' ', Qt::SkipEmptyParts))
        state.entries.append({entry.section(u':', 0, 0), entry.section(u':', 1).toLatin1().rightJustified(1, '0')});
    return state;
}

QString textOf(const InventoryState &state)
{
    QStringList entries;
    for (const InventoryEntry &entry : state.entries)
        entries.append(entry.label + (entry.modifier == "0" ? QString() : u':' + QString::fromLatin1(entry.modifier)));
    return entries.join(u' ');
}

} // namespace

class TestInventory : public QObject {
    Q_OBJECT

private slots:
    void listOperations_data()
    {
        QTest::addColumn<QString>("operation"); // add (the catalogue entry "New"), remove, up or down
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("currentAfter");

        QTest::newRow("add to an empty list") << "add" << "" << -1 << "New" << 0;
        QTest::newRow("add selects the new entry") << "add" << "A B:7 New" << 0 << "A B:7 New New" << 3;
        QTest::newRow("remove selects the last") << "remove" << "A B C D E" << 2 << "A B D E" << 3;
        QTest::newRow("remove the only entry") << "remove" << "A" << 0 << "" << -1;
        QTest::newRow("remove without current") << "remove" << "A B" << -1 << "A B" << -1;
        QTest::newRow("up keeps the modifier") << "up" << "A B C:7 D" << 2 << "A C:7 B D" << 1;
        QTest::newRow("up at the top") << "up" << "A B" << 0 << "A B" << 0;
        QTest::newRow("up without current") << "up" << "A B" << -1 << "A B" << -1;
        QTest::newRow("down keeps the modifier") << "down" << "A:7 B C" << 0 << "B A:7 C" << 1;
        QTest::newRow("down at the bottom") << "down" << "A B" << 1 << "A B" << 1;
        QTest::newRow("down without current") << "down" << "A B" << -1 << "A B" << -1;
    }

    void listOperations()
    {
        QFETCH(QString, operation);
        QFETCH(QString, before);
        QFETCH(int, current);
        QFETCH(QString, after);
        QFETCH(int, currentAfter);
        const InventoryState state = stateOf(before, current);
        const InventoryState result = operation == u"add"      ? addItem(state, u"New"_s)
                                      : operation == u"remove" ? removeCurrent(state)
                                      : operation == u"up"     ? moveUp(state)
                                                               : moveDown(state);
        QCOMPARE(textOf(result), after);
        QCOMPARE(result.current, currentAfter);
    }
};

QTEST_APPLESS_MAIN(TestInventory)
#include "tst_inventory.moc"
