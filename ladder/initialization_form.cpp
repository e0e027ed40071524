#include "ladder/initialization_form.h"

#include "frame/dialog_layout.h"

namespace ladder {
namespace {

// Wide enough for the longest item.
constexpr int kClientWidth = 400;

std::vector<std::string> Items() {
  return {"Imitância dada por numerador e denominador polinomiais", "Imitância metade de rede simétrica",
          "Imitância metade de rede antimétrica"};
}

}  // namespace

InitializationForm::InitializationForm(forms::Application& app)
    : forms::Form(app, "Form5", "Inicialização"),
      Label1(Add<forms::Label>("Label1")),
      RGoque(Add<forms::RadioGroup>("RGoque", "O que realizar", Items(), 0)),
      Button1(Add<forms::Button>("Button1", "Aplicar")) {
  Button1.on_click = [this] {
    Hide();
    if (on_apply) on_apply();
  };
  SetDefaultButton(&Button1);
  frame::DialogLayout(kClientWidth)
      .Row(Label1)
      .Row(RGoque)
      .Buttons({&Button1})
      .ApplyTo(*this);
  // it stays open beside the log, so the window manager places it
  SetPlacement(forms::Placement::Default);
}

}  // namespace ladder
