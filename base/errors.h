// Faults that end an event handler: the window layer catches them at the handler's
// edge and shows their text in the error box. The computation throws them at the
// failing operation, so whatever was assigned before stays as it was.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace orv {

// Base of every fault the program reports to the user: its message, whole (a text
// the user typed may hold a NUL, which what() would cut), and an optional detail that
// explains it in the interface language.
class Fault : public std::runtime_error {
 public:
  explicit Fault(const std::string& message, std::string detail = {})
      : std::runtime_error(message), message_(message), detail_(std::move(detail)) {}
  const std::string& message() const { return message_; }
  const std::string& detail() const { return detail_; }

 private:
  std::string message_;
  std::string detail_;
};

// A floating-point division by zero, overflow or invalid operation.
class FloatingPointFault : public Fault {
 public:
  using Fault::Fault;
};

inline constexpr const char* kDivByZeroText = "Floating point division by zero";
inline constexpr const char* kOverflowText = "Floating point overflow";
inline constexpr const char* kInvalidOpText = "Invalid floating point operation";

// A text that is not a number.
class ConvertFault : public Fault {
 public:
  using Fault::Fault;
};

// A file could not be written; `code` is the operating system's error number.
class InOutFault : public Fault {
 public:
  InOutFault(const std::string& text, int code) : Fault(text), code_(code) {}
  int code() const { return code_; }

 private:
  int code_;
};

// Anything the program refuses before doing it (a time step that would never end,
// a chart request no button produces).
class InputFault : public Fault {
 public:
  using Fault::Fault;
};

// The user stopped a run. Not a Fault: nothing went wrong, so no error box shows it.
class RunCancelled : public std::exception {
 public:
  const char* what() const noexcept override { return "The run was cancelled"; }
};

}  // namespace orv
