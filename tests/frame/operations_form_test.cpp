#include "frame/operations_form.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

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

// Rows in any order land at their names' items; a row outside the table, a
// name given twice and an item without a row are refused.
TEST(OperationTableTest, PlacesRowsByNameAndRefusesAFaultyDescription) {
  enum class Name { kFirst, kSecond };
  using Row = std::pair<Name, Operation>;
  const std::vector<Row> reversed = {{Name::kSecond, {"Segunda", {}, {}}}, {Name::kFirst, {"Primeira", {}, {}}}};
  const std::vector<Operation> table = OperationTable<Name>(reversed, 2);
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table[0].caption, "Primeira");
  EXPECT_EQ(table[1].caption, "Segunda");
  struct Case {
    const char* what;
    std::vector<Row> rows;
  };
  const Case refused[] = {
      {"outside the table", {{Name::kFirst, {"Primeira", {}, {}}}, {static_cast<Name>(2), {"Terceira", {}, {}}}}},
      {"a name twice", {{Name::kFirst, {"Primeira", {}, {}}}, {Name::kFirst, {"Outra", {}, {}}}}},
      {"an item without a row", {{Name::kSecond, {"Segunda", {}, {}}}}},
  };
  for (const Case& c : refused) EXPECT_THROW(OperationTable<Name>(c.rows, 2), std::logic_error) << c.what;
}

}  // namespace
}  // namespace frame
