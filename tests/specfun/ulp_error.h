// Errors of extended results against references given as hi + lo, and the
// worst row of a data group: what every accuracy test of the special
// functions measures and reports.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <string>

namespace specfun::testing {

// Spacing of the extended reals in the binade of x (finite, non-zero).
inline long double UlpOf(long double x) {
  constexpr int kLowestExponent = -16445;  // spacing of the subnormals
  const int exponent = std::ilogb(x) - 63;
  return std::ldexp(1.0L, exponent < kLowestExponent ? kLowestExponent : exponent);
}

// |got - (hi + lo)| in ulps of hi.  A NaN, infinite or zero expectation is
// met exactly or not at all (error 0 or +inf).
inline long double UlpError(long double got, long double hi, long double lo = 0.0L) {
  if (std::isnan(hi)) return std::isnan(got) ? 0.0L : INFINITY;
  if (std::isinf(hi) || hi == 0.0L) return got == hi ? 0.0L : INFINITY;
  if (!std::isfinite(got)) return INFINITY;
  // got - hi is exact while got is within a factor of two of hi
  return std::fabs((got - hi) - lo) / UlpOf(hi);
}

// |got - (hi + lo)| in units of 2^-64, the ulp of [0.5, 1): the measure for
// bounded functions next to their zeros, where relative error means nothing.
inline long double AbsoluteError(long double got, long double hi, long double lo = 0.0L) {
  if (!std::isfinite(got) || !std::isfinite(hi)) return UlpError(got, hi, lo);
  return std::fabs((got - hi) - lo) * 0x1p64L;
}

// The row of a data group with the largest error so far, and what the
// routine returned there.  A NaN error counts as the largest of all, so that
// a measure that broke down cannot hide behind a row that merely erred.
class WorstRow {
 public:
  // True when the row became the worst one.
  bool Take(std::size_t row, long double error, long double got) {
    if (error <= error_) return false;
    error_ = error;
    row_ = row;
    got_ = got;
    return true;
  }

  long double error() const { return error_; }
  std::size_t row() const { return row_; }
  long double got() const { return got_; }

 private:
  long double error_ = 0, got_ = 0;
  std::size_t row_ = 0;
};

// The exact value, for failure messages that name a row.
inline std::string Hex(long double x) {
  char text[64];
  std::snprintf(text, sizeof text, "%La", x);
  return text;
}

}  // namespace specfun::testing
