// Extended: the 80-bit real of every computation in the suite.
//
// A thin value type over long double (64-bit significand, round to nearest
// with ties to even).  Each operation checks its own result and raises the
// floating-point fault where an x87 unit with the invalid, zero-divide and
// overflow exceptions unmasked would stop:
//   - a NaN produced from operands that are not NaN: invalid operation
//     (0/0, inf-inf, 0*inf, sqrt or ln of a negative number, sin of inf);
//   - an infinity produced from finite operands: overflow, or division by
//     zero for x/0 with x finite and non-zero and for ln 0;
//   - rounding a NaN, an infinity or a value beyond 64-bit integers: invalid.
// A quiet NaN or an infinity already present passes through silently, and so
// do underflow, denormals and inexact results.  Comparisons never fault.
//
// The check looks at the result, not at the unit's sticky flags or a trap, so
// the fault is raised by the very operation that caused it.
#pragma once

#include <cmath>
#include <cstdint>
#include <type_traits>

#include "base/errors.h"

namespace base {

class Extended {
 public:
  constexpr Extended() : v_(0.0L) {}
  template <typename T>
  requires std::is_arithmetic_v<T>
  constexpr Extended(T x) : v_(static_cast<long double>(x)) {}  // NOLINT: implicit by design

  constexpr long double raw() const { return v_; }

  friend Extended operator+(Extended a, Extended b) { return Checked(a.v_ + b.v_, a.v_, b.v_); }
  friend Extended operator-(Extended a, Extended b) { return Checked(a.v_ - b.v_, a.v_, b.v_); }
  friend Extended operator*(Extended a, Extended b) { return Checked(a.v_ * b.v_, a.v_, b.v_); }
  friend Extended operator/(Extended a, Extended b) {
    const long double r = a.v_ / b.v_;
    if (__builtin_expect(!__builtin_isfinite(r), 0)) CheckQuotient(r, a.v_, b.v_);
    return Extended(r);
  }
  friend Extended operator-(Extended a) { return Extended(-a.v_); }
  friend Extended operator+(Extended a) { return a; }

  Extended& operator+=(Extended b) { return *this = *this + b; }
  Extended& operator-=(Extended b) { return *this = *this - b; }
  Extended& operator*=(Extended b) { return *this = *this * b; }
  Extended& operator/=(Extended b) { return *this = *this / b; }

  friend bool operator==(Extended a, Extended b) { return a.v_ == b.v_; }
  friend bool operator!=(Extended a, Extended b) { return a.v_ != b.v_; }
  friend bool operator<(Extended a, Extended b) { return __builtin_isless(a.v_, b.v_); }
  friend bool operator<=(Extended a, Extended b) { return __builtin_islessequal(a.v_, b.v_); }
  friend bool operator>(Extended a, Extended b) { return __builtin_isgreater(a.v_, b.v_); }
  friend bool operator>=(Extended a, Extended b) { return __builtin_isgreaterequal(a.v_, b.v_); }

  // Result check of a two-operand operation other than division.
  static Extended Checked(long double r, long double a, long double b) {
    if (__builtin_expect(!__builtin_isfinite(r), 0)) CheckBinary(r, a, b);
    return Extended(r);
  }
  // Result check of a one-operand function; a pole (ln 0) is a zero divide.
  static Extended CheckedUnary(long double r, long double a, bool pole_at_zero = false) {
    if (__builtin_expect(!__builtin_isfinite(r), 0)) CheckUnary(r, a, pole_at_zero);
    return Extended(r);
  }

 private:
  [[gnu::cold]] static void CheckBinary(long double r, long double a, long double b);
  [[gnu::cold]] static void CheckQuotient(long double r, long double a, long double b);
  [[gnu::cold]] static void CheckUnary(long double r, long double a, bool pole_at_zero);

  long double v_;
};

static_assert(sizeof(long double) >= 10 && __LDBL_MANT_DIG__ == 64, "the suite needs the x87 80-bit extended real");

// Special values and constants of the type.
Extended NaN();       // quiet, all significand bits set
Extended Infinity();  // +inf
// The extended nearest to pi: 3.141592653589793238513, above pi by 5.0166e-20.
constexpr Extended Pi() { return Extended(0xC90FDAA22168C235p-62L); }

bool IsNaN(Extended x);
bool IsInfinite(Extended x);
bool IsFinite(Extended x);
bool SignBit(Extended x);

// The elementary operations, each checked.  The square root is the unit's,
// correctly rounded; the others are computed from correctly rounded
// operations alone, within a little more than half an ulp, so that every
// processor gives the same bits (elementary.h has the rest of them).
// e^+inf = +inf and e^-inf = 0 pass silently; ArcTan2 has the quadrants and
// signed zeros of atan2.
Extended Abs(Extended x);
Extended Sqr(Extended x);
Extended Sqrt(Extended x);
Extended Ln(Extended x);
Extended Exp(Extended x);
Extended ArcTan(Extended x);
Extended ArcTan2(Extended y, Extended x);
Extended Sin(Extended x);
Extended Cos(Extended x);

// Round to the nearest integer, ties to even, and truncation toward zero,
// both into 64-bit integers: a NaN, an infinity or a value whose rounding lies
// outside -2^63 .. 2^63-1 is an invalid operation.
std::int64_t Round(Extended x);
std::int64_t Trunc(Extended x);
// The same roundings kept as reals (no range limit; NaN and inf pass), and
// the largest integer not above x.  Truncation switches the unit to rounding
// toward zero for its one rounding and restores the mode.
Extended RoundToIntegral(Extended x);
Extended TruncToIntegral(Extended x);
Extended FloorToIntegral(Extended x);

// Narrowing to a double: a finite value beyond the double range overflows.
double ToDouble(Extended x);

}  // namespace base
