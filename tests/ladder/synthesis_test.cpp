// Whole syntheses checked through the network they build: the evaluator
// computes the port immittance of the element list, which must equal the
// immittance entered, at points on and off the imaginary axis.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>

#include "tests/ladder/ladder_polynomials.h"
#include "tests/ladder/network_evaluator.h"
#include "tests/ladder/tramow_fixture.h"

namespace ladder_test {
namespace {

class SynthesisTest : public TramowFixture {
 protected:
  // The entered immittance K·N/D, from the copy kept at entry.
  Complex Entered(Complex s) {
    const ladder::Immittance& kept = model().kept;
    const auto horner = [s](const ladder::TPolynomial& p) {
      Complex sum = 0;
      for (std::int32_t i = p.degree; i >= 0; --i) sum = sum * s + p.a[static_cast<std::size_t>(i)].raw();
      return sum;
    };
    return kept.K.raw() * horner(kept.N) / horner(kept.D);
  }

  // What terminates the ladder: the remainder that vanished, an impedance
  // of 0 or an admittance of 0 (or their inverses).
  FarEnd End() {
    const ladder::Immittance& f = model().current;
    const bool zero_remainder = f.N.degree == -1;
    return zero_remainder == f.admittance ? FarEnd::kOpen : FarEnd::kShort;
  }

  // The largest relative difference between the network and the entered
  // immittance, and where.
  struct Deviation {
    long double relative = 0;
    Complex at;
  };
  Deviation WorstDeviation() {
    const std::vector<Complex> points = {{0, 0.3L}, {0, 0.7L}, {0, 1.3L}, {0, 2.9L}, {0.2L, 0.9L}, {0.5L, 1.7L}};
    Deviation worst;
    const std::vector<LadderElement> ladder = Ladder();
    for (const Complex s : points) {
      const PortImmittance port = EvaluateLadder(ladder, End(), s);
      const Complex network = model().kept.admittance ? port.Admittance() : port.Impedance();
      const Complex entered = Entered(s);
      const long double relative = std::abs(network - entered) / std::abs(entered);
      if (relative > worst.relative) worst = {relative, s};
    }
    return worst;
  }

  void ExpectSameImmittance(long double tolerance) {
    ASSERT_TRUE(model().complete) << "the synthesis did not complete";
    const Deviation worst = WorstDeviation();
    EXPECT_LE(worst.relative, tolerance) << "at s = " << worst.at;
  }

  // Poles and constants at infinity until nothing is left, inverting where
  // neither is there.
  void ExpandAtInfinity() {
    for (int step = 0; step < 200 && !model().complete; ++step) {
      const ladder::Immittance& f = model().current;
      if (f.N.degree == f.D.degree + 1)
        RunOperation(kExtractPoleAtInfinity);
      else if (f.N.degree == f.D.degree)
        RunOperation(kExtractConstantAtInfinity);
      else
        RunOperation(kInvertImmittance);
    }
  }

  // The estimate of the element values' error logged after the completion;
  // nothing when it was logged as undetermined.
  std::optional<long double> LoggedEstimate() {
    const std::string line = EstimateLine(Logged());
    EXPECT_FALSE(line.empty()) << "no completion";
    if (line.empty()) return std::nullopt;
    EXPECT_EQ(line.rfind(kEstimateHeading, 0), 0u) << line;
    const std::optional<base::Extended> estimate = EstimateOf(line);
    if (!estimate) return std::nullopt;
    return estimate->raw();
  }

