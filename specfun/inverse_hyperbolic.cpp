// The inverse hyperbolic functions and the inverse Gudermannian: series near
// 0, logarithmic closed forms in the middle, asymptotic forms where x^2 would
// swamp 1 or overflow.
#include <array>

#include "specfun/ext_constants.h"
#include "specfun/ext_math.h"

namespace specfun {
namespace {

// (arcsinh x - x)/x on |x| <= 1, Chebyshev in 2x^2 - 1
constexpr std::array<Extended, 24> kArcsinhSeries = {
#include "specfun/tables/arcsinh_series.inc"
};

// |x| < 4.3e9: x^2 + 1 still differs from x^2 (4.3e9^2 = 1.8e19 ~ 2^64)
constexpr long double kArcsinhLogForm = 4300000000.0L;
// |x| <= 5.9e4931 = 0xFDE7F18A68067525p+16319: 2|x| does not overflow
constexpr long double kArcsinhDoubling = 0xFDE7F18A68067525p+16319L;
// x > 1e10: arccosh x = ln 2x within 1/(4x^2) < 2^-64
constexpr long double kArccoshAsymptotic = 10000000000.0L;
// x > 2: ln(2x - 1/(x + sqrt(x^2 - 1))) has no cancellation
constexpr long double kArccoshLogForm = 2;
// x > 2^8191 = 0x8000000000000000p+8128: x^2 would overflow on the way to
// arccosh(1 + x), which is ln x + ln 2 there to far below an ulp
constexpr long double kArccoshOnePlusAsymptotic = 0x8000000000000000p+8128L;
// |x| <= 0.85 = 0xD99999999999999Ap-64: tan x <= 1.14, arcsinh(tan x) is accurate
constexpr long double kGudermannianBySinh = 0xD99999999999999Ap-64L;

}  // namespace

Extended InverseHyperbolicSine(Extended x) {
  const Extended a = base::Abs(x);
  if (a <= constants::kTwoMinus32) return x;  // x^3/6 below half an ulp of x
  if (a <= 1) return x + x * ChebyshevSum(kArcsinhSeries.data(), 23, 24, 2 * x * x - 1);
  Extended s;
  if (a < kArcsinhLogForm) {
    s = NaturalLog(a + SquareRoot(x * x + 1));
  } else if (a <= kArcsinhDoubling) {
    s = NaturalLog(2 * a);
  } else {
    s = NaturalLog(a) + constants::kLn2;
  }
  return x < 0 ? -s : s;
}

// ln b with b = 1 + x + a rounded, plus the first-order correction for what
// the rounding of b lost.
Extended InverseCoshOnePlus(Extended x) {
  if (x > kArccoshOnePlusAsymptotic) return NaturalLog(x) + constants::kLn2;
  const Extended a = SquareRoot(2 * x + x * x);
  const Extended b = 1 + x + a;
  if (b != 1) return NaturalLog(b) + (x + a - (b - 1)) / b;
  return x + a;  // b rounded to 1: arccosh(1 + x) = sqrt(2x) to full precision
}

Extended InverseHyperbolicCosine(Extended x) {
  if (x == 1) return 0;
  if (x > kArccoshAsymptotic) return NaturalLog(x) + constants::kLn2;
  if (x > kArccoshLogForm) return NaturalLog(2 * x - 1 / (x + SquareRoot(x * x - 1)));
  return InverseCoshOnePlus(x - 1);  // x - 1 is exact here
}

Extended InverseGudermannian(Extended x) {
  const Extended a = base::Abs(x);
  if (a < constants::kTwoMinus32) return x;  // x^3/6 below half an ulp of x
  Extended g;
  if (a <= kGudermannianBySinh) {
    g = InverseHyperbolicSine(Tangent(a));
  } else {
    const SinCos sc = SineCosine(a);
    // cos <= 0: a is pi/2 or beyond, the pole: the extended pi/2 itself lies
    // above pi/2, where the cosine is already negative
    if (sc.cos <= 0) {
      g = base::Infinity();
    } else {
      g = NaturalLog((1 + sc.sin) / sc.cos);
    }
  }
  return x < 0 ? -g : g;
}

}  // namespace specfun
