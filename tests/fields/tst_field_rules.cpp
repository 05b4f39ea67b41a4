#include "fields/field_rules.h"
#include "lines/text_codec.h"

#include <QTest>

using namespace lancefall;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::optional<qint64>)

class TestFieldRules : public QObject {
    Q_OBJECT

private slots:
    // A number field is an optional minus sign and digits, nothing else.
    void readsWholeNumbers_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<std::optional<qint64>>("value");
        QTest::newRow("leading zero") << QByteArray("07") << std::optional<qint64>(7);
        QTest::newRow("negative") << QByteArray("-1") << std::optional<qint64>(-1);
        QTest::newRow("largest") << QByteArray("9223372036854775807") << std::optional<qint64>(INT64_MAX);
        QTest::newRow("smallest") << QByteArray("-9223372036854775808") << std::optional<qint64>(INT64_MIN);
        const std::optional<qint64> none;
        QTest::newRow("too large") << QByteArray("9223372036854775808") << none;
        for (const char *bad : {"5\t", "5\v", "5\f", "+5", " 5", "", "-", "5.0"})
            QTest::newRow(bad) << QByteArray(bad) << none;
        QTest::newRow("zero byte and more") << QByteArray("5\0junk", 6) << none;
    }
    void readsWholeNumbers()
    {
        QFETCH(QByteArray, field);
        QFETCH(std::optional<qint64>, value);
        QCOMPARE(parseWholeNumber(QByteArrayView(field)), value);
        QCOMPARE(parseWholeNumber(QStringView(QString::fromLatin1(field))), value);
    }

    // Kept stored text is tested with each record's codec; here the checks of a changed field.
    void checksChangedNamesAndCounts()
    {
        QCOMPARE(nameField(u"Name 1"_s, u"a\nb"_s, u"x"_s, "x").error().description,
                 u"Name 1 must not hold a line break"_s);
        QCOMPARE(*countField(u"Menu"_s, u"2147483647"_s, u"0"_s, "0"), QByteArray("2147483647"));
        QCOMPARE(*countField(u"Menu"_s, u"-5"_s, u"-5"_s, "-05"), QByteArray("-05"));
        for (const QString &refused : {u"2147483648"_s, u"-1"_s})
            QCOMPARE(countField(u"Menu"_s, refused, u"0"_s, "0").error().description,
                     u"Menu must be a whole number from 0 to 2147483647, not \"%1\""_s.arg(refused));
    }

    // A typed name reads back as typed after a save and a new load: in the encoding of the
    // bytes it replaces where those read back so, else in the first encoding that does.
    void typedNamesReadBackAsTyped_data()
    {
        QTest::addColumn<QByteArray>("stored"); // GB18030 (卫兵), or Latin-1: valid in neither UTF-8 nor GB18030
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("written"); // empty: refused
        const QByteArray gb("\xce\xc0\xb1\xf8"), latin1("Ren\xe9");
        QTest::newRow("GB18030 kept") << gb << u"卫兵_2"_s << QByteArray("\xce\xc0\xb1\xf8_2");
        QTest::newRow("GB18030 bytes valid in UTF-8") << gb << u"茅"_s << u"茅"_s.toUtf8();
        QTest::newRow("Latin-1 kept") << latin1 << u"\u00ff\u00fe"_s << QByteArray("\xff\xfe");
        QTest::newRow("Latin-1 bytes valid in GB18030") << latin1 << u"Ren\u00e9e_au"_s << u"Ren\u00e9e_au"_s.toUtf8();
        QTest::newRow("Chinese into Latin-1") << latin1 << u"卫"_s << u"卫"_s.toUtf8();
        QTest::newRow("no encoding reads it back") << latin1 << QString(QChar(0xd800)) << QByteArray();
    }
    void typedNamesReadBackAsTyped()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, typed);
        QFETCH(QByteArray, written);
        const Result<QByteArray> bytes = nameField(u"Name 1"_s, typed, displayText(stored), stored);
        QCOMPARE(bytes ? *bytes : bytes.error().description.toUtf8(),
                 written.isEmpty() ? "Name 1 cannot be stored so that it reads back as typed" : written);
        QVERIFY(!bytes || displayText(*bytes) == typed);
    }

    // What a field holds after it is left, and the message when its value is refused.
    void checksLeftFields_data()
    {
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("tidied");
        QTest::addColumn<QString>("problem");
        const int skill = int(FieldRule::Skill), number = int(FieldRule::Count);
        const QString range = skillRangeMessage();
        QTest::newRow("skill emptied") << skill << QString() << true << u"0"_s << QString();
        QTest::newRow("skill fraction") << skill << u"5.5"_s << true << u"5.5"_s << range;
        QTest::newRow("number stored wrong, only shown") << number << u"12a"_s << false << u"12a"_s << QString();
        QTest::newRow("blank number is not empty")
            << number << u" "_s << true << u" "_s << u"Strength must be a whole number from 0 to 2147483647, not \" \""_s;
        QTest::newRow("negative number typed") << number << u"-3"_s << true << u"-3"_s
                                               << u"Strength must be a whole number from 0 to 2147483647, not \"-3\""_s;
        QTest::newRow("face emptied") << int(FieldRule::FaceCode) << QString() << true << u"0x"_s + QString(64, u'0')
                                      << QString();
        QTest::newRow("face text kept") << int(FieldRule::FaceCode) << u"zz"_s << true << u"zz"_s << QString();
        QTest::newRow("blanks") << int(FieldRule::NoBlanks) << u"a  b"_s << true << u"a__b"_s << QString();
    }
    void checksLeftFields()
    {
        QFETCH(int, rule);
        QFETCH(QString, text);
        QFETCH(bool, typed);
        QFETCH(QString, tidied);
        QFETCH(QString, problem);
        const FieldCheck check
            = checkField(FieldRule(rule), text, typed ? TextSource::Typed : TextSource::Shown, u"Strength"_s);
        QCOMPARE(check.text, tidied);
        QCOMPARE(check.problem.value_or(QString()), problem);
    }
};

QTEST_GUILESS_MAIN(TestFieldRules)
#include "tst_field_rules.moc"
