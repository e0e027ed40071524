#include "specfun/ell_integrals.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

#include "base/exact_arithmetic.h"
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

// Above 2^8191 = 0x8000000000000000p+8128 (5.45e2465) the square of a modulus
// may overflow; 1/k^2 is then far below an ulp of 1, so that the reciprocal
// modulus has the complementary parameter 1 exactly.
constexpr Extended kLargeModulus(0x8000000000000000p+8128L);

// Below 2^16380 = 0x8000000000000000p+16317 the product |u| d max(c, 1) of
// the Jacobi phase c u d leaves room for the rounding of its two factors.
constexpr long double kPhaseLimit = 0x8000000000000000p+16317L;

// Above 2^8100 = 0x8000000000000000p+8037 the Jacobi ascent's c = mean *
// cot(phase) is too large to be squared, with the descent's factors of up to
// 2^80 on top.
constexpr long double kCotangentLimit = 0x8000000000000000p+8037L;

// The range tests below work on raw magnitudes: they only choose a path, and
// on raw values they can neither fault nor cost a call to an out-of-line
// absolute value or exponent, which pass extended reals through memory (a
// tenth of a Jacobi evaluation's time).
long double Magnitude(Extended x) { return __builtin_fabsl(x.raw()); }

// Where IncompleteFTan runs its Landen iteration.  The iteration is
// homogeneous of degree one in m, kc and y: on 2^p m, 2^p kc and 2^p y it
// rounds exactly as on m, kc and y unless a value leaves the exponent range,
// and its result comes out divided by 2^p.  So p = 0 unless a value would:
// y = 1/|x| for a subnormal x, m kc for kc beyond 2^8100, the first kc/y =
// kc |x| beyond 2^16300.  The bounds below keep every value within 2^16300,
// 83 powers of two short of the range, for the doubling of m at each step.
constexpr std::int32_t kLandenTop = 16300;
// m and kc, whose product must stay below 2^kLandenTop
constexpr std::int32_t kLandenProductTop = 8100;

struct LandenScale {
  std::int32_t p = 0;
  Extended x;         // |x|, or a smaller one with the same F to below an ulp
  bool tiny = false;  // F = x: |x| and kc |x| so small that no p would do
};

// y = 2^p/|x| and e = 2^2p kc must stay normal, y, 2^p kc |x| (the first
// e/y) and m kc below the top.  Where |x| and kc |x|^2 are too large for any
// p, |x| is lowered to 2^q with q >= 8000 and q >= 70 - log2 kc: F moves by
// less than 1/(min(1, kc) 2^q) there, which is below 2^-70 of F itself.
// Where |x| and kc are both too small, F = x - (1 + kc^2) x^3/6 is x.
LandenScale LandenScaleOf(Extended x, Extended kc) {
  LandenScale scale;
  scale.x = x;
  // From 2^-8000 to 2^8000 both fit p = 0 with room to spare: the common case.
  constexpr long double kLow = 0x8000000000000000p-8063L, kHigh = 0x8000000000000000p+7937L;
  if (x.raw() >= kLow && x.raw() <= kHigh && kc.raw() >= kLow && kc.raw() <= kHigh) return scale;
  const std::int32_t c = ExponentOf(kc);
  std::int32_t q = ExponentOf(x);
  const auto low = [&] { return std::max(q - kLandenTop, (-kLandenTop - c) / 2); };
  const auto high = [&] { return std::min({kLandenProductTop - std::max(c, 0), kLandenTop + q, kLandenTop - c - q}); };
  if (low() > high()) {
    if (q <= 0) {
      scale.tiny = true;
      return scale;
    }
    q = std::min(kLandenProductTop + kLandenTop - std::max(c, 0), (2 * kLandenTop - c) / 2) - 2;
    scale.x = ScaleByPowerOf2(1, q);
  }
  scale.p = std::clamp(0, low(), high());
  return scale;
}

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

