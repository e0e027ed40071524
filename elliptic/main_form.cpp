#include "elliptic/main_form.h"

#include <string>
#include <vector>

namespace elliptic {
namespace {

using numeric_field::tipo_campo;
using numeric_field::TNEdit;

// The window is 1072 x 675 pixels at (213, 282) with its frame; its client
// area is that less a border of 8 pixels and a caption of 31.
constexpr int kWindowLeft = 213;
constexpr int kWindowTop = 282;
constexpr int kClientWidth = 1072 - 2 * 8;
constexpr int kClientHeight = 675 - 31 - 8;

std::vector<std::string> PresetLog() {
  return {
      "Projeto clássico de filtros elípticos, e outros",
      "Especificação: Amax e Amin em dB, wp e ws em rad/s; as raízes são calculadas em precisão estendida.",
      "O programa calcula os polos e zeros de aproximações elípticas, e também de aproximações de Butterworth, "
      "Chebyshev e Chebyshev inversa.",
      "As raízes são salvas em arquivos com as raízes e a constante que multiplica os polinômios, que podem ser "
      "lidos por outros programas, como o Vessa.",
      "Os filtros elípticos obedecem à seletividade, com Amin como necessário. Os demais obedecem Amin, deixando a "
      "seletividade como necessário.",
      "Gráficos de resposta em frequência podem ser plotados, a partir de arquivos de polos e zeros gerados pelo "
      "programa ou por outros.",
      "Há um zoom com mouse, cursor com setas, e vários comandos por teclas: <, >, c, g, f, t, bs, enter, a, r, l, "
      "setas, espaço.",
      "Versão 1.0a de 6/5/2019",
      "",
  };
}

}  // namespace

MainForm::MainForm(forms::Application& app)
    : forms::Form(app, "Form1", "Filtros Elípticos"),
      amax_label(Add<forms::Label>("Label1", "Amax (dB)")),
      NEamax(Add<TNEdit>("NEamax", tipo_campo::real_field)),
      amin_label(Add<forms::Label>("Label2", "Amin (dB)")),
      NEamin(Add<TNEdit>("NEamin", tipo_campo::real_field)),
      wp_label(Add<forms::Label>("Label3", "wp")),
      NEwp(Add<TNEdit>("NEwp", tipo_campo::real_field)),
      ws_label(Add<forms::Label>("Label4", "ws")),
      NEws(Add<TNEdit>("NEws", tipo_campo::real_field)),
      elliptic_button(Add<forms::Button>("Calcular", "Filtro elíptico")),
      classical_bevel(Add<forms::Bevel>("Bevel1")),
      butterworth_button(Add<forms::Button>("Button2", "Filtro de Butterworth")),
      chebyshev_button(Add<forms::Button>("Button3", "Filtro de Chebyshev")),
      inverse_chebyshev_button(Add<forms::Button>("Button4", "Filtro de Chebyshev inverso")),
      CBforcar(Add<forms::CheckBox>("CBforcar", "Forçar ordem para")),
      NEordem(Add<TNEdit>("NEordem", tipo_campo::int_field)),
      CBarredondar(Add<forms::CheckBox>("CBarredondar", "Apenas arredondar a ordem")),
      suffix_label(Add<forms::Label>("Label5", "Sufixo extra nos arquivos")),
      Eextra(Add<forms::Edit>("Eextra")),
      plots_button(Add<forms::Button>("Button5", "Gráficos")),
      width_label(Add<forms::Label>("Label6", "Campo")),
      NEcm(Add<TNEdit>("NEcm", tipo_campo::int_field)),
      decimals_label(Add<forms::Label>("Label7", "Decimais")),
      NEdc(Add<TNEdit>("NEdc", tipo_campo::int_field)),
      check_bevel(Add<forms::Bevel>("Bevel2")),
      check_k_label(Add<forms::Label>("Label8", "k")),
      check_k(Add<TNEdit>("NEdit1", tipo_campo::real_field)),
      check_x_label(Add<forms::Label>("Label9", "x")),
      check_x(Add<TNEdit>("NEdit2", tipo_campo::real_field)),
      function_check_button(Add<forms::Button>("Button1", "Testar funções")),
      log(Add<forms::Memo>("Memo1", PresetLog())) {
  SetPlacement(forms::Placement::Fixed, kWindowLeft, kWindowTop);
  SetClientSize(kClientWidth, kClientHeight);

  // left, top, width, height; a label's size follows its caption
  const struct {
    forms::Control* control;
    int left, top, width, height;
  } places[] = {
      {&amax_label, 8, 16, 0, 0},
      {&NEamax, 64, 8, 113, 21},
      {&amin_label, 8, 40, 0, 0},
      {&NEamin, 64, 32, 113, 21},
      {&wp_label, 8, 64, 0, 0},
      {&NEwp, 64, 56, 113, 21},
      {&ws_label, 8, 88, 0, 0},
      {&NEws, 64, 80, 113, 21},
      {&elliptic_button, 184, 8, 83, 25},
      {&classical_bevel, 272, 8, 169, 105},
      {&butterworth_button, 280, 16, 113, 25},
      {&chebyshev_button, 280, 48, 113, 25},
      {&inverse_chebyshev_button, 280, 80, 153, 25},
      {&CBforcar, 448, 8, 113, 17},
      {&NEordem, 560, 8, 57, 21},
      {&CBarredondar, 448, 32, 153, 17},
      {&suffix_label, 448, 56, 0, 0},
      {&Eextra, 576, 48, 41, 21},
      {&plots_button, 448, 80, 75, 25},
      {&width_label, 768, 16, 0, 0},
      {&NEcm, 824, 8, 49, 21},
      {&decimals_label, 768, 40, 0, 0},
      {&NEdc, 824, 32, 49, 21},
      {&check_bevel, 888, 8, 161, 105},
      {&check_k_label, 896, 24, 0, 0},
      {&check_k, 912, 16, 121, 21},
      {&check_x_label, 896, 48, 0, 0},
      {&check_x, 912, 40, 121, 21},
      {&function_check_button, 912, 72, 123, 25},
      {&log, 8, 120, 1041, 505},
  };
  for (const auto& place : places) place.control->SetBounds(place.left, place.top, place.width, place.height);
  log.SetScrollBars(forms::ScrollBars::Vertical);

  int order = 0;
  for (forms::Control* control : std::vector<forms::Control*>{
           &check_k, &function_check_button, &log, &check_x, &NEamax, &NEamin, &NEwp, &NEws, &elliptic_button,
           &CBarredondar, &NEcm, &NEdc, &NEordem, &CBforcar, &butterworth_button, &chebyshev_button,
           &inverse_chebyshev_button, &plots_button, &Eextra})
    control->SetTabOrder(order++);

  NEamax.set_panel_real(1);
  NEamin.set_panel_real(40);
  NEwp.set_panel_real(1);
  NEws.set_panel_real(2);
  NEordem.set_panel_int(5);
  NEcm.set_panel_int(25);
  NEdc.set_panel_int(-1);
  check_k.set_panel_real(0.5L);
  check_x.set_panel_real(0.5L);
}

}  // namespace elliptic
