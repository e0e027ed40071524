// The console as a program other than the workbench sets it up: its own
// window names and buttons, questions that carry their own "?", a text
// prompt, filter lists, and a number format that the program changes.
#include "frame/console.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/base/extended_printer.h"
#include "tests/frame/frame_program.h"

namespace frame {
namespace {

class ConsoleTest : public ::testing::Test {
 protected:
  FrameProgram program;
  Console& console = program.console;
};

TEST_F(ConsoleTest, YesNoShowsTheQuestionAsWrittenAndAnswersYesOnlyForTheYesButton) {
  struct Case {
    const char* action;
    bool answer;
  };
  for (const Case& c : {Case{"Sim", true}, Case{"close", false}, Case{"Sim", true}, Case{"Não", false}}) {
    program.on_modal = [&](forms::Form& form) {
      ASSERT_EQ(&form, &program.question);
      const std::string action = c.action;
      if (action == "Sim") program.question.yes.UserClick();
      if (action == "Não") program.question.no.UserClick();
    };
    EXPECT_EQ(console.AskYesNo("A imitância a expandir é uma impedância? (ou admitância)"), c.answer) << c.action;
    EXPECT_EQ(program.question.label.caption(), "A imitância a expandir é uma impedância? (ou admitância)");
  }
  EXPECT_EQ(program.question.yes.caption(), "Sim");
  EXPECT_EQ(program.question.no.name(), "Button2");
}

TEST_F(ConsoleTest, TextPromptShowsTheDefaultAndTakesTheFieldAsItIs) {
  EXPECT_EQ(program.text.field.text(), "Edit1");
  std::string shown;
  program.on_modal = [&](forms::Form& form) {
    ASSERT_EQ(&form, &program.text);
    shown = program.text.field.text();
    program.text.field.UserType("p1 x");
    program.text.button.UserClick();
  };
  std::string answer = "z2";
  console.AskText("Frequência: (Re Im ou nome) ", answer);
  EXPECT_EQ(shown, "z2");
  EXPECT_EQ(program.text.label.caption(), "Frequência: (Re Im ou nome) ");
  EXPECT_EQ(answer, "p1 x");

  // closed at once: the empty default comes back
  program.on_modal = {};
  answer.clear();
  console.AskText("Frequência: (Re Im ou nome) ", answer);
  EXPECT_EQ(answer, "");
}

TEST_F(ConsoleTest, NumberPromptsUseTheProgramsFieldsAndButtons) {
  EXPECT_EQ(program.real.field.name(), "NEreal");
  EXPECT_EQ(program.real.button.caption(), "Ler");
  EXPECT_EQ(program.integer.field.name(), "NEint");
  program.on_modal = [&](forms::Form& form) {
    auto& prompt = dynamic_cast<NumberPromptForm&>(form);
    prompt.field.UserType(&form == &program.real ? "2.5" : "7");
    prompt.button.UserClick();
  };
  base::Extended tolerance = 1E-8L;
  std::int32_t width = 20;
  console.AskReal("Nova dispersão/tolerância:", tolerance);
  console.AskInteger("Tamanho de números reais:", width);
  EXPECT_EQ(tolerance, base::Extended(2.5L));
  EXPECT_EQ(width, 7);
  EXPECT_EQ(program.integer.label.caption(), "Tamanho de números reais:");
}

// Enter in a prompt's field presses its button only where the program turns
// that on, and then only after the field's exit check accepted the text.
TEST_F(ConsoleTest, EnterInThePromptFieldPressesTheButtonWhereTurnedOn) {
  NumberPromptForm& entering = program.app.CreateForm<NumberPromptForm>(
      NumberPromptSpec{.form_name = "Form8", .caption = "Real", .field_name = "NEdit1",
                       .kind = numeric_field::tipo_campo::real_field, .button_caption = "Aplicar",
                       .enter_presses_button = true});
  // After each Enter: whether the dialog is still open ("bad", then "3").
  struct Result {
    int modal_result;
    long double value;
    std::vector<bool> open_after_enter;
  };
  const auto enter = [&](NumberPromptForm& prompt) {
    prompt.field.set_panel_real(1);
    Result result{};
    program.on_modal = [&](forms::Form&) {
      for (const char* text : {"bad", "3"}) {
        prompt.field.UserType(text);
        program.app.Guard([&] { prompt.field.UserEnter(); });
        result.open_after_enter.push_back(prompt.modal_result() == forms::kModalNone);
      }
    };
    result.modal_result = prompt.ShowModal();
    result.value = prompt.field.panel_real().raw();
    return result;
  };
  const Result on = enter(entering);
  EXPECT_EQ(on.modal_result, forms::kModalOk);
  EXPECT_EQ(on.value, 3.0L);
  EXPECT_EQ(on.open_after_enter, (std::vector<bool>{true, false}));
  EXPECT_EQ(program.messages, std::vector<std::string>{"bad is not a valid number."});
  const Result off = enter(program.real);
  EXPECT_EQ(off.modal_result, forms::kModalCancel);  // closed by its close box at last
  EXPECT_EQ(off.value, 1.0L);
  EXPECT_EQ(off.open_after_enter, (std::vector<bool>{true, true}));
  EXPECT_EQ(program.messages.size(), 1u);
}

// The format is read at every number: a new width acts on the next line.
TEST_F(ConsoleTest, NumbersFollowTheProgramsCurrentFormat) {
  EXPECT_EQ(console.RealToText(1), "   1.000000000000000");
  program.decimals = -1;
  EXPECT_EQ(console.RealToText(1), " 1.00000000000E+0000");
  program.decimals = 15;
  program.width = 200;  // acts as -56
  EXPECT_EQ(console.RealToText(-2.5L), "-2.500000000000000");
}

TEST_F(ConsoleTest, FileDialogsTakeTheirFilterIndexAndKeepTheName) {
  program.file_answer = "zeros.z";
  EXPECT_EQ(console.ChooseOpenFile(1), "zeros.z");
  program.file_answer.reset();
  EXPECT_EQ(console.ChooseOpenFile(2), "");
  EXPECT_EQ(console.current_file_name(), "");
  // without an index the dialog keeps the one it had
  program.file_answer = "rede.n";
  EXPECT_EQ(console.ChooseSaveFile(), "rede.n");
  EXPECT_EQ(console.current_file_name(), "rede.n");
  EXPECT_EQ(program.filter_indices, (std::vector<int>{1, 2, 1}));
  EXPECT_EQ(program.main.open_dialog.CurrentFilterDescription(), "Pólos (*.r)");
  EXPECT_TRUE(program.main.open_dialog.must_exist());
}

TEST_F(ConsoleTest, AskingThroughAWindowTheProgramHasNotIsItsOwnFault) {
  EXPECT_THROW(console.AskChoice("Selecione:", "[a],[b]"), std::logic_error);
  EXPECT_TRUE(program.Logged().empty());
}

}  // namespace
}  // namespace frame
