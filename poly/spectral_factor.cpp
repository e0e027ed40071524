#include "poly/spectral_factor.h"

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

#include "base/errors.h"
#include "poly/complex.h"
#include "poly/horner.h"

namespace poly {
namespace {

using base::Extended;

// 2^-64 (0x1p-64), the unit roundoff of the 64-bit significand.
constexpr long double kUnitRoundoff = 0x1p-64L;
// |G| within this many unit roundoffs of the size of its terms (below) is
// the rounding of its evaluation: a step from there moves the root at
// random.
constexpr long double kResidualNoise = 4;
// A step of at most this many unit roundoffs of the root moves it only
// within its own rounding.
constexpr long double kLastPlaces = 4;
// Sweeps over all roots at most, each taking one step of every root that
// has not yet settled.  Roots from the polynomial in x settle in two or
// three; those that start together (a spurious multiple root of the search)
// need some tens to part.
constexpr int kSweeps = 500;
// The residual that rounding explains is an estimate of its size, not a
// bound: a residual is beyond it when it exceeds it this many times.  (Sound
// factors come to about once the estimate, at most one and a half times in
// the cases measured; the residuals of roots taken short are a thousand
// times above it or more.)
constexpr long double kExplainedMargin = 8;
// A root the search found real keeps to the real axis for this many
// sweeps; one that has found no root there by then (the search's was
// spurious) goes free.
constexpr int kRealSweeps = 20;
// Two roots are taken for a conjugate pair when one lies this near the
// other's mirror image, relative to its size: far beyond their own errors,
// far below the distance between two roots of the factors measured.
constexpr long double kPairing = 1E-6L;
// A root of a factor that may have zeros on the imaginary axis (F) lying
// within this fraction of its size from the axis is first polished on the
// axis: there a zero of F is a double root of G, G(jw) touches zero as a
// real function of w, and the steps go to the zero of its derivative,
// which is simple.  (The search's roots of a double root in x come up to a
// thousandth apart at high orders.)
constexpr long double kNearAxis = 1E-2L;
// Newton steps on the axis at most: from within a hundredth they need some
// five.
constexpr int kAxisSteps = 50;
// Roots that start at one point are spread over a circle of this radius
// relative to the point, so that the division by their differences is
// defined and the steps can take them apart.
constexpr long double kSpread = 1E-3L;
// A root 0 of E that G does not have starts this far left of the origin,
// relative to the mean size of G's roots: off the origin, where G'
// vanishes, and near enough for the steps to find the small root there.
constexpr long double kZeroStart = 1E-3L;

// A(z) and A(-z), each as if evaluated with twice the significand, their
// derivatives (which only steer the steps), and sum |a(k)| |z|^k.
struct Sides {
  Complex plus, minus;
  Complex plus_slope, minus_slope;
  Extended terms;
};

Sides SidesAt(std::span<const Extended> a, Complex z) {
  return {EvaluateCompensated(a, z), EvaluateCompensated(a, -z), EvaluateWithDerivative(a, z).derivative,
          EvaluateWithDerivative(a, -z).derivative, SumOfTerms(a, Modulus(z))};
}

// G and G' at a point, the size of G and whether that is only rounding.
struct Probe {
  Complex value;
  Complex derivative;
  Extended size;
  Extended rounding;  // of the evaluation, to be taken kResidualNoise unit roundoffs
  // what one rounding of A's and B's coefficients moves G by, likewise: the
  // uncertainty of G itself
  Extended data;
  bool noise;
};

std::size_t DegreeOf(std::span<const Extended> a) { return a.empty() ? 0 : a.size() - 1; }

// The rounding of ka A(z)A(-z): that of the product, and what compensated
// Horner's scheme leaves of each factor's, (2n u)^2 of its terms' size for
// degree n, in unit roundoffs u.
Extended ProductRounding(Extended k, const Sides& a, std::size_t degree) {
  const Extended twice_n_u = Extended(2 * kUnitRoundoff) * Extended(static_cast<long double>(degree));
  const Extended left = twice_n_u * twice_n_u / Extended(kUnitRoundoff) * a.terms;
  const Extended plus = SumOfParts(a.plus), minus = SumOfParts(a.minus);
  return base::Abs(k) * (plus * minus + left * (plus + minus) + Extended(kUnitRoundoff) * left * left);
}

Probe ProbeAt(const ParaconjugateSum& g, Complex z) {
  const Sides a = SidesAt(g.a, z);
  const Sides b = SidesAt(g.b, z);
  const Complex ka{g.ka, 0}, kb{g.kb, 0};
  const Complex value = ka * (a.plus * a.minus) + kb * (b.plus * b.minus);
  const Complex derivative =
      ka * (a.plus_slope * a.minus - a.plus * a.minus_slope) + kb * (b.plus_slope * b.minus - b.plus * b.minus_slope);
  const Extended rounding = ProductRounding(g.ka, a, DegreeOf(g.a)) + ProductRounding(g.kb, b, DegreeOf(g.b));
  const Extended data = base::Abs(g.ka) * a.terms * (SumOfParts(a.plus) + SumOfParts(a.minus)) +
                        base::Abs(g.kb) * b.terms * (SumOfParts(b.plus) + SumOfParts(b.minus));
  const Extended size = SumOfParts(value);
  return {value, derivative, size, rounding, data, size <= kResidualNoise * kUnitRoundoff * rounding};
}

// A(z), A'(z) and A''(z) by Horner's scheme.
struct ThreeTerms {
  Complex value, first, second;
};

ThreeTerms ThreeTermsAt(std::span<const Extended> a, Complex z) {
  Complex p{0, 0}, d1{0, 0}, d2{0, 0};
  for (std::size_t k = a.size(); k-- > 0;) {
    d2 = d2 * z + d1;
    d1 = d1 * z + p;
    p = p * z + Complex{a[k], 0};
  }
  return {p, d1, Complex{2, 0} * d2};
}

// G'(z) and G''(z), by Leibniz's rule on each product A(z)A(-z), whose
// second factor's derivative is -A'(-z).
struct Slopes {
  Complex first, second;
};

Slopes SlopesAt(const ParaconjugateSum& g, Complex z) {
  const auto part = [&](std::span<const Extended> a, Extended k) {
    const ThreeTerms plus = ThreeTermsAt(a, z), minus = ThreeTermsAt(a, -z);
    const Complex first = plus.first * minus.value - plus.value * minus.first;
    const Complex second =
        plus.second * minus.value - Complex{2, 0} * plus.first * minus.first + plus.value * minus.second;
    return Slopes{Complex{k, 0} * first, Complex{k, 0} * second};
  };
  const Slopes a = part(g.a, g.ka), b = part(g.b, g.kb);
  return {a.first + b.first, a.second + b.second};
}

// The first and second derivatives of g(w) = G(jw), a real function of w:
// g' = j G'(jw) and g'' = -G''(jw).
struct AxisSlope {
  Extended first, second;
};

AxisSlope AxisSlopeAt(const ParaconjugateSum& g, Extended w) {
  const Slopes at = SlopesAt(g, Complex{0, w});
  return {-at.first.im, -at.second.re};
}

Extended Coefficient(std::span<const Extended> a, std::size_t i) { return i < a.size() ? a[i] : Extended(0); }

// G's constant term (i = 0) or its leading one (i = the larger degree), but
// for its sign (-1)^i; the other coefficients of A(s)A(-s) have cross terms.
Extended SquaredCoefficient(const ParaconjugateSum& g, std::size_t i) {
  return g.ka * Coefficient(g.a, i) * Coefficient(g.a, i) + g.kb * Coefficient(g.b, i) * Coefficient(g.b, i);
}

// The geometric mean of the sizes of G's roots, |G(0) / g(2m)|^(1/2m) for G
// of degree 2m; 1 where either vanishes.
Extended RootScale(const ParaconjugateSum& g) {
  const std::size_t m = std::max(g.a.size(), g.b.size());
  if (m < 2) return 1;
  const Extended constant = SquaredCoefficient(g, 0);
  const Extended lead = SquaredCoefficient(g, m - 1);
  if (constant == 0 || lead == 0) return 1;
  return base::Exp(base::Ln(base::Abs(constant / lead)) / Extended(static_cast<long double>(2 * (m - 1))));
}

enum class State { kMoving, kConverged, kStuck };

class Polisher {
 public:
  Polisher(const ParaconjugateSum& g, Half half, std::span<Extended> re, std::span<Extended> im)
      : g_(g), half_(half), re_(re), im_(im) {
    for (std::size_t k = 0; k < re.size(); ++k) {
      z_.push_back({re[k], im[k]});
      real_.push_back(im[k] == 0);
    }
  }

