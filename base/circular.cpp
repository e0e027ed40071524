// The circular functions: reduction modulo pi/2, then the sine, cosine or
// tangent of the remainder |r| <= pi/4 placed by the quadrant.
//
// On the remainder, sin r = r - r^3/6 + r^5 S(r^2) and
// cos r = 1 - r^2/2 + r^4 C(r^2), the leading terms carried exactly (r^2 and
// r^3 as pairs, 1 - r^2/2 as a pair) or with one rounding (r^3/6, a tenth of
// sin r at most), the rest below a fortieth of the result: each is one
// rounding of a sum known to about 2^-68 of itself.  The remainder's next
// bits r_low enter to first order, sin(r + r_low) = sin r + r_low cos r and
// cos(r + r_low) = cos r - r_low sin r, with cos r and sin r to their next
// terms (1 - r^2/2 + r^4/24 and r - r^3/6): r_low is below half an ulp of
// r, so what they leave out is a thousandth of an ulp.  tan r is the quotient of the two
// pairs with its remainder carried into the last rounding, and so is -cot r
// in odd quadrants.
#include <array>

#include "base/elementary.h"
#include "base/exact_arithmetic.h"

namespace base {
namespace {

// S(z) with sin r = r - r^3/6 + r^5 S(r^2) on |r| <= pi/4
constexpr std::array<long double, 7> kSinePolynomial = {
#include "base/tables/sine_polynomial.inc"
};
// C(z) with cos r = 1 - r^2/2 + r^4 C(r^2) on |r| <= pi/4
constexpr std::array<long double, 7> kCosinePolynomial = {
#include "base/tables/cosine_polynomial.inc"
};

// sin(+-0) keeps its sign (r_low is 0 with r).
exact::Pair SinOfReduced(long double r, long double r_low) {
  if (r == 0) return {r, 0};
  const exact::Pair z = exact::TwoProduct(r, r);
  const exact::Pair cube = exact::TwoProduct(r, z.hi);  // r^3 = cube + r z.lo
  const long double sixth = cube.hi / -6;
  const long double rest = (cube.lo + r * z.lo) / -6 + cube.hi * z.hi * exact::Horner(kSinePolynomial, z.hi) +
                           r_low * (1 - z.hi * (0.5L - z.hi / 24));
  const exact::Pair lead = exact::FastTwoSum(r, sixth);
  return exact::FastTwoSum(lead.hi, lead.lo + rest);
}

exact::Pair CosOfReduced(long double r, long double r_low) {
  const exact::Pair z = exact::TwoProduct(r, r);
  const exact::Pair lead = exact::FastTwoSum(1, -z.hi / 2);
  return exact::FastTwoSum(lead.hi, (lead.lo - z.lo / 2) + z.hi * z.hi * exact::Horner(kCosinePolynomial, z.hi) -
                                        r_low * r * (1 - z.hi / 6));
}

// n/d = q + (n - q d)/d, q d exact as a pair: the quotient of two pairs
// with its remainder carried into the last rounding.
long double QuotientOf(exact::Pair n, exact::Pair d) {
  const long double q = n.hi / d.hi;
  const exact::Pair qd = exact::TwoProduct(q, d.hi);
  return q + ((((n.hi - qd.hi) - qd.lo) + n.lo) - q * d.lo) / d.hi;
}

// tan(+-0) keeps its sign.
long double TanOfReduced(long double r, long double r_low) {
  if (r == 0) return r;
  return QuotientOf(SinOfReduced(r, r_low), CosOfReduced(r, r_low));
}

// An infinite argument reaches these as the reduction leaves it: inf - inf,
// the invalid operation.  A NaN passes.
Extended NotFinite(Extended r) { return Extended::CheckedUnary(r.raw() - r.raw(), r.raw()); }

Extended SinOfRemainder(const Reduction& red) {
  if (!IsFinite(red.r)) return NotFinite(red.r);
  return Extended(SinOfReduced(red.r.raw(), red.r_low.raw()).hi);
}

Extended CosOfRemainder(const Reduction& red) {
  if (!IsFinite(red.r)) return NotFinite(red.r);
  return Extended(CosOfReduced(red.r.raw(), red.r_low.raw()).hi);
}

Extended TanOfRemainder(const Reduction& red) {
  if (!IsFinite(red.r)) return NotFinite(red.r);
  return Extended(TanOfReduced(red.r.raw(), red.r_low.raw()));
}

// -1/tan r as the one quotient -cos r/sin r: the reciprocal of a rounded
// tangent would round twice, and just below a power of two, where 1/tan r
// falls when tan r lies just above one, the first rounding counts double.
Extended MinusCotOfRemainder(const Reduction& red) {
  if (!IsFinite(red.r)) return NotFinite(red.r);
  const long double r = red.r.raw(), r_low = red.r_low.raw();
  return Extended(-QuotientOf(CosOfReduced(r, r_low), SinOfReduced(r, r_low)));
}

}  // namespace

Extended Cos(Extended x) {
  const Reduction red = ReducePiOver2(x);
  switch (red.q % 4) {
    case 0: return CosOfRemainder(red);
    case 1: return -SinOfRemainder(red);
    case 2: return -CosOfRemainder(red);
    default: return SinOfRemainder(red);
  }
}

Extended Sin(Extended x) {
  const Reduction red = ReducePiOver2(x);
  switch (red.q % 4) {
    case 0: return SinOfRemainder(red);
    case 1: return CosOfRemainder(red);
    case 2: return -SinOfRemainder(red);
    default: return -CosOfRemainder(red);
  }
}

SinCos SinAndCos(Extended x) {
  const Reduction red = ReducePiOver2(x);
  const SinCos sc = {SinOfRemainder(red), CosOfRemainder(red)};
  switch (red.q % 4) {
    case 0: return {sc.sin, sc.cos};
    case 1: return {sc.cos, -sc.sin};
    case 2: return {-sc.sin, -sc.cos};
    default: return {-sc.cos, sc.sin};
  }
}

// In odd quadrants tan x = -cot r; r is never 0 there, since no extended
// real is an odd multiple of pi/2.
Extended Tan(Extended x) {
  const Reduction red = ReducePiOver2(x);
  if (red.q % 2 == 0) return TanOfRemainder(red);
  return MinusCotOfRemainder(red);
}

}  // namespace base
