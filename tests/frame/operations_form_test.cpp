#include "frame/operations_form.h"

#include <gtest/gtest.h>

#include "tests/frame/frame_program.h"

namespace frame {
namespace {

class OperationsFormTest : public ::testing::Test {
 protected:
  OperationsFormTest() { operations.Show(); }

  // The user chooses the item (or none, for -1) and presses the button.
  void Apply(int item) {
    if (item >= 0) operations.group.UserChoose(item);
    program.app.Guard([this] { operations.button.UserClick(); });
  }

  FrameProgram program;
  OperationsForm& operations = program.operations;
};

TEST_F(OperationsFormTest, TheTableFillsTheGroupWithNothingChosen) {
  EXPECT_EQ(operations.group.name(), "RGoperacao");
  EXPECT_EQ(operations.group.caption(), "Operação");
  EXPECT_EQ(operations.group.items(), (std::vector<std::string>{"Extrair polo no infinito", "Listar a rede obtida",
                                                                "Salvar rede obtida", "Falhar", "Ainda não feita"}));
  EXPECT_EQ(operations.group.item_index(), -1);
  EXPECT_EQ(operations.button.caption(), "Aplicar");
}

TEST_F(OperationsFormTest, NothingChosenRunsNothingNotEvenTheHook) {
  Apply(-1);
  EXPECT_TRUE(program.ran.empty());
  EXPECT_TRUE(program.after.empty());
}

// An operation out of its time does nothing, but the step after every
// operation still runs; the choice stays between presses.
TEST_F(OperationsFormTest, OperationsRunOnlyInTheirTimeAndTheHookAfterEachChoice) {
  Apply(2);
  Apply(0);
  program.complete = true;
  Apply(-1);  // still "Extrair polo no infinito"
  Apply(2);
  Apply(1);
  Apply(4);
  EXPECT_EQ(program.ran, (std::vector<std::string>{"extract", "save", "list"}));
  EXPECT_EQ(program.after, (std::vector<int>{2, 0, 0, 2, 1, 4}));
}

TEST_F(OperationsFormTest, AnOperationEndedByAnErrorSkipsTheHook) {
  Apply(3);
  EXPECT_EQ(program.messages, std::vector<std::string>{"Range check error."});
  EXPECT_TRUE(program.after.empty());
  EXPECT_TRUE(operations.visible());
}

TEST_F(OperationsFormTest, ClosingHidesItUnlessItRefuses) {
  operations.Close();
  EXPECT_FALSE(operations.visible());

  FrameProgram other;
  OperationsForm& fixed = other.app.CreateForm<OperationsForm>(OperationsSetup{.form_name = "Form9",
                                                                               .caption = "Operações",
                                                                               .group_name = "RGmenu",
                                                                               .group_caption = "Operação",
                                                                               .preselected = 0,
                                                                               .button_caption = "Aplicar",
                                                                               .closable = false},
                                                               std::vector<Operation>{{"Editar parâmetros", {}, {}}});
  fixed.Show();
  fixed.Close();
  EXPECT_TRUE(fixed.visible());
  EXPECT_EQ(fixed.group.item_index(), 0);
}

}  // namespace
}  // namespace frame
