#include "elliptic/root_response.h"

#include <cstdlib>

#include "specfun/ext_math.h"

namespace elliptic {

namespace {

// A real part at or below this in magnitude puts a root on the axis for the
// delay: its term would only divide by a vanishing real part.
constexpr long double kAxisRealPart = 1e-20L;
// The running products are brought back into 2^-4096 .. 2^4096 whenever they
// leave it, by whole steps of 2^4096 (exact); one squared distance of any
// root below 1e1800 then fits beside them without overflow.
constexpr long double kRescaleHigh = 0x1p4096L;
constexpr long double kRescaleLow = 0x1p-4096L;
constexpr std::int64_t kRescaleStep = 4096;
// The vectors' product moves with the squared distances' product, by the
// square root of that step.
constexpr long double kHalfStepDown = 0x1p-2048L;
constexpr long double kHalfStepUp = 0x1p2048L;
// The ratio of two constants is formed directly while it keeps the gain's
// product inside the range of an extended real (16383 binary orders):
// 12000 for the ratio, 4096 for the square root of the products' ratio.
constexpr std::int32_t kDirectRatioOrders = 12000;

// The pass runs first on bare long doubles, whose operations are those of
// Extended without the check of each result; the products cannot overflow
// for roots inside the range above, so a result that is not finite only
// comes from roots beyond it, and the pass is then run again on Extended to
// raise the fault where it arises.
template <typename T>
T Value(const Extended& x);
template <>
long double Value<long double>(const Extended& x) {
  return x.raw();
}
template <>
Extended Value<Extended>(const Extended& x) {
  return x;
}

template <typename T>
struct Pass {
  // Off the axis: the squared distances, the delay's numerator (delay =
  // numerator / product), and the product of the vectors, each taken into
  // the right half-plane, with the whole turns its principal angle has gone
  // beyond +-pi and the half turns of the vectors turned round.
  T product = 1, numerator = 0;
  T zr = 1, zi = 0;
  bool upper = true;  // zi >= 0: the principal angle of (zr, zi) lies in [0, pi]
  std::int64_t exponent = 0;
  std::int64_t turns = 0, half_turns = 0;
  // On the axis: the squared distances, and the quarter turns of the
  // vectors, each +-pi/2.
  T axis_product = 1;
  std::int64_t axis_exponent = 0;
  std::int64_t quarter_turns = 0;
  // Roots at j*omega itself.
  std::int32_t vanishing = 0;
  Extended lone_angles = 0;
};

// The products of a pass and the binary exponent taken out of them.
template <typename T>
struct Scaled {
  T product, numerator, zr, zi;
  std::int64_t exponent;
};

// Into 2^-4096 .. 2^4096, the delay's numerator and the vectors along.  A
// product that is no longer finite is left as it is, for the caller.  By
// value, so that the pass keeps its sums in registers.
template <typename T>
[[gnu::noinline]] Scaled<T> Rescale(Scaled<T> s) {
  if (!(s.product < T(base::Infinity().raw()))) return s;
  while (s.product > T(kRescaleHigh)) {
    s.product *= T(kRescaleLow);
    s.numerator *= T(kRescaleLow);
    s.zr *= T(kHalfStepDown);
    s.zi *= T(kHalfStepDown);
    s.exponent += kRescaleStep;
  }
  while (s.product < T(kRescaleLow) && s.product != T(0)) {
    s.product *= T(kRescaleHigh);
    s.numerator *= T(kRescaleHigh);
    s.zr *= T(kHalfStepUp);
    s.zi *= T(kHalfStepUp);
    s.exponent -= kRescaleStep;
  }
  return s;
}

// The roots off the axis.  Each vector v = (-re, omega - im) is taken into
// the right half-plane (turned round, -v, for a root right of the axis, half
// a turn counted by the side of the real axis v lay on), so that one
// multiplication moves the product's angle by less than a quarter turn
// either way.  The product's principal angle, in [0, pi] with a zero
// imaginary part of either sign and in (-pi, 0) below, then jumps by a whole
// turn exactly when it crosses the negative real axis: the product changes
// half-plane with a negative real part.  The test reads the product as
// computed, so the count stays consistent with it even where rounding
// decides the side; near the positive real axis, where no turn is counted,
// the real part's sign is fixed by the signs of the factors.
template <typename T, bool kTurnedRound, bool kDelay>
void OffAxis(const RootList::Side& side, T omega, Pass<T>& pass) {
  T product = pass.product, numerator = pass.numerator, zr = pass.zr, zi = pass.zi;
  bool upper = pass.upper;
  std::int64_t turns = 0, above = 0, exponent = pass.exponent;
  // locals, which no call on the way can change
  const Extended* const distances = side.re.data();
  const Extended* const ims = side.im.data();
  const std::size_t n = side.re.size();
  for (std::size_t i = 0; i < n; ++i) {
    // the vector in the right half-plane: (|re|, omega - im) left of the
    // axis, turned round (|re|, im - omega) right of it
    const T wr = Value<T>(distances[i]);
    const T wi = kTurnedRound ? Value<T>(ims[i]) - omega : omega - Value<T>(ims[i]);
    const T m = wr * wr + wi * wi;
    // the delay term re / m, re = -|re| left of the axis
    if (kDelay)
      numerator = kTurnedRound ? numerator * m + wr * product : numerator * m - wr * product;
    else
      numerator = numerator * m;
    product = product * m;
    if (kTurnedRound) above += wi <= T(0);
    const T nr = zr * wr - zi * wi;
    const T ni = zr * wi + zi * wr;
    zr = nr;
    zi = ni;
    const bool now_upper = ni >= T(0);
    turns += static_cast<std::int64_t>((now_upper != upper) & (nr < T(0))) * (upper ? 1 : -1);
    upper = now_upper;
    if (product > T(kRescaleHigh) || product < T(kRescaleLow)) [[unlikely]] {
      const Scaled<T> scaled = Rescale(Scaled<T>{product, numerator, zr, zi, exponent});
      product = scaled.product;
      numerator = scaled.numerator;
      zr = scaled.zr;
      zi = scaled.zi;
      exponent = scaled.exponent;
    }
  }
  pass.product = product;
  pass.numerator = numerator;
  pass.zr = zr;
  pass.zi = zi;
  pass.upper = upper;
  pass.exponent = exponent;
  pass.turns += turns;
  // +pi for a vector turned round from above the real axis (or from its
  // negative half), -pi from below
  if (kTurnedRound) pass.half_turns += 2 * above - static_cast<std::int64_t>(n);
}

// The roots on the axis: each vector (-re, omega - im) points straight up or
// down, or vanishes at j*omega.
template <typename T>
void OnAxis(const RootList::Side& side, T omega, Pass<T>& pass) {
  T product = pass.axis_product;
  std::int64_t up = 0, exponent = pass.axis_exponent;
  std::int32_t vanishing = 0;
  const Extended* const ims = side.im.data();
  const std::size_t n = side.im.size();
  for (std::size_t i = 0; i < n; ++i) {
    const T y = omega - Value<T>(ims[i]);
    if (y == T(0)) [[unlikely]] {
      ++vanishing;
      pass.lone_angles += specfun::ArcTangent2(0, -side.re[i]);
      continue;
    }
    up += y > T(0);
    product = product * (y * y);
    if (product > T(kRescaleHigh) || product < T(kRescaleLow)) [[unlikely]] {
      const Scaled<T> scaled = Rescale(Scaled<T>{product, 0, 0, 0, exponent});
      product = scaled.product;
      exponent = scaled.exponent;
    }
  }
  pass.axis_product = product;
  pass.axis_exponent = exponent;
  pass.vanishing += vanishing;
  // +pi/2 up, -pi/2 down
  pass.quarter_turns += 2 * up - (static_cast<std::int64_t>(n) - vanishing);
}

template <typename T>
bool Finite(const Pass<T>& pass) {
  for (const T x : {pass.product, pass.numerator, pass.zr, pass.zi, pass.axis_product})
    if (!base::IsFinite(Extended(x))) return false;
  return true;
}

template <typename T>
RootTerms Sums(const Pass<T>& pass) {
  RootTerms terms;
  terms.magnitude2 = Extended(pass.product) * Extended(pass.axis_product);
  terms.exponent = pass.exponent + pass.axis_exponent;
  terms.vanishing = pass.vanishing;
  // a zero imaginary part on the negative real axis is the angle pi, of
  // either sign of the zero
  const Extended zi = pass.zi == T(0) ? Extended(0) : Extended(pass.zi);
  const std::int64_t quarters = 4 * pass.turns + 2 * pass.half_turns + pass.quarter_turns;
  terms.angle =
      specfun::ArcTangent2(zi, Extended(pass.zr)) + Extended(quarters) * (base::Pi() / Extended(2)) + pass.lone_angles;
  terms.delay = pass.product == T(0) ? Extended(0) : Extended(pass.numerator) / Extended(pass.product);
  return terms;
}

template <typename T>
Pass<T> Run(const RootList::Side& left, const RootList::Side& left_near_axis, const RootList::Side& right,
            const RootList::Side& right_near_axis, const RootList::Side& axis, T omega) {
  Pass<T> pass;
  OffAxis<T, false, true>(left, omega, pass);
  OffAxis<T, false, false>(left_near_axis, omega, pass);
  OffAxis<T, true, true>(right, omega, pass);
  OffAxis<T, true, false>(right_near_axis, omega, pass);
  OnAxis<T>(axis, omega, pass);
  return pass;
}

// 20 / ln 10: decibels per neper of the magnitude.
Extended DbPerNeper() {
  static const Extended value = Extended(20) / specfun::NaturalLog(10);
  return value;
}

Extended HalfLn2() {
  static const Extended value = specfun::NaturalLog(2) / Extended(2);
  return value;
}

}  // namespace

RootList::RootList(std::span<const Extended> re, std::span<const Extended> im) {
  const Extended near(kAxisRealPart);
  for (std::size_t i = 0; i < re.size(); ++i) {
    Side& side = re[i] > near     ? right_
                 : re[i] > 0      ? right_near_axis_
                 : re[i] == 0     ? axis_
                 : re[i] >= -near ? left_near_axis_
                                  : left_;
    side.re.push_back(&side == &axis_ ? re[i] : base::Abs(re[i]));
    side.im.push_back(im[i]);
  }
}

RootTerms RootList::At(Extended omega) const {
  const Pass<long double> fast = Run<long double>(left_, left_near_axis_, right_, right_near_axis_, axis_, omega.raw());
  if (Finite(fast)) return Sums(fast);
  return Sums(Run<Extended>(left_, left_near_axis_, right_, right_near_axis_, axis_, omega));
}

RootTerms SumRootTerms(std::span<const Extended> re, std::span<const Extended> im, Extended omega) {
  return RootList(re, im).At(omega);
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
