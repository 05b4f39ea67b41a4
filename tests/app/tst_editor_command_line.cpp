#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

class TestEditorCommandLine : public QObject {
    Q_OBJECT

private slots:
    void answersWithoutADisplay_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("version") << u"--version"_s << QStringLiteral("Lancefall Module Editor " LANCEFALL_VERSION);
        QTest::newRow("help") << u"--help"_s << QStringLiteral("Usage: " LANCEFALL_EDITOR " [options] [folder]");
    }
    void answersWithoutADisplay()
    {
        QFETCH(QString, option);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
            environment.remove(name);
        QProcess editor;
        editor.setProcessEnvironment(environment);
        editor.start(QStringLiteral(LANCEFALL_EDITOR), {option});
        QVERIFY(editor.waitForFinished(60000));
        QVERIFY2(editor.exitStatus() == QProcess::NormalExit && editor.exitCode() == 0,
                 editor.readAllStandardError().constData());
        QTEST(QString::fromLocal8Bit(editor.readAllStandardOutput()).section(u'\n', 0, 0), "firstLine");
    }
};

QTEST_GUILESS_MAIN(TestEditorCommandLine)
#include "tst_editor_command_line.moc"
