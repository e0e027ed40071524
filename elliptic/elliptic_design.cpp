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

// sn, cn and dn at (multiple/N) K for the modulus whose complementary
// parameter is mc, the argument rounded once from K's pair.
specfun::SnCnDn AtFraction(std::int32_t multiple, std::int32_t order, const specfun::ReciprocalModulus& modulus) {
  return sf::JacobiSnCnDn(sf::FractionOf(multiple, order, modulus.k, modulus.k_low), modulus.mc);
}

// sn, cn and dn of v0 for the modulus k', whose complementary parameter is
// k^2.  Once v0 passes K'/2 (eps^2 < k1) they come from those of K' - v0,
// which the integral from 0 to arctan(eps/k1) gives on its own (tan phi
// tan psi = 1/k1 splits K(k1') there, so it equals the one from
// arctan(1/eps) to pi/2): next to K', where a small eps puts
// v0, cn(v0) and with it the real parts of the poles would move with v0's
// last bits by K'/(K' - v0) times as much.
struct PoleOffsetFunctions {
  Extended sn, cn, dn;
};

PoleOffsetFunctions AtPoleOffset(Extended v0, Extended k, Extended epsilon, Extended k1, Extended big_kp,
                                 Extended kp1) {
  if (!(Sqr(epsilon) < k1)) {
    const specfun::SnCnDn at = sf::JacobiSnCnDn(v0, Sqr(k));
    return {at.sn, at.cn, at.dn};
  }
  const Extended rest = (big_kp * sf::IncompleteFTan(epsilon / k1, k1)) / kp1;
  const specfun::SnCnDn at = sf::JacobiSnCnDn(rest, Sqr(k));
  return {at.cn / at.dn, k * at.sn / at.dn, k / at.dn};
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

  // The selectivity's modulus k = 1/xi, held through xi: next to the band
  // edge the complement of a rounded 1/xi would keep only the digits of its
  // rounding.  Every complete integral is a mean of 1 and a modulus or its
  // complement as known, never of the complement of a rounded complement.
  const Extended k = 1 / xi;
  const specfun::ReciprocalModulus modulus = sf::QuarterPeriodOfReciprocal(xi);
  const Extended mc = modulus.mc;
  const Extended k1 = 1 / ea.alfa2;
  const Extended big_k = modulus.k;
  const Extended big_kp1 = sf::ComplementaryK(k1);
  sink.Integrals(big_k, big_kp1);
  const Extended big_kp = sf::ComplementaryK(k);
  const Extended big_k1 = sf::CompleteK(k1);
  sink.ComplementaryIntegrals(big_kp, big_k1);

  const Extended n = (big_k * big_kp1) / (big_kp * big_k1);
  const std::optional<std::int32_t> chosen = sink.Order(n);
  if (!chosen) return false;
  const std::int32_t order = *chosen;
  design.order = order;
  const std::int32_t pairs = design.Pairs();
  const bool odd = design.Odd();

  // k0 = eps C and alfa = sqrt(L) of the elliptic rational function of
  // this order, L = 1/k1 for the discrimination k1 the order meets the
  // degree equation with.  k0's factors |(1 - (xi/wza)^2) / (1 - wza^2)| cancel
  // next to the band edge, and alfa's (xi - wza^2)/(xi - (xi/wza)^2) are
  // wza^2/xi; as products over the zeros both would also carry the rounding
  // of every zero, N times over, which the theta series of C and L do not.
  // Orders 0 and 1 have no zero: C is 1, and L is 1 and xi.
  sink.AttenuationZerosHeading();
  for (std::int32_t i = 1; i <= pairs; ++i) {
    const std::int32_t step = odd ? CheckedMul(2, i) : CheckedSub(CheckedMul(2, i), 1);
    design.wza[i] = AtFraction(step, order, modulus).sn;
    sink.AttenuationZero(i, design.wza[i]);
  }
  Extended k0 = ea.epsilon, alfa = odd ? SquareRoot(xi) : Extended(1), k1_of_order = odd ? k : Extended(1);
  if (pairs > 0) {
    const specfun::EllipticRational rational = sf::EllipticRationalOf(order, xi);
    k0 = ea.epsilon * rational.constant;
    alfa = rational.root_of_l;
    k1_of_order = rational.modulus;
  }
  design.k0 = k0;
  design.alfa = alfa;
  sink.CharacteristicConstant(k0);

  sink.TransmissionZerosHeading();
  for (std::int32_t i = 1; i <= pairs; ++i) sink.TransmissionZero(i, TransmissionZero(design, i));
  if (odd) sink.ZeroAtInfinity(CheckedAdd(pairs, 1));

  // v0 = K F(arctan(1/eps) | k1') / (N K(k1)) with the k1 of the order used,
  // so that the poles have the ripple eps at wp for the zeros above: with
  // the requirement's k1 an order above n would have other poles than its
  // zeros and k0 need.  The degree equation N K(k1)/K = K'(k1)/K' turns it
  // into K' F / K'(k1), which takes k1 itself and never its complement, the
  // complementary modulus of the integral being exactly k1.  Order 0 has no
  // poles: N K(k1) is 0 there.
  if (order == 0) base::RaiseFloatFault(base::FloatFault::ZeroDivide, 1, 0);
  const Extended kp_of_order = sf::ComplementaryK(k1_of_order);
  const Extended v0 = (big_kp * sf::IncompleteFTan(1 / ea.epsilon, k1_of_order)) / kp_of_order;
  design.v0 = v0;
  sink.PoleOffset(v0);

  sink.PolesHeading();
  const PoleOffsetFunctions at_v0 = AtPoleOffset(v0, k, ea.epsilon, k1_of_order, big_kp, kp_of_order);
  const Extended s1 = at_v0.sn, c1 = at_v0.cn, d1 = at_v0.dn;
  for (std::int32_t j = 0; j < pairs; ++j) {
    const std::int32_t step = odd ? CheckedAdd(CheckedMul(2, j), 2) : CheckedAdd(CheckedMul(2, j), 1);
    const Extended u = sf::FractionOf(step, order, modulus.k, modulus.k_low);
    const specfun::SnCnDn at_u = sf::JacobiSnCnDn(u, mc);
    // j sn(u + j v0, k) for wp = 1, by the addition theorem; its denominator
    // 1 - dn^2 s1^2 is the sum c1^2 + k^2 sn^2 s1^2, which cannot cancel
    const Extended den = Sqr(c1) + Sqr(k * at_u.sn * s1);
    const Extended sigma = -(c1 * s1 * at_u.cn * at_u.dn) / den;
    const Extended omega = (d1 * at_u.sn) / den;
    const std::int32_t slot = CheckedAdd(j, 1);
    design.re[slot] = wp * sigma;
    design.im[slot] = wp * omega;
    const Extended magnitude = SquareRoot(Sqr(sigma) + Sqr(omega));
    sink.PolePair({slot, u, wp * sigma, wp * omega, wp * magnitude, -magnitude / (2 * sigma)});
  }
  if (odd) {
    // -s1 c1 / (1 - s1^2) = -s1/c1, without the cancellation of 1 - s1^2
    const Extended sigma0 = -s1 / c1;
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

// ln(eps alfa^2) beyond which t = (eps alfa^2)^2 would overflow though alfa
// does not (high orders of a wide transition band): 8191 ln 2.  There 1/t,
// below 2^-16382, is nothing to ln(1 + t) = 2 ln(eps alfa^2).
constexpr long double kLnRootOfLargeT = 8191 * 0.69314718055994530942L;

// 10 log10(1 + t) with ln(1 + t) as ln(u) t/(u - 1), u = 1 + t rounded: for
// a small t (a low order with a small Amax) 1 + t keeps only t's first digits.
Extended StopBandAttenuation(Extended epsilon, Extended alfa) {
  const Extended ln_root = specfun::NaturalLog(epsilon) + 2 * specfun::NaturalLog(alfa);
  if (ln_root > Extended(kLnRootOfLargeT)) return 10 * (2 * ln_root) / specfun::NaturalLog(10);
  const Extended t = Sqr(epsilon * Sqr(alfa));
  const Extended u = 1 + t;
  const Extended ln_1p = u == Extended(1) ? t : specfun::NaturalLog(u) * (t / (u - 1));
  return 10 * ln_1p / specfun::NaturalLog(10);
}

// E(s) monic and K(s) = F(s)/P(s) = k0 prod (s^2 + wp^2 wza^2) / prod (s^2 +
// wz^2) (times s/wp for an odd order): with F monic an odd order's c is wp/k0,
// and an even order's c and F's constant f satisfy f = k0 c and f^2 + c^2 = 1,
// the leading coefficients of |E|^2 = |F|^2 + |P|^2.  These are the pole
// product of |T(0)| and the sqrt(1 - c^2) the poles lead to, without the
// product's N roundings and without the cancellation in 1 - c^2 when k0 is small.
Extended GainConstant(const EllipticDesign& design) {
  return design.Odd() ? design.wp / design.k0 : InverseNorm(design.k0);
}

Extended AttenuationConstant(const EllipticDesign& design) {
  return design.Odd() ? Extended(1) : design.k0 * InverseNorm(design.k0);
}

}  // namespace elliptic