  void StartWithLadder(const std::vector<RationalArm>& arms, FarEnd end, bool admittance = false) {
    const ImpedancePolynomials z = InputImpedance(arms, end);
    if (admittance)
      StartWith(true, z.denominator, z.numerator);
    else
      StartWith(false, z.numerator, z.denominator);
  }
};

TEST_F(SynthesisTest, PoleAtInfinityRealisesTheButterworthZ11) {
  // z11 of the third-order Butterworth ladder, open at the far end
  StartWith(false, {1, 0, 2}, {0, 2, 0, 2});
  for (int element = 1; element <= 3; ++element) {
    RunOperation(kInvertImmittance);
    RunOperation(kExtractPoleAtInfinity);
  }
  EXPECT_EQ(NamesAndValues(), (std::vector<std::string>{"C1=1", "L2=2", "C3=1"}));
  ExpectSameImmittance(1E-17L);

  // the value list file describes the same network
  files.push_back(folder.PathOf("z11.val"));
  RunOperation(kSaveNetwork);
  std::istringstream file(test_support::ScratchFolder::ReadBytes(folder.PathOf("z11.val")));
  std::vector<LadderElement> saved;
  for (std::string line; std::getline(file, line);) {
    const std::optional<LadderElement> element = ParseValueListLine(line);
    ASSERT_TRUE(element.has_value()) << line;
    saved.push_back(*element);
  }
  ASSERT_EQ(saved.size(), 3u);
  for (const Complex s : {Complex(0, 0.5L), Complex(0.3L, 1.1L)}) {
    const Complex expected = Entered(s);
    EXPECT_LE(std::abs(EvaluateLadder(saved, FarEnd::kOpen, s).Impedance() - expected), 1E-15L * std::abs(expected));
  }
}

TEST_F(SynthesisTest, PoleAtTheOriginIsRealisedAfterTheInversion) {
  // (s² + 2)/s: a series inductor, then the series capacitor's pole at the
  // origin taken at infinity of the inverse as a shunt capacitor
  StartWith(false, {2, 0, 1}, {0, 1});
  for (const Operation operation : {kExtractPoleAtInfinity, kInvertImmittance, kExtractPoleAtInfinity})
    RunOperation(operation);
  EXPECT_EQ(NamesAndValues(), (std::vector<std::string>{"L1=1", "C2=0.5"}));
  ExpectSameImmittance(1E-17L);
}

TEST_F(SynthesisTest, ConstantAtInfinityRealisesTheTermination) {
  // the doubly terminated third-order Butterworth ladder seen from its input
  StartWithLadder({ShuntC(1), SeriesL(2), ShuntC(1), ShuntR(1)}, FarEnd::kOpen);
  ExpandAtInfinity();
  EXPECT_EQ(NamesAndValues(), (std::vector<std::string>{"C1=1", "L2=2", "C3=1", "R3=1"}));
  ExpectSameImmittance(1E-17L);
}

TEST_F(SynthesisTest, GivenConstantTakesPartOfTheResistance) {
  // (s + 3)/(s + 1) = 1 + 2/(s + 1): a series resistance of 1 asked for
  StartWith(false, {3, 1}, {1, 1});
  answers.push_back("1");
  RunOperation(kExtractGivenConstant);
  ExpandAtInfinity();
  EXPECT_EQ(NamesAndValues(), (std::vector<std::string>{"R1=1", "C2=0.5", "R2=2"}));
  ExpectSameImmittance(1E-17L);
}

TEST_F(SynthesisTest, PartialPoleAndPolePairRealiseAFiniteTransmissionZero) {
  // a shunt capacitor, a tank resonant at 2 rad/s in the series arm, a shunt
  // capacitor and the termination
  StartWithLadder({ShuntC(1), SeriesParallelTank(1, 0.25L), ShuntC(1), ShuntR(1)}, FarEnd::kOpen,
                  /*admittance=*/true);
  answers.push_back("0 2");
  RunOperation(kExtractPartialPole);
  ExpandAtInfinity();
  EXPECT_EQ(NamesAndValues(), (std::vector<std::string>{"C1=1", "L2=1", "C2=0.25", "C3=1", "R3=1"}));
  ExpectSameImmittance(1E-16L);
}

TEST_F(SynthesisTest, PartialConstantAndPolePairRealiseAZeroThroughAResistance) {
  // a series resistance, then a shunt series tank resonant at 1 rad/s and
  // a shunt termination: the constant taken is the resistance that leaves
  // the remainder zero at the resonance
  StartWithLadder({SeriesR(0.5L), ShuntSeriesTank(2, 0.5L), ShuntR(1)}, FarEnd::kOpen);
  answers.push_back("0 1");
  RunOperation(kExtractPartialConstant);
  ExpandAtInfinity();
  EXPECT_EQ(NamesAndValues(), (std::vector<std::string>{"R1=0.5", "L2=2", "C2=0.5", "R2=1"}));
  ExpectSameImmittance(1E-16L);
}

TEST_F(SynthesisTest, LossyTankKeepsBothLossResistances) {
  // a parallel tank of L = 1 with 0.1 ohm in series and C = 0.5 with 10 ohm
  // across it, in series with 1 ohm
  const long double l = 1, rl = 0.1L, c = 0.5L, rc = 10;
  const RationalArm tank{true, {rl * rc, l * rc}, {rc + rl, l + c * rc * rl, l * c * rc}};
  StartWithLadder({tank, ShuntR(1)}, FarEnd::kOpen);
  // its poles: s² + 0.3 s + 2.02 = 0
  const long double omega = std::sqrt(2.02L - 0.0225L);
  std::ostringstream point;
  point.precision(21);
  point << -0.15L << ' ' << omega;
  answers.push_back(point.str());
  RunOperation(kExtractPolePair);
  ExpandAtInfinity();
  EXPECT_EQ(NamesAndValues(10), (std::vector<std::string>{"L1=1", "RL1=0.1", "C1=0.5", "RC1=10", "R1=1"}));
  ExpectSameImmittance(1E-15L);
}

TEST_F(SynthesisTest, ButterworthZ11OfOrderTwentyOne) {
  // The maximally flat ladder is the hard case of an expansion at infinity:
  // from the middle on its element values drift far from the ladder it came
  // from, while the network still realises the immittance it was given.
  constexpr int kOrder = 21;
  std::vector<RationalArm> arms;
  for (int k = 1; k <= kOrder; ++k) {
    const long double g = 2 * std::sin((2 * k - 1) * std::numbers::pi_v<long double> / (2 * kOrder));
    arms.push_back(k % 2 == 1 ? ShuntC(g) : SeriesL(g));
  }
  StartWithLadder(arms, FarEnd::kOpen);
  ExpandAtInfinity();
  EXPECT_EQ(network().count, kOrder);
  ExpectSameImmittance(1E-14L);
  // the values are not to be trusted, and the synthesis says so
  const std::optional<long double> estimate = LoggedEstimate();
  ASSERT_TRUE(estimate.has_value());
  EXPECT_GT(*estimate, 1E-3L);
  EXPECT_EQ(Logged().back(), kUntrusted);
}

TEST_F(SynthesisTest, LadderOfOrderTwentyOneWithTenFiniteZeroPairs) {
  // shunt capacitors of 1 F between series tanks of 1 H resonant at 1.5, 2,
  // .. 6 rad/s, each zero realised by a partial pole and its pole pair
  std::vector<RationalArm> arms{ShuntC(1)};
  std::vector<LadderElement> expected{{"C1", "//", 1}};
  std::vector<long double> zeros;
  for (int k = 0; k < 10; ++k) {
    const long double w = 1.5L + 0.5L * k;
    const std::string section = std::to_string(2 * k + 2);
    zeros.push_back(w);
    arms.push_back(SeriesParallelTank(1, 1 / (w * w)));
    arms.push_back(ShuntC(1));
    expected.push_back({"L" + section, "tanque // em série", 1});
    expected.push_back({"C" + section, "tanque // em série", 1 / (w * w)});
    expected.push_back({"C" + std::to_string(2 * k + 3), "//", 1});
  }
  StartWithLadder(arms, FarEnd::kOpen, /*admittance=*/true);
  for (const long double w : zeros) {
    std::ostringstream point;
    point.precision(21);
    point << "0 " << w;
    answers.push_back(point.str());
    RunOperation(kExtractPartialPole);
  }
  ExpandAtInfinity();
  const std::vector<LadderElement> ladder = Ladder();
  ASSERT_EQ(ladder.size(), expected.size());
  long double worst = 0;
  std::size_t worst_at = 0;
  for (std::size_t k = 0; k < ladder.size(); ++k) {
    EXPECT_EQ(ladder[k].name, expected[k].name);
    EXPECT_EQ(ladder[k].connection, expected[k].connection) << ladder[k].name;
    const long double relative = std::abs(ladder[k].value / expected[k].value - 1);
    if (relative > worst) worst = relative, worst_at = k;
  }
  EXPECT_LE(worst, 1E-9L) << "worst at " << ladder[worst_at].name;
  ExpectSameImmittance(1E-13L);
  // the estimate is of the size of the values' real error, and neither that
  // nor the rounding residue its steps cleaned away calls for a warning
  const std::optional<long double> estimate = LoggedEstimate();
  ASSERT_TRUE(estimate.has_value());
  EXPECT_GE(*estimate, worst);
  EXPECT_LE(*estimate, 1E-6L);
  EXPECT_NE(Logged().back(), kUntrusted);
}

TEST_F(SynthesisTest, CleaningThatDropsWhatTheDesignHoldsIsFlagged) {
  struct Case {
    const char* what;
    Coefficients n, d;
    std::string tolerance;  // set after the entry, when not empty
  };
  const Case cases[] = {
      // the entry zeroes a(0) of s² + 1e-9: the series capacitor of 1e9 F is
      // lost, and the inductor alone completes the synthesis
      {"at entry", {1E-9L, 0, 1}, {0, 1}, ""},
      // s² + (1 + 1e-4)s + 1 over s + 1 leaves 1e-4·s + 1 after the series
      // inductor, and the coarse tolerance takes the series resistance of
      // 1e-4 away
      {"after a step", {1, 1 + 1E-4L, 1}, {1, 1}, "1e-3"},
  };
  for (const Case& c : cases) {
    StartWith(false, c.n, c.d);
    if (!c.tolerance.empty()) {
      answers.insert(answers.end(), {c.tolerance, kKeep, kKeep});
      RunOperation(kChangeParameters);
    }
    const std::size_t mark = Logged().size();
    ExpandAtInfinity();
    const std::vector<std::string> logged = LoggedSince(mark);
    ASSERT_GE(logged.size(), 3u) << c.what;
    EXPECT_EQ(std::vector<std::string>(logged.end() - 3, logged.end()),
              (std::vector<std::string>{
                  "Síntese completa.",
                  std::string(kEstimateHeading) + " indeterminado (a síntese refeita dá outra rede).", kUntrusted}))
        << c.what;
  }
}

}  // namespace
}  // namespace ladder_test
