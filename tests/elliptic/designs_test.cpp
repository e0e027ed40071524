// The rounding of the computed order, the limits of the elliptic tables,
// what the designs do with the frequency scale, the elliptic design's roots
// and constants as one filter, the classical poles' conjugate pairs, and the
// designs whose gain constant underflows or whose attenuation's square would
// overflow.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "base/errors.h"
#include "elliptic/classical_designs.h"
#include "elliptic/elliptic_design.h"
#include "tests/elliptic/design_sinks.h"

namespace {

using base::Extended;
using elliptic_test::ClassicalRecord;
using elliptic_test::FixedEllipticOrder;

struct RoundingCase {
  long double n;
  bool round_nearest;
  std::int32_t order;
};

TEST(OrderRule, RoundsUpUnlessJustAboveAnInteger) {
  const RoundingCase cases[] = {
      {3.3178156L, false, 4},
      {3.3178156L, true, 3},
      {7.0L, false, 7},
      {7.0000005L, false, 7},
      {7.000002L, false, 8},
      {7.5L, true, 8},
      {6.5L, true, 6},
      {7.5L, false, 8},
      {0.2L, false, 1},
      {0.2L, true, 0},
      {-0.2L, false, 0},
      {-3.7L, false, -3},
      {2147483647.0L, false, 2147483647},
  };
  for (const RoundingCase& c : cases)
    EXPECT_EQ(elliptic::RoundOrder(c.n, c.round_nearest), c.order)
        << "n=" << static_cast<double>(c.n) << (c.round_nearest ? " nearest" : " up");
}

TEST(OrderRule, AnOrderThatCannotBeRoundedEndsTheAction) {
  for (const long double n :
       {std::numeric_limits<long double>::quiet_NaN(), std::numeric_limits<long double>::infinity(), 1e30L}) {
    try {
      elliptic::RoundOrder(n, false);
      ADD_FAILURE() << static_cast<double>(n);
    } catch (const base::FloatError& error) {
      EXPECT_EQ(error.fault(), base::FloatFault::Invalid) << static_cast<double>(n);
    }
  }
  for (const long double n : {2147483648.0L, -2147483649.0L, 5.28e10L})
    EXPECT_THROW(elliptic::RoundOrder(n, true), base::RangeCheckError) << static_cast<double>(n);
}

TEST(EllipticTables, AnOrderBeyondTheTablesStopsAtTheFirstMissingSlot) {
  struct Case {
    std::int32_t order;
    int zeros, pairs;
  };
  // 1001 has room for its 500 zeros and pairs but not for the real pole;
  // 1002 already lacks the 501st attenuation zero.
  for (const Case c : {Case{1001, 500, 500}, Case{1002, 500, 0}}) {
    FixedEllipticOrder sink(c.order);
    elliptic::EllipticDesign design;
    const elliptic::EpsilonAlfa ea = elliptic::ComputeEpsilonAlfa(1, 40);
    try {
      elliptic::DesignElliptic({1, 40, 1, 2}, ea, sink, design);
      ADD_FAILURE() << "order " << c.order << " ran to its end";
    } catch (const base::RangeCheckError& error) {
      EXPECT_EQ(error.value(), elliptic::kEllipticSlots + 1) << "order " << c.order;
    }
    EXPECT_EQ(sink.zeros, c.zeros) << "order " << c.order;
    EXPECT_EQ(sink.pairs, c.pairs) << "order " << c.order;
    EXPECT_EQ(sink.real_poles, 0) << "order " << c.order;
  }
}

// Relative difference of a to b, within a few ulps when they agree.
long double Off(Extended a, Extended b) { return std::fabs((a - b).raw()) / std::fabs(b.raw()); }
constexpr long double kFewUlps = 1e-18L;

TEST(FrequencyScale, DoublingWpAndWsDoublesThePolesAndZerosOfEachClassicalDesign) {
  using Design = void (*)(const elliptic::Requirement&, const elliptic::EpsilonAlfa&, elliptic::ClassicalSink&);
  const elliptic::EpsilonAlfa ea = elliptic::ComputeEpsilonAlfa(1, 40);
  for (const Design design :
       {&elliptic::DesignButterworth, &elliptic::DesignChebyshev, &elliptic::DesignInverseChebyshev}) {
    for (const std::int32_t order : {4, 5}) {
      ClassicalRecord once(order), twice(order);
      design({1, 40, 1, 2}, ea, once);
      design({1, 40, 2, 4}, ea, twice);
      EXPECT_EQ(once.computed_n, twice.computed_n);
      EXPECT_EQ(once.wpn, twice.wpn);
      ASSERT_EQ(once.poles.size(), twice.poles.size());
      for (std::size_t i = 0; i < once.poles.size(); ++i) {
        EXPECT_LT(Off(twice.poles[i].re, 2 * once.poles[i].re), kFewUlps) << "order " << order << " pole " << i;
        EXPECT_LT(Off(twice.poles[i].w, 2 * once.poles[i].w), kFewUlps) << "order " << order << " pole " << i;
        EXPECT_LT(Off(twice.poles[i].q, once.poles[i].q), kFewUlps) << "order " << order << " pole " << i;
      }
      ASSERT_EQ(once.zeros.size(), twice.zeros.size());
      for (std::size_t i = 0; i < once.zeros.size(); ++i)
        EXPECT_LT(Off(twice.zeros[i], 2 * once.zeros[i]), kFewUlps) << "order " << order << " zero " << i;
    }
  }
}

TEST(FrequencyScale, DoublingWpAndWsDoublesTheEllipticPolesAndZerosOnly) {
  const elliptic::EpsilonAlfa ea = elliptic::ComputeEpsilonAlfa(1, 40);
  for (const std::int32_t order : {4, 5}) {
    FixedEllipticOrder sink_once(order), sink_twice(order);
    elliptic::EllipticDesign once, twice;
    ASSERT_TRUE(elliptic::DesignElliptic({1, 40, 1, 2}, ea, sink_once, once));
    ASSERT_TRUE(elliptic::DesignElliptic({1, 40, 2, 4}, ea, sink_twice, twice));
    // the normalised values are the same to the bit
    EXPECT_EQ(twice.k0, once.k0);
    EXPECT_EQ(twice.v0, once.v0);
    EXPECT_EQ(twice.alfa, once.alfa);
    for (std::int32_t i = 1; i <= once.Pairs(); ++i) {
      EXPECT_EQ(twice.wza[i], once.wza[i]);
      EXPECT_LT(Off(elliptic::TransmissionZero(twice, i), 2 * elliptic::TransmissionZero(once, i)), kFewUlps);
    }
    for (std::int32_t i = 1; i <= (order + 1) / 2; ++i) {
      EXPECT_EQ(twice.re[i], 2 * once.re[i]) << "order " << order << " pole " << i;
      EXPECT_EQ(twice.im[i], 2 * once.im[i]) << "order " << order << " pole " << i;
    }
  }
  // c moves with the frequency scale only through the real pole of an odd
  // order: P(s)/E(s) keeps |T(0)|
  FixedEllipticOrder sink_once(4), sink_twice(4);
  elliptic::EllipticDesign once, twice;
  elliptic::DesignElliptic({1, 40, 1, 2}, ea, sink_once, once);
  elliptic::DesignElliptic({1, 40, 2, 4}, ea, sink_twice, twice);
  EXPECT_LT(Off(elliptic::GainConstant(twice), elliptic::GainConstant(once)), kFewUlps);
}

// |E(jw)|^2 - |F(jw)|^2 - |P(jw)|^2 over |E(jw)|^2, the worst over a grid of
// w up to three times ws and a few points far above it, for E monic with the
// design's poles, F with its attenuation zeros and constant, P with its
// transmission zeros and gain constant: the four roots files as one filter.
long double FeldtkellerResidual(const elliptic::EllipticDesign& design) {
  const long double wp = design.wp.raw(), ws = (design.wp * design.xi).raw();
  const long double c = elliptic::GainConstant(design).raw(), f = elliptic::AttenuationConstant(design).raw();
  std::vector<long double> grid;
  for (int i = 0; i <= 300; ++i) grid.push_back(3 * ws * i / 300);
  for (const long double far : {10.0L, 100.0L, 1e4L}) grid.push_back(far * ws);
  long double worst = 0;
  for (const long double w : grid) {
    long double e = 1, fw = f * f, p = c * c;
    for (int i = 1; i <= design.Pairs(); ++i) {
      const long double re = design.re[i].raw(), im = design.im[i].raw();
      e *= (re * re + (w - im) * (w - im)) * (re * re + (w + im) * (w + im));
      const long double zero = wp * design.wza[i].raw(), wz = elliptic::TransmissionZero(design, i).raw();
      fw *= (zero * zero - w * w) * (zero * zero - w * w);
      p *= (wz * wz - w * w) * (wz * wz - w * w);
    }
    if (design.Odd()) {
      const long double re = design.re[design.RealPoleSlot()].raw();
      e *= re * re + w * w;
      fw *= w * w;
    }
    worst = std::max(worst, std::fabs(e - fw - p) / e);
  }
  return worst;
}

// Computed orders, orders above and below them, and even orders, whose F and
// P need a constant of F below 1: with F monic |E|^2 = |F|^2 + |P|^2 fails
// at infinity by c^2.  Every pole lies in the left half-plane, an order below
// the computed one included.
TEST(EllipticDesign, RootsAndConstantsAreOneFilter) {
  struct Case {
    elliptic::Requirement requirement;
    std::vector<std::int32_t> orders;
  };
  std::vector<std::int32_t> up_to_12;
  for (std::int32_t n = 1; n <= 12; ++n) up_to_12.push_back(n);
  up_to_12.insert(up_to_12.end(), {20, 41});
  const Case cases[] = {
      {{1, 40, 1, 2}, up_to_12},                    // n = 3.3
      {{0.01L, 100, 1, 1.02L}, {2, 3, 6, 10, 38}},  // n = 19.4
      {{3, 20, 1, 10}, {1, 2, 3}},                  // n = 1.0, c = 0.1 at order 2
      {{0.2L, 50, 2, 2.2L}, {2, 3, 16}},            // n = 15.6
      {{0.5L, 60, 3, 4.5L}, {5, 6}},
  };
  // some four times the worst residual of these designs (order 38, ws 1.02)
  constexpr long double kOneFilter = 1e-15L;
  for (const Case& c : cases) {
    const elliptic::EpsilonAlfa ea = elliptic::ComputeEpsilonAlfa(c.requirement.amax, c.requirement.amin);
    for (const std::int32_t order : c.orders) {
      FixedEllipticOrder sink(order);
      elliptic::EllipticDesign design;
      ASSERT_TRUE(elliptic::DesignElliptic(c.requirement, ea, sink, design));
      const std::string name =
          "ws " + std::to_string(static_cast<double>(c.requirement.ws.raw())) + " order " + std::to_string(order);
      EXPECT_LT(FeldtkellerResidual(design), kOneFilter) << name;
      for (std::int32_t i = 1; i <= (order + 1) / 2; ++i) EXPECT_LT(design.re[i], 0) << name << " pole " << i;
    }
  }
}

TEST(ClassicalDesigns, PolesComeInExactConjugatePairsAndTheMiddleOneIsReal) {
  using Design = void (*)(const elliptic::Requirement&, const elliptic::EpsilonAlfa&, elliptic::ClassicalSink&);
  const elliptic::EpsilonAlfa ea = elliptic::ComputeEpsilonAlfa(1, 40);
  for (const Design design :
       {&elliptic::DesignButterworth, &elliptic::DesignChebyshev, &elliptic::DesignInverseChebyshev}) {
    for (std::int32_t order = 1; order <= 41; ++order) {
      ClassicalRecord record(order);
      design({1, 40, 1, 2}, ea, record);
      ASSERT_EQ(record.poles.size(), static_cast<std::size_t>(order));
      for (std::int32_t i = 1; i <= order; ++i) {
        const elliptic::ClassicalPole& pole = record.poles[static_cast<std::size_t>(i - 1)];
        const elliptic::ClassicalPole& partner = record.poles[static_cast<std::size_t>(order - i)];
        EXPECT_EQ(pole.re, partner.re) << "order " << order << " pole " << i;
        EXPECT_EQ(pole.im, -partner.im) << "order " << order << " pole " << i;
        if (2 * i == order + 1)
          EXPECT_TRUE(pole.im == 0 && !base::SignBit(pole.im)) << "order " << order << " middle pole";
        else
          EXPECT_NE(pole.im, 0) << "order " << order << " pole " << i;
      }
    }
  }
}

// A classical sink that notes the refusal and counts what came after it.
class RefusalRecord : public ClassicalRecord {
 public:
  using ClassicalRecord::ClassicalRecord;
  void ConstantUnderflowed() override { refused = true; }
  void BeginPoles(std::int32_t) override { ++files; }
  void BeginZeros(std::int32_t) override { ++files; }
  bool refused = false;
  int files = 0;
};

// wp = 1e-4000 puts (wp r)^N below the extended range from order 2 on:
// Butterworth and Chebyshev refuse, the inverse Chebyshev constant of an even
// order does not depend on wp and an odd one's is wp/wpn N/(eps alfa^2).
// An order-1 pole of that size keeps its magnitude and quality factor.
TEST(ClassicalDesigns, AnUnderflowedConstantStopsTheDesignBeforeItsFiles) {
  using Design = void (*)(const elliptic::Requirement&, const elliptic::EpsilonAlfa&, elliptic::ClassicalSink&);
  struct Case {
    Design design;
    std::int32_t order;
    bool refused;
  };
  const Case cases[] = {
      {&elliptic::DesignButterworth, 8, true},       {&elliptic::DesignButterworth, 2, true},
      {&elliptic::DesignButterworth, 1, false},      {&elliptic::DesignChebyshev, 5, true},
      {&elliptic::DesignChebyshev, 1, false},        {&elliptic::DesignInverseChebyshev, 5, false},
      {&elliptic::DesignInverseChebyshev, 4, false},
  };
  const elliptic::Requirement tiny{1, 40, 1e-4000L, 2e-4000L};
  const elliptic::EpsilonAlfa ea = elliptic::ComputeEpsilonAlfa(1, 40);
  for (const Case& c : cases) {
    RefusalRecord record(c.order);
    c.design(tiny, ea, record);
    EXPECT_EQ(record.refused, c.refused) << "order " << c.order;
    if (c.refused) {
      EXPECT_EQ(record.files, 0) << "order " << c.order;
      EXPECT_TRUE(record.poles.empty()) << "order " << c.order;
      continue;
    }
    EXPECT_FALSE(elliptic::Underflowed(record.c)) << "order " << c.order;
    for (const elliptic::ClassicalPole& pole : record.poles) {
      EXPECT_GT(pole.w, -pole.re * 0.999L) << "order " << c.order << " pole " << pole.index;
      EXPECT_GE(pole.q, 0.5L) << "order " << c.order << " pole " << pole.index;
    }
  }
}

// The elliptic gain constant at the same wp: an even order's is free of the
// frequency scale, an odd one's is wp/k0, which wp = 1e-4940 takes below the
// extended range.
TEST(EllipticDesign, GainConstantOfTinyFrequencies) {
  const elliptic::EpsilonAlfa ea = elliptic::ComputeEpsilonAlfa(1, 40);
  struct Case {
    long double wp;
    std::int32_t order;
    bool underflows;
  } cases[] = {{1e-4000L, 4, false}, {1e-4000L, 3, false}, {1e-4940L, 4, false}, {1e-4940L, 3, true}};
  for (const Case& c : cases) {
    FixedEllipticOrder sink(c.order);
    elliptic::EllipticDesign design;
    ASSERT_TRUE(elliptic::DesignElliptic({1, 40, c.wp, 2 * c.wp}, ea, sink, design));
    EXPECT_EQ(elliptic::Underflowed(elliptic::GainConstant(design)), c.underflows)
        << "wp " << static_cast<double>(std::log10(c.wp)) << " order " << c.order;
  }
}

// The attenuation from alfa where (eps alfa^2)^2 lies beyond the extended
// range but alfa does not (order 1000 of a wide band): 20 log10(eps alfa^2),
// as below that range, where the square still fits.
TEST(EllipticDesign, StopBandAttenuationBeyondTheSquareOfTheRange) {
  const Extended epsilon = Extended(0.5L);
  struct Case {
    long double log10_alfa;
  } cases[] = {{1000}, {1232}, {1234}, {2000}, {4900}};
  for (const Case& c : cases) {
    const Extended alfa = base::Exp(Extended(c.log10_alfa) * base::Ln(Extended(10)));
    const long double want = 20 * (std::log10(0.5L) + 2 * c.log10_alfa);
    EXPECT_NEAR(static_cast<double>(elliptic::StopBandAttenuation(epsilon, alfa).raw() / want), 1, 1e-15)
        << "alfa 1E" << static_cast<double>(c.log10_alfa);
  }
}

}  // namespace
