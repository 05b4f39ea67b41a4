#include "troops/inventory.h"

#include <QTest>

using namespace lancefall;

using Operation = InventoryState (*)(InventoryState);
Q_DECLARE_METATYPE(Operation)

// A list written one entry per word, "item:modifier" or just "item" for modifier 0; a "*" in
// front of an entry marks the current one. Written back the same way.
static InventoryState stateOf(const QString &text)
{
    InventoryState state;
    for (QString entry : text.split(u' ', Qt::SkipEmptyParts)) {
        if (entry.startsWith(u'*'))
            state.current = int(state.entries.size()), entry.remove(0, 1);
        state.entries.append({entry.section(u':', 0, 0).toLongLong(),
                              entry.section(u':', 1).toLatin1().rightJustified(1, '0'), entry});
    }
    return state;
}

static QString textOf(const InventoryState &state)
{
    QStringList entries;
    for (qsizetype i = 0; i < state.entries.size(); ++i) {
        const InventoryEntry &e = state.entries.at(i);
        entries.append((i == state.current ? QStringLiteral("*") : QString()) + QString::number(e.item)
                       + (e.modifier == "0" ? QString() : QLatin1Char(':') + QString::fromLatin1(e.modifier)));
    }
    return entries.join(u' ');
}

class TestInventory : public QObject {
    Q_OBJECT

private slots:
    void listOperations_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");

        // Adds item 9.
        const Operation add = [](InventoryState state) { return addItem(state, 9, QStringLiteral("9 - Nine")); };
        QTest::newRow("add selects the new entry") << add << "*1 2:7 9" << "1 2:7 9 *9";
        QTest::newRow("remove selects the last") << &removeCurrent << "1 2 *3 4 5" << "1 2 4 *5";
        QTest::newRow("remove the only entry") << &removeCurrent << "*1" << "";
        QTest::newRow("up keeps the modifier") << &moveUp << "1 2 *3:7 4" << "1 *3:7 2 4";
        QTest::newRow("down keeps the modifier") << &moveDown << "*1:7 2 3" << "2 *1:7 3";
        QTest::newRow("down at the bottom") << &moveDown << "1 *2" << "1 *2";
        QTest::newRow("down without current") << &moveDown << "1 2" << "1 2";
    }
    void listOperations()
    {
        QFETCH(Operation, operation);
        QFETCH(QString, before);
        QTEST(textOf(operation(stateOf(before))), "after");
    }
};

QTEST_APPLESS_MAIN(TestInventory)
#include "tst_inventory.moc"
