#include "elliptic/elliptic_design.h"

#include "base/errors.h"
#include "specfun/ext_math.h"
#include "specfun/special_functions.h"

namespace elliptic {
namespace {

namespace sf = specfun::special_functions;
using base::CheckedAdd;
using base::CheckedMul;
using base::CheckedSub;
using base::Sqr;
using specfun::SquareRoot;

// sn, cn and dn of one argument from one descent: the three entries give the
// same values one call each.
specfun::SnCnDn JacobiOf(Extended u, Extended k) {
  if (specfun::IsNaNOrInfinite(u) || specfun::IsNaNOrInfinite(k)) {
    const Extended nan = base::NaN();
    return {nan, nan, nan};
  }
  return sf::JacobiSnCnDn(u, (1 - k) * (1 + k));
}

}  // namespace

std::int32_t EllipticDesign::RealPoleSlot() const { return CheckedAdd(order, 1) / 2; }

bool DesignElliptic(const Requirement& requirement, const EpsilonAlfa& ea, EllipticSink& sink, EllipticDesign& design) {
  design.wp = requirement.wp;
  design.epsilon = ea.epsilon;
  const Extended wp = requirement.wp;
  const Extended xi = requirement.ws / requirement.wp;
  design.xi = xi;
  sink.Selectivity(xi);

  const Extended k = 1 / xi;
  const Extended k1 = 1 / ea.alfa2;
  const Extended k1p = SquareRoot(1 - Sqr(k1));
  const Extended big_k = sf::CompleteK(k);
  const Extended big_kp1 = sf::CompleteK(k1p);
  sink.Integrals(big_k, big_kp1);
  const Extended kp = SquareRoot(1 - Sqr(k));
  const Extended big_kp = sf::CompleteK(kp);
  const Extended big_k1 = sf::CompleteK(k1);
  sink.ComplementaryIntegrals(big_kp, big_k1);

  const Extended n = (big_k * big_kp1) / (big_kp * big_k1);
  const std::optional<std::int32_t> chosen = sink.Order(n);
  if (!chosen) return false;
  const std::int32_t order = *chosen;
  design.order = order;
  const std::int32_t pairs = design.Pairs();
  const bool odd = design.Odd();

  sink.AttenuationZerosHeading();
  Extended k0 = ea.epsilon;
  for (std::int32_t i = 1; i <= pairs; ++i) {
    const std::int32_t step = odd ? CheckedMul(2, i) : CheckedSub(CheckedMul(2, i), 1);
    const Extended u = (Extended(step) / Extended(order)) * big_k;
    design.wza[i] = sf::JacobiSn(u, k);
    sink.AttenuationZero(i, design.wza[i]);
    k0 = k0 * base::Abs((1 - Sqr(xi / design.wza[i])) / (1 - Sqr(design.wza[i])));
  }
  design.k0 = k0;
  sink.CharacteristicConstant(k0);

  sink.TransmissionZerosHeading();
  for (std::int32_t i = 1; i <= pairs; ++i) sink.TransmissionZero(i, TransmissionZero(design, i));
  if (odd) sink.ZeroAtInfinity(CheckedAdd(pairs, 1));

  // k1 is the requirement's, also when the order exceeds n: the margin
  // goes into the stop band.
  const Extended v0 = (big_k * sf::InverseSc(1 / ea.epsilon, k1p)) / (Extended(order) * big_k1);
  design.v0 = v0;
  sink.PoleOffset(v0);

  sink.PolesHeading();
  const specfun::SnCnDn at_v0 = JacobiOf(v0, kp);
  const Extended s1 = at_v0.sn, c1 = at_v0.cn, d1 = at_v0.dn;
  for (std::int32_t j = 0; j < pairs; ++j) {
    const std::int32_t step = odd ? CheckedAdd(CheckedMul(2, j), 2) : CheckedAdd(CheckedMul(2, j), 1);
    const Extended u = (big_k * Extended(step)) / Extended(order);
    const specfun::SnCnDn at_u = JacobiOf(u, k);
    // j sn(u + j v0, k) for wp = 1, by the addition theorem
    const Extended den = 1 - Sqr(at_u.dn) * Sqr(s1);
    const Extended sigma = -(c1 * s1 * at_u.cn * at_u.dn) / den;
    const Extended omega = (d1 * at_u.sn) / den;
    const std::int32_t slot = CheckedAdd(j, 1);
    design.re[slot] = wp * sigma;
    design.im[slot] = wp * omega;
    const Extended magnitude = SquareRoot(Sqr(sigma) + Sqr(omega));
    sink.PolePair({slot, u, wp * sigma, wp * omega, wp * magnitude, -magnitude / (2 * sigma)});
  }
  if (odd) {
    const Extended sigma0 = -(s1 * c1) / (1 - Sqr(s1));
    const std::int32_t h = design.RealPoleSlot();
    design.re[h] = wp * sigma0;
    design.im[h] = 0;
    sink.RealPole(h, wp * sigma0);
  }
  return true;
}

Extended TransmissionZero(const EllipticDesign& design, std::int32_t i) {
  return design.wp * design.xi / design.wza[i];
}

Extended CharacteristicAlfa(const EllipticDesign& design) {
  const Extended xi = design.xi;
  Extended alfa = design.k0 / design.epsilon;
  for (std::int32_t i = 1; i <= design.Pairs(); ++i)
    alfa = alfa * base::Abs((xi - Sqr(design.wza[i])) / (xi - Sqr(xi / design.wza[i])));
  if (design.Odd()) alfa = alfa * SquareRoot(xi);
  return alfa;
}

Extended StopBandAttenuation(Extended epsilon, Extended alfa) {
  return 10 * specfun::NaturalLog(1 + Sqr(epsilon * Sqr(alfa))) / specfun::NaturalLog(10);
}

Extended GainConstant(const EllipticDesign& design) {
  Extended c = 1;
  for (std::int32_t i = 1; i <= design.Pairs(); ++i) c = c * (Sqr(design.re[i]) + Sqr(design.im[i]));
  if (design.Odd())
    c = c * -design.re[design.RealPoleSlot()];
  else
    c = c / SquareRoot(1 + Sqr(design.epsilon));
  Extended zeros = 1;
  for (std::int32_t i = 1; i <= design.Pairs(); ++i) zeros = zeros * Sqr(TransmissionZero(design, i));
  return c / zeros;
}

}  // namespace elliptic
