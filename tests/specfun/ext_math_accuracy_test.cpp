// Accuracy of the elementary functions against true values computed with
// 40 digits (reference/generate_ext_math_reference.py).  The error of each
// result is measured in units in the last place (ulps) of the 64-bit
// significand; each data group states the bound it must keep.  A lost
// branch, a wrong constant or a reduction off by a quadrant shows as
// thousands of ulps or more.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <span>
#include <ostream>
#include <string>

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

// Bounds: 0.5 for the correctly rounded square root; 1 where the result is
// one instruction of the unit or one rounding away from it; 1.5 (2 for the
// tangent, which adds a division in odd quadrants) after a reduction modulo
// pi/2 and for the forms built of a few operations.
const UnaryGroup kUnaryGroups[] = {
    {"ExponentialNearZero", Exponential, kExponentialNearZero, 1},
    {"ExponentialModerate", Exponential, kExponentialModerate, 1},
    {"ExponentialWide", Exponential, kExponentialWide, 1},
    {"ExponentialTop", Exponential, kExponentialTop, 1},
    {"ExponentialNearLn2Multiples", Exponential, kExponentialNearLn2Multiples, 1},
    {"NaturalLogWide", NaturalLog, kNaturalLogWide, 1},
    {"NaturalLogNearOne", NaturalLog, kNaturalLogNearOne, 1},
    {"NaturalLogSubnormal", NaturalLog, kNaturalLogSubnormal, 1},
    {"SquareRoot", SquareRoot, kSquareRoot, 0.5},
    {"ArcTangent", ArcTangent, kArcTangent, 1},
    {"SinePrimary", Sine, kSinePrimary, 1},
    {"CosinePrimary", Cosine, kCosinePrimary, 1},
    {"TangentPrimary", Tangent, kTangentPrimary, 1},
    {"SinePairPrimary", SineOfPair, kSinePrimary, 1},
    {"CosinePairPrimary", CosineOfPair, kCosinePrimary, 1},
    {"SineModerate", Sine, kSineModerate, 1.5},
    {"CosineModerate", Cosine, kCosineModerate, 1.5},
    {"TangentModerate", Tangent, kTangentModerate, 2},
    {"SineMedium", Sine, kSineMedium, 1.5},
    {"CosineMedium", Cosine, kCosineMedium, 1.5},
    {"TangentMedium", Tangent, kTangentMedium, 2},
    {"SineNearMultiples", Sine, kSineNearMultiples, 1.5},
    {"CosineNearMultiples", Cosine, kCosineNearMultiples, 1.5},
    {"TangentNearMultiples", Tangent, kTangentNearMultiples, 2},
    {"SineExtendedMultiples", Sine, kSineExtendedMultiples, 1.5},
    {"CosineExtendedMultiples", Cosine, kCosineExtendedMultiples, 1.5},
    {"TangentExtendedMultiples", Tangent, kTangentExtendedMultiples, 2},
    {"SinePairExtendedMultiples", SineOfPair, kSineExtendedMultiples, 1.5},
    {"CosinePairExtendedMultiples", CosineOfPair, kCosineExtendedMultiples, 1.5},
    {"SineHuge", Sine, kSineHuge, 1.5},
    {"CosineHuge", Cosine, kCosineHuge, 1.5},
    {"TangentHuge", Tangent, kTangentHuge, 2},
    {"SinePairHuge", SineOfPair, kSineHuge, 1.5},
    {"CosinePairHuge", CosineOfPair, kCosineHuge, 1.5},
    {"SineDeepCancellation", Sine, kSineDeepCancellation, 1.5},
    {"CosineDeepCancellation", Cosine, kCosineDeepCancellation, 1.5},
    {"TangentDeepCancellation", Tangent, kTangentDeepCancellation, 2},
    // Near 2^39 with a remainder just above 2^-24: j*P3 (about 2e-5) rounded
    // at 2^-80 and the 6.2e-37 by which P1 + P2 + P3 misses pi/4, times j,
    // come to 200 ulps of such a remainder unless the long reduction takes
    // over.  In odd quadrants the tangent is -1/tan r, whose quotient, near 2
    // for r just above a power of two, doubles its relative error in ulps.
    {"SineShortReductionLimit", Sine, kSineShortReductionLimit, 1.5},
    {"CosineShortReductionLimit", Cosine, kCosineShortReductionLimit, 1.5},
    {"TangentShortReductionLimit", Tangent, kTangentShortReductionLimit, 3},
    {"SineShortReductionWorst", Sine, kSineShortReductionWorst, 1.5},
    {"CosineShortReductionWorst", Cosine, kCosineShortReductionWorst, 1.5},
    {"TangentShortReductionWorst", Tangent, kTangentShortReductionWorst, 3},
    {"SinePairShortReductionWorst", SineOfPair, kSineShortReductionWorst, 1.5},
    {"CosinePairShortReductionWorst", CosineOfPair, kCosineShortReductionWorst, 1.5},
    {"HyperbolicSineSeries", HyperbolicSine, kHyperbolicSineSeries, 1},
    {"HyperbolicSineExp", HyperbolicSine, kHyperbolicSineExp, 1.5},
    {"HyperbolicSineOneSided", HyperbolicSine, kHyperbolicSineOneSided, 1.5},
    {"HyperbolicCosine", HyperbolicCosine, kHyperbolicCosine, 1.5},
    // From ln(largest extended) to ln 2 beyond it, where e^|x| overflows:
    // |x| - ln 2 rounded at 2^-51 absolute would cost over a thousand ulps.
    {"HyperbolicSineTopBand", HyperbolicSine, kHyperbolicSineTopBand, 1.5},
    {"HyperbolicCosineTopBand", HyperbolicCosine, kHyperbolicCosineTopBand, 1.5},
    {"HyperbolicSineTopBandWorst", HyperbolicSine, kHyperbolicSineTopBandWorst, 1.5},
    {"HyperbolicCosineTopBandWorst", HyperbolicCosine, kHyperbolicCosineTopBandWorst, 1.5},
    {"CoshMinusOneTopBandWorst", CoshMinusOne, kCoshMinusOneTopBandWorst, 1.5},
    {"CoshMinusOne", CoshMinusOne, kCoshMinusOne, 2},
    {"HyperbolicTangent", HyperbolicTangent, kHyperbolicTangent, 1},
    {"HyperbolicSecant", HyperbolicSecant, kHyperbolicSecant, 2},
    {"InverseHyperbolicSine", InverseHyperbolicSine, kInverseHyperbolicSine, 1},
    {"InverseHyperbolicCosine", InverseHyperbolicCosine, kInverseHyperbolicCosine, 2},
    {"InverseCoshOnePlus", InverseCoshOnePlus, kInverseCoshOnePlus, 2},
    {"InverseCoshOnePlusHuge", InverseCoshOnePlus, kInverseCoshOnePlusHuge, 2},
    {"InverseGudermannian", InverseGudermannian, kInverseGudermannian, 2},
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

TEST(BinaryAccuracy, ArcTangent2StaysWithinOneUlp) {
  WorstRow worst;
  for (std::size_t i = 0; i < std::size(kArcTangent2); ++i) {
    const ReferenceRow2& row = kArcTangent2[i];
    const long double got = ArcTangent2(row.y, row.x).raw();
    worst.Take(i, UlpError(got, row.hi, row.lo), got);
  }
  RecordProperty("worst_ulps", std::to_string(static_cast<double>(worst.error())));
  std::printf("[   ulps   ] %-30s %8.3f\n", "ArcTangent2", static_cast<double>(worst.error()));
  const ReferenceRow2& row = kArcTangent2[worst.row()];
  EXPECT_LE(worst.error(), 1) << Describe(worst, Argument("y", row.y) + ", " + Argument("x", row.x), row.hi, row.lo);
}

}  // namespace
}  // namespace specfun
