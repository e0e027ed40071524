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
      Label1(Add<forms::Label>("Label1", "Tolerância para raizes")),
      NEtolr1(Add<TNEdit>("NEtolr1", tipo_campo::real_field)),
      Label2(Add<forms::Label>("Label2", "Aproximação real")),
      NExr(Add<TNEdit>("NExr", tipo_campo::real_field)),
      Label3(Add<forms::Label>("Label3", "Aproximação imaginária")),
      NExi(Add<TNEdit>("NExi", tipo_campo::real_field)),
      Label4(Add<forms::Label>("Label4", "Tolerância para magnitudes")),
      NEtolm1(Add<TNEdit>("NEtolm1", tipo_campo::real_field)),
      Label5(Add<forms::Label>("Label5", "Tolerância para derivadas")),
      NEtold1(Add<TNEdit>("NEtold1", tipo_campo::real_field)),
      Button1(Add<forms::Button>("Button1", "Aplicar")) {
  Button1.on_click = [this] { SetModalResult(forms::kModalOk); };
  SetDefaultButton(&Button1);
  frame::DialogLayout(kClientWidth)
      .Row(Label1)
      .Row(NEtolr1)
      .Row(Label2)
      .Row(NExr)
      .Row(Label3)
      .Row(NExi)
      .Row(Label4)
      .Row(NEtolm1)
      .Row(Label5)
      .Row(NEtold1)
      .Buttons({&Button1})
      .ApplyTo(*this);
}

void RootRescueForm::Ask(poly::RootRescue& state) {
  NEtolr1.set_panel_real(state.tolr);
  NExr.set_panel_real(state.point.re);
  NExi.set_panel_real(state.point.im);
  NEtolm1.set_panel_real(state.tolm);
  NEtold1.set_panel_real(state.told);
  ShowModal();
  state.tolr = NEtolr1.panel_real();
  state.point = {NExr.panel_real(), NExi.panel_real()};
  state.tolm = NEtolm1.panel_real();
  state.told = NEtold1.panel_real();
}

}  // namespace workbench
