#include "workbench/main_form.h"

#include <string>
#include <vector>

namespace workbench {
namespace {

// A console of about 90 columns by 30 lines.
constexpr int kClientWidth = 640;
constexpr int kClientHeight = 480;

std::vector<std::string> AboutText() {
  return {
      "Aproximações por Função Característica",
      "Bancada de funções características para o projeto de filtros analógicos",
      "",
      "O programa realiza operações envolvendo aproximações para filtros envolvendo",
      "a equação de Feldtkeller, com as funções K(s)=F(s)/P(s) e H(s)=E(s)/P(s).",
      "Podem ser calculados H(s) a partir de K(s) e vice-versa, e geradas imitâncias",
      "para síntese da rede passiva (usando o programa Zuzevi ou outro).",
      "Filtros de Butterworth, Chebyshev, Chebyshev inverso, e variações com",
      "máximo ganho em w=0 ou ganho nulo em w=infinito para ordens pares podem",
      "ser diretamente gerados. Filtros elípticos e similares exigem polinômios",
      "Q(w) ou funções características K(s) geradas externamente.",
      "Transformações de frequência podem ser também realizadas.",
      "O programa plota gráficos de várias funções e de raízes dos vários polinômios.",
  };
}

}  // namespace

MainForm::MainForm(forms::Application& app)
    : forms::Form(app, "Form1", "Vessa"),
      Memo1(Add<forms::Memo>("Memo1", AboutText())),
      MainMenu1(Add<forms::MainMenu>("MainMenu1")),
      OpenDialog1(Add<forms::FileDialog>("OpenDialog1", forms::FileDialogKind::Open)),
      SaveDialog1(Add<forms::FileDialog>("SaveDialog1", forms::FileDialogKind::Save)) {
  Memo1.SetReadOnly(true);
  Memo1.SetAlign(forms::Align::Client);
  forms::MenuEntry& menu = MainMenu1.AddEntry("Menu1", "Menu");
  MainMenu1.AddItem(menu, "Iniciar1", "Iniciar", [this] {
    if (on_start) on_start();
  });
  MainMenu1.AddItem(menu, "Terminar1", "Terminar", [this] {
    if (on_terminate) on_terminate();
  });
  SetPlacement(forms::Placement::ScreenCenter);
  SetClientSize(kClientWidth, kClientHeight);
}

}  // namespace workbench
