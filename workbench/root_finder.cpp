#include "workbench/root_finder.h"

#include <algorithm>
#include <span>

#include "base/errors.h"
#include "poly/horner.h"
#include "poly/root_search.h"
#include "workbench/listings.h"
#include "workbench/slot_selection.h"
#include "workbench/stack_algebra.h"

namespace workbench {
namespace {

using base::Extended;

// A root of a polynomial of degree up to 200 found in extended reals leaves
// |p(r)| within some 200 unit roundoffs (2^-64) of sum |a(k)| |r|^k, about
// 1E-17; a residual above this was left by a search taken short.
constexpr long double kRootResidualLimit = 1E-12L;

// The state of the iteration in the log, then the dialog.
void AskRescue(poly::RootRescue& state, frame::Console& console, const RescueDialog& dialog) {
  console.ShowLine("* Problemas de convergência.");
  if (state.multiplicity > 1) console.ShowLine("* Raíz de multiplicidade " + frame::IntToText(state.multiplicity));
  console.ShowLine("Erro atual: " + console.RealToText(state.error));
  console.ShowLine("Magnitude:  " + console.RealToText(state.magnitude));
  console.ShowLine("Derivada:   " + console.RealToText(state.derivative));
  dialog(state);
}

// The largest |p(r)| / sum |a(k)| |r|^k over the roots of the list, as many
// as X's degree: the relative change of the coefficients that would make them exact.
Extended WorstRelativeResidual(const Registers& r) {
  const std::span<const Extended> a = CoefficientsOf(r.X);
  Extended worst = 0;
  for (int k = 1; k <= r.X.degree; ++k) {
    const poly::Complex root{r.roots.re[static_cast<std::size_t>(k)], r.roots.im[static_cast<std::size_t>(k)]};
    const Extended terms = poly::SumOfTerms(a, poly::Modulus(root));
    if (terms > 0) worst = std::max(worst, poly::Modulus(poly::Evaluate(a, root)) / terms);
  }
  return worst;
}

}  // namespace

RootRun FindRoots(Registers& r, const Parameters& parameters, frame::Console& console, const RescueDialog& dialog,
                  Rescue rescue) {
  RootRun run;
  if (CheckDefined(r.X, console.log())) return run;
  const int n = r.X.degree;
  // A record holds no more coefficients; a larger degree is a broken record.
  if (n > kMaxDegree) base::RaiseRangeCheck(n);
  if (n < 1) {
    console.ShowLine("* Não há raízes a calcular");
    return run;
  }
  console.ShowLine("Calculando...");
  poly::RootSearchSettings settings{
      parameters.tolr, parameters.tolm, parameters.told, {parameters.xr0, parameters.xi0}, parameters.same_initial};
  settings.self_rescue = rescue == Rescue::kSearchFirst;
  poly::RootSearchHooks hooks;
  hooks.stored = [&console](int index) { console.ShowLine(frame::IntToText(index)); };
  hooks.derivative_level = [&console] { console.ShowLine("+"); };
  hooks.rescue = [&](poly::RootRescue& state) {
    AskRescue(state, console, dialog);
    if (state.tolr > parameters.tolr || state.tolm > parameters.tolm || state.told > parameters.told)
      run.loosened = true;
  };
  const std::size_t count = static_cast<std::size_t>(n);
  poly::SearchRoots(std::span(r.X.a).first(count + 1), settings, std::span(r.roots.re).subspan(1, count),
                    std::span(r.roots.im).subspan(1, count), hooks);
  r.roots_defined = true;
  return run;
}

void PolynomialRootsOperation(Registers& r, const Parameters& parameters, frame::Console& console,
                              const RescueDialog& dialog) {
  console.ShowLine("Raízes de:");
  SelectPolynomial(r, console);
  CleanPolynomial(r.X, parameters.toln);
  // Roots taken with the tolerances the user loosened may be far off: their
  // residual tells.
  if (FindRoots(r, parameters, console, dialog).loosened) {
    const Extended worst = WorstRelativeResidual(r);
    if (worst > kRootResidualLimit)
      console.ShowLine("* Resíduo relativo máximo das raízes:" + console.RealToText(worst));
  }
  ListRoots(r, parameters, console, "Raízes de " + PolynomialName(console.choice_letter()));
}

}  // namespace workbench
