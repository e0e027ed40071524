// The root finder as the workbench runs it: its log lines, the dialog
// "Parâmetros para raízes" as the rescue, the root list and its flag.  The
// search itself is tested without a program, with the kernels.
#include "workbench/root_finder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "base/number_parse.h"

#include "frame/selection_form.h"
#include "tests/workbench/vessaw_fixture.h"
#include "workbench/root_rescue_form.h"

namespace workbench_test {
namespace {

using base::Extended;
using test_support::Root;
using test_support::TestPolynomial;
using workbench::RootRescueForm;

// Reals compared as doubles, so that a failure shows the numbers.
double D(Extended x) { return static_cast<double>(x.raw()); }

Extended Distance(Root a, Root b) {
  const Extended dr = a.re - b.re, di = a.im - b.im;
  return base::Sqrt(dr * dr + di * di);
}

class RootFinderTest : public VessawFixture {
 protected:
  void SetUp() override { ChooseMenu("Iniciar"); }

  workbench::Parameters& parameters() { return vessaw.parameters(); }
  workbench::Registers& registers() { return vessaw.registers(); }
  RootRescueForm& rescue() { return *windows().root_rescue; }
  workbench::RescueDialog dialog() {
    return [this](poly::RootRescue& state) { rescue().Ask(state); };
  }
  void RootsOperation() {
    app.Guard([this] { workbench::PolynomialRootsOperation(registers(), parameters(), vessaw.console(), dialog()); });
  }

  void SetX(const TestPolynomial& p, Extended constant = 1) {
    registers().X = Record(p);
    registers().X.constant = constant;
  }

  // FindRoots as a user action of its own; gives the lines it logged.
  std::vector<std::string> Find() {
    const std::size_t mark = Logged().size();
    app.Guard([&] { workbench::FindRoots(registers(), parameters(), vessaw.console(), dialog()); });
    return LoggedSince(mark);
  }

  Root RootAt(int k) const { return {vessaw.registers().roots.re[k], vessaw.registers().roots.im[k]}; }
  int RescuesShown() const {
    return static_cast<int>(std::count(user.modal_forms.begin(), user.modal_forms.end(), "Form11"));
  }

