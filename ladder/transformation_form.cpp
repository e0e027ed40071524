#include "ladder/transformation_form.h"

#include "frame/dialog_layout.h"

namespace ladder {
namespace {

// Wide enough for the longest item.
constexpr int kClientWidth = 280;

std::vector<std::string> Items() {
  return {"Passa-Baixas - Passa-Altas",   "Passa-Baixas - Passa-Faixa",
          "Passa-Baixas - Rejeita-Faixa", "Escalar em impedância",
          "Escalar em frequência",        "Otimizar dispersão de valores LC",
          "Recuperar rede original",      "Não transformar"};
}

}  // namespace

TransformationForm::TransformationForm(forms::Application& app)
    : forms::Form(app, "Form8", "Transformações"),
      choice(Add<forms::RadioGroup>("RGtransformacao", "Transformações", Items())),
      apply(Add<forms::Button>("Button1", "Aplicar")) {
  apply.on_click = [this] { SetModalResult(forms::kModalOk); };
  SetDefaultButton(&apply);
  frame::DialogLayout(kClientWidth).Row(choice).Buttons({&apply}).ApplyTo(*this);
}

}  // namespace ladder
