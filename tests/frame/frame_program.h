// A program built only from the frame's skeleton, shaped like the ladder
// program's windows (its names, captions, buttons, filters and operations
// table), on the script backend; the test plays the user through the
// backend's hooks.
#pragma once

#include <functional>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/errors.h"
#include "forms/application.h"
#include "forms/script/script_backend.h"
#include "frame/console.h"
#include "frame/console_program.h"

namespace frame {

class FrameProgram {
 public:
  FrameProgram() {
    backend.Attach(app);
    backend.modal_hook = [this](forms::Form& form) {
      if (on_modal) on_modal(form);
    };
    backend.file_dialog_hook = [this](forms::FileDialog& dialog) {
      filter_indices.push_back(dialog.filter_index());
      subjects.push_back(dialog.subject());
      if (!file_answer) return false;
      dialog.SetFileName(*file_answer);
      return true;
    };
    backend.message_box_hook = [this](const std::string&, const std::string& text) { messages.push_back(text); };
  }

  std::function<void(forms::Form&)> on_modal;
  std::optional<std::string> file_answer;
  std::vector<int> filter_indices;    // of every file dialog shown
  std::vector<std::string> subjects;  // the same
  std::vector<std::string> messages;

  // What the operations do and whether they may run, as the test sets them.
  std::vector<std::string> ran;
  bool complete = false;
  std::vector<int> after;  // the indices the hook saw
  int starts = 0;          // "Iniciar" chosen

  std::int32_t width = 20;
  std::int32_t decimals = 15;

 private:
  forms::script::Script script_ = forms::script::Script::FromText("");
  std::ostringstream transcript_;

 public:
  forms::script::ScriptBackend backend{script_, transcript_, false};
  forms::Application app{backend};

  ConsoleProgram skeleton{app, Description()};
  ConsoleMainForm& main = *skeleton.windows().main;
  NumberPromptForm& real = *skeleton.windows().real_prompt;
  QuestionForm& question = *skeleton.windows().question;
  NumberPromptForm& integer = *skeleton.windows().integer_prompt;
  OperationsForm& operations = *skeleton.windows().operations;
  TextPromptForm& text = *skeleton.windows().text_prompt;
  Console& console = skeleton.console();

  // The lines logged after the preset text.
  std::vector<std::string> Logged() const { return {main.log.lines().begin() + 1, main.log.lines().end()}; }

 private:
  ConsoleProgramSetup Description() {
    return ConsoleProgramSetup{
        .title = "Tramow",
        .main = {.caption = "Zuzevi",
                 .preset = {"Expansão de redes Zuzevi"},
                 .open_filters = {{"Zeros (*.z)", "*.z"}, {"Pólos (*.r)", "*.r"}, {"Outros", "*.*"}},
                 .open_must_exist = true,
                 .save_filters = {{"Polinômios (*.n; *.d)", "*.n; *.d"}}},
        .windows = {NumberPromptSetup{.form_name = "Form2",
                                      .caption = "Número",
                                      .field_name = "NEreal",
                                      .kind = numeric_field::tipo_campo::real_field,
                                      .button_caption = "Ler"},
                    QuestionSetup{
                        .form_name = "Form3", .caption = "Questão", .yes_caption = "Sim", .no_caption = "Não"},
                    NumberPromptSetup{.form_name = "Form4",
                                      .caption = "Número",
                                      .field_name = "NEint",
                                      .kind = numeric_field::tipo_campo::int_field,
                                      .button_caption = "Aplicar"},
                    OperationsSetup{.form_name = "Form6",
                                    .caption = "Operações",
                                    .group_name = "RGoperacao",
                                    .group_caption = "Operação",
                                    .preselected = -1,
                                    .button_caption = "Aplicar"},
                    TextPromptSetup{.form_name = "Form7",
                                    .caption = "Texto",
                                    .field_name = "Edit1",
                                    .initial_text = "Edit1",
                                    .button_caption = "Ler"}},
        .operations =
            {
                {"Extrair polo no infinito", [this] { ran.push_back("extract"); }, [this] { return !complete; }},
                {"Listar a rede obtida", [this] { ran.push_back("list"); }, {}},
                {"Salvar rede obtida", [this] { ran.push_back("save"); }, [this] { return complete; }},
                {"Falhar", [] { throw base::RangeCheckError(9); }, {}},
                {"Ainda não feita", {}, {}},
            },
        .after_operation = [this](int index) { after.push_back(index); },
        .start = [this] { ++starts; },
        .width = &width,
        .decimals = &decimals,
    };
  }
};

}  // namespace frame
