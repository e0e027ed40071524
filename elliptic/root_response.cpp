#include "elliptic/root_response.h"

#include <cstdlib>

#include "poly/complex.h"
#include "specfun/ext_math.h"

namespace elliptic {

namespace {

using poly::Complex;

// A real part at or below this in magnitude puts a root on the axis for the
// delay: its term would only divide by a vanishing real part.
constexpr long double kAxisRealPart = 1e-20L;
// The running product is brought back into 2^-4096 .. 2^4096 whenever it
// leaves it, by whole steps of 2^4096 (exact); one squared distance of any
// root below 1e1800 then fits beside it without overflow.
constexpr long double kRescaleHigh = 0x1p4096L;
constexpr long double kRescaleLow = 0x1p-4096L;
constexpr std::int64_t kRescaleStep = 4096;
// The vectors' product scales by the square root of that step.
constexpr long double kHalfStepDown = 0x1p-2048L;
constexpr long double kHalfStepUp = 0x1p2048L;
// The ratio of two constants is formed directly while it keeps the gain's
// product inside the range of an extended real (16383 binary orders):
// 12000 for the ratio, 4096 for the square root of the products' ratio.
constexpr std::int32_t kDirectRatioOrders = 12000;

// The principal angle of z lies in (0, pi]: the upper half-plane with the
// negative real axis.
bool Upper(const Complex& z) { return z.im > 0 || (z.im == 0 && z.re < 0); }

// 20 / ln 10: decibels per neper of the magnitude.
Extended DbPerNeper() {
  static const Extended value = Extended(20) / specfun::NaturalLog(10);
  return value;
}

Extended HalfLn2() {
  static const Extended value = specfun::NaturalLog(2) / Extended(2);
  return value;
}

Extended TwoPi() { return Extended(2) * base::Pi(); }

}  // namespace

RootTerms SumRootTerms(std::span<const Extended> re, std::span<const Extended> im, Extended omega) {
  RootTerms terms;
  Extended product = 1;     // of the squared distances
  Extended numerator = 0;   // of the delay: delay = numerator / product
  Complex vectors{1, 0};    // product of the vectors (-re, omega - im)
  std::int64_t turns = 0;   // whole turns beyond the principal angle of `vectors`
  Extended lone_angles = 0; // of the vanishing vectors
  for (std::size_t i = 0; i < re.size(); ++i) {
    const Complex v{-re[i], omega - im[i]};
    const Extended m = re[i] * re[i] + v.im * v.im;
    if (m == 0) {
      ++terms.vanishing;
      lone_angles += specfun::ArcTangent2(v.im, v.re);
      continue;
    }
    numerator = numerator * m + (base::Abs(re[i]) > Extended(kAxisRealPart) ? re[i] * product : Extended(0));
    product = product * m;
    // Two angles of the same half-plane may add up beyond +-pi, where the
    // principal angle of the product jumps by a turn; the sign of the
    // computed product tells it, so the count stays consistent with the
    // product even where rounding decides.
    const bool was_upper = Upper(vectors);
    const bool v_upper = Upper(v);
    vectors = vectors * v;
    if (was_upper == v_upper && Upper(vectors) != was_upper) turns += was_upper ? 1 : -1;
    while (product > Extended(kRescaleHigh)) {
      product *= Extended(kRescaleLow);
      numerator *= Extended(kRescaleLow);
      vectors = {vectors.re * Extended(kHalfStepDown), vectors.im * Extended(kHalfStepDown)};
      terms.exponent += kRescaleStep;
    }
    while (product < Extended(kRescaleLow) && product != 0) {
      product *= Extended(kRescaleHigh);
      numerator *= Extended(kRescaleHigh);
      vectors = {vectors.re * Extended(kHalfStepUp), vectors.im * Extended(kHalfStepUp)};
      terms.exponent -= kRescaleStep;
    }
  }
  terms.magnitude2 = product;
  // a zero imaginary part on the negative real axis is the angle pi, of
  // either sign of the zero
  const Extended vectors_im = vectors.im == 0 ? Extended(0) : vectors.im;
  terms.angle = specfun::ArcTangent2(vectors_im, vectors.re) + Extended(turns) * TwoPi() + lone_angles;
  terms.delay = product == 0 ? Extended(0) : numerator / product;
  return terms;
}

Extended GainDb(Extended zeros_constant, Extended poles_constant, const RootTerms& zeros, const RootTerms& poles) {
  const bool no_numerator = zeros_constant == 0 || zeros.vanishing > 0 || zeros.magnitude2 == 0;
  const bool no_denominator = poles_constant == 0 || poles.vanishing > 0 || poles.magnitude2 == 0;
  if (no_numerator && no_denominator) return base::NaN();
  if (no_numerator) return -base::Infinity();
  if (no_denominator) return base::Infinity();
  const Extended above = base::Abs(zeros_constant);
  const Extended below = base::Abs(poles_constant);
  const Extended root = specfun::SquareRoot(zeros.magnitude2 / poles.magnitude2);
  Extended nepers;
  if (std::abs(specfun::ExponentOf(above) - specfun::ExponentOf(below)) <= kDirectRatioOrders)
    nepers = specfun::NaturalLog(above / below * root);
  else
    nepers = specfun::NaturalLog(above) - specfun::NaturalLog(below) + specfun::NaturalLog(root);
  if (const std::int64_t exponent = zeros.exponent - poles.exponent; exponent != 0)
    nepers += Extended(exponent) * HalfLn2();
  return DbPerNeper() * nepers;
}

}  // namespace elliptic
