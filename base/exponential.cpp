// e^x = 2^n * 2^r with n the nearest integer to x log2 e and |r| about 1/2 at
// most.  2^r - 1 = (2^(j/32) - 1) + 2^(j/32) (2^s - 1) with j/32 the table
// point nearest to r and |s| <= 1/64, where 2^s - 1 = s ln 2 + s^2 Q(s) is
// short; every part is known to about 2^-72 of the sum, which is rounded once.
#include <array>
#include <cstdint>

#include "base/elementary.h"
#include "base/elementary_constants.h"
#include "base/exact_arithmetic.h"
#include "base/extended_bits.h"
#include "base/x87.h"

namespace base {
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

constexpr int kSteps = 32;  // table points j/32, j = -32..32
constexpr std::array<exact::Pair, 2 * kSteps + 1> kTwoToPowerTable = {{
#include "base/tables/two_to_power_table.inc"
}};
// ln 2 = kLn2Split[0] + kLn2Split[1], the first of 32 significant bits: its
// product with the 32-bit leading half of s is exact
constexpr std::array<long double, 2> kLn2Split = {
#include "base/tables/two_to_power_ln2.inc"
};
// Q(s) with 2^s - 1 = s ln 2 + s^2 Q(s) on |s| <= 1/64
constexpr std::array<long double, 7> kTwoToPowerPolynomial = {
#include "base/tables/two_to_power_polynomial.inc"
};
// Adding and removing 1.5 * 2^63 rounds a value below 2^62 in magnitude to an
// integer (the spacing at 2^63), ties to even.
constexpr long double kRoundingShift = 0x1.8p63L;

// 2^r - 1 for |r| <= 1.
long double TwoToPowerMinusOneOf(long double r) {
  const long double scaled = r * kSteps;  // exact
  const long double nearest = (scaled + kRoundingShift) - kRoundingShift;
  // exact: scaled - nearest is a multiple of the spacing of scaled, at most 1/2
  const long double s = (scaled - nearest) / kSteps;
  // 2^s - 1 = q_high + q_low, q_high = (s's leading 32 bits) * (ln 2's), exact
  const exact::Pair halves = exact::Split(s);
  const long double q_high = halves.hi * kLn2Split[0];
  const long double q_low =
      halves.lo * kLn2Split[0] + s * kLn2Split[1] + s * s * exact::Horner(kTwoToPowerPolynomial, s);
  // through a double, whose conversion to an integer needs no switch of the
  // x87 rounding mode
  const int j = static_cast<int>(static_cast<double>(nearest));
  if (j == 0) return q_high + q_low;
  // 2^r - 1 = d + q + d q with d = 2^(j/32) - 1: d q is at most 1/45 of the
  // result, so its one rounding costs less than 1/40 ulp
  const exact::Pair& d = kTwoToPowerTable[j + kSteps];
  const exact::Pair lead = exact::TwoSum(d.hi, q_high);
  return lead.hi + (lead.lo + (d.lo + q_low + d.hi * (q_high + q_low)));
}

// v * 2^n for an integral n that may lie beyond every exponent range: beyond
// the largest extended the unit's overflow, below the smallest a silent 0.
// Inlined, as is the split below, into both callers: out of line they pass
// and return extended reals through memory, a fifth more time per exponential.
[[gnu::always_inline]] inline Extended ScaleByIntegral(Extended v, Extended n) {
  if (IsNaN(n)) return v + n;
  const Extended clamped = n > kScaleClamp ? kScaleClamp : (n < -kScaleClamp ? -kScaleClamp : n);
  return Extended::CheckedUnary(x87::Scale(v.raw(), clamped.raw()), v.raw());
}

// x rounded to the nearest integer, ties to even (the unit's rounding).
Extended RoundToNearest(Extended x) { return Extended(x87::RoundToInteger(x.raw())); }

// e^x = (f + 1) 2^n.
struct PowerSplit {
  Extended f, n;
};

[[gnu::always_inline]] inline PowerSplit SplitExponential(Extended x) {
  if (x < kUnderflowArgument && !IsNaNOrInfinite(x)) x = kUnderflowArgument;
  const Extended n = RoundToNearest(x * constants::kLog2E);
  const Extended r = (x - n * kLn2High - n * kLn2Low) * constants::kLog2E;
  if (Abs(r) <= 1) return {TwoToPowerMinusOne(r), n};  // the domain of 2^r - 1
  if (Abs(n) >= kFarExponent) return {0, n};           // x so large that r means nothing
  const Extended g = TwoToPowerMinusOne(r / 2);        // 2^r - 1 = g (g + 2), g = 2^(r/2) - 1
  return {g * (g + 2), n};
}

}  // namespace

// NaN passes; beyond |r| <= 1 the result is the invalid operation.
Extended TwoToPowerMinusOne(Extended r) {
  const long double v = r.raw();
  if (!(__builtin_fabsl(v) <= 1)) return Extended::CheckedUnary(__builtin_nanl(""), v);
  return Extended(TwoToPowerMinusOneOf(v));
}

Extended Exponential(Extended x) {
  const PowerSplit e = SplitExponential(x);
  return ScaleByIntegral(e.f + 1, e.n);
}

Extended Exp(Extended x) {
  if (IsInfinite(x)) return x > 0 ? x : Extended(0);
  return Exponential(x);
}

// Scaling the power of two instead of x itself keeps ln 2 out of the
// argument: x - ln 2 would be rounded to the spacing of x, 2^-50 near the
// top of the range, an error the result would carry a thousand times over;
// and a result below the normal range is rounded once, not twice.
Extended ScaledExp(Extended x, std::int32_t k) {
  const PowerSplit e = SplitExponential(x);
  return ScaleByIntegral(e.f + 1, e.n + k);
}

}  // namespace base
