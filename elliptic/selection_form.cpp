#include "elliptic/selection_form.h"

#include <string>
#include <vector>

namespace elliptic {
namespace {

using numeric_field::tipo_campo;
using numeric_field::TNEdit;

// An 803 x 670 window less its frame (borders of 8 pixels, a caption of 31).
constexpr int kClientWidth = 803 - 2 * 8;
constexpr int kClientHeight = 670 - 31 - 8;

// The column of buttons, fields and options right of the list.
constexpr int kColumn = 500;
constexpr int kColumnWidth = 280;
constexpr int kFieldLeft = 620;
constexpr int kFieldWidth = 121;
constexpr int kRowHeight = 26;

std::vector<std::string> PresetList() {
  return {
      "*Cada duas linhas: ",
      "*Arquivo com polos, raízes do denominador de T(s)",
      "*Arquivo com zeros, raízes do numerador de T(s)",
      "",
      "elipe.r",
      "elipp.r",
      "butte.r",
      "buttp.r",
      "chebe.r",
      "chebp.r",
      "chebie.r",
      "chebip.r",
  };
}

}  // namespace

SelectionForm::SelectionForm(forms::Application& app)
    : forms::Form(app, "Form2", "Seleção de polos e zeros"),
      files(Add<forms::Memo>("Memo1", PresetList())),
      browse_button(Add<forms::Button>("Button1", "Procurar polos (*e.r*)")),
      clear_button(Add<forms::Button>("Button2", "Limpar")),
      plot_button(Add<forms::Button>("Button3", "Plotar")),
      poles_dialog(Add<forms::FileDialog>("OpenDialog1", forms::FileDialogKind::Open)),
      twmin_label(Add<forms::Label>("Label1", "Frequência mínima")),
      twmin(Add<TNEdit>("twmin", tipo_campo::real_field)),
      twmax_label(Add<forms::Label>("Label2", "Frequência máxima")),
      twmax(Add<TNEdit>("twmax", tipo_campo::real_field)),
      tgmin_label(Add<forms::Label>("Label3", "Ganho mínimo")),
      tgmin(Add<TNEdit>("tgmin", tipo_campo::real_field)),
      tgmax_label(Add<forms::Label>("Label4", "Ganho máximo")),
      tgmax(Add<TNEdit>("tgmax", tipo_campo::real_field)),
      tfmin_label(Add<forms::Label>("Label5", "Fase mínima")),
      tfmin(Add<TNEdit>("tfmin", tipo_campo::real_field)),
      tfmax_label(Add<forms::Label>("Label6", "Fase máxima")),
      tfmax(Add<TNEdit>("tfmax", tipo_campo::real_field)),
      tamin_label(Add<forms::Label>("Label7", "Atraso mínimo")),
      tamin(Add<TNEdit>("tamin", tipo_campo::real_field)),
      tamax_label(Add<forms::Label>("Label8", "Atraso máximo")),
      tamax(Add<TNEdit>("tamax", tipo_campo::real_field)),
      segments_label(Add<forms::Label>("Label9", "Segmentos")),
      tsegmentos(Add<TNEdit>("tsegmentos", tipo_campo::int_field)),
      slog(Add<forms::RadioGroup>("slog", "Escala", std::vector<std::string>{"log", "linear"}, 0, 2)),
      srads(Add<forms::RadioGroup>("srads", "Unidades", std::vector<std::string>{"rad/s", "Hz"}, 0, 2)),
      splotarg(Add<forms::CheckBox>("splotarg", "grade", true)),
      splotarf(Add<forms::CheckBox>("splotarf", "fase", true)),
      splotara(Add<forms::CheckBox>("splotara", "atraso", true)),
      CBlim(Add<forms::CheckBox>("CBlim", "Limitar fase em +/- 180 graus", false)),
      CBlistar(Add<forms::CheckBox>("CBlistar", "Listar funções", false)) {
  SetClientSize(kClientWidth, kClientHeight);
  // named as the list's own comment line names the first file of a pair
  poles_dialog.SetSubject("Arquivo com polos");
  files.SetBounds(8, 8, 481, 617);
  files.SetScrollBars(forms::ScrollBars::Both);
  browse_button.SetBounds(kColumn, 8, 160, 25);
  clear_button.SetBounds(kColumn, 40, 75, 25);
  plot_button.SetBounds(kColumn + 85, 40, 75, 25);

  const struct {
    forms::Label* label;
    TNEdit* field;
  } rows[] = {
      {&twmin_label, &twmin}, {&twmax_label, &twmax}, {&tgmin_label, &tgmin},
      {&tgmax_label, &tgmax}, {&tfmin_label, &tfmin}, {&tfmax_label, &tfmax},
      {&tamin_label, &tamin}, {&tamax_label, &tamax}, {&segments_label, &tsegmentos},
  };
  int top = 80;
  for (const auto& row : rows) {
    // a label's size follows its caption
    row.label->SetBounds(kColumn, top + 4, 0, 0);
    row.field->SetBounds(kFieldLeft, top, kFieldWidth, 21);
    top += kRowHeight;
  }
  slog.SetBounds(kColumn, top + 8, kColumnWidth - 39, 52);
  srads.SetBounds(kColumn, top + 68, kColumnWidth - 39, 52);
  top += 132;
  for (forms::CheckBox* box : {&splotarg, &splotarf, &splotara, &CBlim, &CBlistar}) {
    box->SetBounds(kColumn, top, kColumnWidth - 39, 17);
    top += 22;
  }

  twmin.set_panel_real(0.2L);
  twmax.set_panel_real(5);
  tgmin.set_panel_real(-80);
  tgmax.set_panel_real(10);
  tfmin.set_panel_real(-180);
  tfmax.set_panel_real(180);
  tamin.set_panel_real(-10);
  tamax.set_panel_real(30);
  tsegmentos.set_panel_int(1000);
}

void ClampInt(TNEdit& field, std::int32_t lo, std::int32_t hi) {
  if (field.panel_int() > hi)
    field.set_panel_int(hi);
  else if (field.panel_int() < lo)
    field.set_panel_int(lo);
}

}  // namespace elliptic
