#include "ui/services.h"

namespace lancefall {

void showError(MessageService &messages, QWidget *owner, const Error &error)
{
    switch (error.code) {
    case ErrorCode::InvalidValue:
    case ErrorCode::NotSelected:
    case ErrorCode::EmptyCatalogue:
        messages.show(owner, error.text(), MessageLook::Critical);
        return;
    case ErrorCode::TooManyItems:
    case ErrorCode::UnknownLayout:
        messages.show(owner, error.text(), MessageLook::Plain);
        return;
    case ErrorCode::FileNotFound:
    case ErrorCode::FileOpen:
    case ErrorCode::FileRead:
    case ErrorCode::FileWrite:
    case ErrorCode::MissingField:
    case ErrorCode::NotANumber:
    case ErrorCode::OutOfRange:
    case ErrorCode::NoRecords:
    case ErrorCode::RecordBeyondTable:
    case ErrorCode::NumberTooLarge:
    case ErrorCode::FileTooLarge:
    case ErrorCode::RecordNotPlaced:
    case ErrorCode::NotShown:
        break;
    }
    messages.show(owner, error.message(), MessageLook::Plain);
}

} // namespace lancefall
