// A prompt-driven program built from one description: the application's
// title, the main window with its log and menu, the prompts, the operations
// window with its table and the program's own windows, all created in the
// order the description lists them with the main window first, and the
// console over them.  "Terminar" ends the program; "Iniciar" runs what the
// description says.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "forms/application.h"
#include "frame/console.h"
#include "frame/console_main_form.h"
#include "frame/number_prompt_form.h"
#include "frame/operations_form.h"
#include "frame/question_form.h"
#include "frame/selection_form.h"
#include "frame/text_prompt_form.h"

namespace frame {

// A window of the program's own, created at its place in the order.
using OwnWindow = std::function<void(forms::Application&)>;

// The window W made from `args`, kept in `slot` where the program finds it.
template <typename W, typename... Args>
OwnWindow Own(W*& slot, Args... args) {
  return [&slot, args...](forms::Application& app) { slot = &app.CreateForm<W>(args...); };
}

// The console takes its question, its prompts and its selection from these;
// a number prompt is the real or the integer one by the kind of its field.
using WindowSetup =
    std::variant<QuestionSetup, NumberPromptSetup, TextPromptSetup, SelectionSetup, OperationsSetup, OwnWindow>;

struct ConsoleProgramSetup {
  std::string title{};  // the application's: "Vessaw"
  ConsoleMainSetup main{};
  // The windows after the main window, in the order they are created; each
  // window of the console at most once.
  std::vector<WindowSetup> windows{};
  // The operations window's table, and what runs after every chosen
  // operation.
  std::vector<Operation> operations{};
  std::function<void(int index)> after_operation{};
  // "Iniciar".
  std::function<void()> start{};
  // The console's number format and question suffix, as ConsoleSetup takes
  // them.
  const std::int32_t* width = nullptr;
  const std::int32_t* decimals = nullptr;
  std::string question_suffix{};
};

// The windows the description lists; the others stay null.
struct ConsoleWindows {
  ConsoleMainForm* main = nullptr;
  QuestionForm* question = nullptr;
  NumberPromptForm* real_prompt = nullptr;
  NumberPromptForm* integer_prompt = nullptr;
  TextPromptForm* text_prompt = nullptr;
  SelectionForm* selection = nullptr;
  OperationsForm* operations = nullptr;
};

class ConsoleProgram {
 public:
  // A description that lists a window of the console twice, or a number
  // prompt neither real nor integer, is a fault of the program.
  ConsoleProgram(forms::Application& app, ConsoleProgramSetup setup);
  ConsoleProgram(const ConsoleProgram&) = delete;
  ConsoleProgram& operator=(const ConsoleProgram&) = delete;

  const ConsoleWindows& windows() const { return windows_; }
  Console& console() { return console_; }

 private:
  ConsoleWindows windows_;
  Console console_;
};

}  // namespace frame
