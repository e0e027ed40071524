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
      Label1(Add<forms::Label>("Label1", "Tolerância para raizes")),
      NEtolr(Add<TNEdit>("NEtolr", tipo_campo::real_field)),
      Label2(Add<forms::Label>("Label2", "Aproximação inicial real")),
      NExr0(Add<TNEdit>("NExr0", tipo_campo::real_field)),
      Label3(Add<forms::Label>("Label3", "Aproximação inicial imag")),
      NExi0(Add<TNEdit>("NExi0", tipo_campo::real_field)),
      CBinicigual(Add<forms::CheckBox>("CBinicigual", "Usar sempre a mesma aproximação inicial")),
      Label4(Add<forms::Label>("Label4", "Dispersão máxima entre coeficientes de polinômio")),
      NEtoln(Add<TNEdit>("NEtoln", tipo_campo::real_field)),
      Label5(Add<forms::Label>("Label5", "Tolerância para magnitudes")),
      NEtolm(Add<TNEdit>("NEtolm", tipo_campo::real_field)),
      Label6(Add<forms::Label>("Label6", "Tolerância para derivadas")),
      NEtold(Add<TNEdit>("NEtold", tipo_campo::real_field)),
      Label7(Add<forms::Label>("Label7", "Campo para reais")),
      NEcm(Add<TNEdit>("NEcm", tipo_campo::int_field)),
      Label8(Add<forms::Label>("Label8", "Decimais para reais")),
      NEdc(Add<TNEdit>("NEdc", tipo_campo::int_field)),
      Button1(Add<forms::Button>("Button1", "Aplicar")) {
  Button1.on_click = [this] { SetModalResult(forms::kModalOk); };
  SetDefaultButton(&Button1);
  frame::DialogLayout(kClientWidth)
      .Row(Label1)
      .Row(NEtolr)
      .Row(Label2)
      .Row(NExr0)
      .Row(Label3)
      .Row(NExi0)
      .Row(CBinicigual)
      .Row(Label4)
      .Row(NEtoln)
      .Row(Label5)
      .Row(NEtolm)
      .Row(Label6)
      .Row(NEtold)
      .Row(Label7)
      .Row(NEcm)
      .Row(Label8)
      .Row(NEdc)
      .Buttons({&Button1})
      .ApplyTo(*this);
}

}  // namespace workbench
