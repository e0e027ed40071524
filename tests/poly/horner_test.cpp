#include "poly/horner.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <limits>
#include <vector>

#include "tests/base/extended_printer.h"
#include "tests/poly/test_polynomial.h"

namespace poly {
namespace {

using base::Extended;
using test_support::Root;
using test_support::TestPolynomial;
using Reals = std::vector<Extended>;

double D(Extended x) { return static_cast<double>(x.raw()); }

TEST(HornerTest, RealPointGivesValueAndDerivative) {
  // (s - 1)(s - 2)(s + 3) = s^3 - 7s + 6
  const TestPolynomial p = TestPolynomial{1}.Real(1).Real(2).Real(-3);
  struct Case {
    long double x, value, derivative;
  };
  for (const Case& c : {Case{1, 0, -4}, Case{2, 0, 5}, Case{-3, 0, 20}, Case{0, 6, -7}, Case{0.5L, 2.625L, -6.25L}}) {
    const ValueAndDerivative<Extended> both = EvaluateWithDerivative(p.coefficients(), c.x);
    EXPECT_EQ(both.value, Extended(c.value)) << c.x;
    EXPECT_EQ(both.derivative, Extended(c.derivative)) << c.x;
    EXPECT_EQ(Evaluate(p.coefficients(), Extended(c.x)), Extended(c.value)) << c.x;
  }
}

TEST(HornerTest, ConstantAndVanishedPolynomials) {
  const ValueAndDerivative<Extended> constant = EvaluateWithDerivative(Reals{5}, 3);
  EXPECT_EQ(constant.value, Extended(5));
  EXPECT_EQ(constant.derivative, Extended(0));
  EXPECT_EQ(Evaluate(Reals{}, Extended(3)), Extended(0));
  const Complex vanished = Evaluate(Reals{}, Complex{1, 1});
  EXPECT_EQ(vanished.re, Extended(0));
  EXPECT_EQ(vanished.im, Extended(0));
}

TEST(HornerTest, ComplexPointOfRealCoefficients) {
  const Reals square_plus_one = {1, 0, 1};
  const Complex at_j = Evaluate(square_plus_one, Complex{0, 1});
  EXPECT_EQ(at_j.re, Extended(0));
  EXPECT_EQ(at_j.im, Extended(0));
  // (1 + 2j)^2 + 1 = -2 + 4j
  const Complex at = Evaluate(square_plus_one, Complex{1, 2});
  EXPECT_EQ(at.re, Extended(-2));
  EXPECT_EQ(at.im, Extended(4));
}

TEST(HornerTest, ComplexCoefficientsGiveValueAndDerivative) {
  // (s - j)^2 = s^2 - 2j s - 1; at 1: value -2j, derivative 2 - 2j
  const std::vector<Complex> a = {{-1, 0}, {0, -2}, {1, 0}};
  const ValueAndDerivative<Complex> both = EvaluateWithDerivative(a, Complex{1, 0});
  EXPECT_EQ(both.value.re, Extended(0));
  EXPECT_EQ(both.value.im, Extended(-2));
  EXPECT_EQ(both.derivative.re, Extended(2));
  EXPECT_EQ(both.derivative.im, Extended(-2));
}

// A fault anywhere in the pass, in the value or in the derivative alone, is
// raised by the operation that caused it, with its operands; a NaN that came
// in passes without one.
TEST(HornerTest, ComplexPassFaultsWhereTheOperationFaults) {
  const long double big = 0.7L * LDBL_MAX;
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  struct Case {
    const char* what;
    std::vector<Complex> a;
    Complex x;
    base::FloatFault fault;
    long double operand_a, operand_b;
  };
  const Case cases[] = {
      // p := big * 2 overflows at once
      {"value", {{0, 0}, {big, 0}}, {2, 0}, base::FloatFault::Overflow, big, 2},
      // p stays big, d := big * 1 + big does not
      {"derivative", {{0, 0}, {0, 0}, {big, 0}}, {1, 0}, base::FloatFault::Overflow, big, big},
      // inf * 0 in the product's real part
      {"invalid",
       {{1, 0}, {std::numeric_limits<long double>::infinity(), 0}},
       {0, 0},
       base::FloatFault::Invalid,
       std::numeric_limits<long double>::infinity(),
       0},
  };
  for (const Case& c : cases) {
    try {
      EvaluateWithDerivative(c.a, c.x);
      ADD_FAILURE() << c.what << ": no fault";
    } catch (const base::FloatError& error) {
      EXPECT_EQ(error.fault(), c.fault) << c.what;
      EXPECT_EQ(error.operand_a(), c.operand_a) << c.what;
      EXPECT_EQ(error.operand_b(), c.operand_b) << c.what;
    }
  }
  const std::vector<Complex> with_nan = {{1, 0}, {nan, 0}, {1, 0}};
  const ValueAndDerivative<Complex> quiet = EvaluateWithDerivative(with_nan, Complex{1, 0});
  EXPECT_TRUE(base::IsNaN(quiet.value.re));
  EXPECT_TRUE(base::IsNaN(quiet.derivative.re));
}

// An immittance of degree 40 is evaluated along the imaginary axis: the
// value agrees with the product of the distances to the roots, within the
// rounding of the terms summed (sum |a(i)| w^i), which the positive
// coefficients of a Butterworth polynomial make far larger than the value.
TEST(HornerTest, DegreeFortyOnTheImaginaryAxisAgreesWithTheRootProduct) {
  TestPolynomial p{1};
  for (int k = 1; k <= 20; ++k) {
    const Extended angle = base::Pi() * Extended(2 * k + 39) / 80;
    p.Pair(base::Cos(angle), base::Sin(angle));
  }
  ASSERT_EQ(p.degree(), 40);
  for (const long double w : {0.1L, 0.9L, 1.0L, 1.3L, 4.0L}) {
    const Complex value = Evaluate(p.coefficients(), Complex{0, w});
    Complex product{1, 0};
    for (const Root& r : p.roots()) product = product * Complex{-r.re, w - r.im};
    Extended terms = 0;
    for (std::size_t i = p.coefficients().size(); i-- > 0;) terms = terms * w + base::Abs(p.coefficients()[i]);
    EXPECT_LT(static_cast<double>((SumOfParts(value - product) / terms).raw()), 1e-16) << w;
  }
}

// (x - 1)^15 at x = 1 + d and at 1 + (1 + j)d, d = 2^-3 + 2^-40: the terms
// reach some 40000 where the value is about 3E-14, so that plain Horner
// keeps only a few digits of it and the compensated sum keeps them all (d^15
// by repeated products, good to some 2^-60).
TEST(HornerTest, CompensatedEvaluationKeepsTheDigitsThatCancel) {
  Reals a;  // the binomial coefficients with alternating signs, exact
  Extended binomial = 1;
  for (int k = 0; k <= 15; ++k) {
    a.push_back((15 - k) % 2 == 0 ? binomial : -binomial);
    binomial = binomial * Extended(15 - k) / Extended(k + 1);
  }
  const Extended d = 0x1p-3L + 0x1p-40L;
  Extended power = 1;
  for (int k = 0; k < 15; ++k) power = power * d;
  constexpr double kCompensatedBound = 16 * 0x1p-64;
  const Extended x = 1 + d;
  EXPECT_LT(D(base::Abs(EvaluateCompensated(a, x) / power - 1)), kCompensatedBound);
  EXPECT_GT(D(base::Abs(Evaluate(a, x) / power - 1)), 1e-6);
  const Complex z{1 + d, d};
  const Complex want{128 * power, -128 * power};  // (1 + j)^15 = 128 (1 - j)
  EXPECT_LT(D(SumOfParts(EvaluateCompensated(a, z) - want) / SumOfParts(want)), kCompensatedBound);
  EXPECT_GT(D(SumOfParts(Evaluate(a, z) - want) / SumOfParts(want)), 1e-6);
}

}  // namespace
}  // namespace poly
