#include "elliptic/classical_designs.h"

#include "base/errors.h"
#include "specfun/ext_constants.h"
#include "specfun/ext_math.h"

namespace elliptic {
namespace {

using base::CheckedAdd;
using base::CheckedMul;
using base::CheckedSub;
using base::Sqr;
using specfun::HyperbolicCosine;
using specfun::HyperbolicSine;
using specfun::InverseHyperbolicCosine;
using specfun::InverseHyperbolicSine;
using specfun::NaturalLog;
using specfun::Sine;
using specfun::SquareRoot;

// pi/2 of the library: the extended pi halved exactly.
const Extended kPiOver2(specfun::constants::kPiOver2);

// sin and cos of ((2i - 1) pi/2) / N, the angle of pole i of the first half
// (i <= (N + 1) div 2, angle <= pi/2), the product first.  The cosine is
// the sine of the complementary angle ((N + 1 - 2i) pi/2) / N, rounded as
// such: next to pi/2 the cosine of the rounded angle would keep only what
// the angle's rounding leaves, and the middle pole of an odd order gets an
// angle of exactly 0 there, so that it is real.
specfun::SinCos PoleAngle(std::int32_t i, std::int32_t order) {
  const Extended angle = (Extended(CheckedSub(CheckedMul(2, i), 1)) * kPiOver2) / Extended(order);
  const Extended complement =
      (Extended(CheckedSub(CheckedAdd(order, 1), CheckedMul(2, i))) * kPiOver2) / Extended(order);
  return {Sine(angle), Sine(complement)};
}

struct PolePoint {
  Extended re, im;
};

// Below 2^-8000 both parts are scaled up by 2^8192 before they are squared,
// so that a pole of a tiny wp keeps its magnitude; elsewhere the scaling
// would change nothing but the cost.
constexpr long double kTinyPart = 0x8000000000000000p-8063L;
constexpr std::int32_t kTinyScale = 8192;

Extended Magnitude(PolePoint p) {
  if (!(base::Abs(p.re).raw() < kTinyPart && base::Abs(p.im).raw() < kTinyPart))
    return SquareRoot(Sqr(p.re) + Sqr(p.im));
  const Extended re = specfun::ScaleByPowerOf2(p.re, kTinyScale), im = specfun::ScaleByPowerOf2(p.im, kTinyScale);
  return specfun::ScaleByPowerOf2(SquareRoot(Sqr(re) + Sqr(im)), -kTinyScale);
}

// A design's poles: the first half i <= (N + 1) div 2 from `pole`, the
// others as the exact conjugates of their partners N + 1 - i, and the
// middle pole of an odd order on the real axis (a zero part without sign).
template <typename PoleOf>
class Poles {
 public:
  Poles(std::int32_t order, PoleOf pole) : order_(order), pole_(pole) {}

  PolePoint At(std::int32_t i) const {
    if (order_ % 2 != 0 && i == CheckedAdd(order_ / 2, 1)) return {pole_(PoleAngle(i, order_)).re, 0};
    if (i <= order_ / 2) return pole_(PoleAngle(i, order_));
    const PolePoint partner = pole_(PoleAngle(CheckedSub(CheckedAdd(order_, 1), i), order_));
    return {partner.re, -partner.im};
  }

  void Report(ClassicalSink& sink) const {
    sink.BeginPoles(order_);
    for (std::int32_t i = 1; i <= order_; ++i) {
      const PolePoint p = At(i);
      const Extended w = Magnitude(p);
      sink.Pole({i, p.re, p.im, w, -w / (2 * p.re)});
    }
    sink.EndPoles();
  }