// The phase c u d of the descent, for the scale d >= 1 of the reciprocal-
// modulus transformation.  Where u d or c u d could overflow, u is first taken
// modulo 2 pi/(c d), the period of sn and cn in u, which fmod does exactly; the
// phase has kept no digit of u that far out in any case.
Extended Phase(Extended u, Extended d, Extended c) {
  if (Magnitude(u) * d.raw() * std::max(c.raw(), 1.0L) < kPhaseLimit) return c * (u * d);
  const Extended period = 2 * Pi() / (c * d);
  return c * (Extended(std::fmod(u.raw(), period.raw())) * d);
}

// The ascent from the circular functions of the phase through the descent's
// means, for sn != 0.  It builds on c = mean * cot(phase), which grows like
// 1/u for tiny u and like sqrt(mc) for huge mc and is squared on the way.
SnCnDn AscendByCotangent(const LandenDescent& descent, const SinCos& circular) {
  SnCnDn result{circular.sin, circular.cos, 1};
  Extended a = result.cn / result.sn;
  Extended c = descent.mean * a;
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
  return result;
}

// The same steps on the reciprocals t = 1/a and s = 1/c, for a c so large
// that its square would overflow: 1/u^2 beyond 2^16384 for |u| below
// 9.5e-2467.
SnCnDn AscendByTangent(const LandenDescent& descent, const SinCos& circular) {
  SnCnDn result{circular.sin, circular.cos, 1};
  Extended t = result.sn / result.cn;
  Extended s = t / descent.mean;
  for (int j = descent.last; j >= 0; --j) {
    const Extended b = descent.em[j];
    t = s * t;
    s = s / result.dn;
    result.dn = (descent.en[j] * t + Extended(1)) / (b * t + Extended(1));
    t = b * s;
  }
  const Extended a = Abs(s) / SquareRoot(s * s + Extended(1));
  result.sn = circular.sin >= Extended(0) ? a : -a;
  result.cn = result.sn / s;
  return result;
}

// sn, cn, dn of u d for 0 < mc from the descending Landen transformation.
SnCnDn LandenSnCnDn(Extended u, Extended mc, Extended d) {
  const LandenDescent descent = Descend(mc);
  const SinCos circular = SineCosine(Phase(u, d, descent.mean));
  if (circular.sin == Extended(0)) return {circular.sin, circular.cos, 1};
  // mean |cos| / |sin| > 2^8100, without a division that could overflow
  if (Magnitude(circular.sin) * kCotangentLimit < descent.mean.raw() * Magnitude(circular.cos)) {
    return AscendByTangent(descent, circular);
  }
  return AscendByCotangent(descent, circular);
}

// sn, cn, dn for the modulus k = d > 1 from those of the modulus 1/k, whose
// complementary parameter is mc.
SnCnDn ReciprocalModulusSnCnDn(Extended u, Extended d, Extended mc) {
  SnCnDn result = LandenSnCnDn(u, mc, d);
  std::swap(result.cn, result.dn);
  result.sn = result.sn / d;
  return result;
}

