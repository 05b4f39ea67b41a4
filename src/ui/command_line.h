#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QCommandLineParser;

namespace lancefall {

// The editor's command line: lancefall-editor [--language en|zh] [FOLDER], with --help and
// --version.
void describeCommandLine(QCommandLineParser &parser);

// What the command line asks of the editor once its window is up. An option is added
// in describeCommandLine, as a field here, and read in editorOptions.
struct EditorOptions {
    // The module folder to open at start, made absolute against the current directory.
    std::optional<QString> folder;
    // The language of the interface for this run, "en" or "zh", over the one remembered.
    std::optional<QString> language;
};

EditorOptions editorOptions(const QCommandLineParser &parser);

// Whether the arguments (the program's name first) are well formed and ask for --help or
// --version, which are answered on the terminal before any window system is reached.
bool answersWithoutWindow(const QStringList &arguments);

// What is wrong with the options given, for the terminal; empty when nothing is.
QString commandLineProblem(const QCommandLineParser &parser);

} // namespace lancefall
