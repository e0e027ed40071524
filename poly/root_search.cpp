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
  Complex NewtonStep() const;
  bool LooksMultiple() const;
  void EnterDerivativeLevel();
  void Perturb();
  void AcceptRoot();
  void Deflate();
  void NextStart();
  void CountUnconverged();
  void Rescue();
  // The root x of multiplicity l+1 at the indices m+l down to m.
  void Store(Complex root);
  std::span<const Complex> Working() const { return std::span<const Complex>(a_).first(static_cast<std::size_t>(m_) + 1); }

  const RootSearchSettings& settings_;
  std::span<Extended> re_, im_;
  const RootSearchHooks& hooks_;
  // Copies of the tolerances: the rescue hook changes only these.
  Extended tolr_, tolm_, told_;
  std::vector<Complex> a_;
  // The polynomial as it was before its first derivative level.
  std::vector<Complex> saved_;
  int m_;      // current degree
  int l_ = 0;  // multiplicity level: derivatives taken for the current root
  Complex x_;  // current point
  Complex p_, d_, delta_;
  int unconverged_ = 0;
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
  Store(x_);
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

// p/d; the scaled form avoids squaring d unless a component is zero.
Complex RootSearch::NewtonStep() const {
  if (d_.re == 0 || d_.im == 0) {
    const Extended norm = d_.re * d_.re + d_.im * d_.im;
    return {(p_.re * d_.re + p_.im * d_.im) / norm, (p_.im * d_.re - p_.re * d_.im) / norm};
  }
  const Extended q = d_.re / d_.im + d_.im / d_.re;
  return {(p_.re / d_.im + p_.im / d_.re) / q, (p_.im / d_.im - p_.re / d_.re) / q};
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

void RootSearch::AcceptRoot() {
  Store(x_);
  if (l_ > 0) {
    a_ = saved_;
    m_ += l_;
  }
  for (int i = 0; i <= l_; ++i) Deflate();
  NextStart();
  l_ = 0;
  unconverged_ = 0;
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
  if (unconverged_ > kStepsBeforeRescue) Rescue();
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

}  // namespace

void SearchRoots(std::span<const Extended> a, const RootSearchSettings& settings, std::span<Extended> re,
                 std::span<Extended> im, const RootSearchHooks& hooks) {
  if (a.size() < 2) return;
  RootSearch(a, settings, re, im, hooks).Run();
}

}  // namespace poly
