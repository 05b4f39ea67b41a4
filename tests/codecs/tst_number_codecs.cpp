#include "codecs/number_codecs.h"

#include <QTest>

using namespace lancefall;

class TestNumberCodecs : public QObject {
    Q_OBJECT

private slots:
    void decimalToHex_data()
    {
        QTest::addColumn<QString>("decimalIn");
        QTest::addColumn<QString>("word");   // dec2Hex: the low 32 bits; empty: not a number
        QTest::addColumn<QString>("digits"); // dec2Hex2: every bit, no fixed width; "refused": not a number

        QTest::newRow("zero") << "0" << "00000000" << "";
        QTest::newRow("bit 32 dropped") << "4294967306" << "0000000A" << "10000000A";
        QTest::newRow("fraction taken down") << "12.9" << "0000000C" << "C";
        QTest::newRow("lower-case flag text") << "&h1f" << "0000001F" << "1F";
        QTest::newRow("plus sign") << "+16" << "00000010" << "10";
        // Repeatedly adding 2^32 would never reach a word for this one.
        QTest::newRow("far below -2^32") << "-5000000000" << "D5FA0E00" << "refused";
        QTest::newRow("negative fraction taken down") << "-0.5" << "FFFFFFFF" << "refused";
        QTest::newRow("64-bit, beyond double precision") << "18446744073709551615" << "FFFFFFFF" << QString(16, u'F');
        QTest::newRow("2^128 - 1") << "340282366920938463463374607431768211455" << "FFFFFFFF" << QString(32, u'F');
        QTest::newRow("beyond 128 bits") << "340282366920938463463374607431768211456" << "" << "refused";
        QTest::newRow("empty") << "" << "" << "refused";
        QTest::newRow("bare prefix") << "&H" << "" << "refused";
        QTest::newRow("bad hex digit") << "&H1G" << "" << "refused";
        QTest::newRow("blank after") << "5 " << "" << "refused";
    }

    void decimalToHex()
    {
        QFETCH(QString, decimalIn);
        QFETCH(QString, word);
        QFETCH(QString, digits);
        bool ok = word.isEmpty(); // each call must set ok either way
        QCOMPARE(dec2Hex(decimalIn, &ok), word);
        QCOMPARE(ok, !word.isEmpty());
        bool isInteger = false; // the integer form drops the same bits
        if (const qint64 value = decimalIn.toLongLong(&isInteger); ok && isInteger)
            QCOMPARE(dec2Hex(value), word);
        const bool refused = digits == u"refused";
        ok = refused;
        QCOMPARE(dec2Hex2(decimalIn, &ok), refused ? QString() : digits);
        QCOMPARE(ok, !refused);
    }

    void hex2DecIsExact_data()
    {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("decimal"); // empty: no value

        QTest::newRow("lower case after prefix, G counts as 0") << "&hfG" << "240";
        QTest::newRow("23 digits after prefix, 92 bits") << QStringLiteral("&H") + QString(23, u'F')
                                                         << "4951760157141521099596496895";
        QTest::newRow("24 digits") << QString(24, u'0') << "";
    }

    void hex2DecIsExact()
    {
        QFETCH(QString, hex);
        QFETCH(QString, decimal);
        QCOMPARE(hex2Dec(hex) ? decimalText(*hex2Dec(hex)) : QString(), decimal);
    }

    void checkTroopFlag_data()
    {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QString>("expected"); // empty: flag not a number

        QTest::newRow("all race bits") << qint64(31) << "&H3" << "1";
        QTest::newRow("some race bits") << qint64(5) << "&H3" << "2";
        QTest::newRow("race 0 never matches") << qint64(5) << "&H0" << "0";
        QTest::newRow("bit 31 as negative value") << qint64(-2147483648) << "2147483648" << "1";
        QTest::newRow("flag not a number") << qint64(5) << "abc" << "";
    }

    void checkTroopFlag()
    {
        QFETCH(qint64, value);
        QFETCH(QString, flag);
        QFETCH(QString, expected);
        bool ok = expected.isEmpty();
        QCOMPARE(lancefall::checkTroopFlag(value, flag, &ok), expected);
        QCOMPARE(ok, !expected.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestNumberCodecs)
#include "tst_number_codecs.moc"
