#include "frame/choice_items.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

struct ChoiceCase {
  std::string text;
  std::vector<std::string> items;
  std::string keys;
};

void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ParseChoiceItemsTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ParseChoiceItemsTest, ShowsItemsWithoutBracketsAndCollectsKeys) {
  const ChoiceCase& c = GetParam();
  const frame::ChoiceItems parsed = frame::ParseChoiceItems(c.text);
  EXPECT_EQ(parsed.items, c.items);
  EXPECT_EQ(parsed.keys, c.keys);
}

INSTANTIATE_TEST_SUITE_P(
    Items, ParseChoiceItemsTest,
    ::testing::Values(ChoiceCase{"[C]hebyshev,Chebyshev [M]odificado,[B]utterworth,[O]utro polinômio,[#]",
                                 {"Chebyshev", "Chebyshev Modificado", "Butterworth", "Outro polinômio", "#"},
                                 "CMBO#"},
                      ChoiceCase{"[Q](w),[F](s),[P](s),[E](s),([X](s)),([Y](s))",
                                 {"Q(w)", "F(s)", "P(s)", "E(s)", "(X(s))", "(Y(s))"},
                                 "QFPEXY"},
                      ChoiceCase{"|[K](jw)|,[F]ase(jw),[A]traso de grupo (jw)",
                                 {"|K(jw)|", "Fase(jw)", "Atraso de grupo (jw)"},
                                 "KFA"},
                      // key letters keep the case they are written in
                      ChoiceCase{"[s]im,[N]ão", {"sim", "Não"}, "sN"}, ChoiceCase{"[a],[b],", {"a", "b"}, "ab"},
                      ChoiceCase{"[a],,[b]", {"a", "", "b"}, "ab"}, ChoiceCase{"[a],,", {"a", ""}, "a"},
                      ChoiceCase{"[x]", {"x"}, "x"}, ChoiceCase{"", {}, ""}));

}  // namespace