// F(phi | k) for k > 1 through the reciprocal modulus 1/k.
Extended ReciprocalModulusF(Extended phi, Extended k) {
  const Extended d = k * Sine(phi);
  if (Abs(d) > Extended(1) || Abs(phi) > kPiOver2) return base::NaN();
  const Extended e = SquareRoot((Extended(1) - d) * (Extended(1) + d));
  if (e == Extended(0)) return Sign(phi) * CompleteK(Extended(1) / k) / k;
  const Extended kc = k > kLargeModulus ? Extended(1) : SquareRoot((k - Extended(1)) * (k + Extended(1))) / k;
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

// K of the modulus whose complement is kc, 0 < kc <= 1: pi / (2 M) with M the
// arithmetic-geometric mean of 1 and kc.  The mean loses nothing to kc's
// size: each step rounds a and b once, and M weighs them by shares that add
// up to 1, so that even the smallest kc, 2^-16445 (16 steps, against 7 for
// 1e-10), costs no more than a rounding per step.
Extended QuarterPeriodOfComplement(Extended kc) {
  Extended a = 1;
  Extended b = kc;
  while (a - b > kMeanTolerance * a) {
    const Extended mean = (a + b) / Extended(2);
    b = SquareRoot(a * b);
    a = mean;
  }
  return Pi() / (a + b);
}

// ---- pairs hi + lo of extended reals, |lo| <= ulp(hi)/2 ----------------------
//
// The error-free transformations of the extended arithmetic (base's exact
// sum and product) on the moderate values of these integrals, and the
// operations on pairs built on them, each good to a few units of 2^-126.

struct Pair {
  Extended hi, lo;
};

Pair FromExact(base::exact::Pair p) { return {Extended(p.hi), Extended(p.lo)}; }

Pair TwoSum(Extended a, Extended b) { return FromExact(base::exact::TwoSum(a.raw(), b.raw())); }

// hi + lo renormalised, for |a| >= |b|
Pair QuickTwoSum(Extended a, Extended b) { return FromExact(base::exact::FastTwoSum(a.raw(), b.raw())); }

Pair TwoProduct(Extended a, Extended b) { return FromExact(base::exact::TwoProduct(a.raw(), b.raw())); }

Pair Add(Pair a, Pair b) {
  const Pair s = TwoSum(a.hi, b.hi);
  return QuickTwoSum(s.hi, s.lo + (a.lo + b.lo));
}

Pair Multiply(Pair a, Pair b) {
  const Pair p = TwoProduct(a.hi, b.hi);
  return QuickTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

Pair Divide(Pair a, Pair b) {
  const Extended q = a.hi / b.hi;
  const Pair qb = Multiply({q, 0}, b);
  const Pair r = Add(a, {-qb.hi, -qb.lo});
  return QuickTwoSum(q, r.hi / b.hi);
}

// for a > 0
Pair SquareRootOf(Pair a) {
  const Extended s = SquareRoot(a.hi);
  const Pair square = TwoProduct(s, s);
  const Pair r = Add(a, {-square.hi, -square.lo});
  return QuickTwoSum(s, r.hi / (Extended(2) * s));
}

// pi - 0xC90FDAA22168C235p-62 = -0xECE675D1FC8F8CBBp-128 (-5.016557612668332023e-20):
// with base::Pi() the pair holds pi to about 2^-128.
constexpr Pair kPiPair{Pi(), Extended(-0xECE675D1FC8F8CBBp-128L)};

// The pair mean converges once a and b agree to 2^-60: the next mean is then
// right to about (2^-60)^2/8, below the pair's own rounding.
// 2^-60 = 8.673617379884035472059e-19
constexpr Extended kPairMeanTolerance(0x8000000000000000p-123L);

// 1 - 1/x^2 as a pair: up to x = 2 from x - 1, which is exact there; beyond,
// from k = 1/x, whose 1 - k is at least 1/2.
Pair ComplementaryParameterOfReciprocal(Extended x) {
  if (x <= Extended(2)) {
    const Pair plus = TwoSum(x, 1);
    return Divide(Multiply({x - Extended(1), 0}, plus), TwoProduct(x, x));
  }
  const Pair k = Divide({1, 0}, {x, 0});
  return Multiply(Add({1, 0}, {-k.hi, -k.lo}), Add({1, 0}, k));
}

// K of the modulus whose complement is kc (0 < kc <= 1) as a pair: pi / (2 M)
// with M the arithmetic-geometric mean of 1 and kc, carried in pairs.
Pair QuarterPeriodOfComplementPair(Pair kc) {
  Pair a{1, 0};
  Pair b = kc;
  while (a.hi - b.hi > kPairMeanTolerance * a.hi) {
    const Pair sum = Add(a, b);
    const Pair mean{sum.hi / Extended(2), sum.lo / Extended(2)};
    b = SquareRootOf(Multiply(a, b));
    a = mean;
  }
  return Divide(kPiPair, Add(a, b));
}

// e^(hi + lo) for |lo| <= ulp(hi)/2: e^lo is 1 + lo to below an ulp.
Extended ExponentialOf(Pair x) {
  const Extended e = Exponential(x.hi);
  return e + e * x.lo;
}

// Below this a term of a theta series or of a product no longer moves the
// sum or the product: 2^-70 = 8.470329472543003390683e-22.
constexpr Extended kNegligibleTerm(0x8000000000000000p-133L);

// theta_3(r) = 1 + 2 (r + r^4 + r^9 + ...) and theta_2(r) / (2 r^(1/4)) =
// 1 + r^2 + r^6 + r^12 + ..., for 0 <= r < 1: sums of positive terms.
struct ThetaSums {
  Extended theta3, theta2_reduced;
};

ThetaSums ThetaSumsOf(Extended r) {
  ThetaSums sums{1, 1};
  // r^(m^2) and r^(m(m+1)) from the ratios r^(2m+1) and r^(2m+2) between them
  Extended square = r, oblong = Sqr(r), step = r * Sqr(r), oblong_step = Sqr(Sqr(r));
  const Extended r2 = Sqr(r);
  while (square > kNegligibleTerm) {
    sums.theta3 = sums.theta3 + Extended(2) * square;
    sums.theta2_reduced = sums.theta2_reduced + oblong;
    square = square * step;
    oblong = oblong * oblong_step;
    step = step * r2;
    oblong_step = oblong_step * r2;
  }
  return sums;
}

// prod_{j >= 1} (1 - r^(2j-1)) / (1 - r^(2j)) for 0 <= r < 1, as a pair:
// for r next to 1/4 some twenty factors would each add their rounding.  The
// powers of r need no pairs: by the time their roundings add up they are
// small beside 1.
Pair OddOverEvenFactors(Extended r) {
  Pair odds{1, 0}, evens{1, 0};
  Extended odd = r;
  const Extended r2 = Sqr(r);
  while (odd > kNegligibleTerm) {
    const Pair even = TwoProduct(odd, r);
    odds = Multiply(odds, TwoSum(1, -odd));
    evens = Multiply(evens, Add({1, 0}, {-even.hi, -even.lo}));
    odd = odd * r2;
  }
  return Divide(odds, evens);
}

SnCnDn NaNTriple() { return {base::NaN(), base::NaN(), base::NaN()}; }

SnCnDn JacobiFromModulus(Extended u, Extended k) {
  if (IsNaNOrInfinite(u) || IsNaNOrInfinite(k)) return NaNTriple();
  if (Magnitude(k) > kLargeModulus.raw()) return ReciprocalModulusSnCnDn(u, Abs(k), 1);
  return JacobiSnCnDn(u, (Extended(1) - k) * (Extended(1) + k));
}

}  // namespace

Extended IncompleteFTan(Extended x, Extended kc) {
  if (IsNaNOrInfinite(x) || IsNaNOrInfinite(kc)) return base::NaN();
  if (x == Extended(0)) return 0;
  if (kc == Extended(0)) return InverseHyperbolicSine(x);
  kc = Abs(kc);
  const LandenScale scale = LandenScaleOf(Magnitude(x), kc);
  if (scale.tiny) return x;
  const Extended unit = scale.p == 0 ? Extended(1) : ScaleByPowerOf2(1, scale.p);
  if (scale.p != 0) kc = ScaleByPowerOf2(kc, scale.p);
  Extended y = unit / scale.x;
  Extended m = unit;
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
  Extended f = (ArcTangent(m / y) + Extended(half_turns) * Pi()) / m;
  if (scale.p != 0) f = ScaleByPowerOf2(f, scale.p);
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
  return QuarterPeriodOfComplement(ComplementOf(k));
}

Extended ComplementaryK(Extended k) {
  if (IsNaNOrInfinite(k) || Abs(k) > Extended(1)) return base::NaN();
  k = Abs(k);
  if (k == Extended(0)) return base::Infinity();
  return QuarterPeriodOfComplement(k);
}

ReciprocalModulus QuarterPeriodOfReciprocal(Extended x) {
  if (IsNaNOrInfinite(x) || x < Extended(1)) return {base::NaN(), base::NaN(), base::NaN()};
  const Pair mc = ComplementaryParameterOfReciprocal(x);
  if (mc.hi == Extended(0)) return {0, base::Infinity(), 0};
  const Pair k = QuarterPeriodOfComplementPair(SquareRootOf(mc));
  return {mc.hi, k.hi, k.lo};
}

// With l = pi K'/K (q = e^-l) and the theta sums of q^n:
//   sqrt(L) = theta_3(q^n)/theta_2(q^n) = e^(n l/4) theta_3 / (2 theta_2_reduced),
//   k_n = 4 e^(-n l/2) (theta_2_reduced / theta_3)^2,
//   C = L for an even n, and for an odd n = 2p + 1, from the product forms of
//   theta_1 and theta_4 at the zeros' angles i pi/n,
//   C = e^((n/4 + p/2) l) theta_3 / (2 theta_2_reduced) / (sqrt(x) n P^2),
//   P = A(q)/A(q^n) with A(r) = prod (1 - r^(2j-1))/(1 - r^(2j)).
// l is formed from K and K' in pairs, so that e^(n l/4) carries no rounding
// of l multiplied by n l/4.
EllipticRational EllipticRationalOf(std::int32_t n, Extended x) {
  const Pair mc = ComplementaryParameterOfReciprocal(x);
  const Pair k = Divide({1, 0}, {x, 0});
  const Pair big_k = QuarterPeriodOfComplementPair(SquareRootOf(mc));
  const Pair big_kp = QuarterPeriodOfComplementPair(k);
  const Pair l = Divide(Multiply(kPiPair, big_kp), big_k);
  const Pair nl = Multiply({Extended(n), 0}, l);
  const Pair quarter{nl.hi / Extended(4), nl.lo / Extended(4)};
  const Pair half{nl.hi / Extended(2), nl.lo / Extended(2)};
  const ThetaSums sums = ThetaSumsOf(ExponentialOf({-nl.hi, -nl.lo}));
  const Extended ratio = sums.theta3 / (Extended(2) * sums.theta2_reduced);
  EllipticRational result;
  result.root_of_l = ExponentialOf(quarter) * ratio;
  result.modulus = ExponentialOf({-half.hi, -half.lo}) / Sqr(ratio);
  if (n % 2 == 0) {
    result.constant = ExponentialOf(half) * Sqr(ratio);
    return result;
  }
  const std::int32_t p = n / 2;
  const Pair pl = Multiply({Extended(p), 0}, l);
  const Extended q = ExponentialOf({-l.hi, -l.lo});
  const Pair factors = Divide(OddOverEvenFactors(q), OddOverEvenFactors(ExponentialOf({-nl.hi, -nl.lo})));
  const Pair square = Multiply(factors, factors);
  result.constant = ExponentialOf(Add(quarter, {pl.hi / Extended(2), pl.lo / Extended(2)})) * ratio /
                    (SquareRoot(x) * Extended(n) * square.hi);
  return result;
}

Extended FractionOf(std::int32_t m, std::int32_t n, Extended hi, Extended lo) {
  // m/n = q + r/n with the remainder r = m - q n, exact: it is an integer
  // multiple of q's ulp below n/2 of them
  const Extended q = Extended(m) / Extended(n);
  const Pair qn = TwoProduct(q, Extended(n));
  const Extended q_low = ((Extended(m) - qn.hi) - qn.lo) / Extended(n);
  const Pair p = TwoProduct(q, hi);
  return p.hi + (p.lo + (q * lo + q_low * hi));
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
  if (mc < Extended(0)) {  // k > 1: d = k and 1 - 1/k^2 = -mc/(1 - mc)
    const Extended d = Extended(1) - mc;
    return ReciprocalModulusSnCnDn(u, SquareRoot(d), -mc / d);
  }
  return LandenSnCnDn(u, mc, 1);
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
