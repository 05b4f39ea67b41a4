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
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("The module folder to open at start."),
                                 QStringLiteral("[folder]"));
}

EditorOptions editorOptions(const QCommandLineParser &parser)
{
    EditorOptions options;
    const QStringList arguments = parser.positionalArguments();
    if (!arguments.isEmpty() && !arguments.first().isEmpty())
        options.folder = QFileInfo(arguments.first()).absoluteFilePath();
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
