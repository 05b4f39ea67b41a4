#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

// Runs the built editor as a user does, without a display: --help and --version must answer
// on the terminal, where the window system would abort the program.
class TestEditorCommandLine : public QObject {
    Q_OBJECT

private slots:
    void answersWithoutADisplay_data()
    {
        const QString editor = QStringLiteral(LANCEFALL_EDITOR);
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("lines"); // lines the output must hold
        QTest::newRow("--version") << QStringList{u"--version"_s}
                                   << QStringList{QStringLiteral("Lancefall Module Editor " LANCEFALL_VERSION)};
        QTest::newRow("--help") << QStringList{u"--help"_s}
                                << QStringList{u"Usage: %1 [options] [folder]"_s.arg(editor),
                                               u"  folder         The module folder to open at start."_s};
    }
    void answersWithoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, lines);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
            environment.remove(name);
        QProcess editor;
        editor.setProcessEnvironment(environment);
        editor.start(QStringLiteral(LANCEFALL_EDITOR), arguments);
        QVERIFY(editor.waitForFinished(60000));
        const QString output = QString::fromLocal8Bit(editor.readAllStandardOutput());
        QVERIFY2(editor.exitStatus() == QProcess::NormalExit && editor.exitCode() == 0,
                 editor.readAllStandardError().constData());
        const QStringList shown = output.split(u'\n');
        for (const QString &line : lines)
            QVERIFY2(shown.contains(line), qPrintable(output));
    }
};

QTEST_GUILESS_MAIN(TestEditorCommandLine)
#include "tst_editor_command_line.moc"
