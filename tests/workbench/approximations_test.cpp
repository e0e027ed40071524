// The approximations from Q(w) to K(s) = F(s)/P(s), judged by what K does:
// |K(jw)| = epsilon at the pass-band edge, and the attenuation at the
// stop-band edge that each kind promises.
#include "workbench/approximations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/number_parse.h"
#include "tests/base/extended_printer.h"
#include "tests/workbench/played_fixture.h"
#include "workbench/polynomial_records.h"

namespace workbench_test {
namespace {

using base::Extended;
using test_support::TestPolynomial;
using workbench::InversePolynomialApproximation;
using workbench::ModifiedSymmetricRationalApproximation;
using workbench::PassbandEdge;
using workbench::PolynomialApproximation;
using workbench::SymmetricRationalApproximation;
using workbench::TPolynomialRecord;
using Reals = std::vector<Extended>;

// The four approximations from Q(w), which take the same.
using Approximation = void (*)(workbench::Registers&, workbench::Parameters&, workbench::KeptValues&, frame::Console&);

constexpr const char* kEdgeNotFound = "* Newton não convergiu para wp; F(s) e P(s) mantidos *";

// Q(w) of the fourth-order elliptic design with Amax 1 dB and selectivity
// 2: roots +-sn((2i - 1) K(1/2) / 4, 1/2) / sqrt(2), i = 1, 2, and alfa (40
// digits, mpmath).
const long double kEllipticRoot1 = 0.2873183575346194004612119124741634306663L;
const long double kEllipticRoot2 = 0.6598640349968613403990827993721552546799L;
const long double kAlfa = 27.82046169403355748295956428212494563260L;

TPolynomialRecord EllipticQ() {
  return Record(TestPolynomial{1}.Real(kEllipticRoot1).Real(-kEllipticRoot1).Real(kEllipticRoot2).Real(-kEllipticRoot2),
                kAlfa);
}
TPolynomialRecord ChebyshevThree() { return Record({0, -3, 0, 4}); }

long double EpsilonOf(long double decibels) { return std::sqrt(std::pow(10.0L, decibels / 10) - 1); }

Reals Coefficients(const TPolynomialRecord& p) { return Reals(p.a.begin(), p.a.begin() + (p.degree + 1)); }

class ApproximationTest : public PlayedFixture {
 protected:
  // F and P with contents of their own, so that a change shows.
  void FillK() {
    r().F = Record({1, 2}, 3);
    r().P = Record({4}, 5);
    r().E = Record({6, 7}, 8);
  }
  void ExpectKKept() {
    EXPECT_TRUE(SameRecord(r().F, Record({1, 2}, 3)));
    EXPECT_TRUE(SameRecord(r().P, Record({4}, 5)));
  }
  // |K(jw)| of the current F and P.
  long double KAt(long double w) {
    const std::complex<long double> s(0, w);
    return std::abs(ValueAt(r().F, s) / ValueAt(r().P, s));
  }
};

TEST_F(ApproximationTest, EachApproximationNeedsQBeforeItAsksAnything) {
  const std::pair<Approximation, const char*> titles[] = {
      {PolynomialApproximation, "Aproximação polinomial:"},
      {InversePolynomialApproximation, "Aproximação polinomial inversa:"},
      {SymmetricRationalApproximation, "Aproximação racional simétrica (Q(w) gerado externamente):"},
      {ModifiedSymmetricRationalApproximation,
       "Aproximação Racional Simétrica modificada (Q(w) gerado externamente):"}};
  for (const auto& [approximation, title] : titles) {
    FillK();
    EXPECT_EQ(Apply(approximation, {}), (Lines{title, "* Faltando Q(w), pol. característico *"}));
    ExpectKKept();
  }
}

// A Q that is zero, or an attenuation that gives epsilon = 0 (K would be
// divided by it) or the root of a negative number, is refused before
// anything changes; the attenuations keep their values.
TEST_F(ApproximationTest, NullQAndAttenuationsOfZeroOrBelowAreRefused) {
  struct Case {
    const char* name;
    Approximation operation;
    TPolynomialRecord q;
    std::vector<Step> steps;
    const char* refusal;
  };
  const Case cases[] = {
      {"zero constant", PolynomialApproximation, Record({0, 1}, 0), {}, "* Q(w) nulo *"},
      {"zero coefficients", InversePolynomialApproximation, Record({0, 0, 0}), {}, "* Q(w) nulo *"},
      {"vanished", SymmetricRationalApproximation, Record({}), {}, "* Q(w) nulo *"},
      {"Amax 0", PolynomialApproximation, ChebyshevThree(), {{"0"}}, "* A atenuação deve ser positiva *"},
      {"Amax below 0",
       ModifiedSymmetricRationalApproximation,
       EllipticQ(),
       {{"-1"}},
       "* A atenuação deve ser positiva *"},
      {"Amin 0", InversePolynomialApproximation, ChebyshevThree(), {{"1"}, {"0"}}, "* A atenuação deve ser positiva *"},
  };
  for (const Case& c : cases) {
    FillK();
    r().Q = c.q;
    const Lines lines = Apply(c.operation, c.steps);
    EXPECT_EQ(lines.back(), c.refusal) << c.name;
    EXPECT_EQ(lines.size(), 2U) << c.name;
    ExpectKKept();
    EXPECT_TRUE(r().E.defined) << c.name;
    EXPECT_EQ(parameters().amin, 40) << c.name;
    EXPECT_NEAR(static_cast<double>(parameters().amax.raw()), 3.0103, 1E-4) << c.name;
  }
}

// |K(jw)| = epsilon |Q(w)|: F is Q in s made monic, P the constant that
// carries the rest; E no longer belongs to K.
TEST_F(ApproximationTest, PolynomialApproximationOfChebyshevThree) {
  FillK();
  r().Q = ChebyshevThree();
  EXPECT_EQ(
      Apply(PolynomialApproximation, {{"1"}}),
      (Lines{"Aproximação polinomial:", "epsilon=      0.508847139909587396", "Polinômio F(s) calculado; P(s)=cte."}));
  EXPECT_EQ(Coefficients(r().F), (Reals{0, 0.75L, 0, 1}));
  EXPECT_EQ(r().F.constant, 1);
  EXPECT_EQ(r().P.degree, 0);
  EXPECT_NEAR(static_cast<double>(r().P.constant.raw()), 0.491306682090067985, 1E-16);
  EXPECT_TRUE(r().F.defined && r().P.defined);
  EXPECT_FALSE(r().E.defined);
  for (long double w : {0.3L, 1.0L, 2.0L}) {
    const long double q = 4 * w * w * w - 3 * w;
    EXPECT_NEAR(static_cast<double>(KAt(w) / (EpsilonOf(1) * std::fabs(q))), 1, 1E-15) << static_cast<double>(w);
  }
}

// With the edge moved to 1 or not: |K| = epsilon at the pass-band edge, and
// at the stop-band edge logged as ws, Amin (inverse polynomial) or the
// attenuation that the symmetric kinds log, from the constant of Q.
TEST_F(ApproximationTest, PassbandEdgeAndStopbandEdgeOfTheThreeKindsThatSearchTheEdge) {
  const long double eps = EpsilonOf(1);
  struct Case {
    const char* name;
    Approximation operation;
    TPolynomialRecord q;
    std::vector<Step> attenuations;
    long double k_at_ws;
  };
  const Case cases[] = {
      {"inverse", InversePolynomialApproximation, ChebyshevThree(), {{"1"}, {"40"}}, EpsilonOf(40)},
      {"symmetric", SymmetricRationalApproximation, EllipticQ(), {{"1"}}, eps * kAlfa * kAlfa},
      {"modified", ModifiedSymmetricRationalApproximation, EllipticQ(), {{"1"}}, eps * (2 * kAlfa * kAlfa - 1)},
  };
  for (const Case& c : cases) {
    for (const char* answer : {"sim", "não"}) {
      const std::string name = std::string(c.name) + " " + answer;
      r().Q = c.q;
      std::vector<Step> steps = c.attenuations;
      steps.push_back({answer});
      const Lines lines = Apply(c.operation, steps);
      ASSERT_GE(lines.size(), 4U) << name;
      EXPECT_EQ(lines.back(), "F(s) e P(s) calculados.") << name;
      // the last iterate logged is the edge found
      const std::string last_wp = *std::prev(
          std::find_if(lines.begin(), lines.end(), [](const std::string& line) { return line.starts_with("ws="); }), 1);
      ASSERT_TRUE(last_wp.starts_with("wp=")) << name;
      const std::optional<base::Extended> logged_wp = base::ParseReal(last_wp.substr(3));
      ASSERT_TRUE(logged_wp) << last_wp;
      const long double wp = answer == std::string("sim") ? 1 : logged_wp->raw();
      const long double ws = kept().wp.raw();
      EXPECT_NEAR(static_cast<double>(KAt(wp) / eps), 1, 1E-14) << name;
      EXPECT_NEAR(static_cast<double>(KAt(ws) / c.k_at_ws), 1, 1E-14) << name;
      EXPECT_TRUE(r().F.defined && r().P.defined) << name;
    }
  }
  EXPECT_EQ(player.prompts, Lines{"At. máx. na b. passante (dB)=1"});
}

// Newton from w = 1 that meets no edge: the bound of its steps, or a zero
// derivative, ends the approximation with F and P as they were.
TEST_F(ApproximationTest, EdgeNotFoundLeavesFAndPAsTheyWere) {
  struct Case {
    const char* name;
    Approximation operation;
    TPolynomialRecord q;
    long double tolr;
    std::size_t iterates;  // "wp=" lines logged
  };
  const Case cases[] = {
      // no step is below a tolerance of 0
      {"bound", InversePolynomialApproximation, ChebyshevThree(), 0, 1000},
      // F and P constants: the derivative is 0 at once
      {"zero derivative", SymmetricRationalApproximation, Record({2}), 1E-12L, 0},
  };
  for (const Case& c : cases) {
    FillK();
    r().Q = c.q;
    parameters().tolr = c.tolr;
    const std::vector<Step> attenuations =
        c.operation == InversePolynomialApproximation ? std::vector<Step>{{""}, {""}} : std::vector<Step>{{""}};
    const Lines lines = Apply(c.operation, attenuations);
    EXPECT_EQ(lines.back(), kEdgeNotFound) << c.name;
    EXPECT_EQ(static_cast<std::size_t>(
                  std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with("wp="); })),
              c.iterates)
        << c.name;
    ExpectKKept();
  }
}

