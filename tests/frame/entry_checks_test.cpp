// The checks of an entry: a degree or a count against its range, asked
// again from the nearest allowed value, and the chosen file that must open.
#include "frame/entry_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/base/scratch_folder.h"
#include "tests/frame/frame_program.h"

namespace frame {
namespace {

constexpr DegreeRange kRange{-1, 40, "* Grau menor que -1.", "* Grau maior que 40."};

class EntryChecksTest : public ::testing::Test {
 protected:
  FrameProgram program;
};

TEST_F(EntryChecksTest, TheRangeHoldsBothEndsAndEachSideHasItsLine) {
  struct Case {
    std::int32_t n;
    bool refused;
    const char* line;  // none: nothing logged
  };
  for (const Case& c : {Case{-1, false, nullptr}, Case{40, false, nullptr}, Case{41, true, kRange.above_line},
                        Case{-2, true, kRange.below_line}}) {
    const std::size_t before = program.Logged().size();
    EXPECT_EQ(RefusedDegree(c.n, kRange, program.console), c.refused) << c.n;
    const std::vector<std::string> logged = program.Logged();
    const std::vector<std::string> added(logged.begin() + static_cast<std::ptrdiff_t>(before), logged.end());
    EXPECT_EQ(added, c.line ? std::vector<std::string>{c.line} : std::vector<std::string>{}) << c.n;
  }
}

TEST_F(EntryChecksTest, ARefusedDegreeIsAskedAgainFromTheNearestAllowedValue) {
  const std::vector<std::string> typed = {"99", "-7", "12"};
  std::vector<std::string> shown;
  std::size_t next = 0;
  program.on_modal = [&](forms::Form& form) {
    ASSERT_EQ(&form, &program.integer);
    shown.push_back(program.integer.field.text());
    program.integer.field.UserType(typed.at(next++));
    program.integer.button.UserClick();
  };
  EXPECT_EQ(AskDegree("Grau do polinômio: ", 3, kRange, program.console), 12);
  EXPECT_EQ(shown, (std::vector<std::string>{"3", "40", "-1"}));
  EXPECT_EQ(program.Logged(), (std::vector<std::string>{kRange.above_line, kRange.below_line}));
  EXPECT_EQ(program.integer.label.caption(), "Grau do polinômio: ");

  // closing the prompt without typing takes the nearest allowed value
  program.on_modal = {};
  EXPECT_EQ(AskDegree("Grau do polinômio: ", 41, kRange, program.console), 40);
}

TEST_F(EntryChecksTest, AFileThatDoesNotOpenIsLoggedWithTheProgramsLine) {
  const test_support::ScratchFolder folder("frame_tests");
  const std::string present = folder.WriteBytes("present.n", "1\n");
  EXPECT_TRUE(OpenChosenFile(present, "* Arquivo inexistente.", program.console));
  EXPECT_TRUE(program.Logged().empty());
  EXPECT_FALSE(OpenChosenFile(folder.PathOf("absent.n"), "* Arquivo inexistente.", program.console));
  EXPECT_EQ(program.Logged(), std::vector<std::string>{"* Arquivo inexistente."});
}

}  // namespace
}  // namespace frame
