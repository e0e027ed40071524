// Errors of extended results in units of the 64-bit significand, for the
// accuracy tests of the special functions.
#pragma once

#include <cmath>

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

}  // namespace specfun::testing
