#include "poly/root_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "base/errors.h"
#include "tests/base/extended_printer.h"
#include "tests/poly/test_polynomial.h"

namespace poly {
namespace {

using base::Extended;
using test_support::Root;
using test_support::TestPolynomial;
using Events = std::vector<std::string>;

// Reals compared as doubles, so that a failure shows the numbers.
double D(Extended x) { return static_cast<double>(x.raw()); }

Extended Modulus(Root r) { return base::Sqrt(r.re * r.re + r.im * r.im); }
Extended Distance(Root a, Root b) { return Modulus({a.re - b.re, a.im - b.im}); }

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

void ExpectRoot(Root found, Root want, double tolerance) {
  EXPECT_NEAR(D(found.re), D(want.re), tolerance);
  EXPECT_NEAR(D(found.im), D(want.im), tolerance);
}

// The search with the workbench's default settings; the hooks note what the
// search reports, an index as its number and a derivative level as "+".
class RootSearchTest : public ::testing::Test {
 protected:
  RootSearchSettings settings{1E-12L, 1E-8L, 1E-10L, {-1.1L, 1.1L}, false};
  std::function<void(RootRescue&)> on_rescue;
  Events events;
  int rescues = 0;

  // The roots of p; every root entry starts at 42 to show what is stored.
  Events Search(const std::vector<Extended>& a) {
    const std::size_t n = a.empty() ? 0 : a.size() - 1;
    re_.assign(std::max<std::size_t>(n, 1), Extended(42));
    im_.assign(re_.size(), Extended(42));
    events.clear();
    RootSearchHooks hooks;
    hooks.stored = [this](int index) { events.push_back(std::to_string(index)); };
    hooks.derivative_level = [this] { events.push_back("+"); };
    hooks.rescue = [this](RootRescue& state) {
      ++rescues;
      if (on_rescue) on_rescue(state);
    };
    SearchRoots(a, settings, std::span(re_).first(n), std::span(im_).first(n), hooks);
    return events;
  }
  Events Search(const TestPolynomial& p) { return Search(p.coefficients()); }

  // The first `patience` rescues change nothing, so that the iteration goes
  // on for another 50 steps; any further one gives a tolerance that the next
  // step meets, so that no run goes on for ever.
  void AnswerRescues(int patience = 0) {
    on_rescue = [this, patience](RootRescue& state) {
      if (rescues > patience) state.tolr = 1E30L;
    };
  }

  Root RootAt(int k) const { return {re_[static_cast<std::size_t>(k - 1)], im_[static_cast<std::size_t>(k - 1)]}; }

