#include "ladder/extractions.h"

#include <algorithm>
#include <array>
#include <optional>

#include "ladder/immittance_entry.h"
#include "ladder/inversion.h"
#include "ladder/listings.h"
#include "ladder/step_refused.h"

namespace ladder {
namespace {

using base::Extended;
using Kind = TElementKind;

// "há" is followed by a no-break space in the five "Não há" messages.
constexpr const char* kNoSimplePoleMessage = "* Não há\u00A0polo simples no infinito.";
constexpr const char* kNoConstantMessage = "* Não há\u00A0cte. no infinito.";
constexpr const char* kNothingToExtractMessage = "* Não há\u00A0cte. para extrair.";
constexpr const char* kNoPartialConstantMessage = "* Não há\u00A0constante no infinito.";
constexpr const char* kNoPartialPoleMessage = "* Não há\u00A0polo no infinito.";
constexpr const char* kLowOrderMessage = "* Ordem insuficiente.";
constexpr const char* kRealPointMessage = "* Não implementada extração de polo real.";
constexpr const char* kZeroConductanceMessage = "* Cte. nula não é realizável em admitância; nada foi alterado.";
constexpr const char* kOriginMessage = "* Ponto na origem: não há elemento a extrair; nada foi alterado.";
constexpr const char* kNumeratorTooHighMessage = "* O numerador passaria do grau 40; nada foi alterado.";
constexpr const char* kNoPairInDenominatorMessage =
    "* Denominador de grau menor que 2: sem par de polos a remover; nada foi alterado.";
constexpr const char* kNothingToDivideMessage = "* Grau menor que 1 na divisão pelo par de polos; nada foi alterado.";
constexpr const char* kNoTankMessage = "* O resíduo do par de polos não forma um tanque; nada foi alterado.";
constexpr const char* kNegativeReactiveMessage = "* O elemento reativo a extrair é negativo.";
constexpr const char* kNegativeResistiveMessage = "* O elemento resistivo a extrair é negativo.";

// Reading a coefficient: one above the degree counts as 0.
Extended Coefficient(const TPolynomial& p, std::int32_t i) {
  return i >= 0 && i <= p.degree ? p.a[static_cast<std::size_t>(i)] : Extended(0);
}

// Writing a coefficient within the storage.
Extended& At(TPolynomial& p, std::int32_t i) { return p.a[static_cast<std::size_t>(i)]; }

// Raises p to degree n, the new coefficients 0.
void RaiseDegree(TPolynomial& p, std::int32_t n) {
  for (std::int32_t i = p.degree + 1; i <= n; ++i) At(p, i) = 0;
  p.degree = n;
}

void Append(const Synthesis& s, Kind kind, std::int32_t increment, Extended value) {
  AddElement(s.network, s.console, kind, increment, value);
}

// A resistance: in the series arm of an impedance it is K·F, across the
// line of an admittance its conductance is K·F.
void AppendResistance(const Synthesis& s, Extended impedance_value) {
  if (s.model.current.admittance)
    Append(s, Kind::kShuntR, 0, Extended(1) / impedance_value);
  else
    Append(s, Kind::kSeriesR, 0, impedance_value);
}

// An element that realises part of a pole at infinity: a series inductor of
// an impedance, a shunt capacitor of an admittance; it opens a section.
void AppendReactance(const Synthesis& s, Extended value) {
  Append(s, s.model.current.admittance ? Kind::kShuntC : Kind::kSeriesL, 1, value);
}

// The zeros to realise, before a point is chosen.
void ListZerosToRealise(const Synthesis& s) {
  if (s.model.zeros.count > 0) s.console.ShowLine("Zeros a realizar:");
  ListRoots('z', s.model.zeros, s.console);
}

// The end of a partial extraction: the remainder vanishes at the point, so
// its inverse has a pole pair there, which is removed completely before
// the kind is turned back.
void RemoveCreatedPolePair(const Synthesis& s) {
  NormalizeImmittance(s.model);
  InvertImmittance(s.model.current, s.console);
  RemovePolePair(s);
  InvertImmittance(s.model.current, s.console);
}

// The start of both partial extractions: an order that leaves a pole pair
// to remove, the term at infinity they take part of (or the user's leave
// to go on without it), then the point, with the immittance evaluated there.
// False when the step stops.
bool PartialStepMayBegin(const Synthesis& s, bool term_at_infinity, const char* no_term_message) {
  ImmittanceModel& m = s.model;
  if (m.current.D.degree == 0) {
    s.console.ShowLine(kLowOrderMessage);
    return false;
  }
  if (!term_at_infinity) {
    s.console.ShowLine(no_term_message);
    if (!s.console.AskYesNo("Prosseguir?")) return false;
  }
  ListZerosToRealise(s);
  AskFrequency(m, s.console);
  EvaluateImmittance(m);
  return true;
}

struct PartialChecks {
  const char* negative_message;
  const char* above_message;
  // the part may be compared with the term at infinity
  bool term_at_infinity;
};

// The part to extract, without K, warned about when it is not real, negative
// or above the term at infinity; the user is asked once when any warning
// fires.  False when the step stops.
bool PartMayBeExtracted(const Synthesis& s, poly::Complex part, const PartialChecks& checks) {
  const Extended k = s.model.current.K;
  bool proceed = true;
  if (base::Abs(part.im) > s.model.tolerance) {
    s.console.ShowLine("* O elemento a extrair não seria real (" + s.console.RealToText(k * part.re) +
                       s.console.RealToText(k * part.im) + "j).");
    proceed = false;
  }
  if (part.re < 0) {
    s.console.ShowLine(checks.negative_message);
    proceed = false;
  } else if (part.re > 1 && checks.term_at_infinity) {
    s.console.ShowLine(checks.above_message);
    proceed = false;
  }
  return proceed || s.console.AskYesNo("Prosseguir?");
}

// The numerical parts of the steps, once the user's choices are made: what a
// replay of the synthesis makes again.

bool HasSimplePoleAtInfinity(const Immittance& f) { return f.N.degree == f.D.degree + 1; }
bool HasConstantAtInfinity(const Immittance& f) { return f.N.degree == f.D.degree; }
bool HasConstantToExtract(const Immittance& f) { return f.N.degree >= f.D.degree; }
// no conductance realises a zero resistance across the line
bool ConstantIsRealisable(const Immittance& f, Extended c) { return !(f.admittance && c == 0); }
// the remainder's numerator takes the degree of s·D
bool PartialPoleFits(const Immittance& f) { return f.D.degree + 1 <= kMaxDegree; }

void TakePoleAtInfinity(const Synthesis& s) {
  Immittance& f = s.model.current;
  // N := N - s·D; the leading terms cancel
  for (std::int32_t i = 1; i <= f.D.degree; ++i) At(f.N, i) = At(f.N, i) - Coefficient(f.D, i - 1);
  f.N.degree = f.D.degree;
  AppendReactance(s, f.K);
  NormalizeImmittance(s.model);
}

void TakeConstantAtInfinity(const Synthesis& s) {
  Immittance& f = s.model.current;
  // N := N - D; the leading terms cancel
  for (std::int32_t i = 0; i <= f.D.degree - 1; ++i) At(f.N, i) = At(f.N, i) - Coefficient(f.D, i);
  f.N.degree = f.D.degree - 1;
  AppendResistance(s, f.K);
  NormalizeImmittance(s.model);
}

void TakeGivenConstant(const Synthesis& s, Extended c) {
  Immittance& f = s.model.current;
  for (std::int32_t i = 0; i <= f.N.degree; ++i) At(f.N, i) = f.K * At(f.N, i) - c * Coefficient(f.D, i);
  f.K = 1;
  AppendResistance(s, c);
  NormalizeImmittance(s.model);
}

// F/s0 at the model's point, N/D evaluated there first; nothing at the
// origin, where it does not exist.
std::optional<poly::Complex> PartOfThePole(ImmittanceModel& m) {
  const Extended sigma = m.point.re;
  const Extended omega = m.point.im;
  const Extended squared_size = sigma * sigma + omega * omega;
  if (squared_size == 0) return std::nullopt;
  EvaluateImmittance(m);
  const Extended fr = m.value.re;
  const Extended fi = m.value.im;
  return poly::Complex{(fr * sigma + fi * omega) / squared_size, (fi * sigma - fr * omega) / squared_size};
}

// The reactance K·h, then the pole pair that the remainder's inverse has at
// the point.
void TakePartialPole(const Synthesis& s, Extended h) {
  Immittance& f = s.model.current;
  AppendReactance(s, f.K * h);
  if (f.D.degree >= f.N.degree) RaiseDegree(f.N, f.D.degree + 1);
  // N := N - h·s·D
  for (std::int32_t i = 1; i <= f.N.degree; ++i) At(f.N, i) = At(f.N, i) - h * Coefficient(f.D, i - 1);
  RemoveCreatedPolePair(s);
}

// The resistance K·Fr, then the pole pair that the remainder's inverse has
// at the point.
void TakePartialConstant(const Synthesis& s, Extended fr) {
  Immittance& f = s.model.current;
  AppendResistance(s, f.K * fr);
  if (f.D.degree > f.N.degree) RaiseDegree(f.N, f.D.degree);
  // N := N - Fr·D: the remainder vanishes at the point (when Fi was 0)
  for (std::int32_t i = 0; i <= f.N.degree; ++i) At(f.N, i) = At(f.N, i) - fr * Coefficient(f.D, i);
  RemoveCreatedPolePair(s);
}

// An element of value K at infinity, where K is negative, is the user's
// to take or leave.  False when the step stops.
bool ElementAtInfinityMayBeTaken(const Synthesis& s, const char* negative_message) {
  if (!(s.model.current.K < 0)) return true;
  s.console.ShowLine(negative_message);
  return s.console.AskYesNo("Prosseguir?");
}

void Record(const Synthesis& s, SynthesisStep step) { s.journal.Record(step, s.model); }

void RecordAtPoint(const Synthesis& s, SynthesisStep::Kind kind) {
  Record(s, SynthesisStep{.kind = kind, .point = s.model.point});
}

}  // namespace

void ExtractPoleAtInfinity(const Synthesis& s) {
  if (!HasSimplePoleAtInfinity(s.model.current)) {
    s.console.ShowLine(kNoSimplePoleMessage);
    return;
  }
  if (!ElementAtInfinityMayBeTaken(s, kNegativeReactiveMessage)) return;
  TakePoleAtInfinity(s);
  Record(s, {.kind = SynthesisStep::Kind::kPoleAtInfinity});
}

void ExtractConstantAtInfinity(const Synthesis& s) {
  if (!HasConstantAtInfinity(s.model.current)) {
    s.console.ShowLine(kNoConstantMessage);
    return;
  }
  if (!ElementAtInfinityMayBeTaken(s, kNegativeResistiveMessage)) return;
  TakeConstantAtInfinity(s);
  Record(s, {.kind = SynthesisStep::Kind::kConstantAtInfinity});
}

void ExtractGivenConstant(const Synthesis& s) {
  const Immittance& f = s.model.current;
  if (!HasConstantToExtract(f)) {
    s.console.ShowLine(kNothingToExtractMessage);
    return;
  }
  Extended c = f.K;
  s.console.AskReal("Cte. a extrair", c);
  if (c > f.K) {
    s.console.ShowLine("* A cte. pedida é maior que a cte. no infinito.");
    if (!s.console.AskYesNo("Prosseguir?")) return;
  }
  if (!ConstantIsRealisable(f, c)) {
    s.console.ShowLine(kZeroConductanceMessage);
    return;
  }
  const SynthesisStep step{
      .kind = SynthesisStep::Kind::kGivenConstant, .constant = c, .constant_at_infinity = c == f.K};
  TakeGivenConstant(s, c);
  Record(s, step);
}

void ExtractPartialConstant(const Synthesis& s) {
  ImmittanceModel& m = s.model;
  const Immittance& f = m.current;
  if (!PartialStepMayBegin(s, HasConstantAtInfinity(f), kNoPartialConstantMessage)) return;
  const PartialChecks checks{kNegativeResistiveMessage,
                             "* O elemento resistivo a extrair é maior que a constante no infinito.",
                             HasConstantAtInfinity(f)};
  if (!PartMayBeExtracted(s, m.value, checks)) return;
  TakePartialConstant(s, m.value.re);
  RecordAtPoint(s, SynthesisStep::Kind::kPartialConstant);
}

void ExtractPartialPole(const Synthesis& s) {
  ImmittanceModel& m = s.model;
  const Immittance& f = m.current;
  if (!PartialPoleFits(f)) {
    s.console.ShowLine(kNumeratorTooHighMessage);
    return;
  }
  if (!PartialStepMayBegin(s, HasSimplePoleAtInfinity(f), kNoPartialPoleMessage)) return;
  const std::optional<poly::Complex> part = PartOfThePole(m);
  if (!part) {
    s.console.ShowLine(kOriginMessage);
    return;
  }
  const PartialChecks checks{kNegativeReactiveMessage,
                             "* O elemento reativo a extrair é maior que o resíduo do polo no infinito.",
                             HasSimplePoleAtInfinity(f)};
  if (!PartMayBeExtracted(s, *part, checks)) return;
  TakePartialPole(s, part->re);
  RecordAtPoint(s, SynthesisStep::Kind::kPartialPole);
}

void ExtractPolePair(const Synthesis& s) {
  s.console.ShowLine("Zeros a realizar:");
  ListRoots('z', s.model.zeros, s.console);
  AskFrequency(s.model, s.console);
  if (RemovePolePair(s)) RecordAtPoint(s, SynthesisStep::Kind::kPolePair);
}

void InvertAndRecord(const Synthesis& s) {
  InvertImmittance(s.model.current, s.console);
  Record(s, {.kind = SynthesisStep::Kind::kInversion});
}

void ReplayStep(const Synthesis& s, const SynthesisStep& step) {
  ImmittanceModel& m = s.model;
  const Immittance& f = m.current;
  m.tolerance = step.tolerance;
  m.point = step.point;
  using StepKind = SynthesisStep::Kind;
  switch (step.kind) {
    case StepKind::kPoleAtInfinity:
      if (!HasSimplePoleAtInfinity(f)) throw StepRefused(kNoSimplePoleMessage);
      TakePoleAtInfinity(s);
      return;
    case StepKind::kConstantAtInfinity:
      if (!HasConstantAtInfinity(f)) throw StepRefused(kNoConstantMessage);
      TakeConstantAtInfinity(s);
      return;
    case StepKind::kGivenConstant: {
      const Extended c = step.constant_at_infinity ? f.K : step.constant;
      if (!HasConstantToExtract(f)) throw StepRefused(kNothingToExtractMessage);
      if (!ConstantIsRealisable(f, c)) throw StepRefused(kZeroConductanceMessage);
      TakeGivenConstant(s, c);
      return;
    }
    case StepKind::kInversion: InvertImmittance(m.current, s.console); return;
    case StepKind::kPartialPole: {
      if (f.D.degree == 0) throw StepRefused(kLowOrderMessage);
      if (!PartialPoleFits(f)) throw StepRefused(kNumeratorTooHighMessage);
      const std::optional<poly::Complex> part = PartOfThePole(m);
      if (!part) throw StepRefused(kOriginMessage);
      TakePartialPole(s, part->re);
      return;
    }
    case StepKind::kPartialConstant:
      if (f.D.degree == 0) throw StepRefused(kLowOrderMessage);
      EvaluateImmittance(m);
      TakePartialConstant(s, m.value.re);
      return;
    case StepKind::kPolePair:
      if (!RemovePolePair(s)) throw StepRefused(kRealPointMessage);
      return;
  }
}

bool RemovePolePair(const Synthesis& s) {
  ImmittanceModel& m = s.model;
  Immittance& f = m.current;
  const Extended sigma = m.point.re;
  const Extended omega = m.point.im;
  if (omega == 0) {
    s.console.ShowLine(kRealPointMessage);
    return false;
  }
  if (f.D.degree < 2) throw StepRefused(kNoPairInDenominatorMessage);
  PolePair q;
  q.p1 = Extended(-2) * sigma;
  q.p0 = sigma * sigma + omega * omega;
  DivideByQuadratic(s, f.D, q);
  EvaluateImmittance(m);
  // k1·s + k0 takes the value N/D at the point and at its conjugate
  q.k1 = m.value.im / omega;
  q.k0 = m.value.re - q.k1 * sigma;
  AddTankElements(s, q);
  // N := N - (k1·s + k0)·D
  if (f.N.degree < f.D.degree + 1) RaiseDegree(f.N, f.D.degree + 1);
  for (std::int32_t i = 0; i <= f.D.degree; ++i) {
    At(f.N, i) = At(f.N, i) - q.k0 * Coefficient(f.D, i);
    At(f.N, i + 1) = At(f.N, i + 1) - q.k1 * Coefficient(f.D, i);
  }
  DivideByQuadratic(s, f.N, q);
  NormalizeImmittance(m);
  return true;
}

void DivideByQuadratic(const Synthesis& s, TPolynomial& p, const PolePair& q) {
  const std::int32_t n = p.degree;
  // a polynomial of degree 1 leaves the vanished quotient; below that the
  // quotient's degree would mean nothing
  if (n < 1) throw StepRefused(kNothingToDivideMessage);
  std::array<Extended, kMaxDegree + 1> r{};
  r[0] = p.a[0] / q.p0;
  r[1] = (p.a[1] - q.p1 * r[0]) / q.p0;
  for (std::size_t i = 2; i <= static_cast<std::size_t>(n); ++i) r[i] = (p.a[i] - r[i - 2] - q.p1 * r[i - 1]) / q.p0;
  // the two terms above the quotient are the remainder, an absolute bound
  const Extended tolerance = s.model.tolerance;
  const std::size_t top = static_cast<std::size_t>(n);
  if (base::Abs(r[top]) > tolerance || base::Abs(r[top - 1]) > tolerance)
    s.console.ShowLine("* Possível remoção incorreta.");
  std::copy(r.begin(), r.begin() + n + 1, p.a.begin());
  p.degree = n - 2;
}

void AddTankElements(const Synthesis& s, const PolePair& q) {
  const Extended k = s.model.current.K;
  const Extended tolerance = s.model.tolerance;
  if (k * q.k1 == 0) throw StepRefused(kNoTankMessage);
  const Extended ratio = q.k0 / q.k1;
  const Extended a = Extended(1) / (k * q.k1);
  const Extended dv = a * (q.p1 - ratio);
  // zero when the residue's own zero is a root of the pair: no tank either
  const Extended rest = a * (q.p0 - (dv / a) * ratio);
  if (rest == 0) throw StepRefused(kNoTankMessage);
  const Extended e = Extended(1) / rest;
  const Extended cv = e * q.k0 / q.k1;
  if (s.model.current.admittance) {
    // 1/Y = s·A + Dv + 1/(s·E + Cv): a series tank across the line
    Append(s, Kind::kShuntTankL, 1, a);
    if (base::Abs(dv) > tolerance) Append(s, Kind::kLossRL, 0, dv);
    Append(s, Kind::kShuntTankC, 0, e);
    if (base::Abs(cv) > tolerance) Append(s, Kind::kLossRC, 0, Extended(1) / cv);
  } else {
    // 1/Z = s·A + Dv + 1/(s·E + Cv): a parallel tank in the series arm
    Append(s, Kind::kSeriesTankL, 1, e);
    if (base::Abs(cv) > tolerance) Append(s, Kind::kLossRL, 0, cv);
    Append(s, Kind::kSeriesTankC, 0, a);
    if (base::Abs(dv) > tolerance) Append(s, Kind::kLossRC, 0, Extended(1) / dv);
  }
}

}  // namespace ladder
