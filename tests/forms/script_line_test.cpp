#include "forms/script/script_line.h"

#include <gtest/gtest.h>

#include "forms/script/script_fault.h"

namespace forms::script {
namespace {

struct SplitCase {
  const char* text;
  std::vector<std::string> words;
};

TEST(SplitScriptLine, WordsAndQuotes) {
  const SplitCase cases[] = {
      {"click Form6.Button1", {"click", "Form6.Button1"}},
      {"  type\tForm3.NEdit1   1e3  ", {"type", "Form3.NEdit1", "1e3"}},
      {R"(menu "Gráficos de resposta")", {"menu", "Gráficos de resposta"}},
      {R"(type Form3.NEdit1 "")", {"type", "Form3.NEdit1", ""}},
      {R"(lines F.M "a \"b\"" "c\\d" e\f)", {"lines", "F.M", "a \"b\"", "c\\d", "e\\f"}},
      {R"(file dir/"my file".r)", {"file", "dir/my file.r"}},
      {"", {}},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(SplitScriptLine(c.text, 1), c.words);
  }
}

TEST(SplitScriptLine, UnterminatedQuoteIsAFaultOfItsLine) {
  try {
    SplitScriptLine(R"(type F.E "abc)", 7);
    FAIL() << "no fault";
  } catch (const ScriptFault& fault) {
    EXPECT_EQ(fault.line(), 7);
  }
}

TEST(Script, SkipsCommentsAndBlankLinesAndCountsLines) {
  Script script = Script::FromText("#! --trace\r\n\r\n  # note\r\nmenu Iniciar\r\n\nclick A.B\n");
  EXPECT_EQ(script.header_options(), (std::vector<std::string>{"--trace"}));
  auto first = script.Next();
  ASSERT_TRUE(first);
  EXPECT_EQ(first->number, 4);
  EXPECT_EQ(first->words, (std::vector<std::string>{"menu", "Iniciar"}));
  EXPECT_TRUE(script.HasMore());
  auto second = script.Next();
  ASSERT_TRUE(second);
  EXPECT_EQ(second->number, 6);
  EXPECT_FALSE(script.HasMore());
  EXPECT_FALSE(script.Next());
}

}  // namespace
}  // namespace forms::script
