#pragma once
// The run-time error of the platform: what ends the program when a cell holds
// something the code cannot use. Tests catch it; the desktop shows it and quits.
#include <stdexcept>
#include <string>

namespace kelo {

enum class ErrorCode : int {
    InvalidCall = 5,
    Overflow = 6,
    SubscriptOutOfRange = 9,
    DivisionByZero = 11,
    TypeMismatch = 13,
    FileNotFound = 53,
    InputPastEnd = 62,
    PathFileAccess = 75,
    NoSuchElement = 340,
    InvalidPicture = 481,
};

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(ErrorCode code, const std::string& detail);
    ErrorCode code() const { return code_; }
    // The message a user sees: "Run-time error '6':\n\nOverflow" plus the detail.
    std::string userMessage() const;

private:
    ErrorCode code_;
};

[[noreturn]] void raise(ErrorCode code, const std::string& detail = {});
const char* errorText(ErrorCode code);

}  // namespace kelo
