// Accuracy of the elementary functions against true values computed with
// 40 digits (reference/generate_ext_math_reference.py).  The error of each
// result is measured in units in the last place (ulps) of the 64-bit
// significand; each data group states the bound it must keep.  A lost
// branch, a wrong constant or a reduction off by a quadrant shows as
// thousands of ulps or more.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <ostream>
#include <span>
#include <string>

#include "base/elementary.h"
#include "specfun/ext_math.h"
#include "tests/specfun/ulp_error.h"

namespace specfun {
namespace {

using specfun::testing::UlpError;
using specfun::testing::WorstRow;

struct ReferenceRow {
  long double x, hi, lo;
};
struct ReferenceRow2 {
  long double y, x, hi, lo;
};

#include "tests/specfun/reference/ext_math_reference.inc"

// The worst row of a group: its argument(s), the true and the returned value.
std::string Describe(const WorstRow& worst, const std::string& arguments, long double hi, long double lo) {
  char text[300];
  std::snprintf(text, sizeof text, "\n  expected %.20Le %+.3Le\n  got      %.20Le\n  error    %.3Lf ulps", hi, lo,
                worst.got(), worst.error());
  return "worst row: " + arguments + text;
}

std::string Argument(const char* name, long double x) {
  char text[100];
  std::snprintf(text, sizeof text, "%s = %La (%.20Le)", name, x, x);
  return text;
}

using Unary = Extended (*)(Extended);

struct UnaryGroup {
  const char* name;
  Unary f;
  std::span<const ReferenceRow> rows;
  double tolerance_ulps;
};

// Names the case in test listings and failure messages instead of its bytes.
void PrintTo(const UnaryGroup& c, std::ostream* out) { *out << c.name; }

Extended SineOfPair(Extended x) { return SineCosine(x).sin; }
Extended CosineOfPair(Extended x) { return SineCosine(x).cos; }

// Bounds: the worst error measured on the group's rows plus a margin of
// 0.15 ulp, rounded up to a twentieth; 0.5 for the square root, the unit's
// correctly rounded instruction.  Every result is computed from correctly
// rounded operations alone, so these are the same bits on every processor
// and the margin is no allowance for hardware: it leaves room for a change
// within a kernel's error analysis (each kernel is within 2^-72 of its
// function before its last rounding, some hundredths of an ulp after it),
// while an error grown by a rounding more or a compensation lost fails.
const UnaryGroup kUnaryGroups[] = {
    {"ExponentialNearZero", Exponential, kExponentialNearZero, 0.65},
    {"ExponentialModerate", Exponential, kExponentialModerate, 0.65},
    {"ExponentialWide", Exponential, kExponentialWide, 0.65},
    {"ExponentialTop", Exponential, kExponentialTop, 0.65},
    {"ExponentialNearLn2Multiples", Exponential, kExponentialNearLn2Multiples, 0.6},
    {"NaturalLogWide", NaturalLog, kNaturalLogWide, 0.65},
    {"NaturalLogNearOne", NaturalLog, kNaturalLogNearOne, 0.65},
    {"NaturalLogSubnormal", NaturalLog, kNaturalLogSubnormal, 0.65},
    {"SquareRoot", SquareRoot, kSquareRoot, 0.5},
    {"ArcTangent", ArcTangent, kArcTangent, 0.65},
    {"SinePrimary", Sine, kSinePrimary, 0.7},
    {"CosinePrimary", Cosine, kCosinePrimary, 0.65},
    {"TangentPrimary", Tangent, kTangentPrimary, 0.65},
    {"SinePairPrimary", SineOfPair, kSinePrimary, 0.7},
    {"CosinePairPrimary", CosineOfPair, kCosinePrimary, 0.65},
    {"SineModerate", Sine, kSineModerate, 0.7},
    {"CosineModerate", Cosine, kCosineModerate, 0.7},
    {"TangentModerate", Tangent, kTangentModerate, 0.7},
    {"SineMedium", Sine, kSineMedium, 0.7},
    {"CosineMedium", Cosine, kCosineMedium, 0.65},
    {"TangentMedium", Tangent, kTangentMedium, 0.7},
    {"SineNearMultiples", Sine, kSineNearMultiples, 0.65},
    {"CosineNearMultiples", Cosine, kCosineNearMultiples, 0.65},
    {"TangentNearMultiples", Tangent, kTangentNearMultiples, 0.65},
    {"SineExtendedMultiples", Sine, kSineExtendedMultiples, 0.65},
    {"CosineExtendedMultiples", Cosine, kCosineExtendedMultiples, 0.65},
    {"TangentExtendedMultiples", Tangent, kTangentExtendedMultiples, 0.65},
    {"SinePairExtendedMultiples", SineOfPair, kSineExtendedMultiples, 0.65},
    {"CosinePairExtendedMultiples", CosineOfPair, kCosineExtendedMultiples, 0.65},
    {"SineHuge", Sine, kSineHuge, 0.65},
    {"CosineHuge", Cosine, kCosineHuge, 0.65},
    {"TangentHuge", Tangent, kTangentHuge, 0.65},
    {"SinePairHuge", SineOfPair, kSineHuge, 0.65},
    {"CosinePairHuge", CosineOfPair, kCosineHuge, 0.65},
    {"SineDeepCancellation", Sine, kSineDeepCancellation, 0.55},
    {"CosineDeepCancellation", Cosine, kCosineDeepCancellation, 0.65},
    {"TangentDeepCancellation", Tangent, kTangentDeepCancellation, 0.6},
    // Near 2^39 with a remainder just above 2^-24: j*P3 (about 2e-5) rounded
    // at 2^-80 and the 6.2e-37 by which P1 + P2 + P3 misses pi/4, times j,
    // come to 200 ulps of such a remainder unless the long reduction takes
    // over.
    {"SineShortReductionLimit", Sine, kSineShortReductionLimit, 0.65},
    {"CosineShortReductionLimit", Cosine, kCosineShortReductionLimit, 0.65},
    {"TangentShortReductionLimit", Tangent, kTangentShortReductionLimit, 0.65},
    {"SineShortReductionWorst", Sine, kSineShortReductionWorst, 0.65},
    {"CosineShortReductionWorst", Cosine, kCosineShortReductionWorst, 0.65},
    {"TangentShortReductionWorst", Tangent, kTangentShortReductionWorst, 0.65},
    {"SinePairShortReductionWorst", SineOfPair, kSineShortReductionWorst, 0.65},
    {"CosinePairShortReductionWorst", CosineOfPair, kCosineShortReductionWorst, 0.65},
    {"HyperbolicSineSeries", HyperbolicSine, kHyperbolicSineSeries, 0.7},
    {"HyperbolicSineExp", HyperbolicSine, kHyperbolicSineExp, 1.1},
    {"HyperbolicSineOneSided", HyperbolicSine, kHyperbolicSineOneSided, 0.65},
    {"HyperbolicCosine", HyperbolicCosine, kHyperbolicCosine, 0.9},
    // From ln(largest extended) to ln 2 beyond it, where e^|x| overflows:
    // |x| - ln 2 rounded at 2^-51 absolute would cost over a thousand ulps.
    {"HyperbolicSineTopBand", HyperbolicSine, kHyperbolicSineTopBand, 0.6},
    {"HyperbolicCosineTopBand", HyperbolicCosine, kHyperbolicCosineTopBand, 0.6},
    {"HyperbolicSineTopBandWorst", HyperbolicSine, kHyperbolicSineTopBandWorst, 0.5},
    {"HyperbolicCosineTopBandWorst", HyperbolicCosine, kHyperbolicCosineTopBandWorst, 0.5},
    {"CoshMinusOneTopBandWorst", CoshMinusOne, kCoshMinusOneTopBandWorst, 0.5},
    {"CoshMinusOne", CoshMinusOne, kCoshMinusOne, 1.6},
    {"HyperbolicTangent", HyperbolicTangent, kHyperbolicTangent, 1.15},
    {"HyperbolicSecant", HyperbolicSecant, kHyperbolicSecant, 1.5},
    {"InverseHyperbolicSine", InverseHyperbolicSine, kInverseHyperbolicSine, 0.8},
    {"InverseHyperbolicCosine", InverseHyperbolicCosine, kInverseHyperbolicCosine, 1.55},
    {"InverseCoshOnePlus", InverseCoshOnePlus, kInverseCoshOnePlus, 1.6},
    {"InverseCoshOnePlusHuge", InverseCoshOnePlus, kInverseCoshOnePlusHuge, 0.5},
    {"InverseGudermannian", InverseGudermannian, kInverseGudermannian, 1.15},
    // The kernels' own hard regions: results next to 0 (ln next to 1,
    // 2^r - 1 next to 0), the ends of the reduced ranges, and the points
    // where a table point or the power of two changes.
    {"NaturalLogNextToOne", NaturalLog, kNaturalLogNextToOne, 0.65},
    {"NaturalLogBelowPowersOfTwo", NaturalLog, kNaturalLogBelowPowersOfTwo, 0.5},
    {"NaturalLogTableEdges", NaturalLog, kNaturalLogTableEdges, 0.65},
    {"NaturalLogExtremes", NaturalLog, kNaturalLogExtremes, 0.4},
    {"TwoToPowerMinusOneNearZero", base::TwoToPowerMinusOne, kTwoToPowerMinusOneNearZero, 0.65},
    {"TwoToPowerMinusOneWide", base::TwoToPowerMinusOne, kTwoToPowerMinusOneWide, 0.65},
    {"TwoToPowerMinusOneEnds", base::TwoToPowerMinusOne, kTwoToPowerMinusOneEnds, 0.6},
    {"TwoToPowerMinusOneTableEdges", base::TwoToPowerMinusOne, kTwoToPowerMinusOneTableEdges, 0.65},
    {"SineQuarterPi", Sine, kSineQuarterPi, 0.7},
    {"CosineQuarterPi", Cosine, kCosineQuarterPi, 0.65},
    {"TangentQuarterPi", Tangent, kTangentQuarterPi, 0.7},
    {"SinePairQuarterPi", SineOfPair, kSineQuarterPi, 0.7},
    {"CosinePairQuarterPi", CosineOfPair, kCosineQuarterPi, 0.65},
    {"ArcTangentTableEdges", ArcTangent, kArcTangentTableEdges, 0.65},
    {"ArcTangentExtremes", ArcTangent, kArcTangentExtremes, 0.4},
    // sech beyond ln(largest extended) is a subnormal number, measured
    // against the nearest one: rounded once it is that one (error 0); a
    // rounding of e^-|x| before the doubling would miss it by one in about
    // half the rows.
    {"HyperbolicSecantBeyondLnMax", HyperbolicSecant, kHyperbolicSecantBeyondLnMax, 0.15},
    {"ExponentialDense", Exponential, kExponentialDense, 0.7},
    {"SineDense", Sine, kSineDense, 0.7},
    {"CosineDense", Cosine, kCosineDense, 0.7},
    {"TangentDense", Tangent, kTangentDense, 0.75},
};

class UnaryAccuracy : public ::testing::TestWithParam<UnaryGroup> {};

TEST_P(UnaryAccuracy, StaysWithinTolerance) {
  const UnaryGroup& g = GetParam();
  WorstRow worst;
  for (std::size_t i = 0; i < g.rows.size(); ++i) {
    const ReferenceRow& row = g.rows[i];
    const long double got = g.f(row.x).raw();
    worst.Take(i, UlpError(got, row.hi, row.lo), got);
  }
  RecordProperty("worst_ulps", std::to_string(static_cast<double>(worst.error())));
  std::printf("[   ulps   ] %-30s %8.3f\n", g.name, static_cast<double>(worst.error()));
  const ReferenceRow& row = g.rows[worst.row()];
  EXPECT_LE(worst.error(), g.tolerance_ulps) << Describe(worst, Argument("x", row.x), row.hi, row.lo);
}

INSTANTIATE_TEST_SUITE_P(ExtMath, UnaryAccuracy, ::testing::ValuesIn(kUnaryGroups),
                         [](const ::testing::TestParamInfo<UnaryGroup>& info) { return info.param.name; });

struct BinaryGroup {
  const char* name;
  std::span<const ReferenceRow2> rows;
  double tolerance_ulps;
};

void PrintTo(const BinaryGroup& c, std::ostream* out) { *out << c.name; }

const BinaryGroup kBinaryGroups[] = {
    {"ArcTangent2", kArcTangent2, 0.65},
    {"ArcTangent2Quadrants", kArcTangent2Quadrants, 0.65},
};

class BinaryAccuracy : public ::testing::TestWithParam<BinaryGroup> {};

TEST_P(BinaryAccuracy, ArcTangent2StaysWithinTolerance) {
  const BinaryGroup& g = GetParam();
  WorstRow worst;
  for (std::size_t i = 0; i < g.rows.size(); ++i) {
    const ReferenceRow2& row = g.rows[i];
    const long double got = ArcTangent2(row.y, row.x).raw();
    worst.Take(i, UlpError(got, row.hi, row.lo), got);
  }
  RecordProperty("worst_ulps", std::to_string(static_cast<double>(worst.error())));
  std::printf("[   ulps   ] %-30s %8.3f\n", g.name, static_cast<double>(worst.error()));
  const ReferenceRow2& row = g.rows[worst.row()];
  EXPECT_LE(worst.error(), g.tolerance_ulps)
      << Describe(worst, Argument("y", row.y) + ", " + Argument("x", row.x), row.hi, row.lo);
}

INSTANTIATE_TEST_SUITE_P(ExtMath, BinaryAccuracy, ::testing::ValuesIn(kBinaryGroups),
                         [](const ::testing::TestParamInfo<BinaryGroup>& info) { return info.param.name; });

}  // namespace
}  // namespace specfun
