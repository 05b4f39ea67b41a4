// Draws the real window with a module loaded and one record selected into a PNG,
// for the README and for checking the look: lancefall-screenshot MODULE OUT.png [view] [row] [WxH]
// where view is troops.txt (default), party_templates.txt or parties.txt, row a record
// number or a range of them ("3-7", a selection of several), and WxH a window size larger
// than the starting one. LANCEFALL_LANGUAGE=en (or zh_CN) draws it in that translation.

#include "headless_services.h"
#include "ui/main_window.h"
#include "ui_main_window.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QItemSelectionModel>
#include <QListView>
#include <QTranslator>

using namespace lancefall;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        QTextStream(stderr) << "usage: lancefall-screenshot MODULE_FOLDER OUT.png [view] [row] [WxH]\n";
        return 2;
    }
    const QString view = args.size() > 3 ? args.at(3) : QStringLiteral("troops.txt");
    const QStringList rows = (args.size() > 4 ? args.at(4) : QStringLiteral("3")).split(u'-');
    const int row = rows.first().toInt();
    const int last = rows.last().toInt();

    QTranslator translator;
    const QString language = qEnvironmentVariable("LANCEFALL_LANGUAGE");
    if (!language.isEmpty()) {
        if (!translator.load(QStringLiteral(":/translations/lancefall_%1.qm").arg(language))) {
            QTextStream(stderr) << "lancefall-screenshot: no translation " << language << "\n";
            return 2;
        }
        QCoreApplication::installTranslator(&translator);
    }

    PrintedMessages messages;
    DiscardOnClose questions;
    FixedFolder folder(QDir(args.at(1)).absolutePath());
    MainWindow window(messages, questions, folder);
    window.show();
    if (args.size() > 5) {
        const QStringList size = args.at(5).split(u'x');
        window.resize(size.value(0).toInt(), size.value(1).toInt());
    }
    window.cmdBrowse_Click();
    Ui::MainWindow &ui = window.form();
    ui.cmbChooseFile->setCurrentText(view);
    QListView *list = view == QLatin1String("party_templates.txt") ? ui.lstPartyTemplates
        : view == QLatin1String("parties.txt")                     ? ui.lstParties
                                                                   : ui.ListTroops;
    list->setCurrentIndex(list->model()->index(row, 0));
    if (last > row)
        list->selectionModel()->select(QItemSelection(list->model()->index(row, 0), list->model()->index(last, 0)),
                                       QItemSelectionModel::Select);
    // Twice: the first round shows the view, which may ask the window to grow.
    app.processEvents();
    app.processEvents();
    if (!window.grab().save(args.at(2)))
        return 1;
    return 0;
}
