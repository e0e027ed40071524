#include "specfun/ell_integrals.h"

#include <array>
#include <cstdint>

#include "specfun/ext_constants.h"
#include "specfun/ext_math.h"

namespace specfun {

namespace {

using base::Abs;

// Each constant below is the extended real nearest to its decimal value; the
// hexadecimal literal is its exact value, the decimal after it a rounding.

// Relative gap at which a mean (Gauss-Landen or arithmetic-geometric) counts
// as converged.  The convergence is quadratic, so the next mean is already
// right to about (2e-10)^2/8, below the rounding of a 64-bit significand.
// 0xDBE6FECEBDEDD5BF * 2^-96 = 2.000000000000000000037e-10
constexpr Extended kMeanTolerance(0xDBE6FECEBDEDD5BFp-96L);

// Stand-in for a Landen remainder y that cancelled to exactly 0, scaled by
// sqrt(e): small enough to mean "zero" to the arc tangent, but it keeps the
// next quotient e/y finite.
// 0xF1C90080BAF72CB1 * 2^-137 = 9.999999999999999999814e-23
constexpr Extended kUnderflowGuard(0xF1C90080BAF72CB1p-137L);

// Up to this modulus K(k) = (pi/2)(1 + k^2/4) is good to the last bit: the
// first omitted term, (pi/2)(9/64) k^4, stays within about half an ulp.
// 0xBCBE61CFFEB074A7 * 2^-79 = 2.249999999999999999926e-5
constexpr Extended kSmallModulus(0xBCBE61CFFEB074A7p-79L);

using base::Pi;
using constants::kPiOver2;

// How close |r| may come to pi/2 and still count as the pole of tan, that
// is, phi as an odd multiple of pi/2: two units of the library's epsilon.
// 2^-62 = 2.168404344971008868015e-19
constexpr Extended kPoleTolerance(2 * constants::kEpsilon);

// The Jacobi descent keeps at most this many Landen steps: 3 to 8 for
// ordinary parameters, 16 at the ends of the extended range (mc = 1e-4930).
constexpr int kMaxLandenSteps = 18;

// sqrt((1 - k)(1 + k)), the complementary modulus without the cancellation
// of 1 - k^2.
Extended ComplementOf(Extended k) { return SquareRoot((Extended(1) - k) * (Extended(1) + k)); }

// The descending Landen transformation: its arithmetic and geometric means
// step by step, up to the step whose gap passed the convergence test.
struct LandenDescent {
  std::array<Extended, kMaxLandenSteps> em;  // arithmetic means
  std::array<Extended, kMaxLandenSteps> en;  // geometric means
  int last = 0;                              // index of the converged step
  Extended mean;                             // the last arithmetic mean
};

LandenDescent Descend(Extended mc) {
  LandenDescent descent;
  Extended a = 1;
  for (int l = 0; l < kMaxLandenSteps; ++l) {
    descent.em[l] = a;
    mc = SquareRoot(mc);
    descent.en[l] = mc;
    descent.mean = (a + mc) / Extended(2);
    descent.last = l;
    if (Abs(a - mc) <= kMeanTolerance * a) break;
    mc = a * mc;
    a = descent.mean;
  }
  return descent;
}

// sn, cn, dn for 0 < mc (mc != 1) from the descending Landen transformation.
SnCnDn LandenSnCnDn(Extended u, Extended mc) {
  const LandenDescent descent = Descend(mc);
  Extended c = descent.mean;
  const SinCos circular = SineCosine(c * u);
  SnCnDn result{circular.sin, circular.cos, 1};
  if (result.sn != Extended(0)) {
    Extended a = result.cn / result.sn;
    c = c * a;
    for (int j = descent.last; j >= 0; --j) {
      const Extended b = descent.em[j];
      a = c * a;
      c = result.dn * c;
      result.dn = (descent.en[j] + a) / (b + a);
      a = c / b;
    }
    a = Extended(1) / SquareRoot(c * c + Extended(1));
    result.sn = circular.sin >= Extended(0) ? a : -a;
    result.cn = c * result.sn;
  }
  return result;
}

// The reciprocal-modulus transformation for k > 1 around the descent.
SnCnDn NegativeParameterSnCnDn(Extended u, Extended mc) {
  Extended d = Extended(1) - mc;
  mc = -mc / d;
  d = SquareRoot(d);
  SnCnDn result = LandenSnCnDn(u * d, mc);
  const Extended cn = result.cn;
  result.cn = result.dn;
  result.dn = cn;
  result.sn = result.sn / d;
  return result;
}

// F(phi | k) for k > 1 through the reciprocal modulus 1/k.
Extended ReciprocalModulusF(Extended phi, Extended k) {
  const Extended d = k * Sine(phi);
  if (Abs(d) > Extended(1) || Abs(phi) > kPiOver2) return base::NaN();
  const Extended e = SquareRoot((Extended(1) - d) * (Extended(1) + d));
  if (e == Extended(0)) return Sign(phi) * CompleteK(Extended(1) / k) / k;
  const Extended kc = SquareRoot((k - Extended(1)) * (k + Extended(1))) / k;
  return IncompleteFTan(d / e, kc) / k;
}

// F(phi | k) for 0 < k < 1: whole quarter-periods of K plus the integral
// over the remainder.
Extended ProperModulusF(Extended phi, Extended k) {
  const Extended s = Sign(phi);
  const ModPiReduction reduction = ReduceModPi(phi);
  if (reduction.pole) return s * reduction.n * CompleteK(k);
  const Extended whole = reduction.n != Extended(0) ? reduction.n * CompleteK(k) : Extended(0);
  const Extended part =
      reduction.r != Extended(0) ? IncompleteFTan(Tangent(reduction.r), ComplementOf(k)) : Extended(0);
  return s * (whole + part);
}

SnCnDn NaNTriple() { return {base::NaN(), base::NaN(), base::NaN()}; }

SnCnDn JacobiFromModulus(Extended u, Extended k) {
  if (IsNaNOrInfinite(u) || IsNaNOrInfinite(k)) return NaNTriple();
  return JacobiSnCnDn(u, (Extended(1) - k) * (Extended(1) + k));
}

}  // namespace

Extended IncompleteFTan(Extended x, Extended kc) {
  if (IsNaNOrInfinite(x) || IsNaNOrInfinite(kc)) return base::NaN();
  if (x == Extended(0)) return 0;
  if (kc == Extended(0)) return InverseHyperbolicSine(x);
  Extended y = Abs(Extended(1) / x);
  kc = Abs(kc);
  Extended m = 1;
  std::int64_t half_turns = 0;
  for (;;) {
    const Extended e = m * kc;
    const Extended g = m;
    m = m + kc;
    y = y - e / y;
    if (y == Extended(0)) y = SquareRoot(e) * kUnderflowGuard;
    if (Abs(g - kc) <= kMeanTolerance * g) break;
    kc = Extended(2) * SquareRoot(e);
    half_turns = 2 * half_turns + (y < Extended(0) ? 1 : 0);
  }
  if (y < Extended(0)) ++half_turns;
  const Extended f = (ArcTangent(m / y) + Extended(half_turns) * Pi()) / m;
  return x < Extended(0) ? -f : f;
}

Extended CompleteK(Extended k) {
  if (IsNaNOrInfinite(k) || Abs(k) > Extended(1)) return base::NaN();
  k = Abs(k);
  if (k <= kSmallModulus) {
    const Extended half_k = k / Extended(2);
    return kPiOver2 * (Extended(1) + half_k * half_k);
  }
  if (k == Extended(1)) return base::Infinity();
  Extended a = 1;
  Extended b = ComplementOf(k);
  while (a - b > kMeanTolerance * a) {
    const Extended mean = (a + b) / Extended(2);
    b = SquareRoot(a * b);
    a = mean;
  }
  return Pi() / (a + b);
}

ModPiReduction ReduceModPi(Extended phi) {
  const Extended t = Abs(phi);
  const Extended r = Extended(2) * ReducePiOver2(t / Extended(2)).r;
  if (Abs(Abs(r) - kPiOver2) <= kPoleTolerance) {
    return {Truncate(t / kPiOver2 + Extended(0.5)), r, true};
  }
  ModPiReduction reduction{Extended(2) * Truncate((t - r) / Pi() + Extended(0.5)), r, false};
  if (r >= kPiOver2) {
    reduction.n = reduction.n + Extended(1);
    reduction.r = 0;
  } else if (r <= -kPiOver2) {
    reduction.n = reduction.n - Extended(1);
    reduction.r = 0;
  }
  return reduction;
}

Extended IncompleteF(Extended phi, Extended k) {
  if (IsNaNOrInfinite(phi) || IsNaNOrInfinite(k)) return base::NaN();
  k = Abs(k);
  if (phi == Extended(0)) return 0;
  if (k == Extended(0)) return phi;
  if (k == Extended(1)) {
    if (Abs(phi) < kPiOver2) return InverseGudermannian(phi);
    return CopySign(base::Infinity(), phi);
  }
  if (k > Extended(1)) return ReciprocalModulusF(phi, k);
  return ProperModulusF(phi, k);
}

// A NaN or infinite u or mc gives NaN for all three: the descent and the
// circular functions would otherwise meet inf - inf or sin(inf) and fault.
SnCnDn JacobiSnCnDn(Extended u, Extended mc) {
  if (IsNaNOrInfinite(u) || IsNaNOrInfinite(mc)) return NaNTriple();
  if (u == Extended(0)) return {0, 1, 1};
  if (mc == Extended(0)) {
    const Extended sech = HyperbolicSecant(u);
    return {HyperbolicTangent(u), sech, sech};
  }
  if (mc == Extended(1)) {
    const SinCos circular = SineCosine(u);
    return {circular.sin, circular.cos, 1};
  }
  if (mc < Extended(0)) return NegativeParameterSnCnDn(u, mc);
  return LandenSnCnDn(u, mc);
}

Extended JacobiSn(Extended u, Extended k) { return JacobiFromModulus(u, k).sn; }
Extended JacobiCn(Extended u, Extended k) { return JacobiFromModulus(u, k).cn; }
Extended JacobiDn(Extended u, Extended k) { return JacobiFromModulus(u, k).dn; }

Extended InverseSc(Extended x, Extended k) {
  if (IsNaNOrInfinite(x) || IsNaNOrInfinite(k)) return base::NaN();
  k = Abs(k);
  if (k == Extended(1)) return InverseHyperbolicSine(x);
  return IncompleteF(ArcTangent(x), k);
}

}  // namespace specfun
