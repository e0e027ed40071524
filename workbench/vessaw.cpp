#include "workbench/vessaw.h"

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
    : console_program_(app, Description()),
      console_(console_program_.console()),
      root_plot_(*windows_.root_plot, registers_, parameters_, plot_colours_),
      response_plot_(*windows_.response_plot, *windows_.scales, registers_, console_.log(),
                     console_windows().main->save_dialog, plot_colours_) {}

frame::ConsoleProgramSetup Vessaw::Description() {
  using frame::Own;
  using frame::plot::PlotWindowSetup;
  return frame::ConsoleProgramSetup{
      .title = "Vessaw",
      .main = {.caption = "Vessa", .preset = AboutText()},
      .windows =
          {
              frame::QuestionSetup{
                  .form_name = "Form2", .caption = "Pergunta", .yes_caption = "sim", .no_caption = "não"},
              frame::NumberPromptSetup{.form_name = "Form3",
                                       .caption = "Real",
                                       .field_name = "NEdit1",
                                       .kind = tipo_campo::real_field,
                                       .button_caption = "Aplicar"},
              frame::NumberPromptSetup{.form_name = "Form4",
                                       .caption = "Inteiro",
                                       .field_name = "NEdit1",
                                       .kind = tipo_campo::int_field,
                                       .button_caption = "Aplicar"},
              // The plot box keeps its height as the imaginary span; a wider
              // window shows more of the real axis.
              Own(windows_.root_plot, PlotWindowSetup{.form_name = "Form5",
                                                      .caption = "Raízes",
                                                      .status_line = true,
                                                      .client_width = 480,
                                                      .client_height = 420}),
              // never closed, so that an operation can always be chosen after "Iniciar"
              frame::OperationsSetup{.form_name = "Form6",
                                     .caption = "Operações",
                                     .group_name = "RGmenu",
                                     .group_caption = "Operação",
                                     .preselected = 0,
                                     .button_caption = "Aplicar",
                                     .closable = false},
              Own(windows_.response_plot,
                  PlotWindowSetup{.form_name = "Form7", .caption = "Resposta em frequência", .status_line = true}),
              Own(windows_.scales, frame::plot::ScalesSetup{.form_name = "Form8"}),
              frame::SelectionSetup{.form_name = "Form9", .caption = "Seleção"},
              Own(windows_.parameters),
              Own(windows_.root_rescue),
          },
      .operations = Operations(),
      .start = [this] { StartSession(); },
      .width = &parameters_.width,
      .decimals = &parameters_.decimals,
      .question_suffix = "?",
  };
}

std::unique_ptr<forms::Program> CreateVessaw(forms::Application& app) { return std::make_unique<Vessaw>(app); }

}  // namespace workbench
