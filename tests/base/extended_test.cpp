#include "base/extended.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "base/elementary.h"
#include "base/errors.h"

namespace base {
namespace {

struct FaultCase {
  const char* operation;
  std::function<void()> run;
  std::optional<FloatFault> fault;  // nothing: the operation passes silently
};

const Extended kZero = 0;
const Extended kOne = 1;
const Extended kHuge = 1e4000L;
const Extended kTiny = 1e-4000L;

const FaultCase kFaultCases[] = {
    {"1/0", [] { kOne / kZero; }, FloatFault::ZeroDivide},
    {"-1/0", [] { -kOne / kZero; }, FloatFault::ZeroDivide},
    {"0/0", [] { kZero / kZero; }, FloatFault::Invalid},
    {"inf-inf", [] { Infinity() - Infinity(); }, FloatFault::Invalid},
    {"0*inf", [] { kZero* Infinity(); }, FloatFault::Invalid},
    {"inf/inf", [] { Infinity() / Infinity(); }, FloatFault::Invalid},
    {"sqrt(-1)", [] { Sqrt(-kOne); }, FloatFault::Invalid},
    {"ln(0)", [] { Ln(kZero); }, FloatFault::ZeroDivide},
    {"ln(-1)", [] { Ln(-kOne); }, FloatFault::Invalid},
    {"sin(inf)", [] { Sin(Infinity()); }, FloatFault::Invalid},
    {"exp(20000)", [] { Exp(20000); }, FloatFault::Overflow},
    {"1e4000*1e4000", [] { kHuge* kHuge; }, FloatFault::Overflow},
    {"1e4932*10", [] { Extended(1e4932L) * 10; }, FloatFault::Overflow},
    {"1e4000/1e-4000", [] { kHuge / kTiny; }, FloatFault::Overflow},
    {"NaN+1", [] { NaN() + kOne; }, std::nullopt},
    {"NaN/0", [] { NaN() / kZero; }, std::nullopt},
    {"sqrt(NaN)", [] { Sqrt(NaN()); }, std::nullopt},
    {"inf+1", [] { Infinity() + kOne; }, std::nullopt},
    {"inf*2", [] { Infinity() * 2; }, std::nullopt},
    {"1/inf", [] { kOne / Infinity(); }, std::nullopt},
    {"ln(inf)", [] { Ln(Infinity()); }, std::nullopt},
    {"exp(-20000) underflow", [] { Exp(-20000); }, std::nullopt},
    {"exp(inf)", [] { Exp(Infinity()); }, std::nullopt},
    {"exp(-inf)", [] { Exp(-Infinity()); }, std::nullopt},
    {"cos(-inf)", [] { Cos(-Infinity()); }, FloatFault::Invalid},
    {"ln(-inf)", [] { Ln(-Infinity()); }, FloatFault::Invalid},
    {"atan2(0, 0)", [] { ArcTan2(kZero, kZero); }, std::nullopt},
    {"2^r - 1 beyond |r| <= 1", [] { TwoToPowerMinusOne(2); }, FloatFault::Invalid},
    {"2^r - 1 of NaN", [] { TwoToPowerMinusOne(NaN()); }, std::nullopt},
    {"1e-4000*1e-4000 underflow", [] { kTiny* kTiny; }, std::nullopt},
    {"denormal/2", [] { Extended(1e-4945L) / 2; }, std::nullopt},
    {"NaN<1 comparison", [] { (void)(NaN() < kOne); }, std::nullopt},
    {"Round(NaN)", [] { Round(NaN()); }, FloatFault::Invalid},
    {"Round(inf)", [] { Round(Infinity()); }, FloatFault::Invalid},
    {"Round(-inf)", [] { Round(-Infinity()); }, FloatFault::Invalid},
    {"Round(1e19)", [] { Round(1e19L); }, FloatFault::Invalid},
    {"Round(-2^63)", [] { Round(-9223372036854775808.0L); }, std::nullopt},
    {"Round(2^63)", [] { Round(9223372036854775808.0L); }, FloatFault::Invalid},
    {"Trunc(NaN)", [] { Trunc(NaN()); }, FloatFault::Invalid},
    {"Trunc(inf)", [] { Trunc(Infinity()); }, FloatFault::Invalid},
    {"Trunc(1e19)", [] { Trunc(1e19L); }, FloatFault::Invalid},
    {"Trunc(2^63-1)", [] { Trunc(9223372036854775807.0L); }, std::nullopt},
    {"ToDouble(1e400)", [] { ToDouble(1e400L); }, FloatFault::Overflow},
    {"ToDouble(1e-400)", [] { ToDouble(1e-400L); }, std::nullopt},
};

TEST(ExtendedFaults, EachOperationRaisesItsFaultOrNone) {
  for (const FaultCase& c : kFaultCases) {
    SCOPED_TRACE(c.operation);
    if (!c.fault) {
      EXPECT_NO_THROW(c.run());
      continue;
    }
    try {
      c.run();
      ADD_FAILURE() << "no fault raised";
    } catch (const FloatError& error) {
      EXPECT_EQ(error.fault(), *c.fault);
    }
  }
}

TEST(ExtendedFaults, MessagesAreTheDefaultReportTexts) {
  const struct {
    std::function<void()> run;
    const char* message;
  } cases[] = {
      {[] { kZero / kZero; }, "Invalid floating point operation"},
      {[] { kOne / kZero; }, "Floating point division by zero"},
      {[] { kHuge* kHuge; }, "Floating point overflow"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    try {
      c.run();
      ADD_FAILURE() << "no fault raised";
    } catch (const ActionError& error) {
      EXPECT_EQ(std::string(error.what()), c.message);
      EXPECT_EQ(DefaultReportText(error.what()), std::string(c.message) + ".");
    }
  }
}

TEST(ExtendedFaults, FaultKeepsItsOperands) {
  try {
    Extended(3) / kZero;
    FAIL() << "no fault raised";
  } catch (const FloatError& error) {
    EXPECT_EQ(error.operand_a(), 3.0L);
    EXPECT_EQ(error.operand_b(), 0.0L);
  }
}

TEST(ExtendedRounding, RoundTiesToEvenAndTruncTowardZero) {
  const struct {
    long double x;
    std::int64_t round, trunc;
  } cases[] = {
      {2.5L, 2, 2},    {3.5L, 4, 3},   {-2.5L, -2, -2},
      {-3.5L, -4, -3}, {0.5L, 0, 0},   {1.5L, 2, 1},
      {2.4999L, 2, 2}, {-0.7L, -1, 0}, {1e18L, 1000000000000000000, 1000000000000000000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "x = " << static_cast<double>(c.x));
    EXPECT_EQ(Round(c.x), c.round);
    EXPECT_EQ(Trunc(c.x), c.trunc);
  }
}

TEST(ExtendedArithmetic, ResultsKeepTheFullSignificand) {
  // 1 + 2^-63 is lost in a double but exact in an extended real
  const Extended step = Extended(1) / Extended(9223372036854775808.0L);
  EXPECT_NE((kOne + step).raw(), 1.0L);
  EXPECT_EQ(((kOne + step) - kOne).raw(), step.raw());
}

TEST(ExtendedSpecialValues, NaNInfinityAndPi) {
  EXPECT_TRUE(IsNaN(NaN()));
  EXPECT_FALSE(SignBit(NaN()));
  EXPECT_TRUE(IsInfinite(Infinity()));
  EXPECT_FALSE(IsFinite(-Infinity()));
  EXPECT_TRUE(IsFinite(kOne));
  EXPECT_TRUE(SignBit(Extended(-0.0L)));
  EXPECT_FALSE(NaN() == NaN());
  EXPECT_TRUE(NaN() != NaN());
  // the extended nearest to pi is the x87 constant, 2^-62 * 0xC90FDAA22168C235
  EXPECT_EQ(Pi().raw(), std::ldexp(static_cast<long double>(0xC90FDAA22168C235ull), -62));
}

TEST(DefaultReportText, AddsAFullStopOnlyWhenMissing) {
  EXPECT_EQ(DefaultReportText("Range check error"), "Range check error.");
  EXPECT_EQ(DefaultReportText("Arquivo inexistente."), "Arquivo inexistente.");
  EXPECT_EQ(DefaultReportText(" is not a valid number"), " is not a valid number.");
  EXPECT_EQ(DefaultReportText(""), ".");
}

}  // namespace
}  // namespace base
