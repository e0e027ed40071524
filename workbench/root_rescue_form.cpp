#include "workbench/root_rescue_form.h"

#include "frame/dialog_layout.h"

namespace workbench {
namespace {

using numeric_field::tipo_campo;
using numeric_field::TNEdit;

// Wide enough for the longest label.
constexpr int kClientWidth = 260;

}  // namespace

RootRescueForm::RootRescueForm(forms::Application& app)
    : forms::Form(app, "Form11", "Parâmetros para raízes"),
      root_tolerance_label(Add<forms::Label>("Label1", "Tolerância para raizes")),
      root_tolerance(Add<TNEdit>("NEtolr1", tipo_campo::real_field)),
      real_part_label(Add<forms::Label>("Label2", "Aproximação real")),
      real_part(Add<TNEdit>("NExr", tipo_campo::real_field)),
      imaginary_part_label(Add<forms::Label>("Label3", "Aproximação imaginária")),
      imaginary_part(Add<TNEdit>("NExi", tipo_campo::real_field)),
      magnitude_tolerance_label(Add<forms::Label>("Label4", "Tolerância para magnitudes")),
      magnitude_tolerance(Add<TNEdit>("NEtolm1", tipo_campo::real_field)),
      derivative_tolerance_label(Add<forms::Label>("Label5", "Tolerância para derivadas")),
      derivative_tolerance(Add<TNEdit>("NEtold1", tipo_campo::real_field)),
      apply(Add<forms::Button>("Button1", "Aplicar")) {
  apply.on_click = [this] { SetModalResult(forms::kModalOk); };
  SetDefaultButton(&apply);
  frame::DialogLayout(kClientWidth)
      .Row(root_tolerance_label)
      .Row(root_tolerance)
      .Row(real_part_label)
      .Row(real_part)
      .Row(imaginary_part_label)
      .Row(imaginary_part)
      .Row(magnitude_tolerance_label)
      .Row(magnitude_tolerance)
      .Row(derivative_tolerance_label)
      .Row(derivative_tolerance)
      .Buttons({&apply})
      .ApplyTo(*this);
}

void RootRescueForm::Ask(poly::RootRescue& state) {
  root_tolerance.set_panel_real(state.tolr);
  real_part.set_panel_real(state.point.re);
  imaginary_part.set_panel_real(state.point.im);
  magnitude_tolerance.set_panel_real(state.tolm);
  derivative_tolerance.set_panel_real(state.told);
  ShowModal();
  state.tolr = root_tolerance.panel_real();
  state.point = {real_part.panel_real(), imaginary_part.panel_real()};
  state.tolm = magnitude_tolerance.panel_real();
  state.told = derivative_tolerance.panel_real();
}

}  // namespace workbench
