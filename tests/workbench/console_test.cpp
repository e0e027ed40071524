// The console as the workbench sets it up: its windows, its number format
// and its questions ending in "?".
#include "frame/console.h"

#include <gtest/gtest.h>

#include "frame/number_prompt_form.h"
#include "frame/question_form.h"
#include "frame/selection_form.h"
#include "tests/workbench/vessaw_fixture.h"

namespace workbench_test {
namespace {

using RealPromptForm = frame::NumberPromptForm;
using IntegerPromptForm = frame::NumberPromptForm;
using frame::QuestionForm;
using frame::SelectionForm;

class ConsoleTest : public VessawFixture {
 protected:
  frame::Console& console() { return vessaw.console(); }
};

TEST_F(ConsoleTest, RealPromptOffersAmaxDefaultWithFifteenDigits) {
  ChooseMenu("Iniciar");
  std::string shown;
  user.on_modal = [&](forms::Form& form) {
    auto& prompt = dynamic_cast<RealPromptForm&>(form);
    shown = prompt.field.text();
    prompt.button.UserClick();
  };
  base::Extended amax = vessaw.parameters().amax;
  console().AskReal("At. máx. na b. passante (dB)", amax);
  EXPECT_EQ(console_windows().real_prompt->label.caption(), "At. máx. na b. passante (dB)");
  EXPECT_EQ(shown, "3.01029995663981");
  // leaving the field re-commits the shown text
  EXPECT_EQ(amax, base::Extended(3.01029995663981L));
}

TEST_F(ConsoleTest, RealPromptClosedAfterRefusedTextKeepsDefault) {
  user.on_modal = [&](forms::Form& form) {
    auto& prompt = dynamic_cast<RealPromptForm&>(form);
    prompt.field.UserType("abc");
    app.Guard([&] { prompt.button.UserClick(); });
    EXPECT_TRUE(prompt.visible()) << "a refused text must not close the prompt";
    prompt.Close();
  };
  base::Extended value = base::Extended(1) / base::Extended(3);
  const base::Extended before = value;
  console().AskReal("Valor", value);
  EXPECT_EQ(value, before);
  EXPECT_EQ(user.messages, std::vector<std::string>{"Vessaw: abc is not a valid number."});
}

TEST_F(ConsoleTest, IntegerPromptTakesCommittedValueOnly) {
  user.on_modal = [](forms::Form& form) {
    auto& prompt = dynamic_cast<IntegerPromptForm&>(form);
    EXPECT_EQ(prompt.field.text(), "5");
    prompt.field.UserType("7");
    prompt.button.UserClick();
  };
  std::int32_t order = 5;
  console().AskInteger("Ordem da aproximação", order);
  EXPECT_EQ(order, 7);

  // typed but never left: the close box takes the last committed value
  user.on_modal = [](forms::Form& form) {
    auto& prompt = dynamic_cast<IntegerPromptForm&>(form);
    prompt.field.UserType("9");
    prompt.Close();
  };
  console().AskInteger("Ordem da aproximação", order);
  EXPECT_EQ(order, 7);
}

TEST_F(ConsoleTest, YesNoAnswersYesOnlyForSim) {
  struct Case {
    const char* action;
    bool answer;
  };
  for (const Case& c : {Case{"sim", true}, Case{"close", false}, Case{"sim", true}, Case{"não", false}}) {
    user.on_modal = [&](forms::Form& form) {
      auto& question = dynamic_cast<QuestionForm&>(form);
      const std::string action = c.action;
      if (action == "sim") question.yes.UserClick();
      if (action == "não") question.no.UserClick();
      if (action == "close") question.Close();
    };
    EXPECT_EQ(console().AskYesNo("Escalar para wp=1"), c.answer) << c.action;
    EXPECT_EQ(console_windows().question->label.caption(), "Escalar para wp=1?");
  }
}

class AskChoiceTest : public ConsoleTest {
 protected:
  static constexpr const char* kItems = "[C]hebyshev,Chebyshev [M]odificado,[B]utterworth,[O]utro polinômio,[#]";

  // The user clicks the item, or closes the dialog when it is -1.
  void Choose(int item) {
    user.on_modal = [item](forms::Form& form) {
      auto& selection = dynamic_cast<SelectionForm&>(form);
      if (item < 0)
        selection.Close();
      else
        selection.list.UserClickItem(item);
    };
    console().AskChoice("Tipo de polinômio:", kItems);
  }
};

TEST_F(AskChoiceTest, ShowsItemsWithFirstPreselected) {
  std::vector<std::string> shown;
  int preselected = -2;
  user.on_modal = [&](forms::Form& form) {
    auto& selection = dynamic_cast<SelectionForm&>(form);
    shown = selection.list.items();
    preselected = selection.list.item_index();
    selection.list.UserClickItem(preselected);
  };
  console().AskChoice("Tipo de polinômio:", kItems);
  EXPECT_EQ(console_windows().selection->label.caption(), "Tipo de polinômio:");
  EXPECT_EQ(shown,
            (std::vector<std::string>{"Chebyshev", "Chebyshev Modificado", "Butterworth", "Outro polinômio", "#"}));
  EXPECT_EQ(preselected, 0);
  EXPECT_EQ(console().choice_letter(), 'C');
}

TEST_F(AskChoiceTest, EchoesChoiceAndSetsItsLetter) {
  struct Case {
    int item;
    char letter;
    const char* line;
  };
  for (const Case& c : {Case{1, 'M', "-> Chebyshev Modificado."}, Case{4, '#', "Cancelado (#)."},
                        Case{-1, 'C', "-> Chebyshev."}, Case{3, 'O', "-> Outro polinômio."}}) {
    Choose(c.item);
    EXPECT_EQ(console().choice_letter(), c.letter) << c.item;
    EXPECT_EQ(Logged().back(), c.line);
  }
  EXPECT_EQ(Logged().size(), 4u);
}

TEST_F(AskChoiceTest, RebuildsListAtEachPrompt) {
  Choose(2);
  user.on_modal = [](forms::Form& form) {
    auto& selection = dynamic_cast<SelectionForm&>(form);
    EXPECT_EQ(selection.list.items().size(), 2u);
    selection.list.UserClickItem(1);
  };
  console().AskChoice("Estrutura:", "[D]uplamente terminada,[S]implesmente terminada");
  EXPECT_EQ(console().choice_letter(), 'S');
}

TEST_F(ConsoleTest, FileDialogsKeepNameOrEmptyAfterCancel) {
  user.file_answer = "elipq.r";
  console().ChooseOpenFile("Q(w)");
  EXPECT_EQ(console().current_file_name(), "elipq.r");
  user.file_answer.reset();
  console().ChooseSaveFile("Raízes");
  EXPECT_EQ(console().current_file_name(), "");
  user.file_answer = "k.n";
  console().ChooseSaveFile("Numerador");
  EXPECT_EQ(console().current_file_name(), "k.n");
  EXPECT_EQ(console_windows().main->save_dialog.file_name(), "k.n");
}

TEST_F(ConsoleTest, RealToTextFollowsWidthAndDecimalsParameters) {
  ChooseMenu("Iniciar");
  EXPECT_EQ(console().RealToText(1), "      1.000000000000000000");
  vessaw.parameters().width = 10;
  vessaw.parameters().decimals = 2;
  EXPECT_EQ(console().RealToText(-2.5L), "     -2.50");
}

}  // namespace
}  // namespace workbench_test
