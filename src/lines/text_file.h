#pragma once

#include "lines/error.h"
#include "lines/file_state.h"
#include "lines/line_table.h"

#include <QFileDevice>
#include <QFileInfo>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace lancefall {

// The largest module file that is read: far beyond any real one (a large troops.txt
// is 1 to 3 MB), small enough that a stray huge file is refused before it is read.
inline constexpr qint64 kMaxModuleFileBytes = qint64(64) * 1024 * 1024;
// The most lines a module file may have: twenty times those of the largest real ones, and few
// enough that a file of short records cannot make the lists of a load far larger than the file.
inline constexpr qsizetype kMaxModuleFileLines = qsizetype(2) * 1024 * 1024;

// Splits file content into lines. CR LF, LF and a lone CR each end a line; a last
// line without a terminator still counts, a final terminator adds no empty line. A
// leading UTF-8 byte-order mark is taken off line 1. The table's layout records the
// mark, the line end (CR LF when the file mixes several) and the final terminator.
LineTable splitLines(const QByteArray &content);

// The bytes of a table as a file: its mark, every line followed by its line end,
// the last one only when the file had it.
QByteArray joinLines(const LineTable &lines);

// Reads the file at path into a line table. A missing file gives ErrorCode::FileNotFound;
// anything there that is not a regular file or a link to one (a folder, a named pipe, a
// link loop) ErrorCode::FileOpen, without opening it; a file above kMaxModuleFileBytes or
// kMaxModuleFileLines ErrorCode::FileTooLarge;
// fileName is the bare name used in messages. `state`, when given, receives the state
// of the very bytes that were read.
Result<LineTable> readTextFile(const QString &path, const QString &fileName, FileState *state = nullptr);
// The bytes of the module file at path, never more than kMaxModuleFileBytes, and when it was
// last modified. A failure gives the code readTextFile gives and the reason, without the
// file's name.
Result<QByteArray> readModuleBytes(const QString &path, QDateTime *modified = nullptr);

// Why nothing can be reached at a path where QFileInfo sees nothing: a symbolic link loop,
// a dangling link, a path too long for the system, a folder that may not be searched. Nothing
// when there is simply nothing there (or something is).
std::optional<QString> unreachableReason(const QFileInfo &info);

// Writes the table to a temporary file beside path and renames it over path, so a
// failed write leaves the old file as it was. Returns the number of lines written.
Result<qsizetype> writeTextFile(const QString &path, const QString &fileName, const LineTable &lines);

// Files that change together, as the three files of a save do. write() writes every
// file in full to a temporary file beside its target and replaces nothing; commit()
// then replaces the targets one after another in the order they were added. So a
// write that fails (a full disk) leaves every target as it was.
//
// A replacement can still fail after others succeeded (a target locked by another
// program, a folder made read-only in between): every target already replaced is then
// put back as it was, its former bytes written again or, where there was no file, the
// file removed. A target that cannot be put back (its former bytes could not be read,
// or writing them failed) stays replaced and is reported.
class FileTransaction {
public:
    FileTransaction();
    ~FileTransaction();
    FileTransaction(const FileTransaction &) = delete;
    FileTransaction &operator=(const FileTransaction &) = delete;

    // Adds a file: content for path; fileName names it in messages. previous is what path
    // holds now, when the caller has it; otherwise write() reads it (or finds no file).
    // Returns the file's position.
    qsizetype add(const QString &path, const QString &fileName, const QByteArray &content,
                  const std::optional<QByteArray> &previous = std::nullopt);
    // The permissions file i is written with; by default a replaced file keeps its own.
    void setPermissions(qsizetype i, QFileDevice::Permissions permissions);
    // Writes the temporary files, every one even after a failure; when one fails, drops them
    // all. True when all were written.
    bool write();
    // Replaces the targets; true when every one was replaced and stays so.
    bool commit();

    // Whether file i's target now holds its new content.
    bool replaced(qsizetype i) const;
    // What went wrong, each naming its file: every failed write, a failed replacement, and
    // any target that could not be put back.
    const QList<Error> &errors() const { return mErrors; }

private:
    struct Entry;
    void putBack(qsizetype failed);
    std::vector<std::unique_ptr<Entry>> mEntries;
    QList<Error> mErrors;
};

} // namespace lancefall
