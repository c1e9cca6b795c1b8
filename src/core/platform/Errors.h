#pragma once
// The errors the program raises; each message is the exact text the user sees.
#include <stdexcept>
#include <string>

namespace bs {

// Base of every error that the top-level handler shows in a message box.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Text that is not a number of the wanted kind.
class ConvertError : public Error {
 public:
  using Error::Error;
};

// Arithmetic fault: division by zero, invalid operation or overflow.
class MathError : public Error {
 public:
  using Error::Error;
};

// File access failure.
class InOutError : public Error {
 public:
  InOutError(const std::string& message, int code) : Error(message), code_(code) {}
  int Code() const { return code_; }

 private:
  int code_;
};

// A text as a message quotes it: control characters, invalid bytes and direction overrides as
// visible escapes ("\n", "\x1B", "\xFF", "\u202E"), and a text longer than kQuotedCharacters
// characters cut to that length, ending in "…". So a huge line or terminal codes from a file
// can neither flood nor repaint the screen.
inline constexpr int kQuotedCharacters = 40;
std::string TextForMessage(const std::string& text);
// A file name the same way, but a long one keeps its end ("…/YOFiles/my.yag").
std::string PathForMessage(const std::string& path);
// A whole message made safe to show: the same escapes, no cut.
std::string VisibleText(const std::string& message);

inline constexpr const char* kDivisionByZero = "Floating point division by zero";
inline constexpr const char* kInvalidOperation = "Invalid floating point operation";
inline constexpr const char* kOverflow = "Floating point overflow";

[[noreturn]] void ThrowDivisionByZero();
[[noreturn]] void ThrowInvalidOperation();
[[noreturn]] void ThrowOverflow();

// Builds the input/output error for an errno value: "File access denied", "Disk full",
// "Read beyond end of file" or "I/O error %d".
InOutError InOutErrorFromErrno(int err);
[[noreturn]] void ThrowInOut(int err);
[[noreturn]] void ThrowReadBeyondEnd();

}  // namespace bs
