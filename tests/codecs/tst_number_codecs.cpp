#include "codecs/number_codecs.h"

#include <QTest>

using namespace lancefall;

namespace {

const QString k2Pow64Minus1 = QStringLiteral("18446744073709551615");
const QString k2Pow92Minus1 = QStringLiteral("4951760157141521099596496895");
const QString k2Pow96 = QStringLiteral("79228162514264337593543950336");
const QString k2Pow128Minus1 = QStringLiteral("340282366920938463463374607431768211455");
const QString k2Pow128 = QStringLiteral("340282366920938463463374607431768211456");

} // namespace

class TestNumberCodecs : public QObject {
    Q_OBJECT

private slots:
    void dec2HexGivesLow32Bits_data();
    void dec2HexGivesLow32Bits();
    void dec2HexOfInteger_data();
    void dec2HexOfInteger();
    void dec2Hex2HasNoFixedWidth_data();
    void dec2Hex2HasNoFixedWidth();
    void hex2DecIsExact_data();
    void hex2DecIsExact();
    void faceWordsSurviveTheRoundTrip_data();
    void faceWordsSurviveTheRoundTrip();
    void checkTroopFlag_data();
    void checkTroopFlag();
};

void TestNumberCodecs::dec2HexGivesLow32Bits_data()
{
    QTest::addColumn<QString>("decimalIn");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("ok");

    QTest::newRow("zero") << "0" << "00000000" << true;
    QTest::newRow("255") << "255" << "000000FF" << true;
    QTest::newRow("largest word") << "4294967295" << "FFFFFFFF" << true;
    QTest::newRow("bit 32 dropped") << "4294967306" << "0000000A" << true;
    QTest::newRow("fraction taken down") << "12.9" << "0000000C" << true;
    QTest::newRow("flag text") << "&H1F" << "0000001F" << true;
    QTest::newRow("lower-case flag text") << "&hff" << "000000FF" << true;
    QTest::newRow("leading zeros") << "0136" << "00000088" << true;
    QTest::newRow("plus sign") << "+16" << "00000010" << true;
    QTest::newRow("minus one") << "-1" << "FFFFFFFF" << true;
    QTest::newRow("minus 2^31") << "-2147483648" << "80000000" << true;
    QTest::newRow("minus 2^32") << "-4294967296" << "00000000" << true;
    // Repeatedly adding 2^32 would never reach a word for this one.
    QTest::newRow("far below -2^32") << "-5000000000" << "D5FA0E00" << true;
    QTest::newRow("negative fraction taken down") << "-0.5" << "FFFFFFFF" << true;
    QTest::newRow("negative zero") << "-0" << "00000000" << true;
    QTest::newRow("64-bit") << k2Pow64Minus1 << "FFFFFFFF" << true;
    QTest::newRow("2^96") << k2Pow96 << "00000000" << true;
    QTest::newRow("2^128 - 1") << k2Pow128Minus1 << "FFFFFFFF" << true;
    QTest::newRow("beyond 128 bits") << k2Pow128 << "" << false;
    QTest::newRow("letters") << "abc" << "" << false;
    QTest::newRow("empty") << "" << "" << false;
    QTest::newRow("bare prefix") << "&H" << "" << false;
    QTest::newRow("bad hex digit") << "&H1G" << "" << false;
    QTest::newRow("blank around") << " 5" << "" << false;
    QTest::newRow("sign only") << "-" << "" << false;
    QTest::newRow("exponent") << "1e3" << "" << false;
}

void TestNumberCodecs::dec2HexGivesLow32Bits()
{
    QFETCH(QString, decimalIn);
    QFETCH(QString, expected);
    QFETCH(bool, ok);
    bool converted = !ok;
    QCOMPARE(dec2Hex(decimalIn, &converted), expected);
    QCOMPARE(converted, ok);
}

void TestNumberCodecs::dec2HexOfInteger_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << qint64(0) << "00000000";
    QTest::newRow("minus one") << qint64(-1) << "FFFFFFFF";
    QTest::newRow("bit 31") << qint64(2147483648) << "80000000";
    QTest::newRow("above 32 bits") << qint64(0x1234567890) << "34567890";
    QTest::newRow("far below -2^32") << qint64(-5000000000) << "D5FA0E00";
}

void TestNumberCodecs::dec2HexOfInteger()
{
    QFETCH(qint64, value);
    QFETCH(QString, expected);
    QCOMPARE(dec2Hex(value), expected);
}

