// e^x = 2^n * 2^r with n the nearest integer to x log2 e and |r| about 1/2 at
// most, so that 2^r - 1 is one instruction of the unit.
#include "specfun/ext_constants.h"
#include "specfun/ext_math.h"
#include "specfun/half_exponential.h"
#include "specfun/x87.h"
#include "base/x87.h"

namespace specfun {
namespace {

// ln 2 split into two doubles.  The leading part 0x1.62e42fee00000p-1 has 32
// significant bits, so n times it is exact and x - n*high loses nothing; the
// two parts together are ln 2 within 1.2e-26.
constexpr double kLn2High = 0x1.62e42fee00000p-1;  // 0.6931471803691238
constexpr double kLn2Low = 0x1.a39ef35793c76p-33;  // 1.9082149292705877e-10
// |n| >= 24576: 2^n alone is far past overflow (2^16384) or underflow
// (2^-16445), whatever r is.
constexpr long double kFarExponent = 24576;
// Any |n| beyond 2^16 scales a value of order 1 out of range just as well.
constexpr long double kScaleClamp = 65536;
// Below x = -32768 e^x underflows to 0 just as well, and x log2 e must not
// overflow on the way there (x = -1e4932).
constexpr long double kUnderflowArgument = -32768;

Extended TwoToPowerMinusOne(Extended r) {
  return Extended::CheckedUnary(x87::TwoToXMinusOne(r.raw()), r.raw());
}

// v * 2^n for an integral n that may lie beyond every exponent range: beyond
// the largest extended the unit's overflow, below the smallest a silent 0.
// Inlined, as is the split below, into both callers: out of line they pass
// and return extended reals through memory, a fifth more time per exponential.
[[gnu::always_inline]] inline Extended ScaleByIntegral(Extended v, Extended n) {
  if (IsNaN(n)) return v + n;
  const Extended clamped = n > kScaleClamp ? kScaleClamp : (n < -kScaleClamp ? -kScaleClamp : n);
  return Extended::CheckedUnary(base::x87::Scale(v.raw(), clamped.raw()), v.raw());
}

// x rounded to the nearest integer, ties to even (the unit's rounding).
Extended RoundToNearest(Extended x) { return Extended(base::x87::RoundToInteger(x.raw())); }

// e^x = (f + 1) 2^n.
struct PowerSplit {
  Extended f, n;
};

[[gnu::always_inline]] inline PowerSplit SplitExponential(Extended x) {
  if (x < kUnderflowArgument && !IsNaNOrInfinite(x)) x = kUnderflowArgument;
  const Extended n = RoundToNearest(x * constants::kLog2E);
  const Extended r = (x - n * kLn2High - n * kLn2Low) * constants::kLog2E;
  if (base::Abs(r) <= 1) return {TwoToPowerMinusOne(r), n};  // the domain of the 2^r - 1 instruction
  if (base::Abs(n) >= kFarExponent) return {0, n};           // x so large that r means nothing
  const Extended g = TwoToPowerMinusOne(r / 2);               // 2^r - 1 = g (g + 2), g = 2^(r/2) - 1
  return {g * (g + 2), n};
}

}  // namespace

Extended Exponential(Extended x) {
  const PowerSplit e = SplitExponential(x);
  return ScaleByIntegral(e.f + 1, e.n);
}

// Halving the power of two instead of x itself keeps ln 2 out of the
// argument: x - ln 2 would be rounded to the spacing of x, 2^-50 near the
// top of the range, an error the result would carry a thousand times over.
Extended HalfExponential(Extended x) {
  const PowerSplit e = SplitExponential(x);
  return ScaleByIntegral(e.f + 1, e.n - 1);
}

}  // namespace specfun
