#include "ladder/transformation_form.h"

#include "frame/dialog_layout.h"

namespace ladder {
namespace {

// Wide enough for the longest item; one row per item and the group's frame.
constexpr int kClientWidth = 280;
constexpr int kItemHeight = 20;
constexpr int kGroupFrameHeight = 24;

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
  const int rows = static_cast<int>(RGtransformacao.items().size());
  frame::DialogLayout(kClientWidth)
      .Row(RGtransformacao, rows * kItemHeight + kGroupFrameHeight)
      .Buttons({&Button1})
      .ApplyTo(*this);
}

}  // namespace ladder