void TestNumberCodecs::dec2Hex2HasNoFixedWidth_data()
{
    QTest::addColumn<QString>("decimalIn");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("ok");

    QTest::newRow("zero is empty") << "0" << "" << true;
    QTest::newRow("16") << "16" << "10" << true;
    QTest::newRow("64-bit") << k2Pow64Minus1 << "FFFFFFFFFFFFFFFF" << true;
    QTest::newRow("92-bit") << k2Pow92Minus1 << QString(23, u'F') << true;
    QTest::newRow("2^96") << k2Pow96 << "1000000000000000000000000" << true;
    QTest::newRow("flag text") << "&H0a" << "A" << true;
    QTest::newRow("negative refused") << "-1" << "" << false;
    QTest::newRow("letters") << "abc" << "" << false;
}

void TestNumberCodecs::dec2Hex2HasNoFixedWidth()
{
    QFETCH(QString, decimalIn);
    QFETCH(QString, expected);
    QFETCH(bool, ok);
    bool converted = !ok;
    QCOMPARE(dec2Hex2(decimalIn, &converted), expected);
    QCOMPARE(converted, ok);
}

void TestNumberCodecs::hex2DecIsExact_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<bool>("hasValue");
    QTest::addColumn<QString>("decimal");

    QTest::newRow("FF") << "FF" << true << "255";
    QTest::newRow("&HFF") << "&HFF" << true << "255";
    QTest::newRow("&hff") << "&hff" << true << "255";
    QTest::newRow("empty") << "" << true << "0";
    QTest::newRow("bare prefix") << "&H" << true << "0";
    QTest::newRow("G counts as 0") << "1G" << true << "16";
    QTest::newRow("leading zeros") << "000A" << true << "10";
    QTest::newRow("word A0000000") << "A0000000" << true << "2684354560";
    QTest::newRow("bit 63") << "8000000000000000" << true << "9223372036854775808";
    QTest::newRow("64-bit") << "FFFFFFFFFFFFFFFF" << true << k2Pow64Minus1;
    QTest::newRow("bit 50") << "4000000000000" << true << "1125899906842624";
    QTest::newRow("23 digits") << QString(23, u'F') << true << k2Pow92Minus1;
    QTest::newRow("23 digits after prefix") << QStringLiteral("&H") + QString(23, u'F') << true << k2Pow92Minus1;
    QTest::newRow("24 digits") << QString(24, u'0') << false << "";
    QTest::newRow("24 digits after prefix") << QStringLiteral("&h") + QString(24, u'1') << false << "";
}

void TestNumberCodecs::hex2DecIsExact()
{
    QFETCH(QString, hex);
    QFETCH(bool, hasValue);
    QFETCH(QString, decimal);
    const auto value = hex2Dec(hex);
    QCOMPARE(value.has_value(), hasValue);
    if (value)
        QCOMPARE(decimalText(*value), decimal);
}

void TestNumberCodecs::faceWordsSurviveTheRoundTrip_data()
{
    QTest::addColumn<QString>("decimal");

    QTest::newRow("zero") << "0";
    QTest::newRow("one") << "1";
    QTest::newRow("beyond double precision") << "9007199254740993";
    QTest::newRow("typical face word") << "1153220588478419093";
    QTest::newRow("64-bit") << k2Pow64Minus1;
    QTest::newRow("92-bit") << k2Pow92Minus1;
}

void TestNumberCodecs::faceWordsSurviveTheRoundTrip()
{
    QFETCH(QString, decimal);
    const auto value = hex2Dec(dec2Hex2(decimal));
    QVERIFY(value.has_value());
    QCOMPARE(decimalText(*value), decimal);
}

void TestNumberCodecs::checkTroopFlag_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("ok");

    QTest::newRow("bit clear") << qint64(136) << "16" << "0" << true;
    QTest::newRow("bit set") << qint64(152) << "16" << "1" << true;
    QTest::newRow("all race bits") << qint64(31) << "&H3" << "1" << true;
    QTest::newRow("some race bits") << qint64(5) << "&H3" << "2" << true;
    QTest::newRow("race 0 never matches") << qint64(5) << "&H0" << "0" << true;
    QTest::newRow("bit 31 as negative value") << qint64(-2147483648) << "2147483648" << "1" << true;
    QTest::newRow("bit 31 as unsigned value") << qint64(2147483648) << "&H80000000" << "1" << true;
    QTest::newRow("bits above 32 ignored") << qint64(0x100000000) << "4294967296" << "0" << true;
    QTest::newRow("flag not a number") << qint64(5) << "abc" << "" << false;
}

void TestNumberCodecs::checkTroopFlag()
{
    QFETCH(qint64, value);
    QFETCH(QString, flag);
    QFETCH(QString, expected);
    QFETCH(bool, ok);
    bool checked = !ok;
    QCOMPARE(lancefall::checkTroopFlag(value, flag, &checked), expected);
    QCOMPARE(checked, ok);
}

QTEST_APPLESS_MAIN(TestNumberCodecs)
#include "tst_number_codecs.moc"
