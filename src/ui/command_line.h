#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QCommandLineParser;

namespace lancefall {

// The editor's command line: lancefall-editor [FOLDER], with --help and --version.
void describeCommandLine(QCommandLineParser &parser);

// What the command line asks of the editor once its window is up. An option is added
// in describeCommandLine, as a field here, and read in editorOptions.
struct EditorOptions {
    // The module folder to open at start, made absolute against the current directory.
    std::optional<QString> folder;
};

EditorOptions editorOptions(const QCommandLineParser &parser);

// Whether the arguments (the program's name first) are well formed and ask for --help or
// --version, which are answered on the terminal before any window system is reached.
bool answersWithoutWindow(const QStringList &arguments);

} // namespace lancefall
