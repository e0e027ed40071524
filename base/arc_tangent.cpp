// The arc tangent, one-argument and two-argument.
//
// Both come to atan(a/b) for 0 < a <= b, placed by the quadrant.  With c = j/8
// the table point nearest to a/b,
//   atan(a/b) = atan c + atan u,  u = (a - c b)/(b + c a),  |u| <= 1/16,
// u formed from the arguments themselves (no rounded quotient a/b enters it),
// numerator and denominator exact as pairs, the quotient with its remainder;
// atan u = u + u^3 A(u^2) is short.  The angle, with its multiple of pi/2
// as a pair, is rounded once: a little over half an ulp.
#include <array>
#include <cstdint>

#include "base/exact_arithmetic.h"
#include "base/extended.h"
#include "base/extended_bits.h"
#include "base/x87.h"

namespace base {
namespace {

constexpr int kSteps = 8;  // table points j/8, j = 0..8
constexpr std::array<exact::Pair, kSteps + 1> kArcTangentTable = {{
#include "base/tables/arc_tangent_table.inc"
}};
// A(z) with atan u = u + u^3 A(u^2) on |u| <= 1/16
constexpr std::array<long double, 7> kArcTangentPolynomial = {
#include "base/tables/arc_tangent_polynomial.inc"
};
// pi - (the extended pi), and 3 pi/4 rounded
constexpr std::array<long double, 2> kAngles = {
#include "base/tables/arc_tangent_angles.inc"
};
constexpr long double kPi = Pi().raw();
constexpr long double kPiLow = kAngles[0];
constexpr long double kHalfPi = kPi / 2;  // halving is exact, for both parts
constexpr long double kHalfPiLow = kPiLow / 2;
constexpr long double kQuarterPi = kPi / 4;
constexpr long double kThreeQuarterPi = kAngles[1];
// a/b below 2^-40: atan(a/b) = a/b (1 - (a/b)^2/3 ...), the correction below
// 2^-81, and a/b itself may be subnormal
constexpr long double kTinyRatio = 0x1p-40L;
constexpr std::int32_t kTinyRatioExponent = -40;
// Between these the products of the pairs below neither overflow nor lose
// their low parts below the normal range; beyond, a and b are scaled first.
constexpr long double kModerateLow = 0x1p-16000L;
constexpr long double kModerateHigh = 0x1p16000L;

// c b = p + e exactly for c = j/8, of 4 significant bits at most: with b
// split in halves, c times each is exact, c b_high - p by Sterbenz's lemma.
exact::Pair ShortProduct(long double c, long double b) {
  const exact::Pair halves = exact::Split(b);
  const long double p = c * b;
  return {p, (c * halves.hi - p) + c * halves.lo};
}

// atan(a/b) for finite 0 < a <= b, as a pair.
exact::Pair ArcTanOfRatio(long double a, long double b) {
  if (b > kModerateLow && b < kModerateHigh) {
    if (a < b * kTinyRatio) return {a / b, 0};
  } else {
    const std::int32_t exponent = ExponentOf(b);
    if (ExponentOf(a) - exponent < kTinyRatioExponent) return {a / b, 0};
    a = x87::Scale(a, -exponent);  // exact: 2^-40 <= a <= b, 1 <= b < 2
    b = x87::Scale(b, -exponent);
  }
  // the rounded quotient only chooses j; through a double, whose conversion to
  // an integer needs no switch of the x87 rounding mode
  const int j = static_cast<int>(static_cast<double>(a / b * kSteps + 0.5L));
  exact::Pair numerator = {a, 0}, denominator = {b, 0};
  if (j > 0) {
    const long double c = static_cast<long double>(j) / kSteps;
    const exact::Pair cb = ShortProduct(c, b), ca = ShortProduct(c, a);
    // a - cb exact: a/b lies within 1/16 of c >= 1/8, so cb/2 <= a <= 2 cb
    numerator = exact::TwoSum(a - cb.hi, -cb.lo);
    const exact::Pair sum = exact::TwoSum(b, ca.hi);
    denominator = {sum.hi, sum.lo + ca.lo};
  }
  // u = numerator/denominator as u + u_low; u itself need not be the rounded
  // quotient, so one reciprocal serves both steps
  const long double reciprocal = 1 / denominator.hi;
  const long double u = numerator.hi * reciprocal;
  const exact::Pair ud = exact::TwoProduct(u, denominator.hi);
  const long double u_low = ((((numerator.hi - ud.hi) - ud.lo) + numerator.lo) - u * denominator.lo) * reciprocal;
  const long double z = u * u;
  const long double tail = u_low + u * z * exact::Horner(kArcTangentPolynomial, z);
  const exact::Pair& table = kArcTangentTable[j];
  const exact::Pair lead = exact::TwoSum(table.hi, u);
  return exact::FastTwoSum(lead.hi, lead.lo + (table.lo + tail));
}

// The angle of (b, a) for finite positive a and b, b's sign given by west.
long double AngleOf(long double a, long double b, bool west) {
  const bool steep = a > b;  // beyond pi/4 from the nearer axis: measured from pi/2
  const exact::Pair k = steep ? ArcTanOfRatio(b, a) : ArcTanOfRatio(a, b);
  if (!steep && !west) return k.hi;
  // pi/2 - k, pi - k, or pi/2 + k
  const long double high = steep ? kHalfPi : kPi;
  const long double low = steep ? kHalfPiLow : kPiLow;
  const long double sign = steep && west ? 1 : -1;
  const exact::Pair lead = exact::TwoSum(high, sign * k.hi);
  return lead.hi + (lead.lo + (low + sign * k.lo));
}

}  // namespace

// Quadrants, signed zeros and infinities: atan2(+-0, x) is +-0 for x > 0 or
// x = +0 and +-pi for x < 0 or x = -0; atan2(y, +-0) = +-pi/2 for y != 0;
// an infinite y gives +-pi/2, or +-pi/4 and +-3pi/4 against an infinite x;
// a finite y against x = +inf gives +-0, against -inf +-pi.  NaN passes.
Extended ArcTan2(Extended y, Extended x) {
  const long double yv = y.raw(), xv = x.raw();
  if (IsNaN(y) || IsNaN(x)) return Extended(yv + xv);
  const long double a = __builtin_fabsl(yv), b = __builtin_fabsl(xv);
  const bool west = __builtin_signbit(xv);
  long double angle;
  if (a == 0) {
    angle = west ? kPi : 0;
  } else if (b == 0) {
    angle = kHalfPi;
  } else if (__builtin_isinf(a)) {
    angle = __builtin_isinf(b) ? (west ? kThreeQuarterPi : kQuarterPi) : kHalfPi;
  } else if (__builtin_isinf(b)) {
    angle = west ? kPi : 0;
  } else {
    angle = AngleOf(a, b, west);
  }
  return Extended(__builtin_signbit(yv) ? -angle : angle);
}

Extended ArcTan(Extended x) { return ArcTan2(x, 1); }

}  // namespace base
