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

// Enter in a prompt's field presses its button, but only after the field's
// exit check accepted the text: a refusal keeps the prompt open.
TEST_F(ConsoleTest, EnterInThePromptFieldPressesTheButtonAfterTheCheck) {
  std::vector<bool> open_after_enter;
  program.on_modal = [&](forms::Form&) {
    for (const char* text : {"bad", "3"}) {
      program.real.field.UserType(text);
      program.app.Guard([&] { program.real.field.UserEnter(); });
      open_after_enter.push_back(program.real.modal_result() == forms::kModalNone);
    }
  };
  base::Extended value = 1;
  console.AskReal("w(1)", value);
  EXPECT_EQ(value, base::Extended(3));
  EXPECT_EQ(program.real.modal_result(), forms::kModalOk);
  EXPECT_EQ(open_after_enter, (std::vector<bool>{true, false}));
  EXPECT_EQ(program.messages, std::vector<std::string>{"bad is not a valid number."});

  // a plain text takes anything: the first Enter closes its prompt
  program.on_modal = [&](forms::Form&) {
    program.text.field.UserType("z1");
    program.text.field.UserEnter();
  };
  std::string answer;
  console.AskText("Frequência: (Re Im ou nome) ", answer);
  EXPECT_EQ(answer, "z1");
  EXPECT_EQ(program.text.modal_result(), forms::kModalOk);
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

TEST_F(ConsoleTest, FileDialogsTakeTheirSubjectAndFilterIndexAndKeepTheName) {
  program.file_answer = "zeros.z";
  EXPECT_EQ(console.ChooseOpenFile("Zeros", 1), "zeros.z");
  program.file_answer.reset();
  EXPECT_EQ(console.ChooseOpenFile("Polos", 2), "");
  EXPECT_EQ(console.current_file_name(), "");
  // without an index the dialog keeps the one it had
  program.file_answer = "rede.n";
  EXPECT_EQ(console.ChooseSaveFile("Numerador"), "rede.n");
  EXPECT_EQ(console.current_file_name(), "rede.n");
  EXPECT_EQ(program.filter_indices, (std::vector<int>{1, 2, 1}));
  EXPECT_EQ(program.subjects, (std::vector<std::string>{"Zeros", "Polos", "Numerador"}));
  EXPECT_EQ(program.main.open_dialog.CurrentFilterDescription(), "Pólos (*.r)");
  EXPECT_TRUE(program.main.open_dialog.must_exist());
}

TEST_F(ConsoleTest, AskingThroughAWindowTheProgramHasNotIsItsOwnFault) {
  EXPECT_THROW(console.AskChoice("Selecione:", "[a],[b]"), std::logic_error);
  EXPECT_TRUE(program.Logged().empty());
}

}  // namespace
}  // namespace frame
