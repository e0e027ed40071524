// Elementary functions in extended precision: square root, logarithm,
// exponential, the circular functions with a careful reduction modulo pi/2,
// the hyperbolic family and its inverses, and routines on the bits of an
// extended real.  Nothing here raises a fault of its own: an argument outside
// a function's domain reaches the arithmetic as it is.
#pragma once

#include <cstdint>

#include "base/extended.h"

namespace specfun {

using base::Extended;

// The library's constants are those of ext_constants.h and, for the not-a-number,
// infinity and pi, base::NaN(), base::Infinity() and base::Pi().

Extended Truncate(Extended x);
Extended Floor(Extended x);
Extended ArcTangent(Extended x);
Extended ArcTangent2(Extended y, Extended x);
// base's correctly rounded square root, under the library's name
inline constexpr auto& SquareRoot = base::Sqrt;
Extended NaturalLog(Extended x);
Extended Exponential(Extended x);
Extended ScaleByPowerOf2(Extended x, std::int32_t n);

Extended Cosine(Extended x);
Extended Sine(Extended x);
struct SinCos {
  Extended sin, cos;
};
SinCos SineCosine(Extended x);
Extended Tangent(Extended x);

Extended HyperbolicSine(Extended x);
Extended HyperbolicCosine(Extended x);
Extended CoshMinusOne(Extended x);
Extended HyperbolicTangent(Extended x);
Extended HyperbolicSecant(Extended x);
Extended InverseHyperbolicSine(Extended x);
Extended InverseCoshOnePlus(Extended x);
Extended InverseHyperbolicCosine(Extended x);
Extended InverseGudermannian(Extended x);

Extended CopySign(Extended x, Extended y);
Extended Sign(Extended x);
struct SplitResult {
  Extended mantissa;   // 0.5 <= |m| < 1, or x itself for 0, NaN and inf
  std::int32_t power;  // x = m * 2^power
};
SplitResult SplitExponent(Extended x);
std::int32_t ExponentOf(Extended x);
using base::IsNaN;  // base's own test, under the library's name
bool IsNaNOrInfinite(Extended x);

// x = q*pi/2 + r with |r| <= pi/4 and q in 0..7.
struct Reduction {
  Extended r;
  std::int32_t q;
};
Reduction ReducePiOver2(Extended x);

// Horner sum of min(degree + 1, count) coefficients, lowest order first.
Extended PolynomialValue(const Extended* table, std::int32_t degree, std::int32_t count, Extended x);
// Clenshaw sum of min(degree + 1, count) Chebyshev coefficients, c0 halved.
Extended ChebyshevSum(const Extended* table, std::int32_t degree, std::int32_t count, Extended x);

}  // namespace specfun