  // Gives whether every root converged: into the rounding of G, or moving
  // only in its last places.
  bool Run() {
    const std::size_t n = z_.size();
    std::vector<State> state(n, State::kMoving);
    std::vector<bool> moved(n, false);
    // A root 0 of E that G does not have is where the search's last
    // division left it: it starts off the origin, where G' vanishes.  A
    // root 0 of F is a zero on the axis like the others (G'(0) vanishes for
    // every G: the origin is where its steps on the axis end).
    const bool origin_is_root = half_ == Half::kAny || SquaredCoefficient(g_, 0) == 0;
    for (Complex& z : z_)
      if (IsZero(z) && !origin_is_root) z = {-Extended(kZeroStart) * RootScale(g_), 0};
    std::vector<bool> on_axis(n, false);
    if (half_ == Half::kAny)
      for (std::size_t k = 0; k < n; ++k) on_axis[k] = OnAxis(k);
    Spread(on_axis);
    for (std::size_t k = 0; k < n; ++k) {
      best_.push_back(z_[k]);
      best_size_.push_back(Extended(0));
      if (on_axis[k]) {
        state[k] = State::kConverged;
        moved[k] = true;
        continue;
      }
      state[k] = IsZero(z_[k]) ? State::kConverged : Start(k);
      moved[k] = state[k] == State::kMoving;
    }
    for (sweep_ = 0; sweep_ < kSweeps; ++sweep_) {
      bool moving = false;
      for (std::size_t k = 0; k < n; ++k) {
        if (state[k] != State::kMoving) continue;
        state[k] = Step(k);
        moving = moving || state[k] == State::kMoving;
      }
      if (!moving) break;
    }
    // G's roots are the points and their negatives: the left half takes
    // the one of each pair on the left
    if (half_ == Half::kLeft)
      for (Complex& z : best_)
        if (z.re > 0) z = -z;
    PairConjugates(moved);
    for (std::size_t k = 0; k < n; ++k) {
      re_[k] = best_[k].re;
      im_[k] = best_[k].im;
    }
    return std::all_of(state.begin(), state.end(), [](State s) { return s == State::kConverged; });
  }

