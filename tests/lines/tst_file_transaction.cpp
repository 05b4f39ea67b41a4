#include "lines/text_file.h"
#include "support/fixture_folder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace lancefall;
using namespace lancefall::testing;
using namespace Qt::StringLiterals;

namespace {

const QStringList kNames{u"a.txt"_s, u"b.txt"_s, u"c.txt"_s};

} // namespace

class TestFileTransaction : public QObject {
    Q_OBJECT

private slots:
    // Writing all files before replacing any is tested with the save (tst_module_safety).
    // A replacement that fails after others succeeded puts those back where their previous
    // bytes are known; one without them stays replaced, and is reported so.
    void failedReplacementPutsBackTheOthers()
    {
        QTemporaryDir dir;
        for (const QString &name : kNames)
            writeFile(dir.path(), name, "old " + name.toLatin1());
        FileTransaction transaction;
        transaction.add(dir.filePath(u"a.txt"_s), u"a.txt"_s, "new a");
        transaction.add(dir.filePath(u"b.txt"_s), u"b.txt"_s, "new b", QByteArray("old b.txt"));
        transaction.add(dir.filePath(u"c.txt"_s), u"c.txt"_s, "new c", QByteArray("old c.txt"));
        QVERIFY(transaction.write());
        // Between writing and replacing, c.txt becomes something that cannot be replaced.
        QVERIFY(QFile::remove(dir.filePath(u"c.txt"_s)));
        QVERIFY(QDir(dir.path()).mkpath(u"c.txt/kept"_s));

        QVERIFY(!transaction.commit());
        QVERIFY(transaction.replaced(0));
        QVERIFY(!transaction.replaced(1) && !transaction.replaced(2));
        QCOMPARE(readBytes(dir.filePath(u"a.txt"_s)), QByteArray("new a"));
        QCOMPARE(readBytes(dir.filePath(u"b.txt"_s)), QByteArray("old b.txt"));
        QVERIFY(QFileInfo(dir.filePath(u"c.txt/kept"_s)).isDir());
        QCOMPARE(transaction.errors().size(), 1);
        QVERIFY(transaction.errors().first().message().startsWith(u"Error #4: c.txt: "_s));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{u"a.txt"_s, u"b.txt"_s}));
    }
};

QTEST_GUILESS_MAIN(TestFileTransaction)
#include "tst_file_transaction.moc"