 private:
  std::int32_t order_;
  PoleOf pole_;
};

// wp^N, one rounding per factor.
Extended PowerOfEdge(Extended wp, std::int32_t order) {
  Extended power = 1;
  for (std::int32_t i = 0; i < order; ++i) power = power * wp;
  return power;
}

// Reports the poles and the constant, or only that the constant underflowed.
template <typename PoleOf>
void Finish(const Poles<PoleOf>& poles, Extended c, ClassicalSink& sink) {
  if (Underflowed(c)) {
    sink.ConstantUnderflowed();
    return;
  }
  poles.Report(sink);
  sink.ConstantNumerator(c);
}

}  // namespace

// The gain constants are E(0) of the monic E(s) and what each design does to
// it, in closed form: the product of the N pole magnitudes would carry the
// rounding of the radius r, or of sinh a and cosh a, N times over.

// c = (wp r)^N = wp^N / eps.
void DesignButterworth(const Requirement& requirement, const EpsilonAlfa& ea, ClassicalSink& sink) {
  const Extended n = (2 * NaturalLog(ea.alfa)) / NaturalLog(requirement.ws / requirement.wp);
  const std::optional<std::int32_t> chosen = sink.Order(n);
  if (!chosen) return;
  const std::int32_t order = *chosen;
  sink.PolesHeading();
  const Extended r = Power(ea.epsilon, Extended(-1) / Extended(order));
  const Poles poles(order, [&](specfun::SinCos angle) {
    return PolePoint{angle.sin * (-requirement.wp * r), angle.cos * (requirement.wp * r)};
  });
  Finish(poles, PowerOfEdge(requirement.wp, order) / ea.epsilon, sink);
}

// c = wp^N / (eps 2^(N-1)) for either parity: the product of the pole
// magnitudes is that times sqrt(1 + eps^2) for an even order.
void DesignChebyshev(const Requirement& requirement, const EpsilonAlfa& ea, ClassicalSink& sink) {
  const Extended n = InverseHyperbolicCosine(ea.alfa2) / InverseHyperbolicCosine(requirement.ws / requirement.wp);
  const std::optional<std::int32_t> chosen = sink.Order(n);
  if (!chosen) return;
  const std::int32_t order = *chosen;
  sink.PolesHeading();
  // Order 0 has no pole and still writes its files; 1/N is only taken when
  // there is a pole to compute, and its c is 1/sqrt(1 + eps^2).
  if (order == 0) {
    const Poles poles(order, [](specfun::SinCos) { return PolePoint{}; });
    Finish(poles, 1 / SquareRoot(Sqr(ea.epsilon) + 1), sink);
    return;
  }
  const Extended a = InverseHyperbolicSine(1 / ea.epsilon) * (1 / Extended(order));
  const Extended sinh_a = HyperbolicSine(a), cosh_a = HyperbolicCosine(a);
  const Poles poles(order, [&](specfun::SinCos angle) {
    return PolePoint{(-requirement.wp * angle.sin) * sinh_a, (requirement.wp * angle.cos) * cosh_a};
  });
  const Extended c = specfun::ScaleByPowerOf2(PowerOfEdge(requirement.wp, order) / ea.epsilon, 1 - order);
  Finish(poles, c, sink);
}

// T(0) = 1: c = 1/sqrt(1 + (eps alfa^2)^2) for an even order, which is
// scale-free, and (wp/wpn) N / (eps alfa^2) for an odd one.
void DesignInverseChebyshev(const Requirement& requirement, const EpsilonAlfa& ea, ClassicalSink& sink) {
  const Extended n = InverseHyperbolicCosine(ea.alfa2) / InverseHyperbolicCosine(requirement.ws / requirement.wp);
  const std::optional<std::int32_t> chosen = sink.Order(n);
  if (!chosen) return;
  const std::int32_t order = *chosen;
  // The design normalised to a stop-band edge of 1 has the attenuation Amax
  // at wpn; every pole and zero is scaled by wp/wpn to move that edge to wp.
  const Extended wpn = 1 / HyperbolicCosine(InverseHyperbolicCosine(ea.alfa2) * (1 / Extended(order)));
  sink.NormalizedEdge(wpn);
  const Extended scale = requirement.wp / wpn;
  const Extended b = InverseHyperbolicSine(ea.epsilon * ea.alfa2) * (1 / Extended(order));
  const Extended sinh_b = HyperbolicSine(b), cosh_b = HyperbolicCosine(b);
  // the reciprocal of -ai + j bi, scaled
  const Poles poles(order, [&](specfun::SinCos angle) {
    const Extended ai = angle.sin * sinh_b;
    const Extended bi = angle.cos * cosh_b;
    const Extended d = Sqr(ai) + Sqr(bi);
    return PolePoint{((-requirement.wp / wpn) * ai) / d, (-bi / d) * scale};
  });
  const bool odd = order % 2 != 0;
  const Extended stop_ripple = ea.epsilon * ea.alfa2;
  const Extended c = odd ? (scale * Extended(order)) / stop_ripple : InverseNorm(stop_ripple);
  // not Finish: the constant goes with the zeros, after the poles
  if (Underflowed(c)) {
    sink.ConstantUnderflowed();
    return;
  }
  poles.Report(sink);

  const std::int32_t pairs = order / 2;
  sink.BeginZeros(odd ? CheckedSub(order, 1) : order);
  for (std::int32_t k = 0; k < pairs; ++k) {
    // scale / cos(((2k + 1) pi/2) / N), the cosine as the sine of the
    // complementary angle for the digits next to pi/2
    const Extended complement =
        (Extended(CheckedSub(CheckedSub(order, CheckedMul(2, k)), 1)) * kPiOver2) / Extended(order);
    sink.Zero(CheckedAdd(k, 1), scale / Sine(complement));
  }
  if (odd) sink.ZeroAtInfinity(CheckedAdd(pairs, 1));
  sink.EndZeros(c);
}

}  // namespace elliptic
