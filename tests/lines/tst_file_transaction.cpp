#include "lines/text_file.h"
#include "support/fixture_folder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace lancefall;
using namespace lancefall::testing;
using namespace Qt::StringLiterals;

class TestFileTransaction : public QObject {
    Q_OBJECT

private slots:
    // Writing all files before replacing any is tested with the save (tst_module_safety).
    // A replacement that fails after others succeeded puts every one of those back as it
    // was: the first one too, its bytes read by the transaction or given, a file that was
    // not there removed again. One whose former bytes could not be read is reported.
    void failedReplacementPutsEveryTargetBack()
    {
        QTemporaryDir dir;
        FileTransaction transaction;
        transaction.add(writeFile(dir.path(), u"a.txt"_s, "old a"), u"a.txt"_s, "new a");
        transaction.add(dir.filePath(u"new.txt"_s), u"new.txt"_s, "new");
        transaction.add(writeFile(dir.path(), u"b.txt"_s, "old b"), u"b.txt"_s, "new b", QByteArray("old b"));
#ifdef Q_OS_UNIX
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(u"pipe.txt"_s)).constData(), 0600), 0);
        transaction.add(dir.filePath(u"pipe.txt"_s), u"pipe.txt"_s, "new pipe");
#endif
        const QString c = writeFile(dir.path(), u"c.txt"_s, "old c");
        transaction.add(c, u"c.txt"_s, "new c");
        QVERIFY(transaction.write());
        // Between writing and replacing, c.txt becomes something that cannot be replaced.
        QVERIFY(QFile::remove(c) && QDir(dir.path()).mkpath(u"c.txt/kept"_s));

        QVERIFY(!transaction.commit());
        QCOMPARE(readBytes(dir.filePath(u"a.txt"_s)) + readBytes(dir.filePath(u"b.txt"_s)), QByteArray("old aold b"));
        QVERIFY(!QFile::exists(dir.filePath(u"new.txt"_s)) && !transaction.replaced(0));
        QStringList errors;
        for (const Error &error : transaction.errors())
            errors.append(error.message());
        QVERIFY2(errors.value(0).startsWith(u"Error #4: c.txt: "_s), qPrintable(errors.join(u'\n')));
#ifdef Q_OS_UNIX
        QVERIFY2(errors.value(1).startsWith(u"Error #4: pipe.txt: was replaced, but could not be put back as it was "
                                            "after c.txt failed: what it held could not be read before: this is "
                                            "not a regular file"_s),
                 qPrintable(errors.join(u'\n')));
#endif
    }

    // A failed write names every file that could not be written, and writes none.
    void failedWriteNamesEveryFile()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"c.txt"_s));
        FileTransaction transaction;
        transaction.add(writeFile(dir.path(), u"a.txt"_s, "old a"), u"a.txt"_s, "new a");
        transaction.add(writeFile(dir.path(), u"plain"_s, "a file") + u"/b.txt"_s, u"b.txt"_s, "new b");
        transaction.add(dir.filePath(u"c.txt"_s), u"c.txt"_s, "new c");
        QVERIFY(!transaction.write());
        QStringList named;
        for (const Error &error : transaction.errors())
            named.append(error.file);
        QCOMPARE(named, (QStringList{u"b.txt"_s, u"c.txt"_s}));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{u"a.txt"_s, u"plain"_s}));
        QCOMPARE(readBytes(dir.filePath(u"a.txt"_s)), QByteArray("old a"));
    }
};

QTEST_GUILESS_MAIN(TestFileTransaction)
#include "tst_file_transaction.moc"
