#include "lines/text_codec.h"
#include "lines/text_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>


using namespace lancefall;
using namespace Qt::StringLiterals;

namespace {

// The fastest of five splits of content, in nanoseconds.
qint64 splitTime(const QByteArray &content)
{
    qint64 best = std::numeric_limits<qint64>::max();
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        const LineTable table = splitLines(content);
        best = std::min(best, timer.nsecsElapsed());
        QTest::qVerify(table.lastIndex() > 0, "lines", "", __FILE__, __LINE__);
    }
    return best;
}

} // namespace

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
        QList<QByteArray> read;
        for (qsizetype k = 1; k <= table.lastIndex(); ++k)
            read.append(table.line(k).toByteArray());
        QCOMPARE(read, lines);
        QCOMPARE(joinLines(table), written.isEmpty() ? content : written);
    }

    // A large file of lone CRs splits in time linear in its size, as one of LF does.
    void splitsLoneCrLinesInLinearTime()
    {
        QByteArray lf;
        for (int k = 0; k < 40000; ++k)
            lf += "trp_" + QByteArray::number(k) + " a b\n";
        QByteArray cr = lf;
        cr.replace('\n', '\r');
        const LineTable table = splitLines(cr);
        QCOMPARE(table.lastIndex(), 40000);
        QCOMPARE(table.line(40000), QByteArrayView("trp_39999 a b"));
        QCOMPARE(joinLines(table), cr);
        const qint64 crTime = splitTime(cr);
        const qint64 lfTime = splitTime(lf);
        QVERIFY2(crTime < 10 * lfTime, qPrintable(u"%1 ns with CR, %2 ns with LF"_s.arg(crTime).arg(lfTime)));
    }

    // A line set or appended is kept apart; the lines around it keep their bytes.
    void setLinesLeaveTheirNeighbours()
    {
        LineTable table = splitLines("a\r\nbb\r\n\r\nc");
        table.setLine(2, "new");
        table.setLine(3, "x\ry");
        table.append("end");
        const QList<QByteArray> expected{"a", "new", "x\ry", "c", "end"};
        QCOMPARE(table.lastIndex(), expected.size());
        for (qsizetype k = 1; k <= table.lastIndex(); ++k)
            QCOMPARE(table.line(k), QByteArrayView(expected.at(k - 1)));
        QCOMPARE(joinLines(table), QByteArray("a\r\nnew\r\nx\ry\r\nc\r\nend"));
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
        QVERIFY2(read.error().description.startsWith(QStringLiteral("troops.txt: the file is 64.0 MB (67108865 bytes)")),
                 qPrintable(read.error().description));
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
