#include "frame/plot/scales_form.h"

#include "frame/dialog_layout.h"

namespace frame::plot {
namespace {

using numeric_field::tipo_campo;
using numeric_field::TNEdit;

// Wide enough for the longest label.
constexpr int kClientWidth = 240;

}  // namespace

ScalesForm::ScalesForm(forms::Application& app, const ScalesSetup& setup)
    : forms::Form(app, setup.form_name, "Escalas"),
      Label1(Add<forms::Label>("Label1", "Mínima frequência (rad/s)")),
      NExmin(Add<TNEdit>("NExmin", tipo_campo::real_field)),
      Label2(Add<forms::Label>("Label2", "Máxima frequência (rad/s)")),
      NExmax(Add<TNEdit>("NExmax", tipo_campo::real_field)),
      Label3(Add<forms::Label>("Label3", "Valor mínimo")),
      NEymin(Add<TNEdit>("NEymin", tipo_campo::real_field)),
      Label4(Add<forms::Label>("Label4", "Valor máximo")),
      NEymax(Add<TNEdit>("NEymax", tipo_campo::real_field)),
      CBlog(Add<forms::CheckBox>("CBlog", "Escala logarítmica", true)),
      CBsalvar(Add<forms::CheckBox>("CBsalvar", "Salvar curva", false)),
      Esalvar(setup.file_name_row ? &Add<forms::Edit>("Esalvar", setup.initial_file_name) : nullptr),
      Button1(Add<forms::Button>("Button1", "Aplicar")),
      Button2(setup.file_name_row ? &Add<forms::Button>("Button2", "Escolher") : nullptr) {
  Button1.on_click = [this] { SetModalResult(forms::kModalOk); };
  SetDefaultButton(&Button1);
  DialogLayout layout(kClientWidth);
  layout.Row(Label1).Row(NExmin).Row(Label2).Row(NExmax).Row(Label3).Row(NEymin).Row(Label4).Row(NEymax);
  layout.Row(CBlog).Row(CBsalvar);
  if (Esalvar) {
    layout.Row(*Esalvar).Buttons({&Button1, Button2});
  } else {
    layout.Buttons({&Button1});
  }
  layout.ApplyTo(*this);
}

bool ScalesForm::Exchange(PlotRange& range) {
  NExmin.set_panel_real(range.xmin);
  NExmax.set_panel_real(range.xmax);
  NEymin.set_panel_real(range.ymin);
  NEymax.set_panel_real(range.ymax);
  CBlog.SetChecked(range.log_scale);
  ShowModal();
  range.xmin = NExmin.panel_real();
  range.xmax = NExmax.panel_real();
  range.ymin = NEymin.panel_real();
  range.ymax = NEymax.panel_real();
  range.log_scale = CBlog.checked();
  return CBsalvar.checked();
}

}  // namespace frame::plot
