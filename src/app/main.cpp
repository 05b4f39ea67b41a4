#include "ui/command_line.h"
#include "ui/dialog_services.h"
#include "ui/language.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The organisation and application names place the remembered folders and window.
    QCoreApplication::setOrganizationName(QStringLiteral("Lancefall"));
    QCoreApplication::setApplicationName(QStringLiteral("Lancefall Module Editor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LANCEFALL_VERSION));
    QCommandLineParser parser;
    lancefall::describeCommandLine(parser);

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (lancefall::answersWithoutWindow(arguments)) {
        // QApplication needs a display even to print the version; QCoreApplication does not.
        QCoreApplication app(argc, argv);
        parser.process(app); // prints the answer and exits
        return 0;
    }

    QApplication app(argc, argv);
    // Ties the window to the installed desktop entry, and so to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.lancefall.ModuleEditor"));
    parser.process(app);
    if (const QString problem = lancefall::commandLineProblem(parser); !problem.isEmpty()) {
        fputs(qPrintable(problem + u'\n'), stderr);
        return 2;
    }
    const lancefall::EditorOptions options = lancefall::editorOptions(parser);

    lancefall::DialogMessageService messages;
    lancefall::DialogQuestionService questions;
    lancefall::DialogFolderPicker folders;
    lancefall::MainWindow window(messages, questions, folders);
    // The language asked for on the command line, else the one chosen before, else the locale's.
    window.setLanguage(options.language ? *lancefall::languageForCode(*options.language)
                                        : window.rememberedLanguage().value_or(
                                              lancefall::languageForLocale(QLocale::system())));
    window.show();
    if (options.folder)
        window.openFolder(*options.folder);
    return app.exec();
}
