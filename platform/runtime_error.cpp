#include "platform/runtime_error.h"

namespace kelo {

const char* errorText(ErrorCode code) {
    switch (code) {
    case ErrorCode::InvalidCall: return "Invalid procedure call or argument";
    case ErrorCode::Overflow: return "Overflow";
    case ErrorCode::SubscriptOutOfRange: return "Subscript out of range";
    case ErrorCode::DivisionByZero: return "Division by zero";
    case ErrorCode::TypeMismatch: return "Type mismatch";
    case ErrorCode::FileNotFound: return "File not found";
    case ErrorCode::InputPastEnd: return "Input past end of file";
    case ErrorCode::PathFileAccess: return "Path/File access error";
    case ErrorCode::NoSuchElement: return "Control array element does not exist";
    case ErrorCode::InvalidPicture: return "Invalid picture";
    }
    return "Application-defined or object-defined error";
}

static std::string compose(ErrorCode code, const std::string& detail) {
    std::string s = "Run-time error '" + std::to_string(static_cast<int>(code)) + "': " + errorText(code);
    if (!detail.empty()) s += " (" + detail + ")";
    return s;
}

RuntimeError::RuntimeError(ErrorCode code, const std::string& detail)
    : std::runtime_error(compose(code, detail)), code_(code) {}

std::string RuntimeError::userMessage() const { return what(); }

void raise(ErrorCode code, const std::string& detail) { throw RuntimeError(code, detail); }

}  // namespace kelo