class PassbandEdgeTest : public ApproximationTest {
 protected:
  PassbandEdge Find(const std::vector<Step>& steps, Lines& lines) {
    PassbandEdge edge = PassbandEdge::kKept;
    lines = Run(steps, [&] { edge = workbench::FindPassbandEdge(r(), parameters(), kept(), console()); });
    return edge;
  }
};

// A step that throws the iterate out to 1E26, whose 200th power leaves the
// extended range, ends the search as not converged, not as a fault.
TEST_F(PassbandEdgeTest, IteratesOutOfRangeAreAnEdgeNotFound) {
  r().F = workbench::Monomial(200);
  // F'(1) = 200 + a(1) = 2^-55 exactly
  r().F.a[1] = -200.0L + std::ldexp(1.0L, -55);
  r().F.a[0] = 3E9L;
  r().P = Record({1}, 0);
  kept().epsilon = 1;
  Lines lines;
  EXPECT_EQ(Find({}, lines), PassbandEdge::kNotFound);
  ASSERT_EQ(lines.size(), 2U);
  EXPECT_TRUE(lines[0].starts_with("wp=")) << lines[0];
  EXPECT_EQ(lines[1], kEdgeNotFound);
  EXPECT_TRUE(user.messages.empty());
}

// K = w/(-2): the edge found is w = -2, which cannot be moved to 1 through
// the logarithm of its powers.
TEST_F(PassbandEdgeTest, NegativeEdgeIsKeptButNotMovedToOne) {
  r().F = Record({0, 1});
  r().P = Record({1}, -2);
  kept().epsilon = 1;
  const TPolynomialRecord f = r().F, p = r().P;
  Lines lines;
  EXPECT_EQ(Find({{"sim"}}, lines), PassbandEdge::kNotFound);
  EXPECT_EQ(lines.back(), "* wp não positivo não pode ir para 1; F(s) e P(s) mantidos *");
  EXPECT_TRUE(SameRecord(r().F, f) && SameRecord(r().P, p));
  EXPECT_EQ(Find({{"não"}}, lines), PassbandEdge::kKept);
  EXPECT_EQ(kept().wp, -2);
}

}  // namespace
}  // namespace workbench_test
