#include "workbench/parameters_dialog.h"

namespace workbench {
namespace {

void Fill(ParametersForm& dialog, const Parameters& p) {
  dialog.root_tolerance.set_panel_real(p.tolr);
  dialog.initial_real.set_panel_real(p.xr0);
  dialog.initial_imaginary.set_panel_real(p.xi0);
  dialog.same_initial.SetChecked(p.same_initial);
  dialog.coefficient_spread.set_panel_real(p.toln);
  dialog.magnitude_tolerance.set_panel_real(p.tolm);
  dialog.derivative_tolerance.set_panel_real(p.told);
  dialog.width.set_panel_int(p.width);
  dialog.decimals.set_panel_int(p.decimals);
}

void ReadBack(const ParametersForm& dialog, Parameters& p) {
  p.tolr = dialog.root_tolerance.panel_real();
  p.xr0 = dialog.initial_real.panel_real();
  p.xi0 = dialog.initial_imaginary.panel_real();
  p.same_initial = dialog.same_initial.checked();
  p.toln = dialog.coefficient_spread.panel_real();
  p.tolm = dialog.magnitude_tolerance.panel_real();
  p.told = dialog.derivative_tolerance.panel_real();
  p.width = dialog.width.panel_int();
  p.decimals = dialog.decimals.panel_int();
}

}  // namespace

void EditParameters(ParametersForm& dialog, Parameters& parameters, frame::Log& log) {
  Fill(dialog, parameters);
  dialog.ShowModal();
  ReadBack(dialog, parameters);
  log.ShowLine("Parâmetros editados.");
}

}  // namespace workbench