 private:
  // W is real: each root above the real axis that moved, or whose partner
  // did, and the root below nearest to its conjugate become a conjugate pair
  // exactly, at the mean of the two, so that no imaginary residue is left
  // when they are multiplied out.  Roots that stayed as found stay.
  void PairConjugates(const std::vector<bool>& moved) {
    const std::size_t n = best_.size();
    std::vector<bool> paired(n, false);
    for (std::size_t k = 0; k < n; ++k) {
      if (!(best_[k].im > 0)) continue;
      const Complex mirror = poly::Conjugate(best_[k]);
      std::size_t partner = n;
      for (std::size_t j = 0; j < n; ++j)
        if (!paired[j] && best_[j].im < 0 &&
            (partner == n || SumOfParts(best_[j] - mirror) < SumOfParts(best_[partner] - mirror)))
          partner = j;
      // a root without its conjugate (on the real axis but for rounding, or
      // one of a pair that the user is to split) has no partner
      if (partner == n || !(SumOfParts(best_[partner] - mirror) <= Extended(kPairing) * SumOfParts(mirror))) continue;
      paired[partner] = true;
      if (!moved[k] && !moved[partner]) continue;
      const Complex mean{(best_[k].re + best_[partner].re) / 2, (best_[k].im - best_[partner].im) / 2};
      best_[k] = mean;
      best_[partner] = poly::Conjugate(mean);
    }
  }

  // Copies of a root after its first are moved round it, evenly; roots
  // polished on the axis stay where they are, copies or not (the user takes
  // a zero of F and its conjugate from one point).
  void Spread(const std::vector<bool>& on_axis) {
    for (std::size_t k = 0; k < z_.size(); ++k) {
      if (IsZero(z_[k]) || on_axis[k]) continue;
      std::vector<std::size_t> copies;
      for (std::size_t j = k + 1; j < z_.size(); ++j)
        if (!on_axis[j] && z_[j].re == z_[k].re && z_[j].im == z_[k].im) copies.push_back(j);
      const Extended radius = Extended(kSpread) * Modulus(z_[k]);
      const Extended turn = 2 * base::Pi() / Extended(static_cast<long double>(copies.size() + 1));
      for (std::size_t c = 0; c < copies.size(); ++c) {
        const Extended angle = turn * Extended(static_cast<long double>(c + 1));
        const std::size_t j = copies[c];
        z_[j] = z_[j] + Complex{radius * base::Cos(angle), radius * base::Sin(angle)};
        real_[j] = false;
      }
    }
  }

