// Elliptic integrals of the first kind and the Jacobi elliptic functions.
// A NaN or infinite argument gives NaN; nothing raises a fault of its own.
#pragma once

#include <cstdint>

#include "base/extended.h"

namespace specfun {

using base::Extended;

// F(arctan x | k) for the modulus whose complement is kc.
Extended IncompleteFTan(Extended x, Extended kc);
Extended CompleteK(Extended k);
// K'(k) = K(sqrt(1 - k^2)), without forming 1 - k^2: for k below 2^-32 that
// difference is 1 and K(1) infinite, while K'(k) is near ln(4/k).
Extended ComplementaryK(Extended k);
// The modulus k = 1/x of x >= 1, held through x: its complementary parameter
// and its quarter period to about twice the extended precision.  Next to
// x = 1 the complement of a rounded 1/x keeps only the digits that 1/x's
// rounding left; and every fraction (m/n) K rounded from K itself would share
// K's rounding, which sn next to K magnifies by K/(K - u).
struct ReciprocalModulus {
  Extended mc;        // 1 - k^2 = (x - 1)(x + 1)/x^2, rounded once
  Extended k, k_low;  // K(1/x) = k + k_low, k the rounding; +inf at x = 1
};
ReciprocalModulus QuarterPeriodOfReciprocal(Extended x);
// (m/n) (hi + lo) for 0 <= m <= n, rounded once.
Extended FractionOf(std::int32_t m, std::int32_t n, Extended hi, Extended lo);
// The elliptic rational function of degree n >= 2 for the modulus k = 1/x
// (x > 1): R_n(w) = C w^(n mod 2) prod_i (w^2 - z_i^2)/(w^2 - x^2/z_i^2) over
// its zeros z_i = sn(mK/n) (m = 2i for an odd n, 2i - 1 for an even one),
// with R_n(1) = 1.  Its least value for |w| >= x is L = 1/k_n, k_n the
// modulus of the degree-n transformation: K'(k_n)/K(k_n) = n K'(k)/K(k).
// All three come from the nome q = exp(-pi K'/K) and theta series, to a few
// ulps whatever n; a product over the n - 1 fractions sn(mK/n) would carry
// the rounding of each of them, and K's, into C and L.
struct EllipticRational {
  Extended constant;   // C
  Extended root_of_l;  // sqrt(L) = theta_3(q^n)/theta_2(q^n)
  Extended modulus;    // k_n, 0 where it underflows
};
EllipticRational EllipticRationalOf(std::int32_t n, Extended x);
struct ModPiReduction {
  Extended n;  // quarter-periods
  Extended r;  // remainder, |r| <= pi/2 (not used at a pole)
  bool pole;   // |phi| is an odd multiple of pi/2
};
ModPiReduction ReduceModPi(Extended phi);
Extended IncompleteF(Extended phi, Extended k);
struct SnCnDn {
  Extended sn, cn, dn;
};
SnCnDn JacobiSnCnDn(Extended u, Extended mc);
Extended JacobiSn(Extended u, Extended k);
Extended JacobiCn(Extended u, Extended k);
Extended JacobiDn(Extended u, Extended k);
Extended InverseSc(Extended x, Extended k);

}  // namespace specfun
