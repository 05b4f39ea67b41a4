#include "troops/inventory.h"

#include <QTest>

using namespace lancefall;

namespace {

// A state from a space-separated list of labels, one label per word, so rows stay short.
InventoryState stateOf(const QString &labels, int current)
{
    InventoryState state;
    for (const QString &label : labels.split(u' ', Qt::SkipEmptyParts))
        state.entries.append(InventoryEntry{label, QByteArrayLiteral("0")});
    state.current = current;
    return state;
}

QString labelsOf(const InventoryState &state)
{
    QStringList labels;
    for (const InventoryEntry &entry : state.entries)
        labels.append(entry.label);
    return labels.join(u' ');
}

enum class Operation { Remove, Up, Down };

} // namespace

Q_DECLARE_METATYPE(Operation)

class TestInventory : public QObject {
    Q_OBJECT

private slots:
    void addAppendsAndSelects_data();
    void addAppendsAndSelects();
    void listOperations_data();
    void listOperations();
    void movingKeepsModifiersWithTheirItems();
    void itemNumberOf_data();
    void itemNumberOf();
};

void TestInventory::addAppendsAndSelects_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("size");

    QTest::newRow("to an empty list") << "" << -1 << "3 - Bow  (itm_bow)" << 1;
    QTest::newRow("the same item twice") << "3" << 0 << "3" << 2;
    QTest::newRow("selection elsewhere moves to the new entry") << "1 2 3" << 0 << "4" << 4;
    QTest::newRow("empty catalogue gives an empty entry") << "1" << 0 << "" << 2;
}

void TestInventory::addAppendsAndSelects()
{
    QFETCH(QString, before);
    QFETCH(int, current);
    QFETCH(QString, label);
    QFETCH(int, size);
    const InventoryState after = addItem(stateOf(before, current), label);
    QCOMPARE(after.entries.size(), size);
    QCOMPARE(after.current, size - 1);
    QCOMPARE(after.entries.last(), (InventoryEntry{label, QByteArrayLiteral("0")}));
}

void TestInventory::listOperations_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("currentAfter");

    QTest::newRow("remove third of five selects the last")
        << Operation::Remove << "A B C D E" << 2 << "A B D E" << 3;
    QTest::newRow("remove the last") << Operation::Remove << "A B C" << 2 << "A B" << 1;
    QTest::newRow("remove the only entry") << Operation::Remove << "A" << 0 << "" << -1;
    QTest::newRow("remove from empty") << Operation::Remove << "" << -1 << "" << -1;
    QTest::newRow("remove without current") << Operation::Remove << "A B" << -1 << "A B" << -1;
    QTest::newRow("up from position 2") << Operation::Up << "Sword Shield Bow Helm" << 2
                                        << "Sword Bow Shield Helm" << 1;
    QTest::newRow("up at the top") << Operation::Up << "Sword Shield" << 0 << "Sword Shield" << 0;
    QTest::newRow("up on empty") << Operation::Up << "" << -1 << "" << -1;
    QTest::newRow("up without current") << Operation::Up << "A B" << -1 << "A B" << -1;
    QTest::newRow("down from position 0") << Operation::Down << "Sword Shield Bow" << 0 << "Shield Sword Bow" << 1;
    QTest::newRow("down at the bottom") << Operation::Down << "Sword Shield" << 1 << "Sword Shield" << 1;
    QTest::newRow("down on empty") << Operation::Down << "" << -1 << "" << -1;
    QTest::newRow("down without current") << Operation::Down << "A B" << -1 << "A B" << -1;
}

void TestInventory::listOperations()
{
    QFETCH(Operation, operation);
    QFETCH(QString, before);
    QFETCH(int, current);
    QFETCH(QString, after);
    QFETCH(int, currentAfter);
    const InventoryState state = stateOf(before, current);
    InventoryState result;
    switch (operation) {
    case Operation::Remove:
        result = removeCurrent(state);
        break;
    case Operation::Up:
        result = moveUp(state);
        break;
    case Operation::Down:
        result = moveDown(state);
        break;
    }
    QCOMPARE(labelsOf(result), after);
    QCOMPARE(result.current, currentAfter);
}

void TestInventory::movingKeepsModifiersWithTheirItems()
{
    InventoryState state;
    state.entries = {{QStringLiteral("1 - A"), QByteArrayLiteral("7")},
                     {QStringLiteral("2 - B"), QByteArrayLiteral("0")}};
    state.current = 1;
    state = moveUp(state);
    QCOMPARE(state.entries.at(0), (InventoryEntry{QStringLiteral("2 - B"), QByteArrayLiteral("0")}));
    QCOMPARE(state.entries.at(1), (InventoryEntry{QStringLiteral("1 - A"), QByteArrayLiteral("7")}));
    state = moveDown(moveDown(state)); // the second move is at the bottom and changes nothing
    QCOMPARE(state.entries.at(1), (InventoryEntry{QStringLiteral("2 - B"), QByteArrayLiteral("0")}));
    QCOMPARE(state.current, 1);
}

void TestInventory::itemNumberOf_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("hasNumber");
    QTest::addColumn<qint64>("number");

    QTest::newRow("catalogue label") << "3 - Short_Bow  (itm_short_bow)" << true << qint64(3);
    QTest::newRow("empty name") << "12 -  (itm_x)" << true << qint64(12);
    QTest::newRow("no separator") << "217" << true << qint64(217);
    QTest::newRow("empty slot") << "" << false << qint64(0);
    QTest::newRow("name first") << "Bow - 3" << false << qint64(0);
}

void TestInventory::itemNumberOf()
{
    QFETCH(QString, label);
    QFETCH(bool, hasNumber);
    QFETCH(qint64, number);
    const auto found = lancefall::itemNumberOf(label);
    QCOMPARE(found.has_value(), hasNumber);
    if (found)
        QCOMPARE(*found, number);
}

QTEST_APPLESS_MAIN(TestInventory)
#include "tst_inventory.moc"
