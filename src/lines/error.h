#pragma once

#include <QString>

#include <utility>
#include <variant>

namespace lancefall {

// The one table of error numbers. Every "Error #n: ..." message the editor shows
// takes its number from here; the description says what went wrong and where.
enum class ErrorCode {
    FileNotFound = 1,      // a module file does not exist (listed by the load, no message of its own)
    FileOpen = 2,          // a file exists but cannot be opened, or no regular file stands at its path
    FileRead = 3,          // reading a file failed part way
    FileWrite = 4,         // writing or replacing a file failed
    MissingField = 5,      // a line has fewer fields than the format needs
    NotANumber = 6,        // a field that must hold a number does not
    OutOfRange = 7,        // a number points beyond the entries of its list
    NoRecords = 8,         // a file holds no record at all
    RecordBeyondTable = 9, // a record's lines reach past the end of the file
    NumberTooLarge = 10,   // a number does not fit the word it is stored in
    InvalidValue = 11,     // a field value that would corrupt the record
    NotSelected = 12,      // no record is selected
    UnknownLayout = 13,    // a line does not have the layout its file needs
    FileTooLarge = 14,     // a module file is far larger than any real one
    RecordNotPlaced = 15,  // a record's lines cannot be told apart from its neighbours'
    NotShown = 16,         // the record selected is not the one the view shows
    TooManyItems = 17,     // an inventory of more than 64 items
    EmptyCatalogue = 18,   // no items or no factions to show a troop with
};

// An error as a value: what went wrong, and where. The place is kept apart from the
// description, so that a caller (the module check) reads the file and line from the
// fields; the text is formed only when it is shown.
struct Error {
    Error() = default;
    Error(ErrorCode code, QString description, QString file = {}, qsizetype line = 0)
        : code(code)
        , description(std::move(description))
        , file(std::move(file))
        , line(line)
    {
    }

    ErrorCode code = ErrorCode::InvalidValue;
    QString description; // what went wrong, without the place
    QString file;        // the bare name of the file concerned, empty for none
    qsizetype line = 0;  // the line of that file, 0 for the file as a whole

    int number() const { return static_cast<int>(code); }
    // The description with its place: "troops.txt line 57: a troop line needs at least
    // 2 fields", "troops.txt: the file holds no troop record", or the description alone.
    QString text() const;
    // The text shown to the user: "Error #" + number + ": " + text().
    QString message() const;
};

// An error at a line of a file, and one about a file as a whole.
Error lineError(ErrorCode code, const QString &fileName, qsizetype line, const QString &what);
Error fileError(ErrorCode code, const QString &fileName, const QString &what);

// A value or the error that prevented it. Core functions return this and never
// show anything; the window shows the error.
template <typename T>
class Result {
public:
    Result(T value) : mData(std::move(value)) {}
    Result(Error error) : mData(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(mData); }
    explicit operator bool() const { return ok(); }

    const T &value() const & { return std::get<T>(mData); }
    T &value() & { return std::get<T>(mData); }
    T &&value() && { return std::get<T>(std::move(mData)); }
    const T &operator*() const & { return value(); }
    T &operator*() & { return value(); }
    const T *operator->() const { return &value(); }
    T *operator->() { return &value(); }

    const Error &error() const { return std::get<Error>(mData); }

private:
    std::variant<T, Error> mData;
};

struct Done {};
using Status = Result<Done>;
inline Status success()
{
    return Done{};
}

} // namespace lancefall
