#include "workbench/root_finder.h"

#include <span>

#include "base/errors.h"
#include "poly/root_search.h"
#include "workbench/listings.h"
#include "workbench/slot_selection.h"
#include "workbench/stack_algebra.h"
#include "workbench/vessaw.h"

namespace workbench {
namespace {

// The state of the iteration in the log, then the dialog, whose five fields
// go back into the iteration.
void AskRescue(poly::RootRescue& state, frame::Console& console, RootRescueForm& form) {
  console.ShowLine("* Problemas de convergência.");
  if (state.multiplicity > 1) console.ShowLine("* Raíz de multiplicidade " + frame::IntToText(state.multiplicity));
  console.ShowLine("Erro atual: " + console.RealToText(state.error));
  console.ShowLine("Magnitude:  " + console.RealToText(state.magnitude));
  console.ShowLine("Derivada:   " + console.RealToText(state.derivative));
  form.NEtolr1.set_panel_real(state.tolr);
  form.NExr.set_panel_real(state.point.re);
  form.NExi.set_panel_real(state.point.im);
  form.NEtolm1.set_panel_real(state.tolm);
  form.NEtold1.set_panel_real(state.told);
  form.ShowModal();
  state.tolr = form.NEtolr1.panel_real();
  state.point = {form.NExr.panel_real(), form.NExi.panel_real()};
  state.tolm = form.NEtolm1.panel_real();
  state.told = form.NEtold1.panel_real();
}

}  // namespace

void FindRoots(Registers& r, const Parameters& parameters, frame::Console& console, RootRescueForm& rescue_form,
               Rescue rescue) {
  if (CheckDefined(r.X, console.log())) return;
  const int n = r.X.degree;
  // A record holds no more coefficients; a larger degree is a broken record.
  if (n > kMaxDegree) base::RaiseRangeCheck(n);
  if (n < 1) {
    console.ShowLine("* Não há raízes a calcular");
    return;
  }
  console.ShowLine("Calculando...");
  poly::RootSearchSettings settings{parameters.tolr, parameters.tolm, parameters.told,
                                    {parameters.xr0, parameters.xi0}, parameters.same_initial};
  settings.self_rescue = rescue == Rescue::kSearchFirst;
  poly::RootSearchHooks hooks;
  hooks.stored = [&console](int index) { console.ShowLine(frame::IntToText(index)); };
  hooks.derivative_level = [&console] { console.ShowLine("+"); };
  hooks.rescue = [&console, &rescue_form](poly::RootRescue& state) { AskRescue(state, console, rescue_form); };
  const std::size_t count = static_cast<std::size_t>(n);
  poly::SearchRoots(std::span(r.X.a).first(count + 1), settings, std::span(r.roots.re).subspan(1, count),
                    std::span(r.roots.im).subspan(1, count), hooks);
  r.roots_defined = true;
}

void PolynomialRootsOperation(Vessaw& v) {
  frame::Console& console = v.console();
  Registers& r = v.registers();
  console.ShowLine("Raízes de:");
  SelectPolynomial(r, console);
  CleanPolynomial(r.X, v.parameters().toln);
  FindRoots(r, v.parameters(), console, *v.windows().form11);
  ListRoots(r, v.parameters(), console, "Raízes de " + PolynomialName(console.choice_letter()));
}

}  // namespace workbench
