// The branches, special values and faults of the elementary functions; their
// accuracy over the domains is in ext_math_accuracy_test.cpp.
#include "specfun/ext_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <optional>
#include <ostream>

#include "base/errors.h"
#include "specfun/ext_constants.h"
#include "tests/base/extended_printer.h"
#include "tests/specfun/ulp_error.h"

namespace specfun {
namespace {

using base::FloatError;
using base::FloatFault;

// Results that must equal the named form exactly: each pins down which branch
// of its routine ran.
struct ExactCase {
  const char* what;
  std::function<Extended()> got;
  std::function<Extended()> expected;
};

// Names the case in test listings and failure messages instead of its bytes.
void PrintTo(const ExactCase& c, std::ostream* out) { *out << c.what; }

const Extended kMinusThirdCut = -0xAAAAAAAAAAAAAAAAp-65L;  // -1/3 cut to 64 bits

const ExactCase kExactCases[] = {
    {"sinh 23 is (e - 1/e)/2", [] { return HyperbolicSine(23); },
     [] {
       const Extended e = Exponential(23);
       return (e - 1 / e) / 2;
     }},
    {"sinh 23.5 is e/2", [] { return HyperbolicSine(23.5L); }, [] { return Exponential(23.5L) / 2; }},
    {"sinh -23.5 is -e/2", [] { return HyperbolicSine(-23.5L); }, [] { return -(Exponential(23.5L) / 2); }},
    {"sinh below 2.3e-10 is x", [] { return HyperbolicSine(2.2e-10L); }, [] { return Extended(2.2e-10L); }},
    {"cosh 20 is (e + 1/e)/2", [] { return HyperbolicCosine(20); },
     [] {
       const Extended e = Exponential(20);
       return (e + 1 / e) / 2;
     }},
    {"tanh 30 is 1", [] { return HyperbolicTangent(30); }, [] { return Extended(1); }},
    {"tanh -30 is -1", [] { return HyperbolicTangent(-30); }, [] { return Extended(-1); }},
    {"tanh 1e-6 is x - x^3/3", [] { return HyperbolicTangent(1e-6L); },
     [] { return Extended(1e-6L) - Extended(1e-18L) / 3; }},
    {"tanh 1e-5 with the cut -1/3", [] { return HyperbolicTangent(1e-5L); },
     [] {
       const Extended x = 1e-5L;
       return x + x * x * x * kMinusThirdCut;
     }},
    {"tanh 1 from the exponential", [] { return HyperbolicTangent(1); }, [] { return 1 - 2 / (Exponential(2) + 1); }},
    {"tanh -1 from the exponential", [] { return HyperbolicTangent(-1); }, [] { return 2 / (Exponential(2) + 1) - 1; }},
    {"sech 20000 is 0", [] { return HyperbolicSecant(20000); }, [] { return Extended(0); }},
    {"sech 2 is 1/cosh 2", [] { return HyperbolicSecant(2); }, [] { return 1 / HyperbolicCosine(2); }},
    {"cosh - 1 of 2^-40 is x^2/2", [] { return CoshMinusOne(0x1p-40L); }, [] { return Extended(0x1p-81L); }},
    {"cosh - 1 of 3 is cosh 3 - 1", [] { return CoshMinusOne(3); }, [] { return HyperbolicCosine(3) - 1; }},
    {"arsinh 1e10 is ln 2e10", [] { return InverseHyperbolicSine(1e10L); },
     [] { return NaturalLog(2 * Extended(1e10L)); }},
    {"arsinh -2 is -ln(2 + sqrt 5)", [] { return InverseHyperbolicSine(-2); },
     [] { return -NaturalLog(2 + SquareRoot(5)); }},
    {"arsinh 2^-33 is x", [] { return InverseHyperbolicSine(0x1p-33L); }, [] { return Extended(0x1p-33L); }},
    {"arsinh 1e4932 is ln x + ln 2", [] { return InverseHyperbolicSine(1e4932L); },
     [] { return NaturalLog(1e4932L) + constants::kLn2; }},
    {"arcosh 1 is 0", [] { return InverseHyperbolicCosine(1); }, [] { return Extended(0); }},
    {"arcosh 1e11 is ln x + ln 2", [] { return InverseHyperbolicCosine(1e11L); },
     [] { return NaturalLog(1e11L) + constants::kLn2; }},
    {"arcosh 1.5 is arcosh(1 + 0.5)", [] { return InverseHyperbolicCosine(1.5L); },
     [] { return InverseCoshOnePlus(0.5L); }},
    {"arcosh(1 + 1e-40) is sqrt(2x)", [] { return InverseCoshOnePlus(1e-40L); },
     [] { return Extended(1e-40L) + SquareRoot(2 * Extended(1e-40L) + Extended(1e-40L) * 1e-40L); }},
    {"arcgd of the extended pi/2 is +inf", [] { return InverseGudermannian(constants::kPiOver2); },
     [] { return base::Infinity(); }},
    {"arcgd -0.5 is -arsinh(tan 0.5)", [] { return InverseGudermannian(-0.5L); },
     [] { return -InverseHyperbolicSine(Tangent(0.5L)); }},
    {"arcgd 1 is ln((1 + sin)/cos)", [] { return InverseGudermannian(1); },
     [] { return NaturalLog((1 + Sine(1)) / Cosine(1)); }},
    {"arcgd 2^-33 is x", [] { return InverseGudermannian(0x1p-33L); }, [] { return Extended(0x1p-33L); }},
    {"Sign(NaN) is 0", [] { return Sign(base::NaN()); }, [] { return Extended(0); }},
    {"Sign(-0) is 0", [] { return Sign(-0.0L); }, [] { return Extended(0); }},
    {"Sign(-inf) is -1", [] { return Sign(-base::Infinity()); }, [] { return Extended(-1); }},
    {"Sign(1e-4940) is 1", [] { return Sign(1e-4940L); }, [] { return Extended(1); }},
    {"Truncate(-2.7) is -2", [] { return Truncate(-2.7L); }, [] { return Extended(-2); }},
    {"Truncate(2^62 + 0.5) drops the half", [] { return Truncate(0x1.0000000000000002p62L); },
     [] { return Extended(0x1p62L); }},
    {"Truncate(-(2^62 + 1.5))", [] { return Truncate(-0x1.0000000000000006p62L); },
     [] { return Extended(-0x1.0000000000000004p62L); }},
    {"Floor(-2.7) is -3", [] { return Floor(-2.7L); }, [] { return Extended(-3); }},
    {"Floor(-3) is -3", [] { return Floor(-3); }, [] { return Extended(-3); }},
    {"Floor(2.7) is 2", [] { return Floor(2.7L); }, [] { return Extended(2); }},
    {"ScaleByPowerOf2(1.5, 3)", [] { return ScaleByPowerOf2(1.5L, 3); }, [] { return Extended(12); }},
    {"ScaleByPowerOf2 to the smallest subnormal", [] { return ScaleByPowerOf2(1, -16445); },
     [] { return Extended(0x1p-16445L); }},
    {"CopySign(2, -0)", [] { return CopySign(2, -0.0L); }, [] { return Extended(-2); }},
    {"CopySign(-2, 1)", [] { return CopySign(-2, 1); }, [] { return Extended(2); }},
    {"CopySign(inf, -1)", [] { return CopySign(base::Infinity(), -1); }, [] { return -base::Infinity(); }},
    {"ln 1 is 0", [] { return NaturalLog(1); }, [] { return Extended(0); }},
    {"exp 0 is 1", [] { return Exponential(0); }, [] { return Extended(1); }},
    {"exp -20000 underflows to 0", [] { return Exponential(-20000); }, [] { return Extended(0); }},
};

class ExactResult : public ::testing::TestWithParam<ExactCase> {};

TEST_P(ExactResult, EqualsTheNamedForm) {
  const ExactCase& c = GetParam();
  EXPECT_EQ(c.got(), c.expected()) << c.what;
}

INSTANTIATE_TEST_SUITE_P(ExtMath, ExactResult, ::testing::ValuesIn(kExactCases));

// The long reduction where the argument is huge or the short one cancels too
// deeply: within an ulp of the true values.
struct TrueValueCase {
  const char* what;
  std::function<Extended()> got;
  long double hi, lo;  // the true value is hi + lo
};

const TrueValueCase kTrueValueCases[] = {
    {"sin(1e22)", [] { return Sine(1e22L); }, -0xDA29D5BB5F9CB87Dp-64L, -0xA6F20EE4C8F6F048p-131L},
    {"cos(1e22)", [] { return Cosine(1e22L); }, 0x85F167780E479C9Ap-64L, 0xB90DFF9CEC29EB55p-129L},
    {"tan(1e22)", [] { return Tangent(1e22L); }, -0xD07BCE0DB592BBA5p-63L, 0xFDE151904580A2BCp-131L},
    // the extended pi lies above pi by 5.0166e-20
    {"sin(pi)", [] { return Sine(base::Pi()); }, -0xECE675D1FC8F8CBBp-128L, -0xB7ED8FBBACC19C60p-193L},
    {"cos(pi)", [] { return Cosine(base::Pi()); }, -1, 0xDB39B8B315341A84p-193L},
    {"tanh(1e-6)", [] { return HyperbolicTangent(1e-6L); }, 0x8637BD05AF3B38BCp-83L, -0xBE17D09CE91132D5p-149L},
    // beyond ln(largest extended), where e^x itself has overflowed
    {"cosh(11357)", [] { return HyperbolicCosine(11357); }, 0xCE2773666CC8CC68p+16320L, -0xA2E6B64936B2FCE9p+16254L},
    // and where cosh has overflowed while sech is a subnormal number
    {"sech(ln(largest) + 3 ulps)", [] { return HyperbolicSecant(0xB17217F7D1CF79AEp-50L); }, 0xFFFFFFFFFFFF7278p-16447L,
     0},
};

TEST(TrueValue, WithinOneUlp) {
  for (const TrueValueCase& c : kTrueValueCases) {
    const long double got = c.got().raw();
    EXPECT_LE(specfun::testing::UlpError(got, c.hi, c.lo), 1) << c.what << ": got " << got;
  }
}

// Zeros keep their sign through the odd functions, and the two-argument arc
// tangent places zeros and infinities in their quadrants: each result is
// compared with its sign bit.
struct SignedCase {
  const char* call;
  std::function<Extended()> run;
  long double expected;
};

constexpr long double kPi = 0xC90FDAA22168C235p-62L;
constexpr long double kThreeQuarterPi = 0x96CBE3F9990E91A8p-62L;  // 3 pi/4 rounded
constexpr long double kInf = __builtin_infl();

const SignedCase kSignedCases[] = {
    {"Sine(-0)", [] { return Sine(-0.0L); }, -0.0L},
    {"Sine(+0)", [] { return Sine(0.0L); }, 0.0L},
    {"Tangent(-0)", [] { return Tangent(-0.0L); }, -0.0L},
    {"SineCosine(-0).sin", [] { return SineCosine(-0.0L).sin; }, -0.0L},
    {"ArcTangent(-0)", [] { return ArcTangent(-0.0L); }, -0.0L},
    {"ArcTangent(-inf)", [] { return ArcTangent(-kInf); }, -kPi / 2},
    {"NaturalLog(1)", [] { return NaturalLog(1); }, 0.0L},
    {"ArcTangent2(+0, +0)", [] { return ArcTangent2(0.0L, 0.0L); }, 0.0L},
    {"ArcTangent2(-0, +0)", [] { return ArcTangent2(-0.0L, 0.0L); }, -0.0L},
    {"ArcTangent2(+0, -0)", [] { return ArcTangent2(0.0L, -0.0L); }, kPi},
    {"ArcTangent2(-0, -0)", [] { return ArcTangent2(-0.0L, -0.0L); }, -kPi},
    {"ArcTangent2(+0, 2)", [] { return ArcTangent2(0.0L, 2); }, 0.0L},
    {"ArcTangent2(-0, 2)", [] { return ArcTangent2(-0.0L, 2); }, -0.0L},
    {"ArcTangent2(+0, -2)", [] { return ArcTangent2(0.0L, -2); }, kPi},
    {"ArcTangent2(-0, -2)", [] { return ArcTangent2(-0.0L, -2); }, -kPi},
    {"ArcTangent2(3, +0)", [] { return ArcTangent2(3, 0.0L); }, kPi / 2},
    {"ArcTangent2(3, -0)", [] { return ArcTangent2(3, -0.0L); }, kPi / 2},
    {"ArcTangent2(-3, -0)", [] { return ArcTangent2(-3, -0.0L); }, -kPi / 2},
    {"ArcTangent2(inf, inf)", [] { return ArcTangent2(kInf, kInf); }, kPi / 4},
    {"ArcTangent2(inf, -inf)", [] { return ArcTangent2(kInf, -kInf); }, kThreeQuarterPi},
    {"ArcTangent2(-inf, inf)", [] { return ArcTangent2(-kInf, kInf); }, -kPi / 4},
    {"ArcTangent2(-inf, -inf)", [] { return ArcTangent2(-kInf, -kInf); }, -kThreeQuarterPi},
    {"ArcTangent2(-inf, 5)", [] { return ArcTangent2(-kInf, 5); }, -kPi / 2},
    {"ArcTangent2(inf, -5)", [] { return ArcTangent2(kInf, -5); }, kPi / 2},
    {"ArcTangent2(5, inf)", [] { return ArcTangent2(5, kInf); }, 0.0L},
    {"ArcTangent2(-5, inf)", [] { return ArcTangent2(-5, kInf); }, -0.0L},
    {"ArcTangent2(5, -inf)", [] { return ArcTangent2(5, -kInf); }, kPi},
    {"ArcTangent2(-5, -inf)", [] { return ArcTangent2(-5, -kInf); }, -kPi},
    // y/x underflows: the quadrant still decides between 0 and pi
    {"ArcTangent2(-tiny, huge)", [] { return ArcTangent2(-0x1p-16445L, 0x1p16383L); }, -0.0L},
    {"ArcTangent2(tiny, -huge)", [] { return ArcTangent2(0x1p-16445L, -0x1p16383L); }, kPi},
};

TEST(SignedResults, KeepTheSignAndTheQuadrant) {
  for (const SignedCase& c : kSignedCases) {
    const long double got = c.run().raw();
    EXPECT_EQ(got, c.expected) << c.call;
    EXPECT_EQ(std::signbit(got), std::signbit(c.expected)) << c.call;
  }
}

TEST(ExtMathConstants, AreTheNearestExtendedValues) {
  EXPECT_EQ(constants::kPiOver2, 0xC90FDAA22168C235p-63L);
  EXPECT_EQ(constants::kPiOver4, 0xC90FDAA22168C235p-64L);
  EXPECT_EQ(constants::kLn2, 0xB17217F7D1CF79ACp-64L);
  EXPECT_EQ(constants::kLnMax, 11356.52340629414394879L);
  EXPECT_EQ(constants::kEpsilon, 0x1p-63L);
  EXPECT_TRUE(std::isinf(base::Infinity().raw()) && base::Infinity() > 0);
  // quiet NaN with every significand bit set and the sign clear
  const long double nan = base::NaN().raw();
  unsigned char bytes[10];
  std::memcpy(bytes, &nan, sizeof bytes);
  const unsigned char all_ones[10] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F};
  EXPECT_EQ(std::memcmp(bytes, all_ones, sizeof bytes), 0);
}

// Truncate switches the unit to rounding toward zero for one instruction;
// everything after it must round to nearest again.
TEST(Truncate, RestoresRoundingToNearest) {
  Truncate(-2.7L);
  volatile long double two = 2, three = 3;
  EXPECT_EQ(two / three, 0xAAAAAAAAAAAAAAABp-64L);  // 2/3 rounded up, as to nearest
  EXPECT_EQ(-two / three, -0xAAAAAAAAAAAAAAABp-64L);
}

TEST(Truncate, PassesNaNAndInfinity) {
  EXPECT_TRUE(specfun::IsNaN(Truncate(base::NaN())));
  EXPECT_EQ(Truncate(-base::Infinity()), -base::Infinity());
  EXPECT_EQ(Floor(base::Infinity()), base::Infinity());
}

struct SplitCase {
  long double x;
  long double mantissa;
  std::int32_t power;
  std::int32_t exponent;  // ExponentOf
};

const SplitCase kSplitCases[] = {
    {1, 0.5L, 1, 0},
    {-3, -0.75L, 2, 1},
    {0x1p-16382L, 0.5L, -16381, -16382},                                    // smallest normal
    {0x1p-16400L, 0.5L, -16399, -16400},                                    // subnormal
    {0x1p-16444L, 0.5L, -16443, -16444},                                    // subnormal, next to the smallest
    {-0x3p-16440L, -0.75L, -16438, -16439},                                 // subnormal with two bits
    {0x1.fffffffffffffffep16383L, 0x1.fffffffffffffffep-1L, 16384, 16383},  // largest
};

TEST(SplitExponent, NormalAndSubnormal) {
  for (const SplitCase& c : kSplitCases) {
    const SplitResult s = SplitExponent(c.x);
    EXPECT_EQ(s.mantissa, c.mantissa) << c.x;
    EXPECT_EQ(s.power, c.power) << c.x;
    EXPECT_EQ(ExponentOf(c.x), c.exponent) << c.x;
  }
}

TEST(SplitExponent, LeavesZeroNaNAndInfinityAsTheyAre) {
  for (const Extended x : {Extended(0), Extended(-0.0L), base::Infinity(), -base::Infinity()}) {
    const SplitResult s = SplitExponent(x);
    EXPECT_EQ(s.mantissa, x);
    EXPECT_EQ(std::signbit(s.mantissa.raw()), std::signbit(x.raw()));
    EXPECT_EQ(s.power, 0);
  }
  const SplitResult n = SplitExponent(base::NaN());
  EXPECT_TRUE(specfun::IsNaN(n.mantissa));
  EXPECT_EQ(n.power, 0);
}

TEST(ExponentOf, SpecialValues) {
  EXPECT_EQ(ExponentOf(0), -2147483647);
  EXPECT_EQ(ExponentOf(-0.0L), -2147483647);
  EXPECT_EQ(ExponentOf(1), 0);
  EXPECT_EQ(ExponentOf(0.75L), -1);
  EXPECT_EQ(ExponentOf(base::NaN()), 2147483647);
  EXPECT_EQ(ExponentOf(-base::Infinity()), 2147483647);
}

TEST(IsNaN, TellsNaNFromInfinity) {
  EXPECT_TRUE(specfun::IsNaN(base::NaN()));
  EXPECT_TRUE(specfun::IsNaN(-base::NaN()));
  EXPECT_FALSE(specfun::IsNaN(base::Infinity()));
  EXPECT_FALSE(specfun::IsNaN(0x1.fffffffffffffffep16383L));
  EXPECT_TRUE(IsNaNOrInfinite(base::NaN()));
  EXPECT_TRUE(IsNaNOrInfinite(-base::Infinity()));
  EXPECT_FALSE(IsNaNOrInfinite(0x1.fffffffffffffffep16383L));
  EXPECT_FALSE(IsNaNOrInfinite(0x1p-16445L));
}

struct QuadrantCase {
  long double x;
  std::int32_t q;
  long double r;  // nearest to the true remainder
};

// Negative arguments count quadrants down from 8; the short reduction moves
// an odd multiple of pi/4 up to the next even one.
const QuadrantCase kQuadrantCases[] = {
    {0.5L, 0, 0.5L},
    {-0.5L, 0, -0.5L},
    {2, 1, 0xDBC095777A5CF72Dp-65L},  // 2 - pi/2 = 0.4292036732051033807687
    {-2, 7, -0xDBC095777A5CF72Dp-65L},
    {10, 6, 0x9341C0666F16E587p-64L},  // 10 - 3 pi = 0.5752220392306202846121
    {-10, 2, -0x9341C0666F16E587p-64L},
    {1e22L, 3, 0x8CF55CCB19E6BF6Dp-64L},  // 0.5506189342358096459
    {-1e22L, 5, -0x8CF55CCB19E6BF6Dp-64L},
    {0xC90FDAA22168C235p-62L, 2, 0xECE675D1FC8F8CBBp-128L},  // extended pi: 5.0166e-20
    {0xC90FDAA22168C235p-63L, 1, 0xECE675D1FC8F8CBBp-129L},  // extended pi/2
    {-0xC90FDAA22168C235p-63L, 7, -0xECE675D1FC8F8CBBp-129L},
};

TEST(ReducePiOver2, QuadrantAndRemainder) {
  for (const QuadrantCase& c : kQuadrantCases) {
    const Reduction red = ReducePiOver2(c.x);
    EXPECT_EQ(red.q, c.q) << c.x;
    EXPECT_NEAR(static_cast<double>((red.r.raw() - c.r) / c.r), 0, 2e-19) << c.x;
  }
}

TEST(ReducePiOver2, PassesZeroNaNAndInfinity) {
  EXPECT_EQ(ReducePiOver2(0).r, 0);
  EXPECT_EQ(ReducePiOver2(0).q, 0);
  EXPECT_TRUE(specfun::IsNaN(ReducePiOver2(base::NaN()).r));
  EXPECT_EQ(ReducePiOver2(-base::Infinity()).r, base::Infinity());
  EXPECT_EQ(ReducePiOver2(-base::Infinity()).q, 0);
}

TEST(SineCosine, QuadrantsAgreeWithSineAndCosine) {
  for (const long double x : {0.3L, 2.0L, 4.0L, 5.0L, -2.0L, -4.0L, -5.0L, 1e22L, -1e300L}) {
    const SinCos sc = SineCosine(x);
    EXPECT_EQ(sc.sin, Sine(x)) << x;
    EXPECT_EQ(sc.cos, Cosine(x)) << x;
  }
}

TEST(Tangent, IsMinusCotangentInOddQuadrants) {
  const Reduction red = ReducePiOver2(2);
  ASSERT_EQ(red.q % 2, 1);
  // to within the remainder's rounding, which Tangent(2) carries and tan r
  // of the rounded remainder does not
  EXPECT_LE(static_cast<double>(base::Abs(Tangent(2) / (-1 / Tangent(red.r)) - 1).raw()), 0x1p-61);
  EXPECT_EQ(Tangent(-2), -Tangent(2));
}

TEST(PolynomialValue, HornerOverTheShorterOfDegreeAndCount) {
  const Extended p[] = {1, 2, 3};
  EXPECT_EQ(PolynomialValue(p, 2, 3, 2), 17);  // 1 + 2*2 + 3*4
  EXPECT_EQ(PolynomialValue(p, 1, 3, 2), 5);   // degree 1: 1 + 2*2
  EXPECT_EQ(PolynomialValue(p, 5, 2, 2), 5);   // count 2
  EXPECT_EQ(PolynomialValue(p, 2, 0, 2), 0);
  EXPECT_EQ(PolynomialValue(p, -1, 3, 2), 0);
}

TEST(ChebyshevSum, HalvesTheFirstCoefficient) {
  const Extended c[] = {2, 0, 1};  // 1 + T2(x) = 2x^2
  EXPECT_EQ(ChebyshevSum(c, 2, 3, 0.5L), 0.5L);
  EXPECT_EQ(ChebyshevSum(c, 2, 3, -1), 2);
  EXPECT_EQ(ChebyshevSum(c, 0, 3, 0.5L), 1);  // c0/2 alone
  const Extended t3[] = {0, 0, 0, 1};         // T3(x) = 4x^3 - 3x
  EXPECT_EQ(ChebyshevSum(t3, 3, 4, 0.5L), -1);
  EXPECT_EQ(ChebyshevSum(t3, 3, 0, 0.5L), 0);
}

// Which calls end in a fault of the arithmetic and which return a special
// value silently.  Nothing raises a fault of its own.
struct FaultCase {
  const char* call;
  std::function<Extended()> run;
  std::optional<FloatFault> fault;
  long double silent_result;  // when no fault: NaN matches any NaN
};

// Names the case in test listings and failure messages instead of its bytes.
void PrintTo(const FaultCase& c, std::ostream* out) { *out << c.call; }

constexpr long double kNaN = __builtin_nanl("");

const FaultCase kFaultCases[] = {
    {"Exponential(20000)", [] { return Exponential(20000); }, FloatFault::Overflow, 0},
    {"Exponential(1e4000)", [] { return Exponential(1e4000L); }, FloatFault::Overflow, 0},
    {"Exponential(-1e4000)", [] { return Exponential(-1e4000L); }, std::nullopt, 0},
    // x log2 e would overflow on the way to an underflow
    {"Exponential(-1e4932)", [] { return Exponential(-1e4932L); }, std::nullopt, 0},
    {"Exponential(-largest)", [] { return Exponential(-0x1.fffffffffffffffep16383L); }, std::nullopt, 0},
    {"Exponential(NaN)", [] { return Exponential(base::NaN()); }, std::nullopt, kNaN},
    {"Exponential(inf): inf - inf in the reduction", [] { return Exponential(base::Infinity()); }, FloatFault::Invalid,
     0},
    {"NaturalLog(-1)", [] { return NaturalLog(-1); }, FloatFault::Invalid, 0},
    {"NaturalLog(0)", [] { return NaturalLog(0); }, FloatFault::ZeroDivide, 0},
    {"NaturalLog(inf)", [] { return NaturalLog(base::Infinity()); }, std::nullopt, kInf},
    {"NaturalLog(NaN)", [] { return NaturalLog(base::NaN()); }, std::nullopt, kNaN},
    {"SquareRoot(-1)", [] { return SquareRoot(-1); }, FloatFault::Invalid, 0},
    {"ArcTangent(inf)", [] { return ArcTangent(base::Infinity()); }, std::nullopt, 0xC90FDAA22168C235p-63L},
    {"ArcTangent2(0, 0)", [] { return ArcTangent2(0, 0); }, std::nullopt, 0},
    {"ArcTangent2(1, -inf)", [] { return ArcTangent2(1, -base::Infinity()); }, std::nullopt, 0xC90FDAA22168C235p-62L},
    {"Sine(inf)", [] { return Sine(base::Infinity()); }, FloatFault::Invalid, 0},
    {"Cosine(-inf)", [] { return Cosine(-base::Infinity()); }, FloatFault::Invalid, 0},
    {"Tangent(inf)", [] { return Tangent(base::Infinity()); }, FloatFault::Invalid, 0},
    {"Sine(NaN)", [] { return Sine(base::NaN()); }, std::nullopt, kNaN},
    {"ScaleByPowerOf2(largest, 1)", [] { return ScaleByPowerOf2(0x1.fffffffffffffffep16383L, 1); },
     FloatFault::Overflow, 0},
    {"ScaleByPowerOf2(smallest normal, -100)", [] { return ScaleByPowerOf2(0x1p-16382L, -100); }, std::nullopt, 0},
    {"HyperbolicSine(12000)", [] { return HyperbolicSine(12000); }, FloatFault::Overflow, 0},
    {"HyperbolicCosine(12000)", [] { return HyperbolicCosine(-12000); }, FloatFault::Overflow, 0},
    // one ulp beyond the largest argument whose cosh is finite
    {"HyperbolicCosine(ln(2 largest))", [] { return HyperbolicCosine(0xB174DDC031AEC0EAp-50L); }, FloatFault::Overflow,
     0},
    {"HyperbolicSine(NaN)", [] { return HyperbolicSine(base::NaN()); }, std::nullopt, kNaN},
    {"HyperbolicTangent(inf)", [] { return HyperbolicTangent(base::Infinity()); }, std::nullopt, 1},
    {"HyperbolicTangent(NaN)", [] { return HyperbolicTangent(base::NaN()); }, std::nullopt, kNaN},
    {"HyperbolicSecant(20000)", [] { return HyperbolicSecant(20000); }, std::nullopt, 0},
    {"HyperbolicSecant(-inf)", [] { return HyperbolicSecant(-base::Infinity()); }, std::nullopt, 0},
    {"HyperbolicSecant(NaN)", [] { return HyperbolicSecant(base::NaN()); }, std::nullopt, kNaN},
    {"InverseHyperbolicSine(-inf)", [] { return InverseHyperbolicSine(-base::Infinity()); }, std::nullopt, -kInf},
    {"InverseHyperbolicSine(NaN)", [] { return InverseHyperbolicSine(base::NaN()); }, std::nullopt, kNaN},
    {"InverseCoshOnePlus(inf)", [] { return InverseCoshOnePlus(base::Infinity()); }, std::nullopt, kInf},
    {"InverseHyperbolicCosine(0.5)", [] { return InverseHyperbolicCosine(0.5L); }, FloatFault::Invalid, 0},
    {"InverseHyperbolicCosine(-5)", [] { return InverseHyperbolicCosine(-5); }, FloatFault::Invalid, 0},
    {"InverseHyperbolicCosine(inf)", [] { return InverseHyperbolicCosine(base::Infinity()); }, std::nullopt, kInf},
    {"InverseHyperbolicCosine(NaN)", [] { return InverseHyperbolicCosine(base::NaN()); }, std::nullopt, kNaN},
    {"InverseGudermannian(pi/2)", [] { return InverseGudermannian(constants::kPiOver2); }, std::nullopt, kInf},
    {"InverseGudermannian(-pi/2)", [] { return InverseGudermannian(-constants::kPiOver2); }, std::nullopt, -kInf},
    {"InverseGudermannian(2)", [] { return InverseGudermannian(2); }, std::nullopt, kInf},
    {"InverseGudermannian(inf)", [] { return InverseGudermannian(base::Infinity()); }, FloatFault::Invalid, 0},
    {"InverseGudermannian(NaN)", [] { return InverseGudermannian(base::NaN()); }, std::nullopt, kNaN},
};

class FaultBehaviour : public ::testing::TestWithParam<FaultCase> {};

TEST_P(FaultBehaviour, RaisedByTheArithmeticOrSilent) {
  const FaultCase& c = GetParam();
  if (c.fault) {
    try {
      c.run();
      ADD_FAILURE() << c.call << " passed silently";
    } catch (const FloatError& e) {
      EXPECT_EQ(e.fault(), *c.fault) << c.call;
    }
    return;
  }
  Extended result;
  ASSERT_NO_THROW(result = c.run()) << c.call;
  if (std::isnan(c.silent_result)) {
    EXPECT_TRUE(specfun::IsNaN(result)) << c.call;
  } else {
    EXPECT_EQ(result, c.silent_result) << c.call;
  }
}

INSTANTIATE_TEST_SUITE_P(ExtMath, FaultBehaviour, ::testing::ValuesIn(kFaultCases));

}  // namespace
}  // namespace specfun
