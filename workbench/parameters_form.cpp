#include "workbench/parameters_form.h"

#include "frame/dialog_layout.h"

namespace workbench {
namespace {

using numeric_field::tipo_campo;
using numeric_field::TNEdit;

// Wide enough for the longest label.
constexpr int kClientWidth = 340;

}  // namespace

ParametersForm::ParametersForm(forms::Application& app)
    : forms::Form(app, "Form10", "Parâmetros"),
      root_tolerance_label(Add<forms::Label>("Label1", "Tolerância para raizes")),
      root_tolerance(Add<TNEdit>("NEtolr", tipo_campo::real_field)),
      initial_real_label(Add<forms::Label>("Label2", "Aproximação inicial real")),
      initial_real(Add<TNEdit>("NExr0", tipo_campo::real_field)),
      initial_imaginary_label(Add<forms::Label>("Label3", "Aproximação inicial imag")),
      initial_imaginary(Add<TNEdit>("NExi0", tipo_campo::real_field)),
      same_initial(Add<forms::CheckBox>("CBinicigual", "Usar sempre a mesma aproximação inicial")),
      coefficient_spread_label(Add<forms::Label>("Label4", "Dispersão máxima entre coeficientes de polinômio")),
      coefficient_spread(Add<TNEdit>("NEtoln", tipo_campo::real_field)),
      magnitude_tolerance_label(Add<forms::Label>("Label5", "Tolerância para magnitudes")),
      magnitude_tolerance(Add<TNEdit>("NEtolm", tipo_campo::real_field)),
      derivative_tolerance_label(Add<forms::Label>("Label6", "Tolerância para derivadas")),
      derivative_tolerance(Add<TNEdit>("NEtold", tipo_campo::real_field)),
      width_label(Add<forms::Label>("Label7", "Campo para reais")),
      width(Add<TNEdit>("NEcm", tipo_campo::int_field)),
      decimals_label(Add<forms::Label>("Label8", "Decimais para reais")),
      decimals(Add<TNEdit>("NEdc", tipo_campo::int_field)),
      apply(Add<forms::Button>("Button1", "Aplicar")) {
  apply.on_click = [this] { SetModalResult(forms::kModalOk); };
  SetDefaultButton(&apply);
  frame::DialogLayout(kClientWidth)
      .Row(root_tolerance_label)
      .Row(root_tolerance)
      .Row(initial_real_label)
      .Row(initial_real)
      .Row(initial_imaginary_label)
      .Row(initial_imaginary)
      .Row(same_initial)
      .Row(coefficient_spread_label)
      .Row(coefficient_spread)
      .Row(magnitude_tolerance_label)
      .Row(magnitude_tolerance)
      .Row(derivative_tolerance_label)
      .Row(derivative_tolerance)
      .Row(width_label)
      .Row(width)
      .Row(decimals_label)
      .Row(decimals)
      .Buttons({&apply})
      .ApplyTo(*this);
}

}  // namespace workbench
