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
      xmin_label(Add<forms::Label>("Label1", "Mínima frequência (rad/s)")),
      xmin(Add<TNEdit>("NExmin", tipo_campo::real_field)),
      xmax_label(Add<forms::Label>("Label2", "Máxima frequência (rad/s)")),
      xmax(Add<TNEdit>("NExmax", tipo_campo::real_field)),
      ymin_label(Add<forms::Label>("Label3", "Valor mínimo")),
      ymin(Add<TNEdit>("NEymin", tipo_campo::real_field)),
      ymax_label(Add<forms::Label>("Label4", "Valor máximo")),
      ymax(Add<TNEdit>("NEymax", tipo_campo::real_field)),
      log_scale(Add<forms::CheckBox>("CBlog", "Escala logarítmica", true)),
      save_curve(Add<forms::CheckBox>("CBsalvar", "Salvar curva", false)),
      file_name(setup.file_name_row ? &Add<forms::Edit>("Esalvar", setup.initial_file_name) : nullptr),
      apply(Add<forms::Button>("Button1", "Aplicar")),
      choose_file(setup.file_name_row ? &Add<forms::Button>("Button2", "Escolher") : nullptr) {
  apply.on_click = [this] { SetModalResult(forms::kModalOk); };
  SetDefaultButton(&apply);
  DialogLayout layout(kClientWidth);
  layout.Row(xmin_label).Row(xmin).Row(xmax_label).Row(xmax).Row(ymin_label).Row(ymin).Row(ymax_label).Row(ymax);
  layout.Row(log_scale).Row(save_curve);
  if (file_name) {
    layout.Row(*file_name).Buttons({&apply, choose_file});
  } else {
    layout.Buttons({&apply});
  }
  layout.ApplyTo(*this);
}

bool ScalesForm::Exchange(PlotRange& range) {
  xmin.set_panel_real(range.xmin);
  xmax.set_panel_real(range.xmax);
  ymin.set_panel_real(range.ymin);
  ymax.set_panel_real(range.ymax);
  log_scale.SetChecked(range.log_scale);
  ShowModal();
  range.xmin = xmin.panel_real();
  range.xmax = xmax.panel_real();
  range.ymin = ymin.panel_real();
  range.ymax = ymax.panel_real();
  range.log_scale = log_scale.checked();
  return save_curve.checked();
}

}  // namespace frame::plot
