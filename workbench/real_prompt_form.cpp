#include "workbench/real_prompt_form.h"

#include "workbench/dialog_layout.h"

namespace workbench {
namespace {

// Wide enough for the longest prompt text of the operations.
constexpr int kClientWidth = 300;

}  // namespace

RealPromptForm::RealPromptForm(forms::Application& app)
    : forms::Form(app, "Form3", "Real"),
      Label1(Add<forms::Label>("Label1")),
      NEdit1(Add<numeric_field::TNEdit>("NEdit1", numeric_field::tipo_campo::real_field)),
      Button1(Add<forms::Button>("Button1", "Aplicar")) {
  Button1.on_click = [this] { SetModalResult(forms::kModalOk); };
  DialogLayout(kClientWidth).Row(Label1).Row(NEdit1).Buttons({&Button1}).ApplyTo(*this);
}

}  // namespace workbench
