#include "workbench/listings.h"

#include <utility>

#include "base/text_file.h"
#include "formats/polynomial_file.h"
#include "formats/roots_file.h"
#include "workbench/slot_selection.h"
#include "workbench/stack_algebra.h"
#include "workbench/vessaw.h"

namespace workbench {
namespace {

// Files carry the whole width and decimals parameters, not the console's
// 8-bit reduction, and are never cut.
formats::RealFormat FileFormat(const Parameters& parameters) {
  return formats::RealFormat{parameters.width, parameters.decimals};
}

formats::PolynomialFile ToPolynomialFile(const TPolynomialRecord& x) {
  formats::PolynomialFile file;
  file.degree = x.degree;
  file.a.assign(x.a.begin(), x.a.begin() + (x.degree + 1));
  file.constant = x.constant;
  return file;
}

formats::RootsFile ToRootsFile(const Registers& r) {
  formats::RootsFile file;
  const std::int32_t n = r.X.degree;
  file.count = n;
  for (std::int32_t i = 1; i <= n; ++i) {
    file.re.push_back(r.roots.re[i]);
    file.im.push_back(r.roots.im[i]);
  }
  file.constant = r.X.constant;
  return file;
}

// Asks for a file name to save into; empty when the user cancelled.
std::string AskSaveName(Console& console) {
  console.ChooseSaveFile();
  return console.current_file_name();
}

void LogRootLines(Vessaw& v) {
  Console& console = v.console();
  const Registers& r = v.registers();
  for (std::int32_t i = 1; i <= r.X.degree; ++i)
    console.ShowLine("- x(" + IntToText(i) + "):" + console.RealToText(r.roots.re[i]) +
                     console.RealToText(r.roots.im[i]) + "j");
}

// Only the upper member of a complex pair off the imaginary axis has a
// natural frequency and a quality factor worth telling.
void LogFrequencyAndQuality(Vessaw& v) {
  Console& console = v.console();
  const Registers& r = v.registers();
  const base::Extended tolm = v.parameters().tolm;
  for (std::int32_t i = 1; i <= r.X.degree; ++i) {
    const base::Extended re = r.roots.re[i];
    const base::Extended im = r.roots.im[i];
    if (!(im > tolm && base::Abs(re) > tolm)) continue;
    const base::Extended w = base::Sqrt(re * re + im * im);
    const base::Extended q = -w / (base::Extended(2) * re);
    console.ShowLine("w,Q(" + IntToText(i) + "):" + console.RealToText(w) + console.RealToText(q));
  }
}

}  // namespace

void ListPolynomial(Vessaw& v, bool offer) {
  if (CheckDefined(v)) return;
  Console& console = v.console();
  const TPolynomialRecord& x = v.registers().X;
  for (std::int32_t i = 0; i <= x.degree; ++i)
    console.ShowLine("- a(" + IntToText(i) + "): " + console.RealToText(x.a[i]));
  console.ShowLine("- Cte:   " + console.RealToText(x.constant));
  if (!offer) return;
  const std::string name = AskSaveName(console);
  if (name.empty()) return;
  base::TextWriter out(name);
  formats::WritePolynomialFile(out, ToPolynomialFile(x), FileFormat(v.parameters()));
  out.Close();
  console.ShowLine("Polinômio salvo no arquivo " + name);
}

void ListRoots(Vessaw& v) {
  Console& console = v.console();
  const Registers& r = v.registers();
  if (!r.roots_defined) {
    console.ShowLine("* Não há raízes calculadas *");
    return;
  }
  LogRootLines(v);
  LogFrequencyAndQuality(v);
  console.ShowLine("- Cte:  " + console.RealToText(r.X.constant));
  const std::string name = AskSaveName(console);
  if (name.empty()) return;
  base::TextWriter out(name);
  formats::WriteRootsFile(out, ToRootsFile(r), FileFormat(v.parameters()));
  out.Close();
}

void SortRoots(Registers& r) {
  const std::int32_t n = r.X.degree;
  bool exchanged = true;
  while (exchanged) {
    exchanged = false;
    for (std::int32_t i = 1; i < n; ++i) {
      if (!(r.roots.re[i] > r.roots.re[i + 1])) continue;
      std::swap(r.roots.re[i], r.roots.re[i + 1]);
      std::swap(r.roots.im[i], r.roots.im[i + 1]);
      exchanged = true;
    }
  }
}

void ListPolynomialOperation(Vessaw& v) {
  v.console().ShowLine("Listar:");
  SelectPolynomial(v);
  ListPolynomial(v, true);
}

void ListRootsOperation(Vessaw& v) {
  v.console().ShowLine("Raízes:");
  ListRoots(v);
}

}  // namespace workbench
