// The frequency transformations judged by what they keep: K = F/P and
// H = E/P of the transformed description at s equal the former ones at the
// transformed frequency.
#include "workbench/frequency_transformations.h"

#include <gtest/gtest.h>

#include <complex>
#include <functional>
#include <string>
#include <vector>

#include "tests/base/extended_printer.h"
#include "tests/workbench/played_fixture.h"

namespace workbench_test {
namespace {

using base::Extended;
using workbench::FrequencyTransformationsOperation;
using workbench::TPolynomialRecord;
using Complex = std::complex<long double>;

const Complex kPoint(0.4L, 0.9L);

struct Description {
  const char* name;
  TPolynomialRecord e, f, p;
};

// Low-pass descriptions as the approximations build them, and one whose P
// has the larger degree (from a typed K).
std::vector<Description> Descriptions() {
  return {
      {"Butterworth 3", Record({1, 2, 2, 1}), Record({0, 0, 0, 1}), Record({1})},
      {"equal degrees", Record({1.25L, 1.5L, 1}, 3), Record({0.25L, 0, 1}, 2), Record({4, 0, 1}, 0.5L)},
      {"P above F", Record({1, 2, 2, 1}), Record({1}, 2), Record({0, 0, 0, 1})},
  };
}

class FrequencyTransformationTest : public PlayedFixture {
 protected:
  void Set(const Description& d) {
    r().E = d.e;
    r().F = d.f;
    r().P = d.p;
  }
  Complex K(Complex s) { return ValueAt(r().F, s) / ValueAt(r().P, s); }
  Complex H(Complex s) { return ValueAt(r().E, s) / ValueAt(r().P, s); }
  // E, F and P exactly as set.
  bool Kept(const Description& d) { return SameRecord(r().E, d.e) && SameRecord(r().F, d.f) && SameRecord(r().P, d.p); }
};

TEST_F(FrequencyTransformationTest, KAndHKeepTheirValuesAtTheTransformedFrequency) {
  const long double k = 2.5L, b = 0.4L;
  struct Case {
    const char* kind;
    std::vector<Step> steps;
    // the former frequency of s
    std::function<Complex(Complex)> former;
  };
  const Case cases[] = {
      {"Escalamento", {{"Escalamento"}, {"2.5"}}, [&](Complex s) { return s / k; }},
      {"pb-pA", {{"pb-pA"}, {"2.5"}}, [&](Complex s) { return k / s; }},
      {"pb-pF", {{"pb-pF"}, {"0.4"}, {"2.5"}}, [&](Complex s) { return ((s / k) * (s / k) + 1.0L) / (b * s / k); }},
      {"pb-Rf", {{"pb-Rf"}, {"0.4"}, {"2.5"}}, [&](Complex s) { return (b * s / k) / ((s / k) * (s / k) + 1.0L); }},
  };
  for (const Description& d : Descriptions()) {
    for (const Case& c : cases) {
      const std::string name = std::string(d.name) + " " + c.kind;
      Set(d);
      const Complex former = c.former(kPoint);
      const Complex k_before = K(former), h_before = H(former);
      const Lines lines = Apply(FrequencyTransformationsOperation, c.steps);
      EXPECT_EQ(lines.back(), "Transformados F(s), P(s) e E(s).") << name;
      EXPECT_LT(std::abs(K(kPoint) / k_before - 1.0L), 1E-17L) << name;
      EXPECT_LT(std::abs(H(kPoint) / h_before - 1.0L), 1E-17L) << name;
      EXPECT_TRUE(r().E.defined && r().F.defined && r().P.defined) << name;
    }
  }
}

// E = s + 1 scaled by 2 is s + 2: its root times the factor.
TEST_F(FrequencyTransformationTest, ScalingMultipliesTheRootsByTheFactor) {
  TPolynomialRecord e = Record({1, 1});
  workbench::ScaleCoefficients(e, 2);
  EXPECT_TRUE(SameRecord(e, Record({2, 1})));
}

// The band-width prompt always shows 1; the scaling prompt the last factor
// taken, not one that was refused.
TEST_F(FrequencyTransformationTest, PromptsShowOneAndTheLastFactorTaken) {
  Set(Descriptions()[0]);
  Apply(FrequencyTransformationsOperation, {{"Escalamento"}, {"2"}});
  Apply(FrequencyTransformationsOperation, {{"Escalamento"}, {"-3"}});
  EXPECT_EQ(player.prompts, Lines{"Fator de escalamento em frequência=2"});
  Apply(FrequencyTransformationsOperation, {{"pb-pF"}, {"3"}, {""}});
  EXPECT_EQ(player.prompts, (Lines{"Largura da banda/freq. central? =1", "Fator de escalamento em frequência=2"}));
  Apply(FrequencyTransformationsOperation, {{"pb-Rf"}, {""}, {""}});
  EXPECT_EQ(player.prompts.front(), "Largura da banda/freq. central? =1");
}

// A factor or a band-width ratio of zero or below, and degrees that the
// band-pass would double beyond a record, are refused with nothing changed,
// not even the high-pass reversal that came first.
TEST_F(FrequencyTransformationTest, RefusalsLeaveTheDescriptionAsItWas) {
  Description wide{"degree 101", Record({1, 1}), Record({0, 1}), Record({1})};
  wide.e.degree = 101;
  wide.e.a[101] = 1;
  struct Case {
    const char* name;
    Description d;
    std::vector<Step> steps;
    const char* refusal;
  };
  const Case cases[] = {
      {"factor 0 after the high-pass",
       Descriptions()[0],
       {{"pb-pA"}, {"0"}},
       "* O fator de escalamento deve ser positivo *"},
      {"negative factor after the band-pass",
       Descriptions()[1],
       {{"pb-pF"}, {"0.5"}, {"-1"}},
       "* O fator de escalamento deve ser positivo *"},
      {"ratio 0 after the high-pass",
       Descriptions()[0],
       {{"pb-Rf"}, {"0"}},
       "* A largura de banda deve ser positiva *"},
      {"band-pass beyond 200", wide, {{"pb-pF"}}, "* Grau maior que 200 *"},
      {"band-stop beyond 200", wide, {{"pb-Rf"}}, "* Grau maior que 200 *"},
  };
  for (const Case& c : cases) {
    Set(c.d);
    const TPolynomialRecord x = r().X;
    EXPECT_EQ(Apply(FrequencyTransformationsOperation, c.steps).back(), c.refusal) << c.name;
    EXPECT_TRUE(Kept(c.d)) << c.name;
    EXPECT_TRUE(SameRecord(r().X, x)) << c.name;
  }
  // the high-pass keeps the degree: 101 is fine
  Set(wide);
  EXPECT_EQ(Apply(FrequencyTransformationsOperation, {{"pb-pA"}, {""}}).back(), "Transformados F(s), P(s) e E(s).");
  EXPECT_EQ(r().P.degree, 101);
}

TEST_F(FrequencyTransformationTest, IncompleteDescriptionOrCancelChangesNothing) {
  const Description d = Descriptions()[0];
  Set(d);
  r().E.defined = false;
  EXPECT_EQ(Apply(FrequencyTransformationsOperation, {}),
            Lines{"* Transformações exigem a aproximação passa-baixas completa *"});
  Set(d);
  EXPECT_EQ(Apply(FrequencyTransformationsOperation, {{"#"}}),
            (Lines{"Transfromação de frequência:", "Cancelado (#)."}));
  EXPECT_TRUE(Kept(d));
}

}  // namespace
}  // namespace workbench_test
