#include "ui/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace lancefall {

void describeCommandLine(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Edits the troops, party templates and parties of a Lancefall module folder."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("language"),
                      QStringLiteral("The language of the interface for this run: en (English) or zh (Chinese)."),
                      QStringLiteral("en|zh")});
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("The module folder to open at start."),
                                 QStringLiteral("[folder]"));
}

QString commandLineProblem(const QCommandLineParser &parser)
{
    const QString language = parser.value(QStringLiteral("language"));
    if (parser.isSet(QStringLiteral("language")) && language != QLatin1String("en") && language != QLatin1String("zh"))
        return QStringLiteral("Unknown language \"%1\": use en or zh.").arg(language);
    return {};
}

EditorOptions editorOptions(const QCommandLineParser &parser)
{
    EditorOptions options;
    const QStringList arguments = parser.positionalArguments();
    if (!arguments.isEmpty() && !arguments.first().isEmpty())
        options.folder = QFileInfo(arguments.first()).absoluteFilePath();
    if (parser.isSet(QStringLiteral("language")))
        options.language = parser.value(QStringLiteral("language"));
    return options;
}

bool answersWithoutWindow(const QStringList &arguments)
{
    QCommandLineParser parser;
    describeCommandLine(parser);
    // Arguments this parser refuses may be the window system's own (-platform, -style),
    // which only QApplication takes out of the command line.
    return parser.parse(arguments) && (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version")));
}

} // namespace lancefall
