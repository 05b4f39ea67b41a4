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

std::optional<QString> startFolder(const QCommandLineParser &parser)
{
    const QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty() || arguments.first().isEmpty())
        return std::nullopt;
    return QFileInfo(arguments.first()).absoluteFilePath();
}

} // namespace lancefall
