#include "workbench/listings.h"

#include <utility>

#include "base/text_file.h"
#include "formats/polynomial_file.h"
#include "formats/roots_file.h"
#include "workbench/slot_selection.h"
#include "workbench/stack_algebra.h"

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

void LogRootLines(const Registers& r, frame::Console& console) {
  for (std::int32_t i = 1; i <= r.X.degree; ++i)
    console.ShowLine("- x(" + frame::IntToText(i) + "):" + console.RealToText(r.roots.re[i]) +
                     console.RealToText(r.roots.im[i]) + "j");
}

// Only the upper member of a complex pair off the imaginary axis has a
// natural frequency and a quality factor worth telling.
void LogFrequencyAndQuality(const Registers& r, base::Extended tolm, frame::Console& console) {
  for (std::int32_t i = 1; i <= r.X.degree; ++i) {
    const base::Extended re = r.roots.re[i];
    const base::Extended im = r.roots.im[i];
    if (!(im > tolm && base::Abs(re) > tolm)) continue;
    const base::Extended w = base::Sqrt(re * re + im * im);
    const base::Extended q = -w / (base::Extended(2) * re);
    console.ShowLine("w,Q(" + frame::IntToText(i) + "):" + console.RealToText(w) + console.RealToText(q));
  }
}

}  // namespace

void ListPolynomial(const TPolynomialRecord& x, const Parameters& parameters, frame::Console& console, bool offer,
                    const std::string& subject) {
  if (CheckDefined(x, console.log())) return;
  for (std::int32_t i = 0; i <= x.degree; ++i)
    console.ShowLine("- a(" + frame::IntToText(i) + "): " + console.RealToText(x.a[i]));
  console.ShowLine("- Cte:   " + console.RealToText(x.constant));
  if (!offer) return;
  const std::string name = console.ChooseSaveFile(subject);
  if (name.empty()) return;
  base::TextWriter out(name);
  formats::WritePolynomialFile(out, ToPolynomialFile(x), FileFormat(parameters));
  out.Close();
  console.ShowLine("Polinômio salvo no arquivo " + name);
}

void ListRoots(const Registers& r, const Parameters& parameters, frame::Console& console, const std::string& subject) {
  if (!r.roots_defined) {
    console.ShowLine("* Não há raízes calculadas *");
    return;
  }
  LogRootLines(r, console);
  LogFrequencyAndQuality(r, parameters.tolm, console);
  console.ShowLine("- Cte:  " + console.RealToText(r.X.constant));
  const std::string name = console.ChooseSaveFile(subject);
  if (name.empty()) return;
  base::TextWriter out(name);
  formats::WriteRootsFile(out, ToRootsFile(r), FileFormat(parameters));
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

void ListPolynomialOperation(Registers& r, const Parameters& parameters, frame::Console& console) {
  console.ShowLine("Listar:");
  SelectPolynomial(r, console);
  ListPolynomial(r.X, parameters, console, true, "Polinômio " + PolynomialName(console.choice_letter()));
}

void ListRootsOperation(const Registers& r, const Parameters& parameters, frame::Console& console) {
  console.ShowLine("Raízes:");
  ListRoots(r, parameters, console, "Últimas raízes calculadas");
}

}  // namespace workbench
