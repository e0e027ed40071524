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
      kind_label(Add<forms::Label>("Label1")),
      entry_form(Add<forms::RadioGroup>("RGoque", "O que realizar", Items(), 0)),
      apply(Add<forms::Button>("Button1", "Aplicar")) {
  apply.on_click = [this] {
    Hide();
    if (on_apply) on_apply();
  };
  SetDefaultButton(&apply);
  frame::DialogLayout(kClientWidth).Row(kind_label).Row(entry_form).Buttons({&apply}).ApplyTo(*this);
  // it stays open beside the log, so the window manager places it
  SetPlacement(forms::Placement::Default);
}

}  // namespace ladder