  int rescues = 0;
};

void ExpectRoot(Root found, Root want, double tolerance) {
  EXPECT_NEAR(D(found.re), D(want.re), tolerance);
  EXPECT_NEAR(D(found.im), D(want.im), tolerance);
}

// ---------------------------------------------------------------- the run

// X, whose constant plays no part, is left as it was.
TEST_F(RootFinderTest, SquarePlusOneGivesJByIterationAndMinusJFromTheLinearFactor) {
  SetX({1, 0, 1}, 5);
  const workbench::TPolynomialRecord before = registers().X;
  EXPECT_EQ(Find(), (std::vector<std::string>{"Calculando...", "2", "1"}));
  ExpectRoot(RootAt(2), {0, 1}, 1e-18);
  ExpectRoot(RootAt(1), {0, -1}, 1e-18);
  EXPECT_TRUE(registers().roots_defined);
  EXPECT_EQ(registers().X.degree, before.degree);
  EXPECT_TRUE(std::equal(before.a.begin(), before.a.end(), registers().X.a.begin()));
  EXPECT_EQ(registers().X.constant, Extended(5));
  EXPECT_EQ(RescuesShown(), 0);
}

TEST_F(RootFinderTest, RootsAtTheOriginAreRemovedBeforeAnyIteration) {
  SetX({0, 0, 0, 1});
  EXPECT_EQ(Find(), (std::vector<std::string>{"Calculando...", "3", "2", "1"}));
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(RootAt(k).re, Extended(0)) << k;
    EXPECT_EQ(RootAt(k).im, Extended(0)) << k;
  }
}

// With a derivative tolerance of 1E-9 the multiple-root test fires: the log
// shows "+" before the indices.
TEST_F(RootFinderTest, DoubleRootIsFoundThroughTheDerivative) {
  SetX({1, 2, 1});
  parameters().told = 1E-9L;
  EXPECT_EQ(Find(), (std::vector<std::string>{"Calculando...", "+", "2", "1"}));
  ExpectRoot(RootAt(2), {-1, 0}, 0);
  ExpectRoot(RootAt(1), {-1, 0}, 0);
}

TEST_F(RootFinderTest, DegreeOneGivesItsRootWithoutIteration) {
  SetX({3, 2});
  EXPECT_EQ(Find(), (std::vector<std::string>{"Calculando...", "1"}));
  EXPECT_EQ(RootAt(1).re, Extended(-1.5L));
  EXPECT_EQ(RootAt(1).im, Extended(0));
  EXPECT_TRUE(registers().roots_defined);
}

TEST_F(RootFinderTest, NothingToComputeBelowDegreeOneKeepsTheRootList) {
  for (int degree : {0, -1}) {
    SetX({7});
    registers().X.degree = degree;
    registers().roots.re[1] = 42;
    registers().roots_defined = false;
    EXPECT_EQ(Find(), std::vector<std::string>{"* Não há raízes a calcular"}) << degree;
    EXPECT_EQ(RootAt(1).re, Extended(42));
    EXPECT_FALSE(registers().roots_defined);
  }
}

TEST_F(RootFinderTest, UndefinedPolynomialIsRefused) {
  SetX({1, 0, 1});
  registers().X.defined = false;
  EXPECT_EQ(Find(), std::vector<std::string>{"* Polinômio ainda indefinido *"});
  EXPECT_FALSE(registers().roots_defined);
}

// --------------------------------------------------------------- rescue

// The dialog shows the run's own tolerances and the current point; what it
// gives back holds for the rest of that run only.
TEST_F(RootFinderTest, RescueReportsTheIterationAndItsToleranceEndsTheRun) {
  SetX(TestPolynomial{1}.Pair(-0.3L, 0.7L).Real(-1.7L));
  parameters().tolr = 1E-40L;  // below any step that rounding leaves
  std::vector<std::string> at_first_dialog;
  auto expect_fields = [this](long double tolr, long double tolm, long double told) {
    EXPECT_EQ(rescue().root_tolerance.panel_real(), Extended(tolr));
    EXPECT_EQ(rescue().magnitude_tolerance.panel_real(), Extended(tolm));
    EXPECT_EQ(rescue().derivative_tolerance.panel_real(), Extended(told));
  };
  user.on_modal = [&](forms::Form& form) {
    ASSERT_EQ(&form, &rescue());
    switch (++rescues) {
      case 1:  // the parameters' values; keep iterating with other tolm, told
        at_first_dialog = Logged();
        expect_fields(1E-40L, 1E-8L, 1E-10L);
        EXPECT_LT(D(Distance({rescue().real_part.panel_real(), rescue().imaginary_part.panel_real()}, {-0.3L, 0.7L})),
                  1e-15);
        rescue().magnitude_tolerance.set_panel_real(1E-3L);
        rescue().derivative_tolerance.set_panel_real(1E-4L);
        break;
      case 2:  // 50 steps later: what the user gave
        expect_fields(1E-40L, 1E-3L, 1E-4L);
        rescue().root_tolerance.set_panel_real(1E-12L);
        break;
      default:  // the next run: the parameters again
        expect_fields(1E-40L, 1E-8L, 1E-10L);
        rescue().root_tolerance.set_panel_real(1E-12L);
    }
    rescue().apply.UserClick();
  };
  const std::vector<std::string> log = Find();
  ASSERT_EQ(rescues, 2);
  ASSERT_GE(at_first_dialog.size(), 5u);
  const std::vector<std::string> report(at_first_dialog.end() - 4, at_first_dialog.end());
  EXPECT_EQ(report[0], "* Problemas de convergência.");
  EXPECT_EQ(report[1].rfind("Erro atual: ", 0), 0u) << report[1];
  EXPECT_EQ(report[2].rfind("Magnitude:  ", 0), 0u) << report[2];
  EXPECT_EQ(report[3].rfind("Derivada:   ", 0), 0u) << report[3];
  // the workbench's number format: width 26, 18 decimals
  EXPECT_EQ(report[2].size(), std::string("Magnitude:  ").size() + 26);
  EXPECT_EQ(log.front(), "Calculando...");
  EXPECT_EQ(log.back(), "1");
  EXPECT_TRUE(registers().roots_defined);
  ExpectRoot(RootAt(3), {-0.3L, 0.7L}, 1e-15);

  const workbench::Parameters& p = parameters();
  EXPECT_EQ(p.tolr, Extended(1E-40L));
  EXPECT_EQ(p.tolm, Extended(1E-8L));
  EXPECT_EQ(p.told, Extended(1E-10L));
  Find();
  EXPECT_EQ(rescues, 3);
}

TEST_F(RootFinderTest, RescueAtADerivativeLevelNamesTheMultiplicity) {
  SetX(TestPolynomial{1}.Real(-0.3L, 2).Real(1.7L));
  parameters().tolr = 1E-40L;
  parameters().told = 1E-6L;  // catches the double root early
  std::vector<std::string> at_dialog;
  user.on_modal = [&](forms::Form&) {
    if (at_dialog.empty()) at_dialog = Logged();
    rescue().root_tolerance.set_panel_real(1E-12L);
    rescue().apply.UserClick();
  };
  Find();
  ASSERT_GE(at_dialog.size(), 6u);
  EXPECT_EQ(at_dialog[at_dialog.size() - 6], "+");
  EXPECT_EQ(at_dialog[at_dialog.size() - 5], "* Problemas de convergência.");
  EXPECT_EQ(at_dialog[at_dialog.size() - 4], "* Raíz de multiplicidade 2");
  ExpectRoot(RootAt(3), {-0.3L, 0}, 1e-15);
  ExpectRoot(RootAt(2), {-0.3L, 0}, 1e-15);
  ExpectRoot(RootAt(1), {1.7L, 0}, 1e-15);
}

// The start of every search from the parameters, and the point that the
// dialog gives back.
TEST_F(RootFinderTest, IterationStuckOnTheRealAxisGoesOnFromTheDialogPoint) {
  SetX({1, 0, 1});
  parameters().same_initial = true;
  parameters().xr0 = 0.5L;
  parameters().xi0 = 0;
  parameters().tolr = 1E-40L;  // met only where p vanishes exactly
  user.on_modal = [this](forms::Form&) {
    if (++rescues == 1) {
      EXPECT_EQ(rescue().imaginary_part.panel_real(), Extended(0));
      rescue().real_part.set_panel_real(0);
      rescue().imaginary_part.set_panel_real(1);  // p(j) is exactly 0
    } else {
      rescue().root_tolerance.set_panel_real(1E30L);
    }
    rescue().apply.UserClick();
  };
  Find();
  EXPECT_EQ(rescues, 1);
  ExpectRoot(RootAt(2), {0, 1}, 0);
  ExpectRoot(RootAt(1), {0, -1}, 0);
}

TEST_F(RootFinderTest, FloatingPointFaultKeepsTheRootsFoundAndLeavesTheFlagUnset) {
  SetX(TestPolynomial{1}.Real(1).Pair(0, 2));
  parameters().same_initial = true;
  parameters().xr0 = 1;
  parameters().xi0 = 0;
  user.on_modal = [this](forms::Form&) {
    if (++rescues == 1)
      rescue().real_part.set_panel_real(Extended(1E3000L));  // its square overflows
    else
      rescue().root_tolerance.set_panel_real(1E30L);
    rescue().apply.UserClick();
  };
  Find();
  EXPECT_EQ(rescues, 1);
  EXPECT_EQ(user.messages, std::vector<std::string>{"Vessaw: Floating point overflow."});
  ExpectRoot(RootAt(3), {1, 0}, 0);
  EXPECT_FALSE(registers().roots_defined);
}

// ---------------------------------------------- operation "Raízes de polinômio"

TEST_F(RootFinderTest, RootsOperationCleansTheChosenPolynomialAndListsItsRoots) {
  SetX({1, 1E-20L, 1});
  user.on_modal = [this](forms::Form& form) {
    if (&form == console_windows().selection) console_windows().selection->list.UserClickItem(4);  // (X(s))
  };
  const std::size_t mark = Logged().size();
  RootsOperation();
  const std::vector<std::string> log = LoggedSince(mark);
  ASSERT_GE(log.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 5),
            (std::vector<std::string>{"Raízes de:", "-> (X(s)).", "Calculando...", "2", "1"}));
  EXPECT_EQ(log[5].rfind("- x(1):", 0), 0u) << log[5];
  EXPECT_EQ(registers().X.a[1], Extended(0));
  ExpectRoot(RootAt(2), {0, 1}, 1e-18);
}

