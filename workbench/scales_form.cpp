#include "workbench/scales_form.h"

#include "frame/dialog_layout.h"

namespace workbench {
namespace {

using numeric_field::tipo_campo;
using numeric_field::TNEdit;

// Wide enough for the longest label.
constexpr int kClientWidth = 240;

}  // namespace

ScalesForm::ScalesForm(forms::Application& app)
    : forms::Form(app, "Form8", "Escalas"),
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
      Button1(Add<forms::Button>("Button1", "Aplicar")) {
  Button1.on_click = [this] { SetModalResult(forms::kModalOk); };
  frame::DialogLayout(kClientWidth)
      .Row(Label1)
      .Row(NExmin)
      .Row(Label2)
      .Row(NExmax)
      .Row(Label3)
      .Row(NEymin)
      .Row(Label4)
      .Row(NEymax)
      .Row(CBlog)
      .Row(CBsalvar)
      .Buttons({&Button1})
      .ApplyTo(*this);
}

}  // namespace workbench
