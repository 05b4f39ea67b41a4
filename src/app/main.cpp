#include "ui/dialog_services.h"
#include "ui/main_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    lancefall::DialogMessageService messages;
    lancefall::DialogQuestionService questions;
    lancefall::DialogFolderPicker folders;
    lancefall::MainWindow window(messages, questions, folders);
    window.show();
    return app.exec();
}
