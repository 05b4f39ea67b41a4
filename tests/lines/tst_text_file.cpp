#include "lines/text_codec.h"
#include "lines/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace lancefall;

class TestTextFile : public QObject {
    Q_OBJECT

private slots:
    void splitsEveryKindOfLineEnd_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<QByteArray>("written"); // the bytes written back, empty: the content itself
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QList<QByteArray>{"a", "b"} << QByteArray();
        QTest::newRow("lf") << QByteArray("a\nb\n") << QList<QByteArray>{"a", "b"} << QByteArray();
        QTest::newRow("lone cr") << QByteArray("a\rb\r") << QList<QByteArray>{"a", "b"} << QByteArray();
        QTest::newRow("no final end") << QByteArray("a\nb") << QList<QByteArray>{"a", "b"} << QByteArray();
        QTest::newRow("mixed ends become CR LF")
            << QByteArray("a\r\n\r\n\nb\r\r\n") << QList<QByteArray>{"a", "", "", "b", ""}
            << QByteArray("a\r\n\r\n\r\nb\r\n\r\n");
        QTest::newRow("lf then cr is two ends") << QByteArray("a\n\rb") << QList<QByteArray>{"a", "", "b"}
                                                << QByteArray("a\r\n\r\nb");
        QTest::newRow("byte-order mark kept off line 1")
            << QByteArray("\xef\xbb\xbftroopsfile version 1\n 1\n") << QList<QByteArray>{"troopsfile version 1", " 1"}
            << QByteArray();
        QTest::newRow("empty file") << QByteArray() << QList<QByteArray>{} << QByteArray();
    }

    void splitsEveryKindOfLineEnd()
    {
        QFETCH(QByteArray, content);
        QFETCH(QList<QByteArray>, lines);
        QFETCH(QByteArray, written);
        const LineTable table = splitLines(content);
        QCOMPARE(table.lastIndex(), lines.size());
        QCOMPARE(table.line(0), QByteArray());
        QCOMPARE(QList<QByteArray>(table.begin(), table.end()), lines);
        QCOMPARE(joinLines(table), written.isEmpty() ? content : written);
    }

    void refusesAFileFarLargerThanAnyModule()
    {
        QTemporaryDir dir;
        QFile huge(dir.filePath(QStringLiteral("troops.txt")));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(kMaxModuleFileBytes + 1));
        huge.close();
        const Result<LineTable> read = readTextFile(huge.fileName(), QStringLiteral("troops.txt"));
        QVERIFY(!read);
        QCOMPARE(read.error().code, ErrorCode::FileTooLarge);
        QVERIFY2(read.error().text().startsWith(QStringLiteral("troops.txt: the file is 64.0 MB (67108865 bytes)")),
                 qPrintable(read.error().text()));
    }

    // Names are read as UTF-8 or GB18030; an edit keeps the encoding of the bytes it replaces.
    void keepsUntouchedBytesAndEncodesEditsAlike()
    {
        const QByteArray gb("\xce\xc0\xb1\xf8");
        QCOMPARE(encodeEdited(QStringLiteral("卫兵"), gb), gb);
        // An edit keeps the field's encoding: GB18030 in, GB18030 out.
        QCOMPARE(encodeEdited(QStringLiteral("卫兵_2"), gb), QByteArray("\xce\xc0\xb1\xf8_2"));
        QCOMPARE(encodeEdited(QStringLiteral("Guard"), QByteArray("Old")), QByteArray("Guard"));
        // Latin-1 cannot hold Chinese text: it is written as UTF-8 instead of being lost.
        QCOMPARE(encodeEdited(QStringLiteral("卫"), QByteArray("\xff")), QStringLiteral("卫").toUtf8());
        // Bytes that are neither UTF-8 nor GB18030 are shown one character each.
        QCOMPARE(decodeText("\xff\xfe").text, QStringLiteral("\u00ff\u00fe"));
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_text_file.moc"
