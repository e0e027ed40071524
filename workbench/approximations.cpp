#include "workbench/approximations.h"

#include <cstddef>
#include <span>

#include "poly/algebra.h"
#include "workbench/characteristic_polynomials.h"
#include "workbench/polynomial_records.h"
#include "workbench/registers_guard.h"
#include "workbench/stack_algebra.h"

namespace workbench {
namespace {

using base::Extended;

// Newton for the pass-band edge converges fast near a simple root, but far
// from it each step only takes about 1/n of the way for a polynomial of
// degree n: from w = 1 down to an edge at 0.01 that is some 900 steps at the
// largest degree.
constexpr int kEdgeIterations = 1000;

constexpr const char* kEdgeNotFoundMessage = "* Newton não convergiu para wp; F(s) e P(s) mantidos *";

// 10^(a/10) - 1: epsilon squared for a = Amax, the same at Amin for the
// inverse polynomial.
Extended AttenuationRatio(Extended a) { return Power(10, a / 10) - 1; }

Extended Decibels(Extended power_ratio) { return Extended(10) * base::Ln(power_ratio) / base::Ln(10); }

// A characteristic polynomial that is zero gives no K(s): its constant or
// every coefficient vanished.
bool IsNull(const TPolynomialRecord& q) {
  const std::span<const Extended> a = std::span(q.a).first(static_cast<std::size_t>(q.degree + 1));
  return q.constant == 0 || poly::LargestMagnitude(a) == 0;
}

// The title, the check of Q, the attenuations and epsilon.  Gives false when
// the approximation stops; nothing has changed then.
bool BeginApproximation(const Registers& r, Parameters& parameters, KeptValues& kept, frame::Console& console,
                        const char* title, bool asks_amin) {
  console.ShowLine(title);
  const TPolynomialRecord& q = r.Q;
  if (!q.defined) {
    console.ShowLine("* Faltando Q(w), pol. característico *");
    return false;
  }
  if (IsNull(q)) {
    console.ShowLine("* Q(w) nulo *");
    return false;
  }
  Extended amax = parameters.amax;
  Extended amin = parameters.amin;
  console.AskReal("At. máx. na b. passante (dB)", amax);
  if (asks_amin) console.AskReal("At. min. na b. rejeição (dB)", amin);
  // An attenuation of zero or below gives epsilon = 0 (or the root of a
  // negative number), and K(s) would be divided by it.
  if (!(AttenuationRatio(amax) > 0) || (asks_amin && !(AttenuationRatio(amin) > 0))) {
    console.ShowLine("* A atenuação deve ser positiva *");
    return false;
  }
  parameters.amax = amax;
  parameters.amin = amin;
  kept.epsilon = base::Sqrt(AttenuationRatio(amax));
  console.ShowLine("epsilon=" + console.RealToText(kept.epsilon));
  return true;
}

// Newton from w = 1 on x(w), logging every iterate; gives false when it does
// not converge within the bound, meets a zero derivative or runs out of the
// range of the reals.
bool NewtonFromOne(const TPolynomialRecord& x, Extended tolr, frame::Console& console, Extended& wp) {
  wp = 1;
  try {
    for (int iteration = 0; iteration < kEdgeIterations; ++iteration) {
      Extended value = 0;
      Extended derivative = 0;
      for (int k = x.degree; k >= 0; --k) {
        const Extended a = x.a[static_cast<std::size_t>(k)];
        value = value * wp + a;
        if (k > 0) derivative = derivative * wp + Extended(k) * a;
      }
      if (derivative == 0) return false;
      const Extended step = value / derivative;
      wp = wp - step;
      console.ShowLine("wp=" + console.RealToText(wp));
      if (base::Abs(step) < tolr) return true;
    }
  } catch (const base::FloatError&) {
    // the iterates left the reals: no edge there
  }
  return false;
}

// K(w) becomes K(wp w): every coefficient below the leading one divided by
// the power of wp that keeps the leading ones.
void MoveEdgeToOne(Registers& r, Extended wp) {
  const int np = r.P.degree;
  const int nf = r.F.degree;
  for (int i = 0; i < np; ++i) r.P.a[static_cast<std::size_t>(i)] /= Power(wp, np - i);
  for (int i = 0; i < nf; ++i) r.F.a[static_cast<std::size_t>(i)] /= Power(wp, nf - i);
  r.P.constant /= Power(wp, nf - np);
}

void LogStopbandEdge(frame::Console& console, KeptValues& kept, Extended ws) {
  kept.wp = ws;
  console.ShowLine("ws=" + console.RealToText(ws));
}

// The common end of the two symmetric rational approximations, from F and P
// in w.
void FinishSymmetricRational(Registers& r, const Parameters& parameters, KeptValues& kept, frame::Console& console,
                             RegistersGuard& keep) {
  const PassbandEdge edge = FindPassbandEdge(r, parameters, kept, console);
  if (edge == PassbandEdge::kNotFound) return;
  WToS(r.P);
  WToS(r.F);
  const Extended wp = kept.wp;
  LogStopbandEdge(console, kept, edge == PassbandEdge::kRescaled ? 1 / (wp * wp) : 1 / wp);
  console.ShowLine("F(s) e P(s) calculados.");
  keep.Done();
}

}  // namespace

PassbandEdge FindPassbandEdge(Registers& r, const Parameters& parameters, KeptValues& kept, frame::Console& console) {
  r.Y = r.F;
  r.X = r.P;
  ScaleConstant(r.X, kept.epsilon);
  SubtractPop(r, parameters.toln);
  Extended wp = 1;
  if (!NewtonFromOne(r.X, parameters.tolr, console, wp)) {
    console.ShowLine(kEdgeNotFoundMessage);
    return PassbandEdge::kNotFound;
  }
  kept.wp = wp;
  if (!console.AskYesNo("Escalar para wp=1")) return PassbandEdge::kKept;
  // the powers of wp are taken through its logarithm
  if (!(wp > 0)) {
    console.ShowLine("* wp não positivo não pode ir para 1; F(s) e P(s) mantidos *");
    return PassbandEdge::kNotFound;
  }
  MoveEdgeToOne(r, wp);
  return PassbandEdge::kRescaled;
}

void PolynomialApproximation(Registers& r, Parameters& parameters, KeptValues& kept, frame::Console& console) {
  if (!BeginApproximation(r, parameters, kept, console, "Aproximação polinomial:", false)) return;
  RegistersGuard keep(r);
  r.X = r.Q;
  Normalize(r.X, parameters.toln);
  r.F = r.X;
  WToS(r.F);
  // |K(jw)| = epsilon |Q(w)|
  r.P = RecordOf({1}, 1 / (kept.epsilon * r.F.constant));
  r.F.constant = 1;
  r.E.defined = false;
  console.ShowLine("Polinômio F(s) calculado; P(s)=cte.");
  keep.Done();
}

void InversePolynomialApproximation(Registers& r, Parameters& parameters, KeptValues& kept, frame::Console& console) {
  if (!BeginApproximation(r, parameters, kept, console, "Aproximação polinomial inversa:", true)) return;
  RegistersGuard keep(r);
  // |K(jw)| = sqrt(10^(Amin/10) - 1) / |Q(1/w)|: Amin at w = 1
  r.X = Reversed(r.Q, r.Q.degree);
  Normalize(r.X, parameters.toln);
  ScaleConstant(r.X, 1 / base::Sqrt(AttenuationRatio(parameters.amin)));
  r.P = r.X;
  r.F = Monomial(r.Q.degree);
  const PassbandEdge edge = FindPassbandEdge(r, parameters, kept, console);
  if (edge == PassbandEdge::kNotFound) return;
  WToS(r.P);
  LogStopbandEdge(console, kept, edge == PassbandEdge::kRescaled ? 1 / kept.wp : Extended(1));
  r.F.defined = true;
  r.P.defined = true;
  console.ShowLine("F(s) e P(s) calculados.");
  keep.Done();
}

void SymmetricRationalApproximation(Registers& r, Parameters& parameters, KeptValues& kept, frame::Console& console) {
  if (!BeginApproximation(r, parameters, kept, console,
                          "Aproximação racional simétrica (Q(w) gerado externamente):", false))
    return;
  const Extended epsilon = kept.epsilon;
  const Extended cq = r.Q.constant;
  const Extended at_stopband = epsilon * cq * cq;
  console.ShowLine("At. min. na b. rejeição:" + console.RealToText(Decibels(1 + at_stopband * at_stopband)) + " dB");
  RegistersGuard keep(r);
  // K(w) = epsilon Q(w) / (w^n q(1/w))
  r.X = r.Q;
  Normalize(r.X, parameters.toln);
  r.F = r.X;
  r.X = Reversed(r.Q, r.F.degree);
  r.X.constant = 1;
  Normalize(r.X, parameters.toln);
  ScaleConstant(r.X, 1 / (epsilon * r.F.constant));
  r.P = r.X;
  r.F.constant = 1;
  FinishSymmetricRational(r, parameters, kept, console, keep);
}

void ModifiedSymmetricRationalApproximation(Registers& r, Parameters& parameters, KeptValues& kept,
                                            frame::Console& console) {
  if (!BeginApproximation(r, parameters, kept, console,
                          "Aproximação Racional Simétrica modificada (Q(w) gerado externamente):", false))
    return;
  const Extended epsilon = kept.epsilon;
  const Extended cq = r.Q.constant;
  const Extended at_stopband = epsilon * (2 * cq * cq - 1);
  console.ShowLine("At. min. na b. rejeição:" + console.RealToText(Decibels(1 + at_stopband * at_stopband)) + " dB");
  RegistersGuard keep(r);
  // K(w) = epsilon (2 Q(w) - w^n q(1/w)) / (w^n q(1/w))
  r.X = r.Q;
  ScaleConstant(r.X, 2);
  r.Y = r.X;
  r.X = Reversed(r.Q, r.Q.degree);
  r.X.constant = 1;
  Normalize(r.X, parameters.toln);
  r.Z = r.X;
  SubtractPop(r, parameters.toln);
  Normalize(r.X, parameters.toln);
  r.F = r.X;
  r.X = r.Y;
  ScaleConstant(r.X, 1 / (epsilon * r.F.constant));
  r.P = r.X;
  r.F.constant = 1;
  FinishSymmetricRational(r, parameters, kept, console, keep);
}

void BesselApproximation(Registers& r, Parameters& parameters, frame::Console& console) {
  if (!AskOrder(console, "Aprox. de Bessel; ordem", parameters.order)) return;
  if (!BesselPolynomial(r, parameters.order, parameters.toln, console.log())) return;
  r.E = r.X;
  // H(0) = 1
  r.P = RecordOf({1}, r.E.a[0]);
  console.ShowLine("E(s) e P(s) calculados.");
  r.F.defined = false;
}

}  // namespace workbench
