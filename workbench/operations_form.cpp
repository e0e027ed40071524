#include "workbench/operations_form.h"

#include <string>
#include <vector>

#include "workbench/dialog_layout.h"
#include "workbench/operation_table.h"

namespace workbench {
namespace {

// Wide enough for the longest operation on one line.
constexpr int kClientWidth = 400;
// One radio button row per operation plus the group's caption and frame.
constexpr int kItemHeight = 20;
constexpr int kGroupFrameHeight = 24;

std::vector<std::string> OperationItems() {
  return {
      "Gerar polinômio característico Q(w)",
      "K(s) para K(jw) polinomial",
      "K(s) para K(jw) polinomial inversa",
      "K(s) para K(jw) racional simétrica",
      "K(s) para K(jw) racional simétrica modificada",
      "H(s) para aproximação de Bessel",
      "Calcular E(s) tendo K(s)=F(s)/P(s)",
      "Calcular F(s) tendo H(s)=E(s)/P(s)",
      "Gerar imitâncias para síntese de rede passiva",
      "Transformações de frequência",
      "Listar/salvar polinômio",
      "Listar/salvar últimas raizes calculadas",
      "Gráfico das últimas raízes calculadas no plano complexo",
      "Ler/editar polinômio",
      "Elevar polinômio ao quadrado",
      "Raízes de polinômio",
      "Gráficos de resposta em frequência",
      "Editar parâmetros",
  };
}

}  // namespace

OperationsForm::OperationsForm(forms::Application& app)
    : forms::Form(app, "Form6", "Operações"),
      RGmenu(Add<forms::RadioGroup>("RGmenu", "Operação", OperationItems(), 0)),
      Button1(Add<forms::Button>("Button1", "Aplicar")) {
  on_close = [](forms::CloseAction& action) { action = forms::CloseAction::None; };
  DialogLayout(kClientWidth)
      .Row(RGmenu, kOperationCount * kItemHeight + kGroupFrameHeight)
      .Buttons({&Button1})
      .ApplyTo(*this);
  // it stays open beside the console, so the window manager places it
  SetPlacement(forms::Placement::Default);
}

}  // namespace workbench
