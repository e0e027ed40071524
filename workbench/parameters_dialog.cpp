#include "workbench/parameters_dialog.h"

namespace workbench {
namespace {

void Fill(ParametersForm& dialog, const Parameters& p) {
  dialog.NEtolr.set_panel_real(p.tolr);
  dialog.NExr0.set_panel_real(p.xr0);
  dialog.NExi0.set_panel_real(p.xi0);
  dialog.CBinicigual.SetChecked(p.same_initial);
  dialog.NEtoln.set_panel_real(p.toln);
  dialog.NEtolm.set_panel_real(p.tolm);
  dialog.NEtold.set_panel_real(p.told);
  dialog.NEcm.set_panel_int(p.width);
  dialog.NEdc.set_panel_int(p.decimals);
}

void ReadBack(const ParametersForm& dialog, Parameters& p) {
  p.tolr = dialog.NEtolr.panel_real();
  p.xr0 = dialog.NExr0.panel_real();
  p.xi0 = dialog.NExi0.panel_real();
  p.same_initial = dialog.CBinicigual.checked();
  p.toln = dialog.NEtoln.panel_real();
  p.tolm = dialog.NEtolm.panel_real();
  p.told = dialog.NEtold.panel_real();
  p.width = dialog.NEcm.panel_int();
  p.decimals = dialog.NEdc.panel_int();
}

}  // namespace

void EditParameters(ParametersForm& dialog, Parameters& parameters, frame::Log& log) {
  Fill(dialog, parameters);
  dialog.ShowModal();
  ReadBack(dialog, parameters);
  log.ShowLine("Parâmetros editados.");
}

}  // namespace workbench
