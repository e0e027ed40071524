// e^x = 2^n * 2^r with n the nearest integer to x log2 e and |r| about 1/2 at
// most.  2^r - 1 = (2^(j/32) - 1) + 2^(j/32) (2^s - 1) with j/32 the table
// point nearest to r and |s| <= 1/64, where 2^s - 1 = s ln 2 + s^2 Q(s) is
// short; every part is known to about 2^-72 of the sum, which is rounded once.
// r itself is carried as a pair, r + r_low: its rounding alone would cost e^x
// up to half an ulp more, so r_low enters 2^r to first order, as r_low ln 2.
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

// 2^(r + r_low) - 1 for |r| <= 1 and r_low below half an ulp of r, as a
// leading part and the rest, not yet added: 2^r - 1 and 2^r are each one
// rounding of them.
exact::Pair TwoToPowerMinusOneParts(long double r, long double r_low) {
  const long double scaled = r * kSteps;  // exact
  const long double nearest = (scaled + exact::kRoundingShift) - exact::kRoundingShift;
  // exact: scaled - nearest is a multiple of the spacing of scaled, at most 1/2
  const long double s = (scaled - nearest) / kSteps;
  // 2^s - 1 = q_high + q_low, q_high = (s's leading 32 bits) * (ln 2's), exact
  const exact::Pair halves = exact::Split(s);
  const long double q_high = halves.hi * kLn2Split[0];
  const long double q_low = halves.lo * kLn2Split[0] + s * kLn2Split[1] +
                            s * s * exact::Horner(kTwoToPowerPolynomial, s) + r_low * kLn2Split[0];
  // through a double, whose conversion to an integer needs no switch of the
  // x87 rounding mode
  const int j = static_cast<int>(static_cast<double>(nearest));
  if (j == 0) return {q_high, q_low};
  // 2^r - 1 = d + q + d q with d = 2^(j/32) - 1: d q is at most 1/45 of the
  // result, so its one rounding costs less than 1/40 ulp
  const exact::Pair& d = kTwoToPowerTable[j + kSteps];
  const exact::Pair lead = exact::TwoSum(d.hi, q_high);
  return {lead.hi, lead.lo + (d.lo + q_low + d.hi * (q_high + q_low))};
}

// 1 + parts of at most 1 in size, rounded once.
long double OnePlus(exact::Pair parts) {
  const exact::Pair lead = exact::TwoSum(1, parts.hi);
  return lead.hi + (lead.lo + parts.lo);
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

// e^x = power 2^n, power = 2^r rounded once.
struct PowerSplit {
  Extended power, n;
};

[[gnu::always_inline]] inline PowerSplit SplitExponential(Extended x) {
  if (x < kUnderflowArgument && !IsNaNOrInfinite(x)) x = kUnderflowArgument;
  const Extended n = RoundToNearest(x * constants::kLog2E);
  // Checked, since an infinite x meets inf - inf here; exact while n has at
  // most 32 bits, far beyond every x whose e^x is in range.
  const Extended head = x - n * kLn2High;
  // t = head - n ln 2's low part (whose product is rounded by less than
  // 2^-81), then r = t log2 e, each as a pair
  const exact::Pair t = exact::TwoSum(head.raw(), -(n.raw() * kLn2Low));
  const exact::Pair p = exact::TwoProduct(t.hi, constants::kLog2E);
  const exact::Pair r = exact::FastTwoSum(p.hi, p.lo + t.hi * constants::kLog2ELow + t.lo * constants::kLog2E);
  // NaN, or x so large that n ln 2 was rounded and r means nothing: 2^n
  // alone is then far out of range, whatever r is
  if (!(__builtin_fabsl(r.hi) <= 1)) return {1, n};
  return {Extended(OnePlus(TwoToPowerMinusOneParts(r.hi, r.lo))), n};
}

}  // namespace

// NaN passes; beyond |r| <= 1 the result is the invalid operation.
Extended TwoToPowerMinusOne(Extended r) {
  const long double v = r.raw();
  if (!(__builtin_fabsl(v) <= 1)) return Extended::CheckedUnary(__builtin_nanl(""), v);
  const exact::Pair parts = TwoToPowerMinusOneParts(v, 0);
  return Extended(parts.hi + parts.lo);
}

Extended Exponential(Extended x) {
  const PowerSplit e = SplitExponential(x);
  return ScaleByIntegral(e.power, e.n);
}

Extended Exp(Extended x) {
  if (IsInfinite(x)) return x > 0 ? x : Extended(0);
  return Exponential(x);
}

// Scaling the power of two instead of x itself keeps ln 2 out of the
// argument: x - ln 2 would be rounded to the spacing of x, 2^-50 near the
// top of the range, an error the result would carry a thousand times over;
// and a result below the normal range is rounded to the subnormal grid once,
// from a value within half an ulp of 2^-64 of it, not twice on that grid.
Extended ScaledExp(Extended x, std::int32_t k) {
  const PowerSplit e = SplitExponential(x);
  return ScaleByIntegral(e.power, e.n + k);
}

}  // namespace base
