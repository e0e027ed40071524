// The entry of a synthesis's data: root tables, picked frequencies,
// polynomials from roots, files or the keyboard, and the capacity of the
// tables and polynomials.
#include "ladder/immittance_entry.h"

#include <gtest/gtest.h>

#include "tests/ladder/tramow_fixture.h"

namespace ladder_test {
namespace {

using base::Extended;

class ImmittanceEntryTest : public TramowFixture {
 protected:
  ImmittanceEntryTest() {
    model().tolerance = 1E-8L;
    model().width = 20;
    model().decimals = 15;
  }

  void SetTable(ladder::RootTable& table, const std::vector<std::pair<long double, long double>>& roots) {
    table.count = static_cast<std::int32_t>(roots.size());
    for (std::size_t k = 0; k < roots.size(); ++k) {
      table.re[k + 1] = roots[k].first;
      table.im[k + 1] = roots[k].second;
    }
  }

  Coefficients CoefficientsOf(const ladder::TPolynomial& p) {
    Coefficients a;
    for (const Extended c : p.coefficients()) a.push_back(c.raw());
    return a;
  }

  // The entry from files and keyboard, with its lines logged.
  void Enter(ladder::TPolynomial& p, Extended& constant) {
    app.Guard([&] { ladder::EnterPolynomial(model(), p, constant, "Numerador", tramow.console()); });
  }
};

TEST_F(ImmittanceEntryTest, FrequencyAnswersAreReadByNameOrValue) {
  SetTable(model().poles, {{-1, 2}});
  SetTable(model().zeros, {{0, 3}, {0, -3}});
  struct Case {
    const char* answer;
    long double re, im;
  };
  const Case valid[] = {{"z1", 0, 3},        {"Z2", 0, -3}, {"p1", -1, 2},
                        {"P1", -1, 2},       {"0 1", 0, 1}, {"-0.5  2e1", -0.5L, 20},
                        {"3 1e-9", 3, 1E-9L}};
  for (const Case& c : valid) {
    answers.push_back(c.answer);
    app.Guard([&] { ladder::AskFrequency(model(), tramow.console()); });
    EXPECT_EQ(model().point.re, Extended(c.re)) << c.answer;
    EXPECT_EQ(model().point.im, Extended(c.im)) << c.answer;
  }
  // each refused answer is asked again until a valid one comes
  const std::size_t mark = Logged().size();
  answers.insert(answers.end(), {"p2", "q1", "1", "1 x", "z", "z0", "", "0 2"});
  app.Guard([&] { ladder::AskFrequency(model(), tramow.console()); });
  const std::vector<std::string> expected(7, "* Incorreto.");
  std::vector<std::string> logged = LoggedSince(mark);
  ASSERT_EQ(logged.size(), 8u);
  EXPECT_EQ(std::vector<std::string>(logged.begin(), logged.end() - 1), expected);
  EXPECT_EQ(logged.back(), "Zero escolhido =    0.000000000000000    2.000000000000000j");
}

TEST_F(ImmittanceEntryTest, PolynomialFromPickedRoots) {
  struct Case {
    std::int32_t degree;
    std::vector<std::string> picks;
    Coefficients coefficients;
    long double constant;
  };
  const Case cases[] = {
      {2, {"1 0", "2 0"}, {2, -3, 1}, 0.5L},
      {2, {"0 1"}, {1, 0, 1}, 1},
      // a pair for the last root raises the degree by one
      {1, {"0 1"}, {1, 0, 1}, 1},
      // an imaginary part below the tolerance is dropped; the constant
      // offered is what the field shows, 15 significant digits of -1/3
      {1, {"3 1e-9"}, {-3, 1}, -0.333333333333333L},
      // a root at the origin leaves no a(0) to make the value 1 at s = 0
      {2, {"0 0", "-1 0"}, {0, 1, 1}, 1},
  };
  for (const Case& c : cases) {
    ladder::TPolynomial p;
    p.degree = c.degree;
    Extended constant = 0;
    for (const std::string& pick : c.picks) answers.push_back(pick);
    answers.push_back(kKeep);
    const std::size_t mark = Logged().size();
    app.Guard([&] { ladder::PolynomialFromRoots(model(), p, constant, tramow.console()); });
    EXPECT_EQ(CoefficientsOf(p), c.coefficients) << c.picks.front();
    EXPECT_EQ(constant, Extended(c.constant)) << c.picks.front();
    const std::vector<std::string> logged = LoggedSince(mark);
    const bool too_many = std::find(logged.begin(), logged.end(), "* Foram dadas raízes demais.") != logged.end();
    EXPECT_EQ(too_many, static_cast<std::size_t>(p.degree) > static_cast<std::size_t>(c.degree)) << c.picks.front();
  }
}

TEST_F(ImmittanceEntryTest, RootsFileIsReadAndLoggedRootByRoot) {
  files.push_back(folder.WriteBytes("pair.z", "2\r\n0 1\r\n0 -1\r\n5\r\n"));
  app.Guard([&] { ladder::ReadRootsFile(model().zeros, ladder::kZerosFilter, "Zeros", tramow.console()); });
  EXPECT_EQ(console_windows().main->open_dialog.filter_index(), 1);
  EXPECT_EQ(model().zeros.count, 2);
  EXPECT_EQ(model().zeros.im[2], Extended(-1));
  EXPECT_EQ(Logged(), (std::vector<std::string>{"Lendo raízes (cancele para ignorar)...",
                                                "2 frequências:", "x1:    0.000000000000000    1.000000000000000j",
                                                "x2:    0.000000000000000   -1.000000000000000j"}));
}

TEST_F(ImmittanceEntryTest, RootsFileBeyondTheTableIsRefusedWhole) {
  SetTable(model().poles, {{-1, 0}});
  std::string text = "41\r\n";
  for (int k = 0; k < 41; ++k) text += "-2 0\r\n";
  files.push_back(folder.WriteBytes("many.r", text));
  files.push_back(folder.PathOf("missing.r"));
  app.Guard([&] { ladder::ReadRootsFile(model().poles, ladder::kPolesFilter, "Polos", tramow.console()); });
  app.Guard([&] { ladder::ReadRootsFile(model().poles, ladder::kPolesFilter, "Polos", tramow.console()); });
  EXPECT_EQ(model().poles.count, 1);
  EXPECT_EQ(model().poles.re[1], Extended(-1));
  EXPECT_EQ(model().poles.re[2], Extended(0));
  EXPECT_EQ(LoggedSince(1),
            (std::vector<std::string>{"* Mais de 40 raízes no arquivo; a tabela não foi alterada.",
                                      "Lendo raízes (cancele para ignorar)...", "* Arquivo inexistente."}));
}

TEST_F(ImmittanceEntryTest, RootsFileThatFailsHalfWayLeavesTheTableWhole) {
  struct Case {
    const char* text;
    const char* last_line;  // the last line logged
  };
  const Case cases[] = {
      // the first root read, the second unreadable: no mix of new and old
      {"2\r\n5 5\r\nx 0\r\n", "x1:    5.000000000000000    5.000000000000000j"},
      // no lone half of the conjugate pair either
      {"1\r\nNaN 0\r\n", "1 frequências:"},
      {"-2\r\n", "* Número de raízes menor que -1 no arquivo; a tabela não foi alterada."},
  };
  for (const Case& c : cases) {
    SetTable(model().zeros, {{0, 1}, {0, -1}});
    files.push_back(folder.WriteBytes("bad.z", c.text));
    app.Guard([&] { ladder::ReadRootsFile(model().zeros, ladder::kZerosFilter, "Zeros", tramow.console()); });
    EXPECT_EQ(model().zeros.count, 2) << c.text;
    EXPECT_EQ(model().zeros.re[1], Extended(0)) << c.text;
    EXPECT_EQ(model().zeros.im[1], Extended(1)) << c.text;
    EXPECT_EQ(model().zeros.im[2], Extended(-1)) << c.text;
    EXPECT_EQ(Logged().back(), c.last_line);
  }
  // the unreadable numbers ended their actions with the error report
  EXPECT_EQ(messages.size(), 2u);

  // a count of -1 reads no root, as 0 does
  files.push_back(folder.WriteBytes("none.z", "-1\r\n"));
  app.Guard([&] { ladder::ReadRootsFile(model().zeros, ladder::kZerosFilter, "Zeros", tramow.console()); });
  EXPECT_EQ(model().zeros.count, -1);
  EXPECT_EQ(Logged().back(), "-1 frequências:");
}

TEST_F(ImmittanceEntryTest, PolynomialFilesTakeTheirConstantOrOne) {
  struct Case {
    const char* text;
    Coefficients coefficients;
    long double constant;
  };
  const Case cases[] = {
      {"2\r\n1\r\n2\r\n3\r\n", {1, 2, 3}, 1},   {"1\n4 9 9\n2\n\n\n", {4, 2}, 1},
      {"1\r\n4\r\n2\r\n0.5\r\n", {4, 2}, 0.5L}, {"-1\r\n3\r\n", {}, 3},
      {"40\r\n", Coefficients(41, 0.0L), 1},
  };
  for (const Case& c : cases) {
    files.push_back(folder.WriteBytes("p.n", c.text));
    ladder::TPolynomial p;
    Extended constant = 0;
    Enter(p, constant);
    EXPECT_EQ(CoefficientsOf(p), c.coefficients) << c.text;
    EXPECT_EQ(constant, Extended(c.constant)) << c.text;
  }
  EXPECT_EQ(console_windows().main->open_dialog.filter_index(), 3);
}

TEST_F(ImmittanceEntryTest, PolynomialFileBeyondCapacityOrUnreadableChangesNothing) {
  ladder::TPolynomial p;
  p.degree = 1;
  p.a[0] = 7;
  p.a[1] = 8;
  Extended constant = 9;
  std::string big = "41\r\n";
  for (int k = 0; k <= 41; ++k) big += "1\r\n";
  for (const std::string& name :
       {folder.WriteBytes("big.n", big), folder.WriteBytes("low.n", "-2\r\n1\r\n"), folder.path().string()})
    files.push_back(name);
  for (int k = 0; k < 3; ++k) Enter(p, constant);
  EXPECT_EQ(CoefficientsOf(p), (Coefficients{7, 8}));
  EXPECT_EQ(p.a[2], Extended(0));
  EXPECT_EQ(constant, Extended(9));
  const std::string reading = "Lendo polinômio. Cancele para entrar pelo teclado...";
  EXPECT_EQ(Logged(), (std::vector<std::string>{reading, "* Grau maior que 40.", reading, "* Grau menor que -1.",
                                                reading, "* Arquivo inexistente."}));
}

TEST_F(ImmittanceEntryTest, TypedCoefficientsAreSavedInTheProgramsFormat) {
  ladder::TPolynomial p;
  Extended constant = 0;
  files.push_back("cancel");
  answers.insert(answers.end(), {"Sim", "41", "-2", "1", "-0.5", "3", "2"});
  files.push_back(folder.PathOf("typed.n"));
  Enter(p, constant);
  EXPECT_EQ(CoefficientsOf(p), (Coefficients{-0.5L, 3}));
  EXPECT_EQ(constant, Extended(2));
  EXPECT_EQ(console_windows().main->save_dialog.filter_index(), 1);
  EXPECT_EQ(test_support::ScratchFolder::ReadBytes(folder.PathOf("typed.n")),
            "1\r\n  -0.500000000000000\r\n   3.000000000000000\r\n   2.000000000000000\r\n");
  EXPECT_EQ(LoggedSince(1), (std::vector<std::string>{"* Grau maior que 40.", "* Grau menor que -1.", "Grau: 1",
                                                      "a(0):  -0.500000000000000", "a(1):   3.000000000000000",
                                                      "Cte. multiplicativa:    2.000000000000000",
                                                      "Polinômio salvo como " + folder.PathOf("typed.n")}));
}

TEST_F(ImmittanceEntryTest, PickedRootsStopAtDegreeForty) {
  SetTable(model().zeros, {{0, 1}});
  ladder::TPolynomial p;
  Extended constant = 0;
  files.push_back("cancel");
  answers.insert(answers.end(), {"Não", "40", "-1 0"});
  // a real root and 19 pairs, then a pair where one root is left: refused,
  // and a real root taken instead
  for (int k = 0; k < 20; ++k) answers.push_back("z1");
  answers.insert(answers.end(), {"-1 0", kKeep});
  Enter(p, constant);
  EXPECT_EQ(p.degree, 40);
  EXPECT_EQ(p.a[40], Extended(1));
  EXPECT_EQ(p.a[0], Extended(1));
  EXPECT_EQ(p.a[39], Extended(2));
  const std::vector<std::string> logged = Logged();
  EXPECT_EQ(std::count(logged.begin(), logged.end(), "* Grau maior que 40."), 1);
  EXPECT_EQ(std::count(logged.begin(), logged.end(), "* Foram dadas raízes demais."), 0);
}

}  // namespace
}  // namespace ladder_test