// After a search that the user loosened in the dialog, the worst relative
// residual |p(r)| / sum |a(k)| |r|^k of the roots is logged when it is more
// than rounding.  (s^2 + 0.6s + 0.58)(s + 1.7) with a step tolerance that no
// step meets: with a usual one given back the roots are right and nothing
// is said; with multiple-root tolerances so wide that the derivative test
// takes the pair for a root of p' too, they are not.
TEST_F(RootFinderTest, LoosenedSearchLogsTheWorstResidualOfItsRoots) {
  struct Case {
    const char* what;
    long double tolm, told;  // given back in the dialog with tolr = 1E-12
    bool logged;
  };
  const Case cases[] = {
      {"step tolerance only", 1E-8L, 1E-10L, false},
      {"multiple roots taken wide", 10, 10, true},
  };
  for (const Case& c : cases) {
    SetX(TestPolynomial{1}.Pair(-0.3L, 0.7L).Real(-1.7L));
    parameters().tolr = 1E-40L;
    user.on_modal = [&](forms::Form& form) {
      if (&form == console_windows().selection) console_windows().selection->list.UserClickItem(4);  // (X(s))
      if (&form != &rescue()) return;
      rescue().root_tolerance.set_panel_real(1E-12L);
      rescue().magnitude_tolerance.set_panel_real(c.tolm);
      rescue().derivative_tolerance.set_panel_real(c.told);
      rescue().apply.UserClick();
    };
    const std::size_t mark = Logged().size();
    RootsOperation();
    const std::vector<std::string> log = LoggedSince(mark);
    const auto line = std::find_if(log.begin(), log.end(), [](const std::string& l) {
      return l.starts_with("* Resíduo relativo máximo das raízes:");
    });
    ASSERT_EQ(line != log.end(), c.logged) << c.what;
    if (c.logged) {
      // the suite's parser: the process may run under a locale with a decimal comma
      const std::optional<base::Extended> worst = base::ParseReal(line->substr(line->find(':') + 1));
      ASSERT_TRUE(worst.has_value()) << *line;
      EXPECT_GT(*worst, base::Extended(1E-12L)) << *line;
    }
  }
}

}  // namespace
}  // namespace workbench_test
