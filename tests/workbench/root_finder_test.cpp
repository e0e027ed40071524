#include "workbench/root_finder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "tests/workbench/vessaw_fixture.h"
#include "workbench/operations_form.h"
#include "workbench/root_rescue_form.h"
#include "workbench/selection_form.h"

namespace workbench_test {
namespace {

using base::Extended;
using workbench::RootRescueForm;

struct Root {
  Extended re;
  Extended im;
};

// Reals compared as doubles, so that a failure shows the numbers.
double D(Extended x) { return static_cast<double>(x.raw()); }

Extended Modulus(Root r) { return base::Sqrt(r.re * r.re + r.im * r.im); }
Extended Distance(Root a, Root b) { return Modulus({a.re - b.re, a.im - b.im}); }

// A real polynomial with its roots, built factor by factor in real
// arithmetic: (s - r) for a real root, s^2 - 2 Re s + |r|^2 for a pair.
class KnownPolynomial {
 public:
  KnownPolynomial& Real(Extended r, int multiplicity = 1) {
    for (int i = 0; i < multiplicity; ++i) {
      Multiply({-r, 1});
      roots_.push_back({r, 0});
    }
    return *this;
  }
  KnownPolynomial& Pair(Extended re, Extended im, int multiplicity = 1) {
    for (int i = 0; i < multiplicity; ++i) {
      Multiply({re * re + im * im, -2 * re, 1});
      roots_.push_back({re, im});
      roots_.push_back({re, -im});
    }
    return *this;
  }
  const std::vector<Extended>& coefficients() const { return a_; }
  const std::vector<Root>& roots() const { return roots_; }

 private:
  void Multiply(const std::vector<Extended>& factor) {
    std::vector<Extended> product(a_.size() + factor.size() - 1, Extended(0));
    for (std::size_t i = 0; i < a_.size(); ++i)
      for (std::size_t j = 0; j < factor.size(); ++j) product[i + j] += a_[i] * factor[j];
    a_ = product;
  }

  std::vector<Extended> a_{1};
  std::vector<Root> roots_;
};

// |p(r)| relative to the coefficients, sum |a(i)| max(1, |r|)^i: the
// residual that an exact root of a polynomial whose coefficients differ by
// rounding leaves.  (Deflation leaves roots near 0 that are found last with
// an absolute, not a relative, error; hence no smaller scale than 1.)
Extended RelativeResidual(const std::vector<Extended>& a, Root r) {
  Extended pr = 0, pi = 0, scale = 0;
  const Extended size = std::max(Extended(1), Modulus(r));
  for (std::size_t k = a.size(); k-- > 0;) {
    const Extended re = pr * r.re - pi * r.im + a[k];
    pi = pr * r.im + pi * r.re;
    pr = re;
    scale = scale * size + base::Abs(a[k]);
  }
  return Modulus({pr, pi}) / scale;
}

class RootFinderTest : public VessawFixture {
 protected:
  void SetUp() override { ChooseMenu("Iniciar"); }

  workbench::Parameters& parameters() { return vessaw.parameters(); }
  workbench::Registers& registers() { return vessaw.registers(); }
  RootRescueForm& rescue() { return *windows().form11; }

  void SetX(const std::vector<Extended>& ascending, Extended constant = 1) {
    workbench::TPolynomialRecord& x = registers().X;
    x.degree = static_cast<int>(ascending.size()) - 1;
    std::copy(ascending.begin(), ascending.end(), x.a.begin());
    x.constant = constant;
    x.defined = true;
  }

  // FindRoots as a user action of its own; gives the lines it logged.
  std::vector<std::string> Find() {
    const std::size_t mark = Logged().size();
    app.Guard([&] { workbench::FindRoots(vessaw); });
    return LoggedSince(mark);
  }

  // The first `patience` rescue dialogs are left as they are, so that the
  // iteration goes on for another 50 steps; any further one ends with a
  // tolerance that the next step meets, so that no run goes on for ever.
  // Counts the dialogs.
  void AnswerRescues(int patience = 0) {
    backend.on_modal = [this, patience](forms::Form& form) {
      if (&form != &rescue()) return;
      ++rescues;
      if (rescues > patience) rescue().NEtolr1.set_panel_real(1E30L);
      rescue().Button1.UserClick();
    };
  }

