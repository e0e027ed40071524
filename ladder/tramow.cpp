#include "ladder/tramow.h"

#include "frame/console_main_form.h"
#include "frame/number_prompt_form.h"
#include "frame/plot/plot_window.h"
#include "frame/plot/scales_form.h"
#include "frame/question_form.h"
#include "frame/text_prompt_form.h"
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

frame::ConsoleMainSetup MainSetup() {
  return frame::ConsoleMainSetup{
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
  };
}

}  // namespace

Tramow::Tramow(forms::Application& app)
    : app_(app),
      windows_(CreateWindows(app, Operations())),
      console_(ConsoleWindows()),
      plot_(*windows_.form9, *windows_.form10, model_, console_) {
  windows_.form1->on_start = [this] { StartSynthesis(); };
  windows_.form1->on_terminate = [this] { app_.Terminate(); };
  windows_.form5->on_apply = [this] { EnterImmittance(); };
  windows_.form6->after_operation = [this](int item) { CheckCompletion(static_cast<Operation>(item)); };
}

Windows Tramow::CreateWindows(forms::Application& app, std::vector<frame::Operation> operations) {
  app.SetTitle("Tramow");
  Windows w;
  // the first window created is the main window, whose closing ends the program
  w.form1 = &app.CreateForm<frame::ConsoleMainForm>(MainSetup());
  w.form2 = &app.CreateForm<frame::NumberPromptForm>(frame::NumberPromptSetup{
      .form_name = "Form2", .caption = "Número", .field_name = "NEreal", .kind = tipo_campo::real_field,
      .button_caption = "Ler"});
  w.form3 = &app.CreateForm<frame::QuestionForm>(
      frame::QuestionSetup{.form_name = "Form3", .caption = "Questão", .yes_caption = "Sim", .no_caption = "Não",
                          .client_width = 360});
  w.form4 = &app.CreateForm<frame::NumberPromptForm>(frame::NumberPromptSetup{
      .form_name = "Form4", .caption = "Número", .field_name = "NEint", .kind = tipo_campo::int_field,
      .button_caption = "Aplicar"});
  w.form5 = &app.CreateForm<InitializationForm>();
  w.form6 = &app.CreateForm<frame::OperationsForm>(
      frame::OperationsSetup{.form_name = "Form6", .caption = "Operações", .group_name = "RGoperacao",
                            .group_caption = "Operação", .button_caption = "Aplicar", .client_width = 460},
      std::move(operations));
  w.form7 = &app.CreateForm<frame::TextPromptForm>(frame::TextPromptSetup{
      .form_name = "Form7", .caption = "Texto", .field_name = "Edit1", .initial_text = "Edit1",
      .button_caption = "Ler"});
  w.form8 = &app.CreateForm<TransformationForm>();
  w.form9 = &app.CreateForm<frame::plot::PlotWindow>(
      frame::plot::PlotWindowSetup{.form_name = "Form9", .caption = "Gráfico"});
  w.form10 = &app.CreateForm<frame::plot::ScalesForm>(
      frame::plot::ScalesSetup{.form_name = "Form10", .file_name_row = true, .initial_file_name = "ladder.tab"});
  return w;
}

frame::ConsoleSetup Tramow::ConsoleWindows() {
  return frame::ConsoleSetup{.log = &windows_.form1->log,
                             .question = windows_.form3,
                             .real_prompt = windows_.form2,
                             .integer_prompt = windows_.form4,
                             .text_prompt = windows_.form7,
                             .open_dialog = &windows_.form1->open_dialog,
                             .save_dialog = &windows_.form1->save_dialog,
                             .width = &model_.width,
                             .decimals = &model_.decimals};
}

std::unique_ptr<forms::Program> CreateTramow(forms::Application& app) { return std::make_unique<Tramow>(app); }

}  // namespace ladder
