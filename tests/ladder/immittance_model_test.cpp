// The immittance model: cleaning, normalisation, evaluation, inversion and
// its listing.
#include "ladder/immittance_model.h"

#include <gtest/gtest.h>

#include "ladder/inversion.h"
#include "ladder/listings.h"
#include "tests/ladder/tramow_fixture.h"

namespace ladder_test {
namespace {

using base::Extended;
using ladder::ImmittanceModel;
using ladder::TPolynomial;

TPolynomial Polynomial(const Coefficients& a) {
  TPolynomial p;
  p.degree = static_cast<std::int32_t>(a.size()) - 1;
  std::copy(a.begin(), a.end(), p.a.begin());
  return p;
}

Coefficients CoefficientsOf(const TPolynomial& p) {
  Coefficients a;
  for (const Extended c : p.coefficients()) a.push_back(c.raw());
  return a;
}

TEST(CleanPolynomialTest, ZeroesWhatLiesBelowTheToleranceOfTheLargest) {
  struct Case {
    Coefficients given;
    Coefficients cleaned;
  };
  const Case cases[] = {
      {{1, 1E-9L, 0.5L}, {1, 0, 0.5L}},
      {{1E-9L, 1E-12L, 1}, {0, 0, 1}},
      // exactly at the threshold: kept
      {{0.5E-8L, 0.5L}, {0.5E-8L, 0.5L}},
      {{1, 2, 1E-9L}, {1, 2}},
  };
  for (const Case& c : cases) {
    ImmittanceModel model;
    model.tolerance = 1E-8L;
    TPolynomial p = Polynomial(c.given);
    ladder::CleanPolynomial(model, p);
    EXPECT_EQ(CoefficientsOf(p), c.cleaned) << "from " << c.given.size() << " coefficients, first " << c.given[0];
    EXPECT_FALSE(model.complete);
  }
}

TEST(CleanPolynomialTest, NothingLeftCompletesAndNormalisationKeepsK) {
  ImmittanceModel model;
  model.tolerance = 1E-8L;
  model.current.N = Polynomial({0, 0});
  model.current.D = Polynomial({3, 2});
  model.current.K = 7;
  ladder::NormalizeImmittance(model);
  EXPECT_EQ(model.current.N.degree, -1);
  EXPECT_TRUE(model.complete);
  EXPECT_EQ(model.current.K, Extended(7));
  EXPECT_EQ(CoefficientsOf(model.current.D), (Coefficients{3, 2}));
}

TEST(NormalizeImmittanceTest, FoldsTheLeadingCoefficientsIntoK) {
  ImmittanceModel model;
  model.tolerance = 1E-8L;
  model.current.N = Polynomial({4, 2});
  model.current.D = Polynomial({2, 0, 4});
  model.current.K = 1;
  ladder::NormalizeImmittance(model);
  EXPECT_EQ(model.current.K, Extended(0.5L));
  EXPECT_EQ(CoefficientsOf(model.current.N), (Coefficients{2, 1}));
  EXPECT_EQ(CoefficientsOf(model.current.D), (Coefficients{0.5L, 0, 1}));
}

TEST(EvaluateImmittanceTest, AZeroOfTheDenominatorGivesZero) {
  ImmittanceModel model;
  model.current.N = Polynomial({1});
  model.current.D = Polynomial({0, 1});
  model.point = {0, 0};
  ladder::EvaluateImmittance(model);
  EXPECT_EQ(model.value.re, Extended(0));
  EXPECT_EQ(model.value.im, Extended(0));
  model.point = {0, 1};
  ladder::EvaluateImmittance(model);
  EXPECT_EQ(model.value.re, Extended(0));
  EXPECT_EQ(model.value.im, Extended(-1));
}

TEST(EvaluateImmittanceTest, VanishedDenominatorGivesZeroToo) {
  ImmittanceModel model;
  model.current.N = Polynomial({1, 1});
  model.current.D.degree = -1;
  model.point = {0.5L, 2};
  ladder::EvaluateImmittance(model);
  EXPECT_EQ(model.value.re, Extended(0));
  EXPECT_EQ(model.value.im, Extended(0));
}

class InversionTest : public TramowFixture {};

TEST_F(InversionTest, SwapsNumeratorAndDenominatorAndInvertsK) {
  ladder::Immittance f;
  f.N = Polynomial({1, 1});
  f.D = Polynomial({1});
  f.K = 4;
  ladder::InvertImmittance(f, tramow.console());
  EXPECT_TRUE(f.admittance);
  EXPECT_EQ(f.K, Extended(0.25L));
  EXPECT_EQ(CoefficientsOf(f.N), (Coefficients{1}));
  EXPECT_EQ(CoefficientsOf(f.D), (Coefficients{1, 1}));
  EXPECT_EQ(Logged(), std::vector<std::string>{"Admitância: "});
}

TEST_F(InversionTest, ZeroConstantIsRefusedSilently) {
  ladder::Immittance f;
  f.N = Polynomial({1, 1});
  f.D = Polynomial({1});
  f.K = 0;
  ladder::InvertImmittance(f, tramow.console());
  EXPECT_FALSE(f.admittance);
  EXPECT_EQ(f.N.degree, 1);
  EXPECT_TRUE(Logged().empty());
}

TEST_F(InversionTest, ListingOfAVanishedNumeratorShowsNoCoefficients) {
  tramow.model().width = 20;
  tramow.model().decimals = 15;
  ladder::Immittance f;
  f.N.degree = -1;
  f.D = Polynomial({2, 1});
  f.K = 3;
  f.admittance = true;
  ladder::ListImmittance(f, tramow.console());
  EXPECT_EQ(Logged(),
            (std::vector<std::string>{"Admitância: ", "Numerador:", "Denominador:", "a(0):   2.000000000000000",
                                      "a(1):   1.000000000000000", "Cte:     3.000000000000000"}));
}

}  // namespace
}  // namespace ladder_test
