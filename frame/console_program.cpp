#include "frame/console_program.h"

#include <stdexcept>
#include <utility>

namespace frame {
namespace {

// The pointer a window of the console goes to, while no window holds it.
template <typename W>
W*& FreeSlot(W*& slot, const char* role) {
  if (slot) throw std::logic_error(std::string("the description lists a second ") + role);
  return slot;
}

// Creates one window of the description; the operations window takes the
// table and the hook.
class WindowMaker {
 public:
  WindowMaker(forms::Application& app, ConsoleProgramSetup& setup, ConsoleWindows& windows)
      : app_(app), setup_(setup), windows_(windows) {}

  void operator()(const QuestionSetup& s) {
    FreeSlot(windows_.question, "question") = &app_.CreateForm<QuestionForm>(s);
  }
  void operator()(const NumberPromptSetup& s) {
    using numeric_field::tipo_campo;
    if (s.kind != tipo_campo::real_field && s.kind != tipo_campo::int_field)
      throw std::logic_error("the number prompt " + s.form_name + " takes neither reals nor integers");
    NumberPromptForm*& slot = s.kind == tipo_campo::real_field ? FreeSlot(windows_.real_prompt, "real prompt")
                                                               : FreeSlot(windows_.integer_prompt, "integer prompt");
    slot = &app_.CreateForm<NumberPromptForm>(s);
  }
  void operator()(const TextPromptSetup& s) {
    FreeSlot(windows_.text_prompt, "text prompt") = &app_.CreateForm<TextPromptForm>(s);
  }
  void operator()(const SelectionSetup& s) {
    FreeSlot(windows_.selection, "selection") = &app_.CreateForm<SelectionForm>(s);
  }
  void operator()(const OperationsSetup& s) {
    OperationsForm*& slot = FreeSlot(windows_.operations, "operations window");
    slot = &app_.CreateForm<OperationsForm>(s, std::move(setup_.operations));
    slot->after_operation = std::move(setup_.after_operation);
  }
  void operator()(const OwnWindow& create) { create(app_); }

 private:
  forms::Application& app_;
  ConsoleProgramSetup& setup_;
  ConsoleWindows& windows_;
};

ConsoleWindows CreateWindows(forms::Application& app, ConsoleProgramSetup& setup) {
  app.SetTitle(setup.title);
  ConsoleWindows windows;
  // the first window created is the main window, whose closing ends the program
  windows.main = &app.CreateForm<ConsoleMainForm>(setup.main);
  WindowMaker maker(app, setup, windows);
  for (const WindowSetup& window : setup.windows) std::visit(maker, window);
  return windows;
}

}  // namespace

ConsoleProgram::ConsoleProgram(forms::Application& app, ConsoleProgramSetup setup)
    : windows_(CreateWindows(app, setup)),
      console_(ConsoleSetup{.log = &windows_.main->log,
                            .question = windows_.question,
                            .real_prompt = windows_.real_prompt,
                            .integer_prompt = windows_.integer_prompt,
                            .text_prompt = windows_.text_prompt,
                            .selection = windows_.selection,
                            .open_dialog = &windows_.main->open_dialog,
                            .save_dialog = &windows_.main->save_dialog,
                            .width = setup.width,
                            .decimals = setup.decimals,
                            .question_suffix = setup.question_suffix}) {
  windows_.main->on_start = std::move(setup.start);
  windows_.main->on_terminate = [&app] { app.Terminate(); };
}

}  // namespace frame
