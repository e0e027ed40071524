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
using specfun::Cosine;
using specfun::HyperbolicCosine;
using specfun::HyperbolicSine;
using specfun::InverseHyperbolicCosine;
using specfun::InverseHyperbolicSine;
using specfun::NaturalLog;
using specfun::Sine;
using specfun::SquareRoot;

// pi/2 of the library: the extended pi halved exactly.
const Extended kPiOver2(specfun::constants::kPiOver2);

// ((2i - 1) pi/2) / N, the product first.  The middle pole of an odd order
// is computed like the others: its imaginary part is what the cosine leaves
// at an angle at or next to the extended pi/2 (1e-20 to 1e-19 of the pole's
// size), written as it is rather than as an exact 0.
Extended PoleAngle(std::int32_t i, std::int32_t order) {
  return (Extended(CheckedSub(CheckedMul(2, i), 1)) * kPiOver2) / Extended(order);
}

// Reports pole i and takes it into the product of the pole magnitudes: the
// pairs by their squared magnitude, the real pole of an odd order by -re.
class PoleProduct {
 public:
  PoleProduct(std::int32_t order, ClassicalSink& sink) : order_(order), sink_(sink) {}

  void Add(std::int32_t i, Extended re, Extended im) {
    const Extended w = SquareRoot(Sqr(re) + Sqr(im));
    const Extended q = -w / (2 * re);
    const std::int32_t pairs = order_ / 2;
    if (i <= pairs)
      c_ = (Sqr(re) + Sqr(im)) * c_;
    else if (order_ % 2 != 0 && i == CheckedAdd(pairs, 1))
      c_ = -re * c_;
    sink_.Pole({i, re, im, w, q});
  }
  Extended c() const { return c_; }

 private:
  std::int32_t order_;
  ClassicalSink& sink_;
  Extended c_ = 1;
};

}  // namespace

void DesignButterworth(const Requirement& requirement, const EpsilonAlfa& ea, ClassicalSink& sink) {
  const Extended n = (2 * NaturalLog(ea.alfa)) / NaturalLog(requirement.ws / requirement.wp);
  const std::optional<std::int32_t> chosen = sink.Order(n);
  if (!chosen) return;
  const std::int32_t order = *chosen;
  sink.PolesHeading();
  const Extended r = Power(ea.epsilon, Extended(-1) / Extended(order));
  sink.BeginPoles(order);
  PoleProduct poles(order, sink);
  for (std::int32_t i = 1; i <= order; ++i) {
    const Extended theta = PoleAngle(i, order);
    poles.Add(i, Sine(theta) * (-requirement.wp * r), Cosine(theta) * (requirement.wp * r));
  }
  sink.EndPoles();
  sink.ConstantNumerator(poles.c());
}

void DesignChebyshev(const Requirement& requirement, const EpsilonAlfa& ea, ClassicalSink& sink) {
  const Extended n = InverseHyperbolicCosine(ea.alfa2) / InverseHyperbolicCosine(requirement.ws / requirement.wp);
  const std::optional<std::int32_t> chosen = sink.Order(n);
  if (!chosen) return;
  const std::int32_t order = *chosen;
  sink.PolesHeading();
  sink.BeginPoles(order);
  PoleProduct poles(order, sink);
  // Order 0 has no pole and still writes its files; 1/N is only taken when
  // there is a pole to compute.
  if (order > 0) {
    const Extended a = InverseHyperbolicSine(1 / ea.epsilon) * (1 / Extended(order));
    const Extended sinh_a = HyperbolicSine(a), cosh_a = HyperbolicCosine(a);
    for (std::int32_t i = 1; i <= order; ++i) {
      const Extended theta = PoleAngle(i, order);
      poles.Add(i, (-requirement.wp * Sine(theta)) * sinh_a, (requirement.wp * Cosine(theta)) * cosh_a);
    }
  }
  sink.EndPoles();
  Extended c = poles.c();
  if (order % 2 == 0) c = c / SquareRoot(Sqr(ea.epsilon) + 1);
  sink.ConstantNumerator(c);
}

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
  sink.BeginPoles(order);
  PoleProduct poles(order, sink);
  if (order > 0) {
    const Extended b = InverseHyperbolicSine(ea.epsilon * ea.alfa2) * (1 / Extended(order));
    const Extended sinh_b = HyperbolicSine(b), cosh_b = HyperbolicCosine(b);
    for (std::int32_t i = 1; i <= order; ++i) {
      const Extended theta = PoleAngle(i, order);
      const Extended ai = Sine(theta) * sinh_b;
      const Extended bi = Cosine(theta) * cosh_b;
      const Extended d = Sqr(ai) + Sqr(bi);
      // the reciprocal of -ai + j bi, scaled
      poles.Add(i, ((-requirement.wp / wpn) * ai) / d, (-bi / d) * scale);
    }
  }
  sink.EndPoles();

  const std::int32_t pairs = order / 2;
  const bool odd = order % 2 != 0;
  sink.BeginZeros(odd ? CheckedSub(order, 1) : order);
  Extended c = poles.c();
  for (std::int32_t k = 0; k < pairs; ++k) {
    const Extended angle = (Extended(CheckedAdd(CheckedMul(2, k), 1)) * kPiOver2) / Extended(order);
    const Extended wz = scale / Cosine(angle);
    sink.Zero(CheckedAdd(k, 1), wz);
    c = c / Sqr(wz);
  }
  if (odd) sink.ZeroAtInfinity(CheckedAdd(pairs, 1));
  sink.EndZeros(c);
}

}  // namespace elliptic
