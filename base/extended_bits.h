// Routines that read or set the fields of an extended real directly: sign bit,
// 15-bit biased exponent and 64-bit significand with its explicit integer bit.
// All are exact.
#pragma once

#include <cstdint>

#include "base/extended.h"

namespace base {

// |x| with the sign of y.
Extended CopySign(Extended x, Extended y);

struct SplitResult {
  Extended mantissa;   // 0.5 <= |m| < 1, or x itself for 0, NaN and inf
  std::int32_t power;  // x = m * 2^power
};
// Subnormal inputs are first scaled up by a power of two.
SplitResult SplitExponent(Extended x);

// Unbiased exponent of two: 2147483647 for NaN and infinities, -2147483647
// for 0, the true exponent for subnormals.
std::int32_t ExponentOf(Extended x);

// x * 2^n: exact unless the result leaves the range; beyond the largest
// extended it is the overflow, below the smallest it rounds silently.
Extended ScaleByPowerOf2(Extended x, std::int32_t n);

// True for NaN and the infinities: the exponent field is all ones.
bool IsNaNOrInfinite(Extended x);

}  // namespace base
