#include "ui/command_line.h"
#include "ui/dialog_services.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The organisation and application names place the remembered folders and window.
    QApplication::setOrganizationName(QStringLiteral("Lancefall"));
    QApplication::setApplicationName(QStringLiteral("Lancefall Module Editor"));
    QApplication::setApplicationVersion(QStringLiteral(LANCEFALL_VERSION));
    QCommandLineParser parser;
    lancefall::describeCommandLine(parser);
    parser.process(app);

    lancefall::DialogMessageService messages;
    lancefall::DialogQuestionService questions;
    lancefall::DialogFolderPicker folders;
    lancefall::MainWindow window(messages, questions, folders);
    window.show();
    if (const auto folder = lancefall::startFolder(parser))
        window.openFolder(*folder);
    return app.exec();
}
