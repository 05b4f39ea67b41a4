#include "lines/text_file.h"
#include "support/fixture_folder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace lancefall;
using namespace lancefall::testing;
using namespace Qt::StringLiterals;

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
        const QByteArray cr = QByteArray(lf).replace('\n', '\r');
        const LineTable table = splitLines(cr);
        QCOMPARE(table.lastIndex(), 40000);
        QCOMPARE(table.line(40000), QByteArrayView("trp_39999 a b"));
        const auto fastest = [](const QByteArray &content) {
            qint64 best = std::numeric_limits<qint64>::max();
            for (int run = 0; run < 5; ++run) {
                QElapsedTimer timer;
                timer.start();
                const LineTable table = splitLines(content);
                best = std::min(best, timer.nsecsElapsed());
            }
            return best;
        };
        const qint64 crTime = fastest(cr), lfTime = fastest(lf);
        QVERIFY2(crTime < 10 * lfTime, qPrintable(u"%1 ns with CR, %2 ns with LF"_s.arg(crTime).arg(lfTime)));
    }

    // Only a regular file, or a link to one, is opened (a named pipe would block the reading);
    // whatever else stands in its place is named for what it is.
    void readsOnlyRegularFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason"); // the description after "troops.txt: "
        QTest::newRow("folder") << u"folder"_s << u"this is a folder, not a file"_s;
        QTest::newRow("link loop") << u"loop"_s << u"this is a symbolic link that leads back to itself (a link loop)"_s;
        QTest::newRow("dangling link") << u"dangling"_s << u"this is a symbolic link to "_s;
#ifdef Q_OS_UNIX
        QTest::newRow("named pipe") << u"pipe"_s << u"this is not a regular file (a named pipe"_s;
        QTest::newRow("folder not searchable") << u"locked"_s << u"the folder "_s;
#endif
#ifdef Q_OS_LINUX
        QTest::newRow("path too long") << u"long"_s << u"its path is too long for the system (4101 "_s;
#endif
    }
    void readsOnlyRegularFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString folder = dir.path();
        const QString home = QDir::currentPath();
        const QString path = dir.filePath(u"troops.txt"_s);
        if (kind == u"loop" || kind == u"dangling")
            QVERIFY(QFile::link(dir.filePath(u"a.txt"_s), path));
        if (kind == u"loop")
            QVERIFY(QFile::link(path, dir.filePath(u"a.txt"_s)));
        if (kind == u"folder")
            QVERIFY(QDir(folder).mkdir(u"troops.txt"_s));
#ifdef Q_OS_UNIX
        if (kind == u"pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (kind == u"locked") {
            if (::geteuid() == 0)
                QSKIP("root searches every folder");
            writeFile(folder, u"troops.txt"_s, "a\n");
            QVERIFY(QFile::setPermissions(folder, QFileDevice::WriteOwner));
        }
#endif
        // A folder whose path the system still takes, holding a file whose path it does not.
        while (kind == u"long" && folder.size() < 4090) {
            const QString name(std::min<qsizetype>(200, 4090 - folder.size() - 1), u'd');
            QVERIFY(QDir(folder).mkdir(name));
            folder += u'/' + name;
        }
        if (kind == u"long" && QDir::setCurrent(folder))
            writeFile(u"."_s, u"troops.txt"_s, "a\n");

        const Result<LineTable> read = readTextFile(QDir(folder).filePath(u"troops.txt"_s), u"troops.txt"_s);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (kind == u"long") {
            QFile::remove(u"troops.txt"_s);
            QDir::setCurrent(home);
        }
        QVERIFY2(!read && read.error().code == ErrorCode::FileOpen
                     && read.error().text().startsWith(u"troops.txt: "_s + reason),
                 qPrintable(read ? QString() : read.error().message()));
    }

    void refusesAFileFarLargerThanAnyModule_data()
    {
        QTest::addColumn<qint64>("bytes"); // of LF each
        QTest::addColumn<QString>("reason");
        QTest::newRow("bytes") << kMaxModuleFileBytes + 1 << u"the file is 64.0 MB (67108865 bytes)"_s;
        QTest::newRow("lines") << qint64(kMaxModuleFileLines) + 1 << u"the file has 2097153 lines"_s;
    }
    void refusesAFileFarLargerThanAnyModule()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const Result<LineTable> read
            = readTextFile(writeFile(dir.path(), u"troops.txt"_s, QByteArray(bytes, '\n')), u"troops.txt"_s);
        QCOMPARE(read.error().code, ErrorCode::FileTooLarge);
        QVERIFY2(read.error().text().startsWith(u"troops.txt: "_s + reason),
                 qPrintable(read.error().text()));
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_text_file.moc"
