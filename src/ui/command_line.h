#pragma once

#include <QString>

#include <optional>

class QCommandLineParser;

namespace lancefall {

// The editor's command line: lancefall-editor [FOLDER], with --help and --version.
void describeCommandLine(QCommandLineParser &parser);

// The module folder to open at start: the folder argument made absolute against the
// current directory, or none when the command line names none.
std::optional<QString> startFolder(const QCommandLineParser &parser);

} // namespace lancefall
