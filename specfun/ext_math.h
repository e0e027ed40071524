// Elementary functions in extended precision: square root, logarithm,
// exponential, the circular functions with a careful reduction modulo pi/2,
// the hyperbolic family and its inverses, and routines on the bits of an
// extended real.  Nothing here raises a fault of its own: an argument outside
// a function's domain reaches the arithmetic as it is.
#pragma once

#include <cstdint>

#include "base/elementary.h"
#include "base/extended.h"
#include "base/extended_bits.h"

namespace specfun {

using base::Extended;

// The library's constants are those of ext_constants.h and, for the not-a-number,
// infinity and pi, base::NaN(), base::Infinity() and base::Pi().

// The elementary functions are base's, under the library's names: one
// implementation of each in the code base.
inline constexpr auto& Truncate = base::TruncToIntegral;
inline constexpr auto& Floor = base::FloorToIntegral;
inline constexpr auto& ArcTangent = base::ArcTan;
inline constexpr auto& ArcTangent2 = base::ArcTan2;
inline constexpr auto& SquareRoot = base::Sqrt;
inline constexpr auto& NaturalLog = base::Ln;
// as the reduction takes it: an infinite x is the invalid operation
inline constexpr auto& Exponential = base::Exponential;
using base::ScaleByPowerOf2;

inline constexpr auto& Cosine = base::Cos;
inline constexpr auto& Sine = base::Sin;
using base::SinCos;
inline constexpr auto& SineCosine = base::SinAndCos;
inline constexpr auto& Tangent = base::Tan;

Extended HyperbolicSine(Extended x);
Extended HyperbolicCosine(Extended x);
Extended CoshMinusOne(Extended x);
Extended HyperbolicTangent(Extended x);
Extended HyperbolicSecant(Extended x);
Extended InverseHyperbolicSine(Extended x);
Extended InverseCoshOnePlus(Extended x);
Extended InverseHyperbolicCosine(Extended x);
Extended InverseGudermannian(Extended x);

// base's routines on the bits of an extended real
using base::CopySign;
using base::ExponentOf;
using base::IsNaN;
using base::IsNaNOrInfinite;
using base::SplitExponent;
using base::SplitResult;
// -1, 0 or +1; 0 for NaN and for 0
Extended Sign(Extended x);

// base's reduction: x = q*pi/2 + r with |r| <= pi/4 and q in 0..7.
using base::ReducePiOver2;
using base::Reduction;

// Horner sum of min(degree + 1, count) coefficients, lowest order first.
Extended PolynomialValue(const Extended* table, std::int32_t degree, std::int32_t count, Extended x);
// Clenshaw sum of min(degree + 1, count) Chebyshev coefficients, c0 halved.
Extended ChebyshevSum(const Extended* table, std::int32_t degree, std::int32_t count, Extended x);

}  // namespace specfun