  // Root k, near the axis, taken to the axis where G(jw), a real function
  // of w, has its least value nearby, if that is at most 0 but for what one
  // rounding of A's and B's coefficients moves it by: then G's roots there
  // are a double root on the axis, split only by that rounding, and the point where G comes nearest to
  // touching zero is the zero of the factor.  (G above its rounding there
  // has its roots off the axis.)  Gives whether the root went to the axis.
  bool OnAxis(std::size_t k) {
    const Complex start = z_[k];
    if (IsZero(start)) return true;
    if (!(base::Abs(start.re) <= Extended(kNearAxis) * Modulus(start))) return false;
    try {
      Extended w = start.im;
      for (int step = 0; step < kAxisSteps; ++step) {
        const AxisSlope slope = AxisSlopeAt(g_, w);
        if (slope.second == 0) break;
        const Extended delta = slope.first / slope.second;
        w = w - delta;
        if (base::Abs(delta) <= Extended(kLastPlaces * kUnitRoundoff) * base::Abs(w)) break;
      }
      const Complex axis{0, w};
      const Probe at = ProbeAt(g_, axis);
      if (!(at.value.re <= kResidualNoise * kUnitRoundoff * at.data)) return false;
      z_[k] = axis;
      return true;
    } catch (const base::FloatError&) {
      return false;
    }
  }

  // sum 1/(z - t) over G's roots t other than the one sought at z.
  Complex Others(std::size_t k, Complex z) const {
    Complex sum{0, 0};
    for (std::size_t j = 0; j < z_.size(); ++j) {
      if (j != k) Add(sum, z - z_[j]);
      Add(sum, z + z_[j]);
    }
    return sum;
  }

  static void Add(Complex& sum, Complex d) {
    if (!IsZero(d)) sum = sum + Quotient({1, 0}, d);
  }

  // Root k where the rounding of G leaves it, or where G overflows, stays;
  // |G| at its start is noted.
  State Start(std::size_t k) {
    try {
      const Probe at = ProbeAt(g_, z_[k]);
      best_size_[k] = at.size;
      return at.noise ? State::kConverged : State::kMoving;
    } catch (const base::FloatError&) {
      return State::kStuck;
    }
  }

  // In the rounding of G, or where Newton's own step on G moves the point
  // only in its last places.  (Not the step with the other roots divided
  // out: near another root's passing point that is small anywhere.)
  static bool AtRoot(const Probe& at, Complex z) {
    if (at.noise) return true;
    if (IsZero(at.derivative)) return false;
    return SumOfParts(Quotient(at.value, at.derivative)) <= kLastPlaces * kUnitRoundoff * SumOfParts(z);
  }

  // One step of root k, G / (G' - G sum 1/(z - t)): Newton's step on G with
  // the other roots divided out.  The point of smallest |G| is kept.
  State Step(std::size_t k) {
    try {
      const Complex z = z_[k];
      const Probe at = ProbeAt(g_, z);
      const Complex slope = at.derivative - at.value * Others(k, z);
      if (IsZero(slope)) return State::kStuck;
      Complex delta = Quotient(at.value, slope);
      if (real_[k] && sweep_ < kRealSweeps) delta.im = 0;
      Complex next = z - delta;
      z_[k] = next;
      const Probe there = ProbeAt(g_, next);
      if (there.size < best_size_[k]) {
        best_[k] = next;
        best_size_[k] = there.size;
      }
      return AtRoot(there, next) ? State::kConverged : State::kMoving;
    } catch (const base::FloatError&) {
      return State::kStuck;  // G overflows on the way: the best point so far stays
    }
  }

