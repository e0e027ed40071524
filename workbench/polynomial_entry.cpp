#include "workbench/polynomial_entry.h"

#include <algorithm>
#include <optional>

#include "base/text_file.h"
#include "formats/polynomial_file.h"
#include "formats/roots_file.h"
#include "frame/entry_checks.h"
#include "workbench/listings.h"
#include "workbench/slot_selection.h"
#include "workbench/stack_algebra.h"

namespace workbench {
namespace {

// A quality factor below 0.5 gives two real roots, not a conjugate pair.
constexpr const char* kQualityBelowHalfMessage = "* Q menor que 0.5 *";

// The quality factor of a real root: the pair then stands for one root -w.
constexpr base::Extended kRealRootQuality = 0.5L;

// What an entry works on.
struct Entry {
  Registers& r;
  const Parameters& parameters;
  frame::Console& console;
  std::string name;  // of the polynomial entered: "F(s)"
};

enum class EntryResult {
  kAskAgain,      // a chosen file could not be used: the form of entry is asked again
  kCoefficients,  // X was read from a polynomial file
  kTyped,         // X was typed as coefficients
  kRoots,         // the root list and the count in X were filled
};

// The degrees and counts that X and the root list hold: typed ones and the
// count of a roots file from 0, the degree of a polynomial file from -1 (a
// vanished polynomial is a valid file).
constexpr frame::DegreeRange kDegrees{0, kMaxDegree, kNegativeDegreeMessage, kBeyondMaxDegreeMessage};
constexpr frame::DegreeRange kFileDegrees{-1, kMaxDegree, kNegativeDegreeMessage, kBeyondMaxDegreeMessage};

std::int32_t AskDegree(frame::Console& console, std::int32_t current) {
  return frame::AskDegree("Grau", current, kDegrees, console);
}

std::optional<base::TextReader> OpenChosenFile(frame::Console& console) {
  return frame::OpenChosenFile(console.current_file_name(), "* Arquivo inexistente *", console);
}

EntryResult ReadPolynomialFromFile(const Entry& e) {
  frame::Console& console = e.console;
  std::optional<base::TextReader> in = OpenChosenFile(console);
  if (!in) return EntryResult::kAskAgain;
  const formats::PolynomialFile file = formats::ReadPolynomialFile(*in, kMaxDegree, formats::ConstantRule::kOptional);
  if (frame::RefusedDegree(file.degree, kFileDegrees, console)) return EntryResult::kAskAgain;
  TPolynomialRecord& x = e.r.X;
  x.degree = file.degree;
  std::copy(file.a.begin(), file.a.end(), x.a.begin());
  x.constant = file.constant;
  console.ShowLine("Polinômio lido do arquivo: " + console.current_file_name());
  return EntryResult::kCoefficients;
}

void TypeCoefficients(const Entry& e) {
  frame::Console& console = e.console;
  TPolynomialRecord& x = e.r.X;
  if (!x.defined) {
    x.degree = 0;
    x.a.fill(1);
    x.constant = 1;
  }
  x.degree = AskDegree(console, x.degree);
  for (std::int32_t i = 0; i <= x.degree; ++i) console.AskReal("a(" + frame::IntToText(i) + ")", x.a[i]);
  console.AskReal("Cte.", x.constant);
  // An exact comparison: only a leading coefficient of exactly 1 is monic.
  if (x.a[x.degree] == 1) return;
  Normalize(x, e.parameters.toln);
  console.ShowLine("(Polinômio armazenado normalizado para a(" + frame::IntToText(x.degree) + ")=1)");
}

EntryResult EnterCoefficients(const Entry& e) {
  if (!e.console.ChooseOpenFile("Polinômio " + e.name).empty()) return ReadPolynomialFromFile(e);
  TypeCoefficients(e);
  return EntryResult::kTyped;
}

// A complex root i that is not the last one brings its conjugate as root
// i + 1 without a prompt.  Gives the index of the next root to ask for.
std::int32_t AdvancePastConjugate(TRootList& roots, std::int32_t i, std::int32_t n, bool complex) {
  if (!complex || i >= n) return i + 1;
  roots.re[i + 1] = roots.re[i];
  roots.im[i + 1] = -roots.im[i];
  return i + 2;
}

EntryResult ReadRootsFromFile(const Entry& e) {
  frame::Console& console = e.console;
  std::optional<base::TextReader> in = OpenChosenFile(console);
  if (!in) return EntryResult::kAskAgain;
  const formats::RootsFile file = formats::ReadRootsFile(*in, kMaxDegree, formats::ConstantRule::kOptional);
  if (frame::RefusedDegree(file.count, kDegrees, console)) return EntryResult::kAskAgain;
  Registers& r = e.r;
  r.X.degree = file.count;
  std::copy(file.re.begin(), file.re.end(), r.roots.re.begin() + 1);
  std::copy(file.im.begin(), file.im.end(), r.roots.im.begin() + 1);
  r.X.constant = file.constant;
  console.ShowLine("Raízes lidas do arquivo: " + console.current_file_name());
  return EntryResult::kRoots;
}

void TypeRoots(const Entry& e) {
  frame::Console& console = e.console;
  Registers& r = e.r;
  const base::Extended tolm = e.parameters.tolm;
  console.ShowLine("Obs: Se Im<>0 o conjugado é assumido.");
  const std::int32_t n = AskDegree(console, r.X.degree);
  r.X.degree = n;
  for (std::int32_t i = 1; i <= n;) {
    console.AskReal("Re(" + frame::IntToText(i) + ")", r.roots.re[i]);
    console.AskReal("Im(" + frame::IntToText(i) + ")", r.roots.im[i]);
    i = AdvancePastConjugate(r.roots, i, n, base::Abs(r.roots.im[i]) > tolm);
  }
  console.AskReal("Cte.", r.X.constant);
}

EntryResult EnterRoots(const Entry& e) {
  if (!e.console.ChooseOpenFile("Raízes de " + e.name).empty()) return ReadRootsFromFile(e);
  TypeRoots(e);
  return EntryResult::kRoots;
}

// Asks Q(i) until it is at least 0.5; a refused value is logged and the
// prompt comes back with 0.5 as its default.
void AskQuality(frame::Console& console, std::int32_t i, base::Extended& q) {
  for (;;) {
    console.AskReal("Q(" + frame::IntToText(i) + ")", q);
    if (q >= kRealRootQuality) return;  // a not-a-number is refused too
    console.ShowLine(kQualityBelowHalfMessage);
    q = kRealRootQuality;
  }
}

void TypeFrequenciesAndQualities(const Entry& e) {
  frame::Console& console = e.console;
  Registers& r = e.r;
  console.ShowLine("Obs: Q=0.5 para raiz real.");
  const std::int32_t n = AskDegree(console, r.X.degree);
  r.X.degree = n;
  base::Extended w = 1;
  base::Extended q = 1;
  for (std::int32_t i = 1; i <= n;) {
    console.AskReal("w(" + frame::IntToText(i) + ")", w);
    AskQuality(console, i, q);
    // An exact comparison: Q = 0.5 stands for a real root.
    if (q == kRealRootQuality) {
      r.roots.re[i] = -w;
      r.roots.im[i] = 0;
      i += 1;
      continue;
    }
    const base::Extended w_over_q = w / q;
    // Just above 0.5 the rounded difference may fall below zero: a double
    // root then, not a fault.
    const base::Extended discriminant = std::max(base::Extended(4) * w * w - w_over_q * w_over_q, base::Extended(0));
    r.roots.re[i] = -w / (base::Extended(2) * q);
    r.roots.im[i] = base::Sqrt(discriminant) / base::Extended(2);
    i = AdvancePastConjugate(r.roots, i, n, true);
  }
  console.AskReal("Cte.", r.X.constant);
}

EntryResult EnterOnce(const Entry& e) {
  switch (e.console.AskChoice("Selecione a forma de entrada:", "[C]oeficientes,[R]aizes,w e [Q]")) {
    case 'R': return EnterRoots(e);
    case 'Q': TypeFrequenciesAndQualities(e); return EntryResult::kRoots;
    default: return EnterCoefficients(e);
  }
}

// The entry proper: the form of entry until one is used, and for roots the
// product that makes them X.
EntryResult EnterInto(const Entry& e) {
  EntryResult result = EntryResult::kAskAgain;
  while (result == EntryResult::kAskAgain) result = EnterOnce(e);
  if (result == EntryResult::kRoots) {
    Registers& r = e.r;
    r.roots_defined = true;
    e.console.ShowLine("Raizes lidas:");
    ListRoots(r, e.parameters, e.console, "Raízes de " + e.name);
    PolynomialFromRoots(r, r.X.constant, e.parameters.tolm, e.console.log());
  }
  return result;
}

}  // namespace

void EnterPolynomial(Registers& r, const Parameters& parameters, frame::Console& console, const std::string& name) {
  const Entry e{r, parameters, console, name};
  const char kept_letter = console.choice_letter();
  // X, the root list and its flag change together or not at all: an error
  // on the way (an overflow while forming the product of the roots) puts
  // them back as they were; the lines logged stay.
  const TPolynomialRecord x_before = r.X;
  const TRootList roots_before = r.roots;
  const bool roots_defined_before = r.roots_defined;
  EntryResult result = EntryResult::kAskAgain;
  try {
    result = EnterInto(e);
  } catch (...) {
    r.X = x_before;
    r.roots = roots_before;
    r.roots_defined = roots_defined_before;
    console.SetChoiceLetter(kept_letter);
    throw;
  }
  r.X.defined = true;
  console.ShowLine("Polinômio lido:");
  // A polynomial just read from a file is not offered back for saving.
  ListPolynomial(r.X, parameters, console, result != EntryResult::kCoefficients, "Polinômio " + name);
  console.SetChoiceLetter(kept_letter);
}

void ReadEditPolynomialOperation(Registers& r, const Parameters& parameters, frame::Console& console) {
  SelectPolynomial(r, console);
  EnterPolynomial(r, parameters, console, PolynomialName(console.choice_letter()));
  StorePolynomial(r, console);
}

}  // namespace workbench
