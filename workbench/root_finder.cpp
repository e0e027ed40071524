#include "workbench/root_finder.h"

#include <array>

#include "base/errors.h"
#include "workbench/listings.h"
#include "workbench/root_rescue_form.h"
#include "workbench/slot_selection.h"
#include "workbench/stack_algebra.h"
#include "workbench/vessaw.h"

namespace workbench {
namespace {

using base::Extended;

struct Complex {
  Extended re;
  Extended im;
};

Complex ComplexMul(Complex u, Complex v) { return {u.re * v.re - u.im * v.im, u.re * v.im + u.im * v.re}; }
Complex operator+(Complex u, Complex v) { return {u.re + v.re, u.im + v.im}; }
Complex operator-(Complex u, Complex v) { return {u.re - v.re, u.im - v.im}; }

// The size measure of every test of the iteration: |Re z| + |Im z|.
Extended Size(Complex z) { return base::Abs(z.re) + base::Abs(z.im); }

bool IsZero(Complex z) { return z.re == 0 && z.im == 0; }

// Unconverged Newton steps after which the user is asked for new tolerances
// or a new point.
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
  explicit RootSearch(Vessaw& v);

  // Everything from the roots at the origin to the last stored root.
  void Run();

 private:
  void RemoveRootsAtOrigin();
  void SolveDegreeOne();
  void Iterate();
  void Evaluate();
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

  Vessaw& v_;
  const Parameters& parameters_;
  TRootList& roots_;
  // Copies of the tolerances: the rescue dialog changes only these.
  Extended tolr_, tolm_, told_;
  std::array<Complex, kMaxDegree + 1> a_{};
  // The polynomial as it was before its first derivative level.
  std::array<Complex, kMaxDegree + 1> saved_{};
  int m_;      // current degree
  int l_ = 0;  // multiplicity level: derivatives taken for the current root
  Complex x_;  // current point
  Complex p_, d_, delta_;
  int unconverged_ = 0;
  bool done_ = false;
};

RootSearch::RootSearch(Vessaw& v)
    : v_(v),
      parameters_(v.parameters()),
      roots_(v.registers().roots),
      tolr_(parameters_.tolr),
      tolm_(parameters_.tolm),
      told_(parameters_.told),
      m_(v.registers().X.degree),
      x_{parameters_.xr0, parameters_.xi0} {
  const TPolynomialRecord& x = v.registers().X;
  for (int k = 0; k <= m_; ++k) a_[k] = {x.a[k], 0};
}

void RootSearch::Run() {
  v_.console().ShowLine("Calculando...");
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
    roots_.re[m_] = 0;
    roots_.im[m_] = 0;
    v_.console().ShowLine(IntToText(m_));
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
  Evaluate();
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
  if (Size(delta_) < tolr_)
    AcceptRoot();
  else
    CountUnconverged();
}

// p(x) and p'(x) together by Horner's scheme.
void RootSearch::Evaluate() {
  p_ = a_[m_];
  d_ = a_[m_];
  for (int k = m_ - 1; k >= 0; --k) {
    p_ = ComplexMul(p_, x_) + a_[k];
    if (k > 0) d_ = ComplexMul(d_, x_) + p_;
  }
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

bool RootSearch::LooksMultiple() const { return Size(d_) < told_ && Size(p_) < tolm_; }

// The root is searched again as a root of p'/m, where it is one order lower.
void RootSearch::EnterDerivativeLevel() {
  if (l_ == 0) saved_ = a_;
  for (int k = 1; k <= m_; ++k) {
    a_[k - 1].re = Extended(k) * a_[k].re / Extended(m_);
    a_[k - 1].im = Extended(k) * a_[k].im / Extended(m_);
  }
  --m_;
  ++l_;
  v_.console().ShowLine("+");
}

void RootSearch::Perturb() {
  const Extended scale = Size(x_) > 1 ? Size(x_) : Extended(1);
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
  for (int k = m_ - 1; k >= 1; --k) a_[k] = a_[k] + ComplexMul(x_, a_[k + 1]);
  --m_;
  for (int k = 0; k <= m_; ++k) a_[k] = a_[k + 1];
}

void RootSearch::NextStart() {
  if (parameters_.same_initial) {
    x_ = {parameters_.xr0, parameters_.xi0};
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
  Console& console = v_.console();
  console.ShowLine("* Problemas de convergência.");
  if (l_ > 0) console.ShowLine("* Raíz de multiplicidade " + IntToText(l_ + 1));
  console.ShowLine("Erro atual: " + console.RealToText(Size(delta_)));
  console.ShowLine("Magnitude:  " + console.RealToText(Size(p_)));
  console.ShowLine("Derivada:   " + console.RealToText(Size(d_)));
  RootRescueForm& form = *v_.windows().form11;
  form.NEtolr1.set_panel_real(tolr_);
  form.NExr.set_panel_real(x_.re);
  form.NExi.set_panel_real(x_.im);
  form.NEtolm1.set_panel_real(tolm_);
  form.NEtold1.set_panel_real(told_);
  form.ShowModal();
  tolr_ = form.NEtolr1.panel_real();
  x_ = {form.NExr.panel_real(), form.NExi.panel_real()};
  tolm_ = form.NEtolm1.panel_real();
  told_ = form.NEtold1.panel_real();
  unconverged_ = 0;
}

void RootSearch::Store(Complex root) {
  for (int k = m_ + l_; k >= m_; --k) {
    roots_.re[k] = root.re;
    roots_.im[k] = root.im;
    v_.console().ShowLine(IntToText(k));
  }
}

}  // namespace

void FindRoots(Vessaw& v) {
  if (CheckDefined(v)) return;
  const int n = v.registers().X.degree;
  // A record holds no more coefficients; a larger degree is a broken record.
  if (n > kMaxDegree) base::RaiseRangeCheck(n);
  if (n < 1) {
    v.console().ShowLine("* Não há raízes a calcular");
    return;
  }
  RootSearch(v).Run();
  v.registers().roots_defined = true;
}

void PolynomialRootsOperation(Vessaw& v) {
  v.console().ShowLine("Raízes de:");
  SelectPolynomial(v);
  CleanPolynomial(v);
  FindRoots(v);
  ListRoots(v);
}

}  // namespace workbench
