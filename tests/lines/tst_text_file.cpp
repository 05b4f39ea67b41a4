#include "lines/text_file.h"
#include "support/fixture_folder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace lancefall;
using namespace lancefall::testing;
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

#ifdef Q_OS_UNIX
// Opens the named pipe at path for writing, without waiting, until stop is set: should a reader
// be waiting on it, that lets the reader go on instead of hanging the test.
void releaseReaders(const QByteArray &path, const std::atomic<bool> &stop)
{
    while (!stop) {
        const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}
#endif

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

    // Only a regular file, or a link to one, is opened: whatever else stands in its place is
    // named for what it is, and a named pipe does not block the reading.
    void readsOnlyRegularFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("reason"); // the start of the description after "troops.txt: "
        const int open = int(ErrorCode::FileOpen);
        QTest::newRow("regular file") << u"file"_s << 0 << QString();
        QTest::newRow("link to a regular file") << u"link"_s << 0 << QString();
        QTest::newRow("nothing") << u"nothing"_s << int(ErrorCode::FileNotFound) << u"the file does not exist"_s;
        QTest::newRow("folder") << u"folder"_s << open << u"this is a folder, not a file"_s;
        QTest::newRow("link loop") << u"loop"_s << open
                                   << u"this is a symbolic link that leads back to itself (a link loop)"_s;
        QTest::newRow("dangling link") << u"dangling"_s << open << u"this is a symbolic link to "_s;
#ifdef Q_OS_UNIX
        QTest::newRow("named pipe") << u"pipe"_s << open << u"this is not a regular file (a named pipe"_s;
        QTest::newRow("folder not searchable") << u"locked"_s << open << u"the folder "_s;
#endif
#ifdef Q_OS_LINUX
        QTest::newRow("path too long") << u"long"_s << open << u"its path is too long for the system (4101 "_s;
#endif
    }
    void readsOnlyRegularFiles()
    {
        QFETCH(QString, kind);
        QFETCH(int, code);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString folder = dir.path();
        const QString home = QDir::currentPath();
        const QString target = dir.filePath(u"target.txt"_s);
        writeFile(dir.path(), u"target.txt"_s, "a\n");
        if (kind == u"file") {
            writeFile(folder, u"troops.txt"_s, "a\n");
        } else if (kind == u"link") {
            QVERIFY(QFile::link(target, dir.filePath(u"troops.txt"_s)));
        } else if (kind == u"folder") {
            QVERIFY(QDir(folder).mkdir(u"troops.txt"_s));
        } else if (kind == u"loop") {
            QVERIFY(QFile::link(dir.filePath(u"other.txt"_s), dir.filePath(u"troops.txt"_s)));
            QVERIFY(QFile::link(dir.filePath(u"troops.txt"_s), dir.filePath(u"other.txt"_s)));
        } else if (kind == u"dangling") {
            QVERIFY(QFile::link(dir.filePath(u"none.txt"_s), dir.filePath(u"troops.txt"_s)));
        }
#ifdef Q_OS_UNIX
        if (kind == u"pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(u"troops.txt"_s)).constData(), 0600), 0);
        if (kind == u"locked") {
            if (::geteuid() == 0)
                QSKIP("root searches every folder");
            folder = dir.filePath(u"locked"_s);
            QVERIFY(QDir(dir.path()).mkdir(u"locked"_s));
            writeFile(folder, u"troops.txt"_s, "a\n");
            QVERIFY(QFile::setPermissions(folder, QFileDevice::WriteOwner));
        }
#endif
        if (kind == u"long") {
            // A folder whose path the system still takes, holding a file whose path it does not.
            QDir::setCurrent(folder);
            while (folder.size() < 4090) {
                const QString name(std::min<qsizetype>(200, 4090 - folder.size() - 1), u'd');
                QVERIFY(QDir().mkdir(name) && QDir::setCurrent(name));
                folder += u'/' + name;
            }
            writeFile(u"."_s, u"troops.txt"_s, "a\n");
            QDir::setCurrent(home);
        }

        const QString path = QDir(folder).filePath(u"troops.txt"_s);
        std::atomic<bool> stop = false;
#ifdef Q_OS_UNIX
        std::thread releaser(releaseReaders, QFile::encodeName(path), std::cref(stop));
#endif
        const Result<LineTable> read = readTextFile(path, u"troops.txt"_s);
        stop = true;
#ifdef Q_OS_UNIX
        releaser.join();
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
#endif
        if (kind == u"long") {
            QDir::setCurrent(folder);
            QFile::remove(u"troops.txt"_s);
            QDir::setCurrent(home);
        }
        QCOMPARE(read ? 0 : int(read.error().code), code);
        if (code != 0)
            QVERIFY2(read.error().description.startsWith(u"troops.txt: "_s + reason),
                     qPrintable(read.error().description));
        else
            QCOMPARE(read->line(1), QByteArrayView("a"));
    }

    void refusesAFileFarLargerThanAnyModule_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("bytes") << kMaxModuleFileBytes + 1 << u"the file is 64.0 MB (67108865 bytes)"_s;
        QTest::newRow("lines") << qint64(kMaxModuleFileLines) + 1 << u"the file has 2097153 lines"_s;
        QTest::newRow("lines allowed") << qint64(kMaxModuleFileLines) << QString();
    }
    void refusesAFileFarLargerThanAnyModule()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QFile huge(dir.filePath(u"troops.txt"_s));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.write(QByteArray(bytes, '\n')) == bytes);
        huge.close();
        const Result<LineTable> read = readTextFile(huge.fileName(), u"troops.txt"_s);
        QCOMPARE(!read, !reason.isEmpty());
        if (!read) {
            QCOMPARE(read.error().code, ErrorCode::FileTooLarge);
            QVERIFY2(read.error().description.startsWith(u"troops.txt: "_s + reason),
                     qPrintable(read.error().description));
        }
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_text_file.moc"