  Root RootAt(int k) const { return {vessaw.registers().roots.re[k], vessaw.registers().roots.im[k]}; }
  int RescuesShown() const {
    return static_cast<int>(std::count(backend.modal_forms.begin(), backend.modal_forms.end(), "Form11"));
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

// Near a double root p(x) carries a rounding error of about 1E-19 while its
// true value is |x - r|^2: once that falls below the rounding the step loses
// its direction.  With told = 1E-9 the derivative test fires before that and
// the root comes exactly from the linear factor of p'; with the default 1E-10
// the iteration stops first, on two roots about the square root of the
// precision apart.
TEST_F(RootFinderTest, DoubleRootIsFoundThroughTheDerivative) {
  SetX({1, 2, 1});
  parameters().told = 1E-9L;
  EXPECT_EQ(Find(), (std::vector<std::string>{"Calculando...", "+", "2", "1"}));
  ExpectRoot(RootAt(2), {-1, 0}, 0);
  ExpectRoot(RootAt(1), {-1, 0}, 0);
}

TEST_F(RootFinderTest, DoubleRootMissedByTheDerivativeTestIsStillClose) {
  SetX({1, 2, 1});
  const std::vector<std::string> log = Find();
  EXPECT_EQ(log.front(), "Calculando...");
  EXPECT_EQ(log.back(), "1");
  ExpectRoot(RootAt(2), {-1, 0}, 2e-10);
  ExpectRoot(RootAt(1), {-1, 0}, 2e-10);
  EXPECT_EQ(RescuesShown(), 0);
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

// ------------------------------------------------------ starting points

// (s - 1)(s^2 + 4) from (1, 0): the real root 1 is met at once, and the
// search for the pair starts from where the rule puts it.  Newton's
// iteration on s^2 + 4 stays on the real axis from a real point and goes to
// the root of its own half plane otherwise.
class StartAfterRealRootTest : public RootFinderTest {
 protected:
  void SetUp() override {
    RootFinderTest::SetUp();
    SetX(KnownPolynomial().Real(1).Pair(0, 2).coefficients());
    parameters().xr0 = 1;
    parameters().xi0 = 0;
  }
};

TEST_F(StartAfterRealRootTest, NextSearchStartsAtImaginaryTenth) {
  EXPECT_EQ(Find(), (std::vector<std::string>{"Calculando...", "3", "2", "1"}));
  ExpectRoot(RootAt(3), {1, 0}, 0);
  ExpectRoot(RootAt(2), {0, 2}, 1e-17);  // the upper half plane: +0.1
  ExpectRoot(RootAt(1), {0, -2}, 1e-17);
  EXPECT_EQ(RescuesShown(), 0);
}

TEST_F(StartAfterRealRootTest, SameInitialApproximationRestartsOnTheRealAxis) {
  parameters().same_initial = true;
  backend.on_modal = [this](forms::Form& form) {
    ASSERT_EQ(&form, &rescue());
    if (++rescues == 1) {
      EXPECT_EQ(rescue().NExi.panel_real(), Extended(0));  // never left the axis
      rescue().NExi.set_panel_real(-0.5L);
    } else {
      rescue().NEtolr1.set_panel_real(1E30L);
    }
    rescue().Button1.UserClick();
  };
  Find();
  EXPECT_EQ(rescues, 1);
  ExpectRoot(RootAt(3), {1, 0}, 0);
  ExpectRoot(RootAt(2), {0, -2}, 1e-17);
  ExpectRoot(RootAt(1), {0, 2}, 1e-17);
  EXPECT_TRUE(registers().roots_defined);
}

// A tolerance that every step meets makes each root one Newton step from
// the point its search starts at, so the root list shows the start points.
// (s - 1)^2 (s^2 + 4) from (1, 0): p and p' vanish there, the double root is
// taken exactly, and the pair's search starts left of it at imaginary 0.1.
TEST_F(RootFinderTest, SearchAfterAMultipleRootStartsLeftOfIt) {
  SetX(KnownPolynomial().Real(1, 2).Pair(0, 2).coefficients());
  parameters().xr0 = 1;
  parameters().xi0 = 0;
  parameters().tolr = 1E30L;
  EXPECT_EQ(Find(), (std::vector<std::string>{"Calculando...", "+", "4", "3", "2", "1"}));
  ExpectRoot(RootAt(4), {1, 0}, 0);
  ExpectRoot(RootAt(3), {1, 0}, 0);
  // x - (x^2 + 4)/(2x) = x/2 - 2/x from x = 0.99 + 0.1j
  const Root start{0.99L, 0.1L};
  const Extended norm = start.re * start.re + start.im * start.im;
  ExpectRoot(RootAt(2), {start.re / 2 - 2 * start.re / norm, start.im / 2 + 2 * start.im / norm}, 1e-15);
}

TEST_F(RootFinderTest, SecondRootOfAPairIsSearchedFromTheConjugate) {
  const KnownPolynomial known = KnownPolynomial().Pair(-0.5L, 3).Pair(-2, 0.5L).Real(-1);
  SetX(known.coefficients());
  Find();
  const Root first = RootAt(5);
  const Root second = RootAt(4);
  EXPECT_GT(D(base::Abs(first.im)), 0.01);
  ExpectRoot(second, {first.re, -first.im}, 1e-15);
}

// ---------------------------------------------------- vanishing derivative

// The first search starts exactly where p' vanishes.  (With the same start
// for every root, the second search of s^3 - 1 from 0 would cycle between 0
// and minus the first root, so that case lets the second start follow the
// rule.)
struct ZeroDerivativeCase {
  const char* name;
  KnownPolynomial polynomial;
  Extended xr0, xi0;
  bool same_initial;
  bool multiple;  // exactly at a multiple root: "+" instead of a move
};

TEST_F(RootFinderTest, VanishingDerivativeNeitherStopsNorHangs) {
  const std::vector<ZeroDerivativeCase> cases = {
      {"s^2 + 1 from 0", KnownPolynomial().Pair(0, 1), 0, 0, true, false},
      {"s^3 - 1 from 0",
       KnownPolynomial().Real(1).Pair(-0.5L, base::Sqrt(Extended(3)) / 2), 0, 0, false, false},
      {"(s - 1)^2 from 1", KnownPolynomial().Real(1, 2), 1, 0, true, true},
      {"(s - 1)^3 from 1", KnownPolynomial().Real(1, 3), 1, 0, true, true},
  };
  AnswerRescues();
  for (const ZeroDerivativeCase& c : cases) {
    SCOPED_TRACE(c.name);
    SetX(c.polynomial.coefficients());
    parameters().same_initial = c.same_initial;
    parameters().xr0 = c.xr0;
    parameters().xi0 = c.xi0;
    registers().roots_defined = false;
    rescues = 0;
    const std::vector<std::string> log = Find();
    EXPECT_TRUE(backend.messages.empty()) << backend.messages.front();
    EXPECT_EQ(rescues, 0);
    EXPECT_TRUE(registers().roots_defined);
    const int n = registers().X.degree;
    EXPECT_EQ(std::count(log.begin(), log.end(), "+"), c.multiple ? n - 1 : 0);
    std::vector<Root> found;
    for (int k = 1; k <= n; ++k) found.push_back(RootAt(k));
    for (const Root& want : c.polynomial.roots()) {
      const auto nearest = std::min_element(found.begin(), found.end(), [&](Root a, Root b) {
        return Distance(a, want) < Distance(b, want);
      });
      EXPECT_LT(D(Distance(*nearest, want)), 1e-15);
      found.erase(nearest);
    }
  }
}

// --------------------------------------------------------------- rescue

// The dialog shows the run's own tolerances and the current point; what it
// gives back holds for the rest of that run only.
TEST_F(RootFinderTest, RescueReportsTheIterationAndItsToleranceEndsTheRun) {
  SetX(KnownPolynomial().Pair(-0.3L, 0.7L).Real(-1.7L).coefficients());
  parameters().tolr = 1E-40L;  // below any step that rounding leaves
  std::vector<std::string> at_first_dialog;
  auto expect_fields = [this](long double tolr, long double tolm, long double told) {
    EXPECT_EQ(rescue().NEtolr1.panel_real(), Extended(tolr));
    EXPECT_EQ(rescue().NEtolm1.panel_real(), Extended(tolm));
    EXPECT_EQ(rescue().NEtold1.panel_real(), Extended(told));
  };
  backend.on_modal = [&](forms::Form& form) {
    ASSERT_EQ(&form, &rescue());
    switch (++rescues) {
      case 1:  // the parameters' values; keep iterating with other tolm, told
        at_first_dialog = Logged();
        expect_fields(1E-40L, 1E-8L, 1E-10L);
        EXPECT_LT(D(Distance({rescue().NExr.panel_real(), rescue().NExi.panel_real()}, {-0.3L, 0.7L})), 1e-15);
        rescue().NEtolm1.set_panel_real(1E-3L);
        rescue().NEtold1.set_panel_real(1E-4L);
        break;
      case 2:  // 50 steps later: what the user gave
        expect_fields(1E-40L, 1E-3L, 1E-4L);
        rescue().NEtolr1.set_panel_real(1E-12L);
        break;
      default:  // the next run: the parameters again
        expect_fields(1E-40L, 1E-8L, 1E-10L);
        rescue().NEtolr1.set_panel_real(1E-12L);
    }
    rescue().Button1.UserClick();
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
  SetX(KnownPolynomial().Real(-0.3L, 2).Real(1.7L).coefficients());
  parameters().tolr = 1E-40L;
  parameters().told = 1E-6L;  // catches the double root early
  std::vector<std::string> at_dialog;
  backend.on_modal = [&](forms::Form&) {
    if (at_dialog.empty()) at_dialog = Logged();
    rescue().NEtolr1.set_panel_real(1E-12L);
    rescue().Button1.UserClick();
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

TEST_F(RootFinderTest, IterationStuckOnTheRealAxisGoesOnFromTheDialogPoint) {
  SetX({1, 0, 1});
  parameters().same_initial = true;
  parameters().xr0 = 0.5L;
  parameters().xi0 = 0;
  parameters().tolr = 1E-40L;  // met only where p vanishes exactly
  backend.on_modal = [this](forms::Form&) {
    if (++rescues == 1) {
      EXPECT_EQ(rescue().NExi.panel_real(), Extended(0));
      rescue().NExr.set_panel_real(0);
      rescue().NExi.set_panel_real(1);  // p(j) is exactly 0
    } else {
      rescue().NEtolr1.set_panel_real(1E30L);
    }
    rescue().Button1.UserClick();
  };
  Find();
  EXPECT_EQ(rescues, 1);
  ExpectRoot(RootAt(2), {0, 1}, 0);
  ExpectRoot(RootAt(1), {0, -1}, 0);
}

TEST_F(RootFinderTest, FloatingPointFaultKeepsTheRootsFoundAndLeavesTheFlagUnset) {
  SetX(KnownPolynomial().Real(1).Pair(0, 2).coefficients());
  parameters().same_initial = true;
  parameters().xr0 = 1;
  parameters().xi0 = 0;
  backend.on_modal = [this](forms::Form&) {
    if (++rescues == 1)
      rescue().NExr.set_panel_real(Extended(1E3000L));  // its square overflows
    else
      rescue().NEtolr1.set_panel_real(1E30L);
    rescue().Button1.UserClick();
  };
  Find();
  EXPECT_EQ(rescues, 1);
  EXPECT_EQ(backend.messages, std::vector<std::string>{"Vessaw: Floating point overflow."});
  ExpectRoot(RootAt(3), {1, 0}, 0);
  EXPECT_FALSE(registers().roots_defined);
}

// ------------------------------------------------------------ round trip

struct Family {
  const char* name;
  // Adds the roots of one random polynomial.
  std::function<void(std::mt19937&, KnownPolynomial&)> build;
  // Largest distance of a found root from its own, relative to the larger
  // of 1 and the root's modulus.
  double root_tolerance;
  // The derivative tolerance: at its default the test fires only by chance
  // (see DoubleRootIsFoundThroughTheDerivative), so repeated roots need a
  // larger one to be caught before the 50 steps run out.
  long double told = 1E-10L;
};

std::uniform_real_distribution<double> Uniform(double low, double high) {
  return std::uniform_real_distribution<double>(low, high);
}

TEST_F(RootFinderTest, RandomPolynomialsGiveBackTheirRoots) {
  const std::vector<Family> families = {
      {"real roots",
       [](std::mt19937& g, KnownPolynomial& k) {
         const int n = std::uniform_int_distribution<int>(2, 12)(g);
         for (int i = 0; i < n; ++i) k.Real(Uniform(-3, 3)(g));
       },
       // random real roots may lie close together, which costs digits
       1e-12},
      {"complex pairs",
       [](std::mt19937& g, KnownPolynomial& k) {
         const int n = std::uniform_int_distribution<int>(1, 8)(g);
         for (int i = 0; i < n; ++i) k.Pair(Uniform(-2, 0.5)(g), Uniform(0.1, 3)(g));
         if (n % 2 == 1) k.Real(Uniform(-2, 2)(g));
       },
       1e-12},
      {"repeated roots",
       [](std::mt19937& g, KnownPolynomial& k) {
         k.Real(Uniform(-2, 2)(g), 2);
         k.Pair(Uniform(-1, 0)(g), Uniform(0.5, 2)(g), 2);
         k.Real(Uniform(-2, 2)(g), 3);
         k.Real(Uniform(-2, 2)(g));
       },
       1e-12, 1E-6L},
      {"clustered roots",
       [](std::mt19937& g, KnownPolynomial& k) {
         const double centre = Uniform(-1, 1)(g);
         for (int i = 0; i < 3; ++i) k.Real(centre + 1e-3 * i);
         const double re = Uniform(-1, 0)(g), im = Uniform(0.5, 1.5)(g);
         k.Pair(re, im).Pair(re + 1e-3, im);
       },
       // roots 1E-3 apart are that much worse conditioned
       1e-10},
  };
  // A cluster looks like one multiple root from afar, where Newton's
  // iteration gains only a constant factor per step: it may need the user's
  // "go on" once.
  constexpr int kPatience = 2;
  AnswerRescues(kPatience);
  for (const Family& family : families) {
    std::mt19937 generator(20190426);
    for (int trial = 0; trial < 25; ++trial) {
      SCOPED_TRACE(std::string(family.name) + ", trial " + std::to_string(trial));
      KnownPolynomial known;
      family.build(generator, known);
      SetX(known.coefficients());
      parameters().told = family.told;
      rescues = 0;
      const std::vector<std::string> log = Find();
      ASSERT_LE(rescues, kPatience);
      // every index once, from the top down
      std::vector<std::string> indices, expected_indices;
      std::copy_if(log.begin(), log.end(), std::back_inserter(indices), [](const std::string& line) {
        return !line.empty() && std::all_of(line.begin(), line.end(), ::isdigit);
      });
      for (int k = registers().X.degree; k >= 1; --k) expected_indices.push_back(std::to_string(k));
      EXPECT_EQ(indices, expected_indices);
      ASSERT_TRUE(registers().roots_defined);
      std::vector<Root> found;
      for (int k = 1; k <= registers().X.degree; ++k) found.push_back(RootAt(k));
      Extended worst_error = 0, worst_residual = 0;
      for (const Root& want : known.roots()) {
        const auto nearest = std::min_element(found.begin(), found.end(), [&](Root a, Root b) {
          return Distance(a, want) < Distance(b, want);
        });
        worst_error = std::max(worst_error, Distance(*nearest, want) / std::max(Extended(1), Modulus(want)));
        worst_residual = std::max(worst_residual, RelativeResidual(known.coefficients(), *nearest));
        found.erase(nearest);
      }
      EXPECT_LT(D(worst_error), family.root_tolerance);
      EXPECT_LT(D(worst_residual), 1e-15);
    }
  }
}

// ------------------------------------------------------------ operation 15

TEST_F(RootFinderTest, RootsOperationCleansTheChosenPolynomialAndListsItsRoots) {
  SetX({1, 1E-20L, 1});
  backend.on_modal = [this](forms::Form& form) {
    if (&form == windows().form9) windows().form9->ListBox1.UserClickItem(4);  // (X(s))
  };
  const std::size_t mark = Logged().size();
  RunOperation(15);
  const std::vector<std::string> log = LoggedSince(mark);
  ASSERT_GE(log.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 5),
            (std::vector<std::string>{"Raízes de:", "-> (X(s)).", "Calculando...", "2", "1"}));
  EXPECT_EQ(log[5].rfind("- x(1):", 0), 0u) << log[5];
  EXPECT_EQ(registers().X.a[1], Extended(0));
  ExpectRoot(RootAt(2), {0, 1}, 1e-18);
}

}  // namespace
}  // namespace workbench_test
