#include "poly/root_search.h"

#include <vector>

#include "poly/horner.h"

namespace poly {
namespace {

using base::Extended;

// Unconverged Newton steps after which the rescue hook is asked.
constexpr int kStepsBeforeRescue = 50;
// A root whose imaginary part is at most this is taken as real when the
// next search is started: its conjugate would be the root itself.
constexpr long double kRealRootImaginary = 0.01L;
// The imaginary part the search starts from after a real root, so that the
// iteration can leave the real axis for complex roots.
constexpr long double kStartImaginary = 0.1L;
// How far left of a multiple root the next search starts.
constexpr long double kMultipleRootShift = 0.01L;
// Where the derivative vanishes exactly the Newton step has no direction:
// the point is moved by this fraction of its size (at least of 1), off the
// real axis, in the direction 0.01 + 0.1j.  Relative, so that even a far
// point really moves.
constexpr long double kPerturbationRe = 0.01L;
constexpr long double kPerturbationIm = 0.1L;
// 2^-64 (0x1p-64), the unit roundoff of the 64-bit significand.
constexpr long double kUnitRoundoff = 0x1p-64L;
// |p| within this many unit roundoffs of sum |a(k)| |x|^k is the rounding
// of Horner's scheme itself: it tells nothing more about the root, and a
// step from there moves the root at random.  (Roots that the search gets to
// the last digits stay as found.)
constexpr long double kResidualNoise = 4;
// A step of at most this many unit roundoffs of x moves the root only
// within its own rounding: the refinement ends there (at the last digits
// Newton's steps may go back and forth between two neighbours for ever).
constexpr long double kLastPlaces = 4;
// The rounding of Horner's scheme on the working polynomial of degree m
// stays below about 2m unit roundoffs of sum |a(k)|_1 |x|^k; a point whose
// |p|_1 lies below twice that is a root as far as the polynomial can tell,
// and its steps there are noise.
constexpr long double kStalledNoise = 4;
// How often one root's search may start again by itself before the rescue
// hook is asked.  Newton's steps from far outside the roots' circle shrink
// the point by only (m-1)/m each, and one from near the origin may land far
// out: a fresh start on the circle is the better one.
constexpr int kSelfRescues = 20;
// The turn of each fresh start, in radians: off any line of symmetry that
// the iteration keeps to.
constexpr long double kRestartTurn = 0.5L;
// Newton steps of one refinement at most.  A root that the search found
// well needs two or three; one that deflation spoiled may start among other
// roots, where a step gains little: up to 86 in the cases measured (40 roots
// over twelve decades).  Where they run out, the best point so far counts.
constexpr int kRefineSteps = 100;

// p and p' of the undeflated polynomial at a point of the refinement, with
// the size of p and whether that is only rounding.
struct Probe {
  Complex value;
  Complex derivative;
  Extended size;
  bool noise;
};

class RootSearch {
 public:
  RootSearch(std::span<const Extended> a, const RootSearchSettings& settings, std::span<Extended> re,
             std::span<Extended> im, const RootSearchHooks& hooks);

  // Everything from the roots at the origin to the last stored root.
  void Run();

 private:
  void RemoveRootsAtOrigin();
  void SolveDegreeOne();
  void Iterate();
  Complex NewtonStep() const { return Quotient(p_, d_); }
  bool LooksMultiple() const;
  void EnterDerivativeLevel();
  void Perturb();
  void AcceptRoot();
  void Deflate();
  void NextStart();
  void CountUnconverged();
  // Whether |p| at the current point is only the rounding of its evaluation.
  bool Stalled() const;
  // The point moved to the circle of the working polynomial's geometric
  // mean root size, turned.
  void StartAgain();
  void Rescue();
  // The root x of multiplicity l+1 at the indices m+l down to m.
  void Store(Complex root);
  // The root as stored: refined when that brings |p| down.
  Complex Refined(Complex found) const;
  Complex Refine(Complex found) const;
  Probe ProbeAt(Complex x) const;
  // sum 1/(x - z) over the roots stored since the roots at the origin.
  Complex SumOverStored(Complex x) const;
  std::span<const Complex> Working() const {
    return std::span<const Complex>(a_).first(static_cast<std::size_t>(m_) + 1);
  }

