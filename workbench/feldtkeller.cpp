#include "workbench/feldtkeller.h"

#include <string>

#include "workbench/listings.h"
#include "workbench/root_finder.h"
#include "workbench/stack_algebra.h"
#include "workbench/vessaw.h"

namespace workbench {
namespace {

using base::Extended;

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

}  // namespace

void SpectralFactor(Vessaw& v, Factor which) {
  Registers& r = v.registers();
  frame::Console& console = v.console();
  const Parameters& parameters = v.parameters();
  ParaconjugateSquare(r.X, which == Factor::kE ? r.F : r.E);
  r.Y = r.X;
  ParaconjugateSquare(r.X, r.P);
  if (which == Factor::kE)
    AddPop(r, parameters.toln);
  else
    SubtractPop(r, parameters.toln);
  r.X.defined = true;
  FindRoots(r, parameters, console, *v.windows().form11);
  SortRoots(r);
  if (which == Factor::kF) console.ShowLine("Confirme os sinais das raízes de F(s):");
  for (int k = 1; k <= r.X.degree; ++k) {
    Extended& re = r.roots.re[static_cast<std::size_t>(k)];
    Extended& im = r.roots.im[static_cast<std::size_t>(k)];
    ToLeftHalfPlane(re, im);
    if (which == Factor::kF) ConfirmSigns(console, k, re, im);
  }
  console.ShowLine(std::string("Raízes de ") + (which == Factor::kE ? "E" : "F") + "(s) calculadas.");
  // A right-hand side that vanished has no roots and stays the vanished
  // polynomial.
  if (r.X.degree >= 0) PolynomialFromRoots(r, 1, parameters.tolm, console.log());
}

void ComputeE(Vessaw& v) {
  Registers& r = v.registers();
  v.console().ShowLine("Cálculo de E(s) pela equação de FeldtKeller:");
  if (!r.F.defined || !r.P.defined) {
    v.console().ShowLine("* Faltando K(s)=F(s)/P(s) *");
    return;
  }
  SpectralFactor(v, Factor::kE);
  // E's leading coefficient squared is that of F(s)F(-s) + P(s)P(-s), which
  // comes from the polynomial of the larger degree, or from both.
  if (r.F.degree == r.P.degree)
    ScaleConstant(r.X, base::Sqrt(r.F.constant * r.F.constant + r.P.constant * r.P.constant));
  else
    ScaleConstant(r.X, base::Abs(r.F.degree > r.P.degree ? r.F.constant : r.P.constant));
  r.E = r.X;
  v.console().ShowLine("Polinômio E(s) calculado.");
}

void ComputeF(Vessaw& v) {
  Registers& r = v.registers();
  v.console().ShowLine("[Cálculo de F(s) pela equação de FeldtKeller]:");
  if (!r.E.defined || !r.P.defined) {
    v.console().ShowLine("* Faltando H(s)=E(s)/P(s) *");
    return;
  }
  SpectralFactor(v, Factor::kF);
  if (r.E.degree == r.P.degree)
    ScaleConstant(r.X, base::Sqrt(r.E.constant * r.E.constant - r.P.constant * r.P.constant));
  else
    ScaleConstant(r.X, r.E.constant);
  r.F = r.X;
  v.console().ShowLine("Polinômio F(s) calculado.");
}

}  // namespace workbench
