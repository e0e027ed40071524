#include "base/errors.h"

#include <limits>

namespace base {

namespace {

const char* FaultMessage(FloatFault fault) {
  switch (fault) {
    case FloatFault::Invalid: return "Invalid floating point operation";
    case FloatFault::ZeroDivide: return "Floating point division by zero";
    case FloatFault::Overflow: return "Floating point overflow";
  }
  return "Invalid floating point operation";
}

// A refused token is shown whole up to this length, and cut with "..."
// beyond it: a token of a damaged file may run for megabytes.
constexpr std::size_t kShownTokenLength = 64;

std::string Shown(const std::string& token) {
  if (token.size() <= kShownTokenLength) return token;
  return token.substr(0, kShownTokenLength) + "...";
}

}  // namespace

FloatError::FloatError(FloatFault fault, long double a, long double b)
    : ActionError(FaultMessage(fault)), fault_(fault), a_(a), b_(b) {}

InvalidNumberError::InvalidNumberError(const std::string& text)
    : ActionError(text + " is not a valid number"), text_(text) {}

ConversionError::ConversionError(const std::string& token, bool expected_integer, const std::string& file)
    : ActionError("'" + Shown(token) + "' is not a valid " +
                  (expected_integer ? std::string("integer") : std::string("real number")) +
                  (file.empty() ? std::string() : " in file \"" + file + "\"")),
      token_(token) {}

InOutError::InOutError(const std::string& what, const std::string& file)
    : ActionError(what + " \"" + file + "\""), file_(file) {}

RangeCheckError::RangeCheckError(long long value) : ActionError("Range check error"), value_(value) {}

IntegerOverflowError::IntegerOverflowError() : ActionError("Integer overflow") {}

void RaiseFloatFault(FloatFault fault, long double a, long double b) { throw FloatError(fault, a, b); }

void RaiseRangeCheck(long long value) { throw RangeCheckError(value); }

void RaiseIntegerOverflow() { throw IntegerOverflowError(); }

std::string DefaultReportText(const std::string& message) {
  if (!message.empty() && message.back() == '.') return message;
  return message + ".";
}

std::int32_t CheckedAdd(std::int32_t a, std::int32_t b) {
  std::int32_t r;
  if (__builtin_add_overflow(a, b, &r)) RaiseIntegerOverflow();
  return r;
}

std::int32_t CheckedSub(std::int32_t a, std::int32_t b) {
  std::int32_t r;
  if (__builtin_sub_overflow(a, b, &r)) RaiseIntegerOverflow();
  return r;
}

std::int32_t CheckedMul(std::int32_t a, std::int32_t b) {
  std::int32_t r;
  if (__builtin_mul_overflow(a, b, &r)) RaiseIntegerOverflow();
  return r;
}

std::int32_t CheckedInt32(long long value) {
  if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
    RaiseRangeCheck(value);
  return static_cast<std::int32_t>(value);
}

void CheckIndex(long long index, long long low, long long high) {
  if (index < low || index > high) RaiseRangeCheck(index);
}

}  // namespace base
