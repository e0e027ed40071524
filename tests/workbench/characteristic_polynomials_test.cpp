// The generation of Q(w) and the Bessel polynomials, through the operations
// as a user runs them.
#include "workbench/characteristic_polynomials.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/base/extended_printer.h"
#include "tests/workbench/played_fixture.h"
#include "workbench/approximations.h"

namespace workbench_test {
namespace {

using base::Extended;
using workbench::BesselApproximation;
using workbench::GenerateCharacteristicPolynomial;
using workbench::TPolynomialRecord;
using Reals = std::vector<Extended>;

// The generation of Q(w) and the Bessel approximation take the same.
using Generation = void (*)(workbench::Registers&, workbench::Parameters&, frame::Console&);

Reals Coefficients(const TPolynomialRecord& p) { return Reals(p.a.begin(), p.a.begin() + (p.degree + 1)); }

class CharacteristicPolynomialTest : public PlayedFixture {
 protected:
  // Q, F, P and E with contents of their own, all defined.
  void FillSlots() {
    r().Q = Record({1, 2}, 3);
    r().F = Record({4}, 5);
    r().P = Record({6, 7, 8}, 9);
    r().E = Record({10, 11}, 12);
    r().roots_defined = true;
  }
  // Nothing of the description changed since FillSlots.
  void ExpectSlotsKept() {
    EXPECT_TRUE(SameRecord(r().Q, Record({1, 2}, 3)));
    EXPECT_TRUE(SameRecord(r().F, Record({4}, 5)));
    EXPECT_TRUE(SameRecord(r().P, Record({6, 7, 8}, 9)));
    EXPECT_TRUE(SameRecord(r().E, Record({10, 11}, 12)));
    EXPECT_TRUE(r().roots_defined);
  }
  Lines Generate(const std::string& kind, const std::string& order) {
    return Apply(GenerateCharacteristicPolynomial, {{kind}, {order}});
  }
};

TEST_F(CharacteristicPolynomialTest, ChebyshevByTheRecurrenceWithThePreviousOneInY) {
  struct Case {
    int order;
    Reals q;
  };
  const Case cases[] = {
      {1, {0, 1}},
      {2, {-1, 0, 2}},
      {3, {0, -3, 0, 4}},
      {10, {-1, 0, 50, 0, -400, 0, 1120, 0, -1280, 0, 512}},
  };
  for (const Case& c : cases) {
    FillSlots();
    EXPECT_EQ(Generate("Chebyshev", std::to_string(c.order)),
              (Lines{"Polinômio característico da aproximação:", "-> Chebyshev.",
                     "Q(w)=Chebyshev " + std::to_string(c.order)}));
    EXPECT_EQ(Coefficients(r().Q), c.q) << c.order;
    EXPECT_EQ(r().Q.constant, 1);
    EXPECT_TRUE(r().Q.defined);
    EXPECT_EQ(parameters().order, c.order);
    if (c.order >= 2) {
      EXPECT_EQ(r().Y.degree, c.order - 1) << c.order;
      EXPECT_EQ(r().Y.a[static_cast<std::size_t>(c.order - 1)], std::ldexp(1.0L, c.order - 2)) << c.order;
    }
    // a new Q makes the rest of the description undefined
    EXPECT_FALSE(r().F.defined || r().P.defined || r().E.defined || r().roots_defined) << c.order;
  }
}

TEST_F(CharacteristicPolynomialTest, ModifiedChebyshevHasADoubleZeroAtTheOriginAndTnOfOneAtOne) {
  for (int order : {2, 4, 6, 12}) {
    Generate("Chebyshev Modificado", std::to_string(order));
    const TPolynomialRecord& q = r().Q;
    ASSERT_EQ(q.degree, order);
    const long double lead = q.a[static_cast<std::size_t>(order)].raw();
    // only rounding is left of the constant term
    EXPECT_LT(std::fabs(q.a[0].raw()), 1E-17L * lead) << order;
    for (int k = 1; k <= order; k += 2) EXPECT_EQ(q.a[static_cast<std::size_t>(k)], 0) << order << " " << k;
    EXPECT_NEAR(static_cast<double>(std::abs(ValueAt(q, 1)) - 1), 0, 1E-15 * static_cast<double>(lead)) << order;
  }
  // order 2 is w^2 itself
  Generate("Chebyshev Modificado", "2");
  EXPECT_NEAR(static_cast<double>(r().Q.a[2].raw()), 1, 1E-18);
}

TEST_F(CharacteristicPolynomialTest, ModifiedChebyshevOfOddOrderIsRefusedWithNothingChanged) {
  FillSlots();
  EXPECT_EQ(Generate("Chebyshev Modificado", "3"),
            (Lines{"Polinômio característico da aproximação:", "-> Chebyshev Modificado.",
                   "Q(w)=Chebyshev modificado 3", "* O grau deve ser par *"}));
  ExpectSlotsKept();
}

TEST_F(CharacteristicPolynomialTest, ButterworthIsAPowerOfW) {
  Generate("Butterworth", "200");
  EXPECT_EQ(r().Q.degree, 200);
  EXPECT_EQ(r().Q.a[200], 1);
  EXPECT_EQ(r().Q.a[0], 0);
  EXPECT_EQ(r().Q.a[199], 0);
}

// Orders that no record holds, or that give no polynomial, are refused for
// every kind, and the order keeps its last value.
TEST_F(CharacteristicPolynomialTest, OrdersOutsideOneToTwoHundredAreRefusedWithNothingChanged) {
  for (const char* kind : {"Chebyshev", "Chebyshev Modificado", "Butterworth"}) {
    for (const char* order : {"0", "-2", "201"}) {
      FillSlots();
      parameters().order = 4;
      const Lines lines = Generate(kind, order);
      ASSERT_EQ(lines.size(), 3U) << kind << " " << order;
      EXPECT_EQ(lines[2], "* A ordem deve estar entre 1 e 200 *") << kind << " " << order;
      EXPECT_EQ(parameters().order, 4);
      ExpectSlotsKept();
    }
  }
  FillSlots();
  const Lines lines = Apply(BesselApproximation, {{"0"}});
  EXPECT_EQ(lines, Lines{"* A ordem deve estar entre 1 e 200 *"});
  ExpectSlotsKept();
}

TEST_F(CharacteristicPolynomialTest, CancelChangesNothingAndAsksNoOrder) {
  FillSlots();
  EXPECT_EQ(Apply(GenerateCharacteristicPolynomial, {{"#"}}),
            (Lines{"Polinômio característico da aproximação:", "Cancelado (#)."}));
  EXPECT_TRUE(player.prompts.empty());
  ExpectSlotsKept();
}

// H(s) = B_n(s)/B_n(0): P is the constant B_n(0), F becomes undefined and Q
// keeps its state.
TEST_F(CharacteristicPolynomialTest, BesselGivesEAndTheConstantP) {
  struct Case {
    int order;
    Reals e;
  };
  const Case cases[] = {
      {1, {1, 1}},
      {2, {3, 3, 1}},
      {3, {15, 15, 6, 1}},
      {5, {945, 945, 420, 105, 15, 1}},
  };
  for (const Case& c : cases) {
    FillSlots();
    EXPECT_EQ(Apply(BesselApproximation, {{std::to_string(c.order)}}), Lines{"E(s) e P(s) calculados."});
    EXPECT_EQ(Coefficients(r().E), c.e) << c.order;
    EXPECT_EQ(r().E.constant, 1);
    EXPECT_TRUE(r().E.defined);
    EXPECT_EQ(Coefficients(r().P), Reals{1});
    EXPECT_EQ(r().P.constant, c.e[0]) << c.order;
    EXPECT_TRUE(r().P.defined);
    EXPECT_FALSE(r().F.defined);
    EXPECT_TRUE(SameRecord(r().Q, Record({1, 2}, 3)));
  }
  EXPECT_EQ(player.prompts, Lines{"Aprox. de Bessel; ordem=3"});
}

// Cleaning with the default spread of 1E15 would take the leading
// coefficient of B_15 (B_15(0) = 29!! is near 6E15) and of T_200 (whose
// middle coefficients are some 1E16 times its leading one): refused, with
// nothing of the description changed.
TEST_F(CharacteristicPolynomialTest, OrdersWiderThanTheCoefficientSpreadAreRefused) {
  struct Case {
    Generation operation;
    std::vector<Step> steps;
    const char* refusal;
  };
  const Case cases[] = {
      {BesselApproximation, {{"15"}}, "* Dispersão máxima insuficiente para a ordem 15 *"},
      {GenerateCharacteristicPolynomial,
       {{"Chebyshev"}, {"200"}},
       "* Dispersão máxima insuficiente para a ordem 200 *"},
      {GenerateCharacteristicPolynomial,
       {{"Chebyshev Modificado"}, {"200"}},
       "* Dispersão máxima insuficiente para a ordem 200 *"},
  };
  for (const Case& c : cases) {
    FillSlots();
    const Lines lines = Apply(c.operation, c.steps);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), c.refusal);
    ExpectSlotsKept();
  }
  Apply(BesselApproximation, {{"14"}});
  EXPECT_EQ(r().E.degree, 14);
}

// With a wide enough spread the largest order fits the record: B_200(0) =
// 399!! is near 1E433, far inside the extended range.
TEST_F(CharacteristicPolynomialTest, LargestOrdersFitWithAWideSpread) {
  parameters().toln = 1E500L;
  Generate("Chebyshev", "200");
  EXPECT_EQ(r().Q.degree, 200);
  EXPECT_EQ(r().Q.a[200], std::ldexp(1.0L, 199));
  EXPECT_EQ(r().Q.a[0], 1);
  for (int k = 1; k <= 200; k += 2) EXPECT_EQ(r().Q.a[static_cast<std::size_t>(k)], 0) << k;

  Apply(BesselApproximation, {{"200"}});
  EXPECT_EQ(r().E.degree, 200);
  EXPECT_EQ(r().E.a[200], 1);
  EXPECT_NEAR(static_cast<double>(std::log10(r().E.a[0].raw())), 433.70, 0.01);
  // B_n(0) = B_n'(0)
  EXPECT_NEAR(static_cast<double>(r().E.a[1].raw() / r().E.a[0].raw()), 1, 1E-15);
}

}  // namespace
}  // namespace workbench_test
