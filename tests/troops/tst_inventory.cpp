#include "troops/inventory.h"

#include <QTest>

using namespace lancefall;

using Operation = InventoryState (*)(InventoryState);
Q_DECLARE_METATYPE(Operation)

// A list written one entry per word, "label:modifier" or just "label" for modifier 0;
// a "*" in front of an entry marks the current one.
static InventoryState stateOf(const QString &text)
{
    InventoryState state;
    for (QString entry : text.split(u' ', Qt::SkipEmptyParts)) {
        if (entry.startsWith(u'*'))
            state.current = int(state.entries.size()), entry.remove(0, 1);
        state.entries.append({entry.section(u':', 0, 0), entry.section(u':', 1).toLatin1().rightJustified(1, '0')});
    }
    return state;
}

class TestInventory : public QObject {
    Q_OBJECT

private slots:
    void listOperations_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");

        // Adds the catalogue entry "New".
        const Operation add = [](InventoryState state) { return addItem(state, QStringLiteral("New")); };
        QTest::newRow("add selects the new entry") << add << "*A B:7 New" << "A B:7 New *New";
        QTest::newRow("remove selects the last") << &removeCurrent << "A B *C D E" << "A B D *E";
        QTest::newRow("remove the only entry") << &removeCurrent << "*A" << "";
        QTest::newRow("remove without current") << &removeCurrent << "A B" << "A B";
        QTest::newRow("up keeps the modifier") << &moveUp << "A B *C:7 D" << "A *C:7 B D";
        QTest::newRow("up at the top") << &moveUp << "*A B" << "*A B";
        QTest::newRow("up without current") << &moveUp << "A B" << "A B";
        QTest::newRow("down keeps the modifier") << &moveDown << "*A:7 B C" << "B *A:7 C";
        QTest::newRow("down at the bottom") << &moveDown << "A *B" << "A *B";
        QTest::newRow("down without current") << &moveDown << "A B" << "A B";
    }

    void listOperations()
    {
        QFETCH(Operation, operation);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QCOMPARE(operation(stateOf(before)), stateOf(after));
    }
};

QTEST_APPLESS_MAIN(TestInventory)
#include "tst_inventory.moc"
