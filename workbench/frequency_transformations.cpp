#include "workbench/frequency_transformations.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "workbench/polynomial_records.h"
#include "workbench/registers_guard.h"
#include "workbench/stack_algebra.h"

namespace workbench {
namespace {

using base::Extended;

// The common degree N of the description.
int CommonDegree(const Registers& r) { return std::max({r.E.degree, r.F.degree, r.P.degree}); }

// s^N A(1/s): A padded to degree N and reversed.  A vanished polynomial
// stays vanished.
void Reverse(TPolynomialRecord& a, int n) {
  if (a.degree < 0) return;
  std::fill(a.a.begin() + a.degree + 1, a.a.begin() + n + 1, Extended(0));
  a.degree = n;
  std::reverse(a.a.begin(), a.a.begin() + n + 1);
}

// s -> 1/s.
void LowpassToHighpass(Registers& r) {
  const int n = CommonDegree(r);
  Reverse(r.E, n);
  Reverse(r.F, n);
  Reverse(r.P, n);
}

// Asks the factor and scales P, E and F by it; a factor of zero or below is
// refused before anything is scaled.  Gives whether it scaled.
bool FrequencyScaling(Registers& r, KeptValues& kept, frame::Console& console) {
  Extended k = kept.scaling_factor;
  console.AskReal("Fator de escalamento em frequência", k);
  // the constants take powers of k through its logarithm
  if (!(k > 0)) {
    console.ShowLine("* O fator de escalamento deve ser positivo *");
    return false;
  }
  kept.scaling_factor = k;
  const int n = CommonDegree(r);
  for (TPolynomialRecord* a : {&r.P, &r.E, &r.F}) ScaleCoefficients(*a, k);
  for (TPolynomialRecord* a : {&r.P, &r.E, &r.F})
    if (a->degree >= 0 && a->degree < n) a->constant = a->constant * Power(k, n - a->degree);
  return true;
}

// A times (Bs)^count, through X.
void MultiplyByBsPower(Registers& r, TPolynomialRecord& a, Extended b, int count, frame::Log& log) {
  r.X = a;
  for (int i = 0; i < count; ++i) {
    ScaleConstant(r.X, b);
    MultiplyByS(r.X, log);
  }
  a = r.X;
}

// Centre frequency 1 and band-width ratio B; asks B, refusing a ratio of zero
// or below.  Gives whether it transformed.
bool LowpassToBandpass(Registers& r, frame::Console& console) {
  frame::Log& log = console.log();
  const int n = CommonDegree(r);
  const std::array<int, 3> degrees{r.F.degree, r.E.degree, r.P.degree};
  Extended b = 1;
  console.AskReal("Largura da banda/freq. central? ", b);
  if (!(b > 0)) {
    console.ShowLine("* A largura de banda deve ser positiva *");
    return false;
  }
  for (TPolynomialRecord* a : {&r.P, &r.F, &r.E})
    if (a->degree >= 0) BandpassSubstitution(r, *a, b, log);
  // P last, so that X ends holding it
  const std::array<TPolynomialRecord*, 3> slots{&r.F, &r.E, &r.P};
  for (std::size_t i = 0; i < slots.size(); ++i) {
    const int count = n - degrees[i];
    if (degrees[i] >= 0 && (count > 0 || slots[i] == &r.P)) MultiplyByBsPower(r, *slots[i], b, count, log);
  }
  return true;
}

// The doubled degrees of a band-pass or band-stop description must fit a
// record.
bool BandpassFits(const Registers& r, frame::Log& log) {
  if (2 * CommonDegree(r) <= kMaxDegree) return true;
  log.ShowLine(kBeyondMaxDegreeMessage);
  return false;
}

}  // namespace

void ScaleCoefficients(TPolynomialRecord& a, Extended k) {
  Extended factor = k;
  for (int i = a.degree - 1; i >= 0; --i) {
    a.a[static_cast<std::size_t>(i)] *= factor;
    factor *= k;
  }
}

void BandpassSubstitution(Registers& r, TPolynomialRecord& a, Extended b, frame::Log& log) {
  const int n = a.degree;
  r.X = RecordOf({1, 0, 1});
  Push(r);
  Push(r);
  Push(r);
  r.X = RecordOf({a.a[static_cast<std::size_t>(n)]}, a.constant);
  Extended b_power = 1;
  for (int j = n - 1; j >= 0; --j) {
    // the pop refills Y with s^2 + 1, which T replicates
    MultiplyPop(r, log);
    b_power *= b;
    r.X.a[static_cast<std::size_t>(n - j)] += b_power * a.a[static_cast<std::size_t>(j)];
  }
  a = r.X;
}

void FrequencyTransformationsOperation(Registers& r, KeptValues& kept, frame::Console& console) {
  if (!r.F.defined || !r.P.defined || !r.E.defined) {
    console.ShowLine("* Transformações exigem a aproximação passa-baixas completa *");
    return;
  }
  console.ShowLine("Transfromação de frequência:");
  const char choice =
      console.AskChoice("Escolha o tipo de transformação de frequência:", "pb-p[A],pb-p[F],pb-[R]f,[E]scalamento,[#]");
  if (choice == '#') return;
  if ((choice == 'F' || choice == 'R') && !BandpassFits(r, console.log())) return;
  RegistersGuard guard(r);
  if (choice == 'A' || choice == 'R') LowpassToHighpass(r);
  if ((choice == 'F' || choice == 'R') && !LowpassToBandpass(r, console)) return;
  if (!FrequencyScaling(r, kept, console)) return;
  guard.Done();
  console.ShowLine("Transformados F(s), P(s) e E(s).");
}

}  // namespace workbench
