#include "ladder/tramow.h"

#include "ladder/initialization_form.h"
#include "ladder/transformation_form.h"

namespace ladder {
namespace {

using numeric_field::tipo_campo;

// The log's text at start: what the program does, and the keys of its plot.
std::vector<std::string> PresetText() {
  return {
      "Expansão de redes Zuzevi",
      "Síntese de redes LC em escada por extrações no infinito",
      "Parte da suíte de projeto de filtros analógicos",
      "Versão 2.0c de 22/7/2014",
      "Conversão para Windows do programa para DOS de 1994.",
      "O programa expande uma imitância RLC em uma rede em escada, realizando",
      "zeros de transmissão especificados. A imitância a expandir é gerada com",
      "outros programas, como o Parvox e o Vessa.",
      "Os zeros de transmissão podem ser lidos de um arquivo no início.",
      "São possíveis realizações de redes simétricas e antimétricas, expandidas a",
      "partir do centro da rede, para as quais os polos a realizar também podem",
      "ser lidos de um arquivo no início.",
      "Expansões RLC podem realizar zeros de transmissão complexos com tanques LC",
      "com perdas e ciclos de Brune.",
      "Apenas extrações no infinito são feitas, e assim as redes são passa-baixas.",
      "Transformações de frequência e de impedância da rede podem ser feitas ao",
      "final da síntese.",
      "No gráfico, as setas, A,R,+ e - movem as curvas, < e > movem o cursor  (shift",
      "acelera), Enter abre janela de parâmetros e M calcula o mínimo da parte real.",
      "G e L controlam a grade e o tipo de escala log/linear.",
  };
}

}  // namespace

Tramow::Tramow(forms::Application& app)
    : console_program_(app, Description()),
      console_(console_program_.console()),
      plot_(*windows_.plot, *windows_.scales, model_, console_) {
  windows_.initialization->on_apply = [this] { EnterImmittance(); };
}

frame::ConsoleProgramSetup Tramow::Description() {
  using frame::Own;
  return frame::ConsoleProgramSetup{
      .title = "Tramow",
      .main =
          {
              .caption = "Zuzevi",
              .preset = PresetText(),
              .open_filters = {{"Zeros (*.z)", "*.z"},
                               {"Pólos (*.r)", "*.r"},
                               {"Polinômios (*.n11;*.d11;*.n22;*.d22;*.n;*.d)", "*.n11; *.d11; *.n22; *.d22; *.n; *.d"},
                               {"Outros", "*.*"}},
              .open_must_exist = true,
              .save_filters = {{"Polinômios (*.n; *.d)", "*.n; *.d"},
                               {"Listas de valores (*.val)", "*.val"},
                               {"Tabelas (*.tab)", "*.tab"}},
          },
      .windows =
          {
              frame::NumberPromptSetup{.form_name = "Form2",
                                       .caption = "Número",
                                       .field_name = "NEreal",
                                       .kind = tipo_campo::real_field,
                                       .button_caption = "Ler"},
              frame::QuestionSetup{.form_name = "Form3",
                                   .caption = "Questão",
                                   .yes_caption = "Sim",
                                   .no_caption = "Não",
                                   .client_width = 360},
              frame::NumberPromptSetup{.form_name = "Form4",
                                       .caption = "Número",
                                       .field_name = "NEint",
                                       .kind = tipo_campo::int_field,
                                       .button_caption = "Aplicar"},
              Own(windows_.initialization),
              frame::OperationsSetup{.form_name = "Form6",
                                     .caption = "Operações",
                                     .group_name = "RGoperacao",
                                     .group_caption = "Operação",
                                     .button_caption = "Aplicar",
                                     .client_width = 460},
              frame::TextPromptSetup{.form_name = "Form7",
                                     .caption = "Texto",
                                     .field_name = "Edit1",
                                     .initial_text = "Edit1",
                                     .button_caption = "Ler"},
              Own(windows_.transformation),
              Own(windows_.plot, frame::plot::PlotWindowSetup{.form_name = "Form9", .caption = "Gráfico"}),
              Own(windows_.scales,
                  frame::plot::ScalesSetup{
                      .form_name = "Form10", .file_name_row = true, .initial_file_name = "ladder.tab"}),
          },
      .operations = Operations(),
      .after_operation = [this](int item) { CheckCompletion(static_cast<Operation>(item)); },
      .start = [this] { StartSynthesis(); },
      .width = &model_.width,
      .decimals = &model_.decimals,
  };
}

std::unique_ptr<forms::Program> CreateTramow(forms::Application& app) { return std::make_unique<Tramow>(app); }

}  // namespace ladder
