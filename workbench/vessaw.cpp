#include "workbench/vessaw.h"

#include "frame/console_main_form.h"
#include "frame/number_prompt_form.h"
#include "frame/plot/plot_window.h"
#include "frame/plot/scales_form.h"
#include "frame/question_form.h"
#include "frame/selection_form.h"
#include "workbench/parameters_form.h"
#include "workbench/root_rescue_form.h"

namespace workbench {
namespace {

using numeric_field::tipo_campo;

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

Vessaw::Vessaw(forms::Application& app)
    : app_(app),
      windows_(CreateWindows(app, Operations())),
      console_(ConsoleWindows()),
      root_plot_(*windows_.form5, registers_, parameters_, plot_colours_),
      response_plot_(*windows_.form7, *windows_.form8, registers_, console_.log(), windows_.form1->save_dialog,
                     plot_colours_) {
  windows_.form1->on_start = [this] { StartSession(); };
  windows_.form1->on_terminate = [this] { app_.Terminate(); };
}

Windows Vessaw::CreateWindows(forms::Application& app, std::vector<frame::Operation> operations) {
  app.SetTitle("Vessaw");
  Windows w;
  // the first window created is the main window, whose closing ends the program
  w.form1 = &app.CreateForm<frame::ConsoleMainForm>(frame::ConsoleMainSetup{.caption = "Vessa", .preset = AboutText()});
  w.form2 = &app.CreateForm<frame::QuestionForm>(
      frame::QuestionSetup{.form_name = "Form2", .caption = "Pergunta", .yes_caption = "sim", .no_caption = "não"});
  w.form3 = &app.CreateForm<frame::NumberPromptForm>(frame::NumberPromptSetup{
      .form_name = "Form3", .caption = "Real", .field_name = "NEdit1", .kind = tipo_campo::real_field,
      .button_caption = "Aplicar"});
  w.form4 = &app.CreateForm<frame::NumberPromptForm>(frame::NumberPromptSetup{
      .form_name = "Form4", .caption = "Inteiro", .field_name = "NEdit1", .kind = tipo_campo::int_field,
      .button_caption = "Aplicar"});
  // The plot box keeps its height as the imaginary span; a wider window shows
  // more of the real axis.
  w.form5 = &app.CreateForm<frame::plot::PlotWindow>(frame::plot::PlotWindowSetup{
      .form_name = "Form5", .caption = "Raízes", .status_line = true, .client_width = 480, .client_height = 420});
  // never closed, so that an operation can always be chosen after "Iniciar"
  w.form6 = &app.CreateForm<frame::OperationsForm>(
      frame::OperationsSetup{.form_name = "Form6", .caption = "Operações", .group_name = "RGmenu",
                            .group_caption = "Operação", .preselected = 0, .button_caption = "Aplicar",
                            .closable = false},
      std::move(operations));
  w.form7 = &app.CreateForm<frame::plot::PlotWindow>(
      frame::plot::PlotWindowSetup{.form_name = "Form7", .caption = "Resposta em frequência", .status_line = true});
  w.form8 = &app.CreateForm<frame::plot::ScalesForm>(frame::plot::ScalesSetup{.form_name = "Form8"});
  w.form9 = &app.CreateForm<frame::SelectionForm>(frame::SelectionSetup{.form_name = "Form9", .caption = "Seleção"});
  w.form10 = &app.CreateForm<ParametersForm>();
  w.form11 = &app.CreateForm<RootRescueForm>();
  return w;
}

frame::ConsoleSetup Vessaw::ConsoleWindows() {
  return frame::ConsoleSetup{.log = &windows_.form1->log,
                             .question = windows_.form2,
                             .real_prompt = windows_.form3,
                             .integer_prompt = windows_.form4,
                             .selection = windows_.form9,
                             .open_dialog = &windows_.form1->open_dialog,
                             .save_dialog = &windows_.form1->save_dialog,
                             .width = &parameters_.width,
                             .decimals = &parameters_.decimals,
                             .question_suffix = "?"};
}

std::unique_ptr<forms::Program> CreateVessaw(forms::Application& app) { return std::make_unique<Vessaw>(app); }

}  // namespace workbench
