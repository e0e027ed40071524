// Errors that end the current user action with the default error report.
//
// Every handler that the forms layer dispatches (a menu item, a button, a key,
// the mouse, a repaint) is run under a guard that catches ActionError (and
// any other standard exception), shows the program's message box and lets
// the program go on.  What an action logged
// or stored before the error stays as it is.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace base {

class ActionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class FloatFault { Invalid, ZeroDivide, Overflow };

// A floating-point fault at the operation that produced it.  The operands are
// kept so that a test or a debugger can see what went wrong.
class FloatError : public ActionError {
 public:
  FloatError(FloatFault fault, long double a, long double b);
  FloatFault fault() const { return fault_; }
  long double operand_a() const { return a_; }
  long double operand_b() const { return b_; }

 private:
  FloatFault fault_;
  long double a_, b_;
};

// The text of a numeric entry field that is not a number of its kind.
class InvalidNumberError : public ActionError {
 public:
  explicit InvalidNumberError(const std::string& text);
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// A token of a text file that is not a number of the kind the reader expects.
class ConversionError : public ActionError {
 public:
  ConversionError(const std::string& token, bool expected_integer, const std::string& file);
  const std::string& token() const { return token_; }

 private:
  std::string token_;
};

// A file that cannot be opened, created or written.
class InOutError : public ActionError {
 public:
  InOutError(const std::string& what, const std::string& file);
  const std::string& file() const { return file_; }

 private:
  std::string file_;
};

class RangeCheckError : public ActionError {
 public:
  explicit RangeCheckError(long long value);
  long long value() const { return value_; }

 private:
  long long value_;
};

class IntegerOverflowError : public ActionError {
 public:
  IntegerOverflowError();
};

// The single exits through which the faults leave; they carry the operands.
[[noreturn]] void RaiseFloatFault(FloatFault fault, long double a, long double b = 0.0L);
[[noreturn]] void RaiseRangeCheck(long long value);
[[noreturn]] void RaiseIntegerOverflow();

// The message of the default error report: the error's message followed by a
// full stop, none added when it already ends in one.
std::string DefaultReportText(const std::string& message);

// Checked integer helpers for code that must refuse an overrun instead of
// wrapping around.
std::int32_t CheckedAdd(std::int32_t a, std::int32_t b);
std::int32_t CheckedSub(std::int32_t a, std::int32_t b);
std::int32_t CheckedMul(std::int32_t a, std::int32_t b);
std::int32_t CheckedInt32(long long value);  // range check into 32 bits
void CheckIndex(long long index, long long low, long long high);

}  // namespace base