  const ParaconjugateSum& g_;
  const Half half_;
  std::span<Extended> re_, im_;
  std::vector<Complex> z_;
  std::vector<bool> real_;
  int sweep_ = 0;
  // Each root's point of smallest |G| so far, and that |G|.
  std::vector<Complex> best_;
  std::vector<Extended> best_size_;
};

// The coefficients of even and of odd powers, each as a polynomial in s²,
// so that A(jw) = even(-w²) + jw·odd(-w²).
struct Parts {
  std::vector<Extended> even, odd;
  std::span<const Extended> all;
  Extended k;
};

Parts PartsOf(std::span<const Extended> a, Extended k) {
  Parts p{{}, {}, a, k};
  for (std::size_t i = 0; i < a.size(); ++i) (i % 2 == 0 ? p.even : p.odd).push_back(a[i]);
  return p;
}

// k|A(jw)|² and the size of what one rounding of A's coefficients moves it
// by, k·2|A| sum |a(i)| w^i.
struct OnAxis {
  Extended power;
  Extended rounding;
};

OnAxis AtFrequency(const Parts& p, Extended w) {
  const Extended w2 = w * w;
  const Extended even = EvaluateCompensated(p.even, -w2);
  const Extended odd = EvaluateCompensated(p.odd, -w2);
  const Extended squared = even * even + w2 * odd * odd;
  return {p.k * squared, 2 * base::Abs(p.k) * base::Sqrt(squared) * SumOfTerms(p.all, w)};
}

// n points evenly on the left half of the circle whose radius is the
// geometric mean of the sizes of G's roots: a start from which the steps
// reach every root.  (For an odd n the middle one lies at the angle pi, off
// the real axis only by the rounding of pi, which is enough for it to leave
// the axis: E's real roots are not known in number.)
void CircleStart(const ParaconjugateSum& g, std::span<Extended> re, std::span<Extended> im) {
  const std::size_t n = re.size();
  const Extended radius = RootScale(g);
  for (std::size_t k = 0; k < n; ++k) {
    const Extended angle = base::Pi() * (Extended(0.5L) + (Extended(static_cast<long double>(k)) + Extended(0.5L)) /
                                                              Extended(static_cast<long double>(n)));
    re[k] = radius * base::Cos(angle);
    im[k] = radius * base::Sin(angle);
  }
}

}  // namespace

void PolishFactorRoots(const ParaconjugateSum& g, Half half, std::span<Extended> re, std::span<Extended> im) {
  if (Polisher(g, half, re, im).Run()) return;
  std::vector<Extended> circle_re(re.size()), circle_im(im.size());
  CircleStart(g, circle_re, circle_im);
  if (!Polisher(g, half, circle_re, circle_im).Run()) return;
  // in the order the search's roots come in, by the real parts of their
  // squares, so that the list and the imaginary residue that Y keeps come
  // as after a search
  std::vector<std::size_t> order(re.size());
  for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
  const auto square_re = [&](std::size_t k) { return circle_re[k] * circle_re[k] - circle_im[k] * circle_im[k]; };
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return square_re(a) < square_re(b); });
  for (std::size_t k = 0; k < order.size(); ++k) {
    re[k] = circle_re[order[k]];
    im[k] = circle_im[order[k]];
  }
}

std::vector<Extended> RootRadii(const ParaconjugateSum& g, std::span<const Extended> re, std::span<const Extended> im) {
  std::vector<Extended> radii;
  for (std::size_t k = 0; k < re.size(); ++k) {
    const Complex z{re[k], im[k]};
    const Extended size = Modulus(z);
    Extended radius = size;
    try {
      // to first order by G', and where G' nearly vanishes (a double root
      // of G, as the zeros of F on the axis are) to second order by G''
      const Extended moved = kResidualNoise * kUnitRoundoff * ProbeAt(g, z).data;
      const Slopes slopes = SlopesAt(g, z);
      const Extended first = Modulus(slopes.first), second = Modulus(slopes.second);
      if (moved < first * size) radius = moved / first;
      if (2 * moved < second * radius * radius) radius = base::Sqrt(2 * moved / second);
    } catch (const base::FloatError&) {
      // G overflows there: nothing is known about the root, and nothing
      // of the residual is put down to it
      radius = 0;
    }
    // no nearer than the root's own last places, where the steps end
    radii.push_back(std::max(radius, Extended(kLastPlaces * kUnitRoundoff) * size));
  }
  return radii;
}

AxisResidual ResidualOnAxis(const AxisFactor& factor, std::span<const Extended> frequencies, Extended floor) {
  const Parts pw = PartsOf(factor.w, factor.kw), pa = PartsOf(factor.rest.a, factor.rest.ka),
              pb = PartsOf(factor.rest.b, factor.rest.kb);
  AxisResidual result;
  for (const Extended f : frequencies) {
    const OnAxis ow = AtFrequency(pw, f), oa = AtFrequency(pa, f), ob = AtFrequency(pb, f);
    if (ow.power == 0) continue;
    const Extended residual = base::Abs(ow.power - oa.power - ob.power) / base::Abs(ow.power);
    Extended explained = kUnitRoundoff * (ow.rounding + oa.rounding + ob.rounding) / base::Abs(ow.power);
    // a root's move as a fraction of the squared modulus of its polynomial
    const Extended weight = factor.roots_of == RootsOf::kA ? base::Abs(oa.power) / base::Abs(ow.power) : Extended(1);
    for (std::size_t k = 0; k < factor.re.size(); ++k) {
      const Extended distance = Modulus(Complex{factor.re[k], factor.im[k] - f});
      explained = explained + weight * (distance > 0 ? 2 * factor.radii[k] / distance : Extended(1));
    }
    if (residual > result.worst) {
      result.worst = residual;
      result.at = f;
    }
    if (residual > floor && residual > kExplainedMargin * explained) result.beyond_rounding = true;
  }
  return result;
}

}  // namespace poly