  const RootSearchSettings& settings_;
  std::span<Extended> re_, im_;
  const RootSearchHooks& hooks_;
  // Copies of the tolerances: the rescue hook changes only these.
  Extended tolr_, tolm_, told_;
  std::vector<Complex> a_;
  // The polynomial as it was before its first derivative level.
  std::vector<Complex> saved_;
  // The polynomial as given, with the roots at the origin divided out:
  // exactly, since those coefficients are exactly 0.
  std::vector<Complex> undeflated_;
  int m_;      // current degree
  int l_ = 0;  // multiplicity level: derivatives taken for the current root
  Complex x_;  // current point
  Complex p_, d_, delta_;
  int unconverged_ = 0;
  int self_rescues_ = 0;  // of the current root
  bool done_ = false;
};

RootSearch::RootSearch(std::span<const Extended> a, const RootSearchSettings& settings, std::span<Extended> re,
                       std::span<Extended> im, const RootSearchHooks& hooks)
    : settings_(settings),
      re_(re),
      im_(im),
      hooks_(hooks),
      tolr_(settings.tolr),
      tolm_(settings.tolm),
      told_(settings.told),
      m_(static_cast<int>(a.size()) - 1),
      x_(settings.start) {
  for (const Extended c : a) a_.push_back({c, 0});
}

void RootSearch::Run() {
  RemoveRootsAtOrigin();
  undeflated_.assign(a_.begin(), a_.begin() + m_ + 1);
  while (!done_) {
    if (m_ <= 1)
      SolveDegreeOne();
    else
      Iterate();
  }
}

void RootSearch::RemoveRootsAtOrigin() {
  while (m_ > 1 && a_[0].re == 0) {
    Store({0, 0});
    --m_;
    for (int k = 0; k <= m_; ++k) a_[k] = a_[k + 1];
  }
}

void RootSearch::SolveDegreeOne() {
  const Complex a0 = a_[0];
  const Complex a1 = a_[1];
  const Extended d = a1.re * a1.re + a1.im * a1.im;
  x_.re = -(a0.re * a1.re + a0.im * a1.im) / d;
  x_.im = -(a0.im * a1.re - a0.re * a1.im) / d;
  done_ = true;
  Store(Refined(x_));
}

void RootSearch::Iterate() {
  const ValueAndDerivative<Complex> at_x = EvaluateWithDerivative(Working(), x_);
  p_ = at_x.value;
  d_ = at_x.derivative;
  if (IsZero(d_)) {
    // No Newton step exists; a vanishing derivative beside a small value is
    // the multiple root that the derivative test looks for.
    if (LooksMultiple())
      EnterDerivativeLevel();
    else
      Perturb();
    return;
  }
  delta_ = NewtonStep();
  if (LooksMultiple()) {
    EnterDerivativeLevel();
    return;
  }
  x_ = x_ - delta_;
  if (SumOfParts(delta_) < tolr_)
    AcceptRoot();
  else
    CountUnconverged();
}

bool RootSearch::LooksMultiple() const { return SumOfParts(d_) < told_ && SumOfParts(p_) < tolm_; }

// The root is searched again as a root of p'/m, where it is one order lower.
void RootSearch::EnterDerivativeLevel() {
  if (l_ == 0) saved_ = a_;
  for (int k = 1; k <= m_; ++k) {
    a_[k - 1].re = Extended(k) * a_[k].re / Extended(m_);
    a_[k - 1].im = Extended(k) * a_[k].im / Extended(m_);
  }
  --m_;
  ++l_;
  if (hooks_.derivative_level) hooks_.derivative_level();
}

void RootSearch::Perturb() {
  const Extended scale = SumOfParts(x_) > 1 ? SumOfParts(x_) : Extended(1);
  delta_ = {-scale * kPerturbationRe, -scale * kPerturbationIm};
  x_ = x_ - delta_;
  CountUnconverged();
}

// The deflation and the next start take the root as found: the deflated
// polynomial has its own root there, not the refined one.
void RootSearch::AcceptRoot() {
  Store(Refined(x_));
  if (l_ > 0) {
    a_ = saved_;
    m_ += l_;
  }
  for (int i = 0; i <= l_; ++i) Deflate();
  NextStart();
  l_ = 0;
  unconverged_ = 0;
  self_rescues_ = 0;
}

// Division by (s - x); the remainder a(0) is dropped.
void RootSearch::Deflate() {
  for (int k = m_ - 1; k >= 1; --k) a_[k] = a_[k] + x_ * a_[k + 1];
  --m_;
  for (int k = 0; k <= m_; ++k) a_[k] = a_[k + 1];
}

void RootSearch::NextStart() {
  if (settings_.same_start) {
    x_ = settings_.start;
    return;
  }
  if (base::Abs(x_.im) > kRealRootImaginary)
    x_.im = -x_.im;
  else
    x_.im = kStartImaginary;
  if (l_ > 0) x_.re = x_.re - kMultipleRootShift;
}

void RootSearch::CountUnconverged() {
  ++unconverged_;
  if (unconverged_ <= kStepsBeforeRescue) return;
  if (settings_.self_rescue && Stalled()) {
    AcceptRoot();
  } else if (settings_.self_rescue && self_rescues_ < kSelfRescues) {
    ++self_rescues_;
    StartAgain();
  } else {
    Rescue();
  }
}

void RootSearch::StartAgain() {
  const std::span<const Complex> a = Working();
  const Extended size = Modulus(x_);
  const Extended low = Modulus(a.front());
  const Extended high = Modulus(a.back());
  Extended radius = 1;
  if (low > 0 && high > 0) radius = base::Exp(base::Ln(low / high) / Extended(m_));
  const Complex direction = size > 0 ? Complex{x_.re / size, x_.im / size} : Complex{1, 0};
  const Complex turn{base::Cos(Extended(kRestartTurn)), base::Sin(Extended(kRestartTurn))};
  x_ = Complex{radius, 0} * (direction * turn);
  unconverged_ = 0;
}

bool RootSearch::Stalled() const {
  const Extended value = SumOfParts(EvaluateWithDerivative(Working(), x_).value);
  return value <= kStalledNoise * Extended(m_) * kUnitRoundoff * SumOfTerms(Working(), Modulus(x_));
}

void RootSearch::Rescue() {
  RootRescue state{l_ + 1, SumOfParts(delta_), SumOfParts(p_), SumOfParts(d_), tolr_, tolm_, told_, x_};
  if (hooks_.rescue) hooks_.rescue(state);
  tolr_ = state.tolr;
  tolm_ = state.tolm;
  told_ = state.told;
  x_ = state.point;
  unconverged_ = 0;
}

void RootSearch::Store(Complex root) {
  for (int k = m_ + l_; k >= m_; --k) {
    re_[static_cast<std::size_t>(k - 1)] = root.re;
    im_[static_cast<std::size_t>(k - 1)] = root.im;
    if (hooks_.stored) hooks_.stored(k);
  }
}

Complex RootSearch::Refined(Complex found) const {
  if (!settings_.refine || l_ > 0) return found;
  try {
    return Refine(found);
  } catch (const base::FloatError&) {
    return found;  // the undeflated polynomial overflows where the deflated one did not
  }
}

// Newton's step on p(x) / prod (x - z) over the stored roots z, whose roots
// are those of p not yet stored: p / (p' - p sum 1/(x - z)).
Complex RootSearch::Refine(Complex found) const {
  Probe at = ProbeAt(found);
  if (at.noise) return found;
  const Extended found_size = at.size;
  Complex best = found;
  Extended best_size = found_size;
  Complex x = found;
  for (int step = 0; step < kRefineSteps; ++step) {
    const Complex slope = at.derivative - at.value * SumOverStored(x);
    if (IsZero(slope)) break;
    const Complex delta = Quotient(at.value, slope);
    x = x - delta;
    at = ProbeAt(x);
    if (at.size < best_size) {
      best = x;
      best_size = at.size;
    }
    if (at.noise || SumOfParts(delta) <= kLastPlaces * kUnitRoundoff * SumOfParts(x)) break;
  }
  return best_size < found_size ? best : found;
}

Probe RootSearch::ProbeAt(Complex x) const {
  const ValueAndDerivative<Complex> at = EvaluateWithDerivative(undeflated_, x);
  const Extended terms = SumOfTerms(undeflated_, Modulus(x));
  const Extended residual = SumOfParts(at.value);
  return {at.value, at.derivative, residual, residual <= kResidualNoise * kUnitRoundoff * terms};
}

Complex RootSearch::SumOverStored(Complex x) const {
  Complex sum{0, 0};
  const int top = static_cast<int>(undeflated_.size()) - 1;
  for (int k = m_ + 1; k <= top; ++k) {
    const Complex w = x - Complex{re_[static_cast<std::size_t>(k - 1)], im_[static_cast<std::size_t>(k - 1)]};
    if (!IsZero(w)) sum = sum + Quotient({1, 0}, w);
  }
  return sum;
}

}  // namespace

void SearchRoots(std::span<const Extended> a, const RootSearchSettings& settings, std::span<Extended> re,
                 std::span<Extended> im, const RootSearchHooks& hooks) {
  if (a.size() < 2) return;
  RootSearch(a, settings, re, im, hooks).Run();
}

}  // namespace poly
