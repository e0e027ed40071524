#include "workbench/feldtkeller.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "poly/algebra.h"
#include "poly/spectral_factor.h"
#include "workbench/listings.h"
#include "workbench/root_finder.h"
#include "workbench/stack_algebra.h"

namespace workbench {
namespace {

using base::Extended;

// The largest relative residual of the equation on the imaginary axis that
// a factor may leave without a word: far above the rounding of the
// arithmetic, far below what a wrong root costs.  Where one rounding of the
// coefficients already moves |E(jw)|² by more (high orders near the edge of
// the pass band), that is the limit instead.
constexpr long double kResidualFloor = 1E-9L;
// Y's imaginary residue, relative to X's coefficients, above which the
// roots are taken as broken pairs rather than rounding: conjugates
// multiplied out leave only their last places there.
constexpr long double kConjugateResidue = 1E-9L;
// The frequencies of the check: geometrically spaced from a hundredth of
// the smallest root size to a hundred times the largest, evenly spaced up to
// twice the largest, and the imaginary parts of the factor's roots, where
// near-axis roots make the response steepest.
constexpr int kGeometricFrequencies = 300;
constexpr int kLinearFrequencies = 100;
constexpr long double kBandMargin = 100;

// The root s of the wanted factor for the root x = s^2 in the list: the
// square root of x in the closed left half plane, a conjugate pair of x
// giving a conjugate pair of s.  A negative real x, whose angle is -pi, gives
// -j sqrt(|x|).
void ToLeftHalfPlane(Extended& re, Extended& im) {
  const Extended r = base::Sqrt(base::Sqrt(re * re + im * im));
  const Extended theta = PhaseAngle(re, im) / 2;
  re = -r * base::Cos(theta);
  im = r * base::Sin(theta);
}

// The user flips the signs of the root until accepting it.
void ConfirmSigns(frame::Console& console, int k, Extended& re, Extended& im) {
  for (;;) {
    console.ShowLine("Raiz #" + frame::IntToText(k) + ": " + console.RealToText(re) + console.RealToText(im) + "j");
    switch (console.AskChoice("Escolha os sinais da raiz:", "Inverter [R]eal,Inverter [I]mag,[A]ceitar")) {
      case 'A': return;
      case 'I': im = -im; break;
      default: re = -re; break;
    }
  }
}

// The right-hand side whose factor is wanted, from the polynomials the
// operation starts from: F F* + P P* for E, E E* - P P* for F.
poly::ParaconjugateSum RightHandSide(const Registers& r, Factor which) {
  const TPolynomialRecord& a = which == Factor::kE ? r.F : r.E;
  const Extended kb = r.P.constant * r.P.constant;
  return {CoefficientsOf(a), a.constant * a.constant, CoefficientsOf(r.P), which == Factor::kE ? kb : -kb};
}

// The roots of the list, found through x, polished on the polynomials
// themselves: E takes the left half of the right-hand side's roots, F the
// roots as its search found them, for the user to choose their signs.
void Polish(Registers& r, Factor which, int count) {
  const std::size_t n = static_cast<std::size_t>(std::max(count, 0));
  const std::span<Extended> re = std::span(r.roots.re).subspan(1, n);
  const std::span<Extended> im = std::span(r.roots.im).subspan(1, n);
  poly::PolishFactorRoots(RightHandSide(r, which), which == Factor::kE ? poly::Half::kLeft : poly::Half::kAny, re, im);
}

// E's root sizes from its coefficients: |e(k)/e(n)|^(1/(n-k)) and
// |e(0)/e(k)|^(1/k), within a factor of the degree of the largest and the
// smallest root.
struct RootSizes {
  Extended smallest, largest;
};

RootSizes SizesOf(const TPolynomialRecord& e) {
  const int n = e.degree;
  Extended largest = 0;
  Extended smallest = 0;
  for (int k = 0; k < n; ++k)
    if (e.a[k] != 0) largest = std::max(largest, Power(base::Abs(e.a[k] / e.a[n]), Extended(1) / Extended(n - k)));
  for (int k = 1; k <= n; ++k)
    if (e.a[0] != 0 && e.a[k] != 0) {
      const Extended size = Power(base::Abs(e.a[0] / e.a[k]), Extended(1) / Extended(k));
      smallest = smallest == 0 ? size : std::min(smallest, size);
    }
  if (largest == 0) largest = 1;
  if (smallest == 0) smallest = largest;
  return {smallest, largest};
}

std::vector<Extended> CheckFrequencies(const TPolynomialRecord& e, const TRootList& roots, int count) {
  std::vector<Extended> w = {0};
  if (e.degree < 1) return w;
  const RootSizes sizes = SizesOf(e);
  const Extended low = sizes.smallest / kBandMargin;
  const Extended ratio = Power(sizes.largest * kBandMargin / low, Extended(1) / Extended(kGeometricFrequencies - 1));
  Extended f = low;
  for (int k = 0; k < kGeometricFrequencies; ++k, f = f * ratio) w.push_back(f);
  for (int k = 1; k <= kLinearFrequencies; ++k) w.push_back(2 * sizes.largest * Extended(k) / kLinearFrequencies);
  for (int k = 1; k <= count; ++k) w.push_back(base::Abs(roots.im[static_cast<std::size_t>(k)]));
  return w;
}

// The factor just computed in X, judged by the equation on the imaginary
// axis (and E by its roots, all on the left), before it is announced.
void CheckFactor(const Registers& r, Factor which, frame::Console& console) {
  const std::string name = which == Factor::kE ? "E" : "F";
  const TPolynomialRecord& e = which == Factor::kE ? r.X : r.E;
  const TPolynomialRecord& f = which == Factor::kE ? r.F : r.X;
  const std::size_t count = static_cast<std::size_t>(std::max(r.X.degree, 0));
  const std::span<const Extended> re = std::span(r.roots.re).subspan(1, count);
  const std::span<const Extended> im = std::span(r.roots.im).subspan(1, count);
  std::vector<Extended> radii = poly::RootRadii(RightHandSide(r, which), re, im);
  // Roots without their conjugates (signs that break a pair) leave a factor
  // that is not their product, whose real part X keeps: their radii explain
  // nothing of its residual.
  const std::span<const Extended> residue = CoefficientsOf(r.Y);
  if (poly::LargestMagnitude(residue) > kConjugateResidue * poly::LargestMagnitude(CoefficientsOf(r.X)))
    std::fill(radii.begin(), radii.end(), Extended(0));
  // |E|² = |F|² + |P|², whichever of E and F was computed
  const poly::AxisFactor factor{
      CoefficientsOf(e),
      e.constant * e.constant,
      {CoefficientsOf(f), f.constant * f.constant, CoefficientsOf(r.P), r.P.constant * r.P.constant},
      re,
      im,
      radii,
      which == Factor::kE ? poly::RootsOf::kW : poly::RootsOf::kA};
  const poly::AxisResidual residual =
      poly::ResidualOnAxis(factor, CheckFrequencies(e, r.roots, static_cast<int>(count)), kResidualFloor);
  if (residual.beyond_rounding)
    console.ShowLine("* " + name + "(s) impreciso: resíduo relativo da equação de FeldtKeller" +
                     console.RealToText(residual.worst));
  // a root that rounding may have moved off the imaginary axis counts as on it
  bool hurwitz = true;
  for (std::size_t k = 0; k < count; ++k) hurwitz = hurwitz && re[k] < -radii[k];
  if (which == Factor::kE && !hurwitz) console.ShowLine("* E(s) não é de Hurwitz: raiz fora do semiplano esquerdo *");
}

}  // namespace

void SpectralFactor(Registers& r, const Parameters& parameters, frame::Console& console, const RescueDialog& dialog,
                    Factor which) {
  ParaconjugateSquare(r.X, which == Factor::kE ? r.F : r.E);
  r.Y = r.X;
  ParaconjugateSquare(r.X, r.P);
  if (which == Factor::kE)
    AddPop(r, parameters.toln);
  else
    SubtractPop(r, parameters.toln);
  r.X.defined = true;
  // The roots in x are only where the polishing starts: a search stalled in
  // the rounding of that ill-conditioned polynomial has done its part, and
  // one that wanders is better started again than asked about.
  FindRoots(r, parameters, console, dialog, Rescue::kSearchFirst);
  SortRoots(r);
  for (int k = 1; k <= r.X.degree; ++k)
    ToLeftHalfPlane(r.roots.re[static_cast<std::size_t>(k)], r.roots.im[static_cast<std::size_t>(k)]);
  Polish(r, which, r.X.degree);
  if (which == Factor::kF) {
    console.ShowLine("Confirme os sinais das raízes de F(s):");
    for (int k = 1; k <= r.X.degree; ++k)
      ConfirmSigns(console, k, r.roots.re[static_cast<std::size_t>(k)], r.roots.im[static_cast<std::size_t>(k)]);
  }
  console.ShowLine(std::string("Raízes de ") + (which == Factor::kE ? "E" : "F") + "(s) calculadas.");
  // A right-hand side that vanished has no roots and stays the vanished
  // polynomial.
  if (r.X.degree < 0) return;
  PolynomialFromRoots(r, 1, parameters.tolm, console.log());
}

void ComputeE(Registers& r, const Parameters& parameters, frame::Console& console, const RescueDialog& dialog) {
  console.ShowLine("Cálculo de E(s) pela equação de FeldtKeller:");
  if (!r.F.defined || !r.P.defined) {
    console.ShowLine("* Faltando K(s)=F(s)/P(s) *");
    return;
  }
  SpectralFactor(r, parameters, console, dialog, Factor::kE);
  // E's leading coefficient squared is that of F(s)F(-s) + P(s)P(-s), which
  // comes from the polynomial of the larger degree, or from both.
  if (r.F.degree == r.P.degree)
    ScaleConstant(r.X, base::Sqrt(r.F.constant * r.F.constant + r.P.constant * r.P.constant));
  else
    ScaleConstant(r.X, base::Abs(r.F.degree > r.P.degree ? r.F.constant : r.P.constant));
  CheckFactor(r, Factor::kE, console);
  r.E = r.X;
  console.ShowLine("Polinômio E(s) calculado.");
}

void ComputeF(Registers& r, const Parameters& parameters, frame::Console& console, const RescueDialog& dialog) {
  console.ShowLine("[Cálculo de F(s) pela equação de FeldtKeller]:");
  if (!r.E.defined || !r.P.defined) {
    console.ShowLine("* Faltando H(s)=E(s)/P(s) *");
    return;
  }
  SpectralFactor(r, parameters, console, dialog, Factor::kF);
  if (r.E.degree == r.P.degree)
    ScaleConstant(r.X, base::Sqrt(r.E.constant * r.E.constant - r.P.constant * r.P.constant));
  else
    ScaleConstant(r.X, r.E.constant);
  CheckFactor(r, Factor::kF, console);
  r.F = r.X;
  console.ShowLine("Polinômio F(s) calculado.");
}

}  // namespace workbench
