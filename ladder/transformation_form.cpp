#include "ladder/transformation_form.h"

#include "frame/dialog_layout.h"

namespace ladder {
namespace {

// Wide enough for the longest item.
constexpr int kClientWidth = 280;

std::vector<std::string> Items() {
  return {"Passa-Baixas - Passa-Altas",    "Passa-Baixas - Passa-Faixa",      "Passa-Baixas - Rejeita-Faixa",
          "Escalar em impedância",         "Escalar em frequência",           "Otimizar dispersão de valores LC",
          "Recuperar rede original",       "Não transformar"};
}

}  // namespace

TransformationForm::TransformationForm(forms::Application& app)
    : forms::Form(app, "Form8", "Transformações"),
      RGtransformacao(Add<forms::RadioGroup>("RGtransformacao", "Transformações", Items())),
      Button1(Add<forms::Button>("Button1", "Aplicar")) {
  Button1.on_click = [this] { SetModalResult(forms::kModalOk); };
  SetDefaultButton(&Button1);
  frame::DialogLayout(kClientWidth)
      .Row(RGtransformacao)
      .Buttons({&Button1})
      .ApplyTo(*this);
}

}  // namespace ladder
