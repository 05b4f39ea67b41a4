#include "codecs/number_codecs.h"

#include <QTest>

using namespace lancefall;

class TestNumberCodecs : public QObject {
    Q_OBJECT

private slots:
    // A stored word: its magnitude written back in decimal, its low 32 and 64 bits.
    void readsStoredWords_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QByteArray>("magnitude");
        QTest::addColumn<quint32>("low32");
        QTest::addColumn<quint64>("low64");
        QTest::newRow("plain") << QByteArray("136") << true << QByteArray("136") << 136u << 136ull;
        QTest::newRow("minus one is every bit") << QByteArray("-1") << true << QByteArray("1") << 0xFFFFFFFFu << 1ull;
        QTest::newRow("fraction taken down") << QByteArray("12.9") << true << QByteArray("12") << 12u << 12ull;
        QTest::newRow("above 2^64") << QByteArray("18446744073709551621") << true
                                    << QByteArray("18446744073709551621") << 5u << 5ull;
        QTest::newRow("2^128 - 1") << QByteArray("340282366920938463463374607431768211455") << true
                                   << QByteArray("340282366920938463463374607431768211455") << 0xFFFFFFFFu
                                   << ~0ull;
        QTest::newRow("2^128") << QByteArray("340282366920938463463374607431768211456") << false << QByteArray()
                               << 0u << 0ull;
        for (const char *bad : {"+5", " 5", "5\t", "5 ", "", "-", ".", "1e3", "0x10"})
            QTest::newRow(bad) << QByteArray(bad) << false << QByteArray() << 0u << 0ull;
        QTest::newRow("embedded zero") << QByteArray("5\0junk", 6) << false << QByteArray() << 0u << 0ull;
    }
    void readsStoredWords()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, valid);
        QFETCH(QByteArray, magnitude);
        QFETCH(quint32, low32);
        QFETCH(quint64, low64);
        const auto word = parseWord(text);
        QCOMPARE(word.has_value(), valid);
        if (!word)
            return;
        QCOMPARE(decimalText(word->magnitude), magnitude);
        QCOMPARE(lancefall::low32(*word), low32);
        QCOMPARE(lancefall::low64(*word), low64);
    }
};

QTEST_GUILESS_MAIN(TestNumberCodecs)
#include "tst_number_codecs.moc"