 private:
  std::vector<Extended> re_, im_;
};

// ---------------------------------------------------------------- the run

TEST_F(RootSearchTest, SquarePlusOneGivesJByIterationAndMinusJFromTheLinearFactor) {
  EXPECT_EQ(Search(TestPolynomial{1, 0, 1}), (Events{"2", "1"}));
  ExpectRoot(RootAt(2), {0, 1}, 1e-18);
  ExpectRoot(RootAt(1), {0, -1}, 1e-18);
  EXPECT_EQ(rescues, 0);
}

TEST_F(RootSearchTest, RootsAtTheOriginAreRemovedBeforeAnyIteration) {
  EXPECT_EQ(Search(TestPolynomial{0, 0, 0, 1}), (Events{"3", "2", "1"}));
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
TEST_F(RootSearchTest, DoubleRootIsFoundThroughTheDerivative) {
  settings.told = 1E-9L;
  EXPECT_EQ(Search(TestPolynomial{1, 2, 1}), (Events{"+", "2", "1"}));
  ExpectRoot(RootAt(2), {-1, 0}, 0);
  ExpectRoot(RootAt(1), {-1, 0}, 0);
}

TEST_F(RootSearchTest, DoubleRootMissedByTheDerivativeTestIsStillClose) {
  const Events log = Search(TestPolynomial{1, 2, 1});
  EXPECT_EQ(log.back(), "1");
  ExpectRoot(RootAt(2), {-1, 0}, 2e-10);
  ExpectRoot(RootAt(1), {-1, 0}, 2e-10);
  EXPECT_EQ(rescues, 0);
}

TEST_F(RootSearchTest, DegreeOneGivesItsRootWithoutIteration) {
  EXPECT_EQ(Search(TestPolynomial{3, 2}), (Events{"1"}));
  EXPECT_EQ(RootAt(1).re, Extended(-1.5L));
  EXPECT_EQ(RootAt(1).im, Extended(0));
}

TEST_F(RootSearchTest, NothingHappensBelowDegreeOne) {
  for (const TestPolynomial& p : {TestPolynomial{7}, TestPolynomial{}}) {
    EXPECT_TRUE(Search(p).empty()) << p.degree();
    EXPECT_EQ(RootAt(1).re, Extended(42));
  }
}

// ------------------------------------------------------ starting points

// (s - 1)(s^2 + 4) from (1, 0): the real root 1 is met at once, and the
// search for the pair starts from where the rule puts it.  Newton's
// iteration on s^2 + 4 stays on the real axis from a real point and goes to
// the root of its own half plane otherwise.
class StartAfterRealRootTest : public RootSearchTest {
 protected:
  void SetUp() override { settings.start = {1, 0}; }
  const TestPolynomial p = TestPolynomial{1}.Real(1).Pair(0, 2);
};

TEST_F(StartAfterRealRootTest, NextSearchStartsAtImaginaryTenth) {
  EXPECT_EQ(Search(p), (Events{"3", "2", "1"}));
  ExpectRoot(RootAt(3), {1, 0}, 0);
  ExpectRoot(RootAt(2), {0, 2}, 1e-17);  // the upper half plane: +0.1
  ExpectRoot(RootAt(1), {0, -2}, 1e-17);
  EXPECT_EQ(rescues, 0);
}

TEST_F(StartAfterRealRootTest, SameStartRestartsOnTheRealAxis) {
  settings.same_start = true;
  on_rescue = [this](RootRescue& state) {
    if (rescues == 1) {
      EXPECT_EQ(state.point.im, Extended(0));  // never left the axis
      state.point.im = -0.5L;
    } else {
      state.tolr = 1E30L;
    }
  };
  Search(p);
  EXPECT_EQ(rescues, 1);
  ExpectRoot(RootAt(3), {1, 0}, 0);
  ExpectRoot(RootAt(2), {0, -2}, 1e-17);
  ExpectRoot(RootAt(1), {0, 2}, 1e-17);
}

// A tolerance that every step meets makes each root one Newton step from
// the point its search starts at, so the roots show the start points (the
// refinement would take them on to the roots).
// (s - 1)^2 (s^2 + 4) from (1, 0): p and p' vanish there, the double root is
// taken exactly, and the pair's search starts left of it at imaginary 0.1.
TEST_F(RootSearchTest, SearchAfterAMultipleRootStartsLeftOfIt) {
  settings.start = {1, 0};
  settings.tolr = 1E30L;
  settings.refine = false;
  EXPECT_EQ(Search(TestPolynomial{1}.Real(1, 2).Pair(0, 2)), (Events{"+", "4", "3", "2", "1"}));
  ExpectRoot(RootAt(4), {1, 0}, 0);
  ExpectRoot(RootAt(3), {1, 0}, 0);
  // x - (x^2 + 4)/(2x) = x/2 - 2/x from x = 0.99 + 0.1j
  const Root start{0.99L, 0.1L};
  const Extended norm = start.re * start.re + start.im * start.im;
  ExpectRoot(RootAt(2), {start.re / 2 - 2 * start.re / norm, start.im / 2 + 2 * start.im / norm}, 1e-15);
}

TEST_F(RootSearchTest, SecondRootOfAPairIsSearchedFromTheConjugate) {
  Search(TestPolynomial{1}.Pair(-0.5L, 3).Pair(-2, 0.5L).Real(-1));
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
  TestPolynomial polynomial;
  Extended xr0, xi0;
  bool same_start;
  bool multiple;  // exactly at a multiple root: "+" instead of a move
};

TEST_F(RootSearchTest, VanishingDerivativeNeitherStopsNorHangs) {
  const std::vector<ZeroDerivativeCase> cases = {
      {"s^2 + 1 from 0", TestPolynomial{1}.Pair(0, 1), 0, 0, true, false},
      {"s^3 - 1 from 0", TestPolynomial{1}.Real(1).Pair(-0.5L, base::Sqrt(Extended(3)) / 2), 0, 0, false, false},
      {"(s - 1)^2 from 1", TestPolynomial{1}.Real(1, 2), 1, 0, true, true},
      {"(s - 1)^3 from 1", TestPolynomial{1}.Real(1, 3), 1, 0, true, true},
  };
  AnswerRescues();
  for (const ZeroDerivativeCase& c : cases) {
    SCOPED_TRACE(c.name);
    settings.same_start = c.same_start;
    settings.start = {c.xr0, c.xi0};
    rescues = 0;
    Events log;
    EXPECT_NO_THROW(log = Search(c.polynomial));
    EXPECT_EQ(rescues, 0);
    const int n = c.polynomial.degree();
    EXPECT_EQ(std::count(log.begin(), log.end(), "+"), c.multiple ? n - 1 : 0);
    std::vector<Root> found;
    for (int k = 1; k <= n; ++k) found.push_back(RootAt(k));
    for (const Root& want : c.polynomial.roots()) {
      const auto nearest = std::min_element(found.begin(), found.end(),
                                            [&](Root a, Root b) { return Distance(a, want) < Distance(b, want); });
      EXPECT_LT(D(Distance(*nearest, want)), 1e-15);
      found.erase(nearest);
    }
  }
}

// --------------------------------------------------------------- rescue

// The rescue sees the run's own tolerances and the current point; what it
// gives back holds for the rest of that run only.
TEST_F(RootSearchTest, RescueHandsOverTheIterationAndItsToleranceEndsTheRun) {
  const TestPolynomial p = TestPolynomial{1}.Pair(-0.3L, 0.7L).Real(-1.7L);
  settings.tolr = 1E-40L;  // below any step that rounding leaves
  auto expect_tolerances = [](const RootRescue& state, long double tolr, long double tolm, long double told) {
    EXPECT_EQ(state.tolr, Extended(tolr));
    EXPECT_EQ(state.tolm, Extended(tolm));
    EXPECT_EQ(state.told, Extended(told));
  };
  on_rescue = [&](RootRescue& state) {
    switch (rescues) {
      case 1:  // the settings' values; keep iterating with other tolm, told
        EXPECT_TRUE(events.empty()) << "nothing was stored before";
        expect_tolerances(state, 1E-40L, 1E-8L, 1E-10L);
        EXPECT_EQ(state.multiplicity, 1);
        EXPECT_LT(D(state.error), 1e-15);
        EXPECT_LT(D(state.magnitude), 1e-15);
        EXPECT_GT(D(state.derivative), 0.1);
        EXPECT_LT(D(Distance({state.point.re, state.point.im}, {-0.3L, 0.7L})), 1e-15);
        state.tolm = 1E-3L;
        state.told = 1E-4L;
        break;
      case 2:  // 50 steps later: what the rescue gave
        expect_tolerances(state, 1E-40L, 1E-3L, 1E-4L);
        state.tolr = 1E-12L;
        break;
      default:  // the next run: the settings again
        expect_tolerances(state, 1E-40L, 1E-8L, 1E-10L);
        state.tolr = 1E-12L;
    }
  };
  const Events log = Search(p);
  ASSERT_EQ(rescues, 2);
  EXPECT_EQ(log.back(), "1");
  ExpectRoot(RootAt(3), {-0.3L, 0.7L}, 1e-15);
  EXPECT_EQ(settings.tolr, Extended(1E-40L));
  EXPECT_EQ(settings.tolm, Extended(1E-8L));
  EXPECT_EQ(settings.told, Extended(1E-10L));
  Search(p);
  EXPECT_EQ(rescues, 3);
}

TEST_F(RootSearchTest, RescueAtADerivativeLevelNamesTheMultiplicity) {
  settings.tolr = 1E-40L;
  settings.told = 1E-6L;  // catches the double root early
  Events at_first_rescue;
  int multiplicity = 0;
  on_rescue = [&](RootRescue& state) {
    if (rescues == 1) {
      at_first_rescue = events;
      multiplicity = state.multiplicity;
    }
    state.tolr = 1E-12L;
  };
  Search(TestPolynomial{1}.Real(-0.3L, 2).Real(1.7L));
  EXPECT_EQ(at_first_rescue, Events{"+"});
  EXPECT_EQ(multiplicity, 2);
  ExpectRoot(RootAt(3), {-0.3L, 0}, 1e-15);
  ExpectRoot(RootAt(2), {-0.3L, 0}, 1e-15);
  ExpectRoot(RootAt(1), {1.7L, 0}, 1e-15);
}

TEST_F(RootSearchTest, FloatingPointFaultKeepsTheRootsFound) {
  settings.same_start = true;
  settings.start = {1, 0};
  on_rescue = [this](RootRescue& state) {
    if (rescues == 1)
      state.point.re = Extended(1E3000L);  // its square overflows
    else
      state.tolr = 1E30L;
  };
  try {
    Search(TestPolynomial{1}.Real(1).Pair(0, 2));
    ADD_FAILURE() << "no fault";
  } catch (const base::FloatError& error) {
    EXPECT_EQ(error.fault(), base::FloatFault::Overflow);
  }
  EXPECT_EQ(rescues, 1);
  EXPECT_EQ(events, Events{"3"});
  ExpectRoot(RootAt(3), {1, 0}, 0);
}

// ---------------------------------------------------------- self rescue

// For a caller that polishes the roots afterwards the search answers the
// rescue itself; the same runs with the hook show where it would be asked.
TEST_F(RootSearchTest, SelfRescueTakesStalledPointsAndStartsWanderingOnesAgain) {
  struct Case {
    const char* what;
    std::vector<Extended> a;
    RootSearchSettings settings;
  };
  RootSearchSettings stalled = settings;
  stalled.tolr = 1E-40L;  // no step meets it: every root stalls in the rounding of p
  RootSearchSettings on_the_axis = settings;
  on_the_axis.same_start = true;  // from 0.5 Newton's steps on s^2 + 1 never leave the real axis
  on_the_axis.start = {0.5L, 0};
  // 1 - s^31: a step from inside the circle of the roots lands far out,
  // whence each step comes back by only 1/31
  std::vector<Extended> circle(32, Extended(0));
  circle.front() = 1;
  circle.back() = -1;
  const Case cases[] = {
      {"stalled", TestPolynomial{1}.Pair(-0.3L, 0.7L).Real(-1.7L).coefficients(), stalled},
      {"on the real axis", {1, 0, 1}, on_the_axis},
      {"far out", circle, settings},
  };
  for (const Case& c : cases) {
    settings = c.settings;
    rescues = 0;
    AnswerRescues();
    Search(c.a);
    EXPECT_GT(rescues, 0) << c.what << ": the hook is asked without the self rescue";
    rescues = 0;
    settings.self_rescue = true;
    Search(c.a);
    EXPECT_EQ(rescues, 0) << c.what;
    for (int k = 1; k < static_cast<int>(c.a.size()); ++k)
      EXPECT_LT(D(RelativeResidual(c.a, RootAt(k))), 1e-17) << c.what << ", root " << k;
  }
}

// ----------------------------------------------------------- refinement

// The roots as stored with and without the refinement, side by side.
class RefinementTest : public RootSearchTest {
 protected:
  std::vector<Root> Roots(const TestPolynomial& p, bool refine) {
    settings.refine = refine;
    Search(p);
    std::vector<Root> roots;
    for (int k = 1; k <= p.degree(); ++k) roots.push_back(RootAt(k));
    return roots;
  }
};

// With wide tolerances the derivative test takes the cluster -1, -1.001,
// -1.003 for a triple root at the root of p'', about -1.00133, where p is
// far from 0.  Newton's steps on p would pull it to one member; it stays as
// found, the same at its three indices.  The simple root -3, which comes
// from the deflated rest with an error near 1E-6, is refined.
TEST_F(RefinementTest, MultipleRootStaysAsFoundAndTheSimpleRootBesideItIsRefined) {
  settings.tolm = 1E-2L;
  settings.told = 1E-2L;
  const TestPolynomial p = TestPolynomial{1}.Real(-1).Real(-1.001L).Real(-1.003L).Real(-3);
  const std::vector<Root> found = Roots(p, false);
  const std::vector<Root> refined = Roots(p, true);
  EXPECT_EQ(events, (Events{"+", "+", "4", "3", "2", "1"}));
  for (int k : {2, 3, 4}) {
    EXPECT_EQ(refined[k - 1].re, found[k - 1].re) << k;
    EXPECT_EQ(refined[k - 1].im, found[k - 1].im) << k;
    EXPECT_EQ(refined[k - 1].re, refined[1].re) << k;
    EXPECT_NEAR(D(refined[k - 1].re), -1.00133, 1e-5) << k;
  }
  EXPECT_GT(D(Distance(found[0], {-3, 0})), 1e-7);
  EXPECT_LT(D(Distance(refined[0], {-3, 0})), 1e-17);
}

// (s - 1E2000)(s^2 - 1): the root 1E2000 comes from the last linear factor;
// p itself overflows there (s^3), so the refinement gives up and the root is
// stored as found instead of ending the run with a fault.
TEST_F(RefinementTest, RootWhereTheUndeflatedPolynomialOverflowsIsStoredAsFound) {
  const TestPolynomial p = TestPolynomial{1}.Real(1E2000L).Real(1).Real(-1);
  const std::vector<Root> found = Roots(p, false);
  std::vector<Root> refined;
  EXPECT_NO_THROW(refined = Roots(p, true));
  ASSERT_EQ(refined.size(), 3u);
  EXPECT_EQ(refined[0].re, found[0].re);
  EXPECT_NEAR(D(refined[0].re / Extended(1E2000L)), 1, 1e-18);
}

// ------------------------------------------------------------ round trip

struct Family {
  const char* name;
  // Adds the roots of one random polynomial.
  std::function<void(std::mt19937&, TestPolynomial&)> build;
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

TEST_F(RootSearchTest, RandomPolynomialsGiveBackTheirRoots) {
  const std::vector<Family> families = {
      {"real roots",
       [](std::mt19937& g, TestPolynomial& k) {
         const int n = std::uniform_int_distribution<int>(2, 12)(g);
         for (int i = 0; i < n; ++i) k.Real(Uniform(-3, 3)(g));
       },
       // random real roots may lie close together, which costs digits
       1e-12},
      {"complex pairs",
       [](std::mt19937& g, TestPolynomial& k) {
         const int n = std::uniform_int_distribution<int>(1, 8)(g);
         for (int i = 0; i < n; ++i) k.Pair(Uniform(-2, 0.5)(g), Uniform(0.1, 3)(g));
         if (n % 2 == 1) k.Real(Uniform(-2, 2)(g));
       },
       1e-12},
      {"repeated roots",
       [](std::mt19937& g, TestPolynomial& k) {
         k.Real(Uniform(-2, 2)(g), 2);
         k.Pair(Uniform(-1, 0)(g), Uniform(0.5, 2)(g), 2);
         k.Real(Uniform(-2, 2)(g), 3);
         k.Real(Uniform(-2, 2)(g));
       },
       1e-12, 1E-6L},
      {"clustered roots",
       [](std::mt19937& g, TestPolynomial& k) {
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
      TestPolynomial known{1};
      family.build(generator, known);
      settings.told = family.told;
      rescues = 0;
      const Events log = Search(known);
      ASSERT_LE(rescues, kPatience);
      // every index once, from the top down
      Events indices, expected_indices;
      std::copy_if(log.begin(), log.end(), std::back_inserter(indices), [](const std::string& line) {
        return !line.empty() && std::all_of(line.begin(), line.end(), ::isdigit);
      });
      for (int k = known.degree(); k >= 1; --k) expected_indices.push_back(std::to_string(k));
      EXPECT_EQ(indices, expected_indices);
      std::vector<Root> found;
      for (int k = 1; k <= known.degree(); ++k) found.push_back(RootAt(k));
      Extended worst_error = 0, worst_residual = 0;
      for (const Root& want : known.roots()) {
        const auto nearest = std::min_element(found.begin(), found.end(),
                                              [&](Root a, Root b) { return Distance(a, want) < Distance(b, want); });
        worst_error = std::max(worst_error, Distance(*nearest, want) / std::max(Extended(1), Modulus(want)));
        worst_residual = std::max(worst_residual, RelativeResidual(known.coefficients(), *nearest));
        found.erase(nearest);
      }
      EXPECT_LT(D(worst_error), family.root_tolerance);
      EXPECT_LT(D(worst_residual), 1e-15);
    }
  }
}

}  // namespace
}  // namespace poly
