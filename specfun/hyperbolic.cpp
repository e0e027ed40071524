// The hyperbolic functions: series near 0, the two-sided exponential form in
// the middle, and the one-sided form e^|x|/2 where e^-|x| no longer counts;
// that form stays finite up to ln(largest extended) + ln 2.
#include <array>

#include "specfun/ext_constants.h"
#include "specfun/ext_math.h"

namespace specfun {
namespace {

// (sinh x - x)/x on |x| < 1, Chebyshev in 2x^2 - 1
constexpr std::array<Extended, 9> kSinhSeries = {
#include "specfun/tables/sinh_series.inc"
};
// (cosh x - 1 - x^2/2)/x^4 on x^2 <= 1, Chebyshev in 2x^2 - 1
constexpr std::array<Extended, 8> kCoshMinusOneSeries = {
#include "specfun/tables/cosh_minus_one_series.inc"
};
// (tanh x - x)/x^3 = P(x^2)/Q(x^2) on |x| < 0.625, power series
constexpr std::array<Extended, 8> kTanhRational = {
#include "specfun/tables/tanh_rational.inc"
};
constexpr const Extended* kTanhP = kTanhRational.data();
constexpr const Extended* kTanhQ = kTanhRational.data() + 4;

// |x| <= 2.3e-10 = 0xFCE33EA0F404B5CFp-96: x^3/6 is below half an ulp of x,
// sinh x = x
constexpr long double kSinhIsX = 0xFCE33EA0F404B5CFp-96L;
// |x| > 23: e^-|x| is below 2^-64 e^|x|, so sinh and cosh are e^|x|/2 and
// tanh is +-1 in extended precision
constexpr long double kOneSided = 23;
// 0.625 <= |x| <= 23: tanh from the exponential, no cancellation left
constexpr long double kTanhFromExp = 0.625L;
// |x| <= 1.5e-5 = 0xFBA8826AA8EB4635p-80: tanh x = x - x^3/3, the x^5 term
// is below half an ulp
constexpr long double kTanhCubic = 0xFBA8826AA8EB4635p-80L;
// -1/3 cut to 64 bits: -0xAAAAAAAAAAAAAAAAp-65 = -0.3333333333333333333153
constexpr long double kMinusThird = -0xAAAAAAAAAAAAAAAAp-65L;

}  // namespace

Extended HyperbolicSine(Extended x) {
  const Extended a = base::Abs(x);
  if (a < 1) {  // the range of the series
    if (a <= kSinhIsX) return x;
    return x + x * ChebyshevSum(kSinhSeries.data(), 8, 9, 2 * x * x - 1);
  }
  Extended s;
  if (a <= kOneSided) {
    const Extended e = Exponential(a);
    s = (e - 1 / e) / 2;
  } else {
    s = base::ScaledExp(a, -1);
  }
  return x < 0 ? -s : s;
}

Extended HyperbolicCosine(Extended x) {
  const Extended a = base::Abs(x);
  if (a <= 1) return CoshMinusOne(x) + 1;  // the range of the cosh - 1 series
  if (a <= kOneSided) {
    const Extended e = Exponential(a);
    return (e + 1 / e) / 2;
  }
  return base::ScaledExp(a, -1);
}

Extended CoshMinusOne(Extended x) {
  if (base::Abs(x) > 1) return HyperbolicCosine(x) - 1;  // beyond the series, no cancellation
  const Extended t = x * x;
  if (t < constants::kEpsilon) return t / 2;  // t^2/24 is below half an ulp of t/2
  return t / 2 + t * t * ChebyshevSum(kCoshMinusOneSeries.data(), 7, 8, 2 * t - 1);
}

Extended HyperbolicTangent(Extended x) {
  const Extended a = base::Abs(x);
  if (a > kOneSided) return x >= 0 ? 1 : -1;
  if (a >= kTanhFromExp) {
    const Extended c = 2 / (Exponential(2 * a) + 1);
    return x > 0 ? 1 - c : c - 1;
  }
  const Extended t = x * x;
  const Extended d =
      a <= kTanhCubic ? Extended(kMinusThird) : PolynomialValue(kTanhP, 3, 4, t) / PolynomialValue(kTanhQ, 3, 4, t);
  return x + x * x * x * d;
}

// Beyond ln(largest extended) cosh overflows while sech = 2 e^-|x| (to far
// below an ulp) is still a subnormal number, down to the smallest near
// |x| = 11400; only below that it rounds to 0, as it does for the
// infinities.  A NaN is not beyond it and stays NaN.
Extended HyperbolicSecant(Extended x) {
  const Extended a = base::Abs(x);
  if (a > constants::kLnMax) return base::IsInfinite(a) ? Extended(0) : base::ScaledExp(-a, 1);
  return 1 / HyperbolicCosine(x);
}

}  // namespace specfun
