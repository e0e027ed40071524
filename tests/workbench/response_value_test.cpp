// The plotted values of the response plot: magnitudes in dB, phases with
// their quadrants and the tiny values that stand for zeros, the delay.
#include "workbench/response_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/base/extended_printer.h"

namespace workbench_test {
namespace {

using base::Extended;
using workbench::ResponseKind;
using workbench::ResponseValue;

struct Case {
  const char* name;
  ResponseKind kind;
  std::vector<Extended> numerator, denominator;
  long double k, w;
  long double want;
  long double tolerance;
};

// 20 log10 of a magnitude with the plot's ten-digit factor.
long double Decibels(long double squared) { return 4.342944818L * std::log(squared); }

TEST(ResponseValue, QuotientsAtJw) {
  using enum ResponseKind;
  const Case cases[] = {
      {"|1/(s+1)| at 1: half the power", MagnitudeT, {1}, {1, 1}, 1, 1, Decibels(0.5L), 1e-15L},
      {"the constant ratio scales the magnitude", MagnitudeH, {1}, {1, 1}, 2, 1, Decibels(2), 1e-15L},
      {"Butterworth of order 3 at 10 rad/s", MagnitudeT, {1}, {1, 2, 2, 1}, 1, 10, Decibels(1 / (1 + 1e6L)), 1e-12L},
      {"no imaginary part in D: divided by |D|^2", MagnitudeK, {0, 1}, {4}, 1, 2, Decibels(0.25L), 1e-15L},
      {"a vanished denominator stands for a tiny one", MagnitudeT, {1}, {}, 1, 3, Decibels(2e-40L), 1e-9L},
      {"a negative real quotient: 180 degrees, not -180", PhaseT, {-2}, {1}, 1, 5, 180, 0},
      {"the same quotient through a negative constant ratio", PhaseT, {2}, {1}, -1, 5, 180, 0},
      {"a zero real part: +90 degrees", PhaseT, {0, 1}, {1}, 1, 2, 90, 1e-15L},
      {"and -90 below the axis", PhaseT, {0, -1}, {1}, 1, 2, -90, 1e-15L},
      {"third quadrant", PhaseT, {-1, -1}, {1}, 1, 1, -135, 1e-15L},
      {"group delay of 1/(s+1): Re(1/(1+jw))", DelayT, {1}, {1, 1}, 1, 2, 0.2L, 1e-18L},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Extended y = ResponseValue(c.kind, c.numerator, c.denominator, c.k, c.w);
    EXPECT_NEAR(static_cast<double>(y.raw()), static_cast<double>(c.want),
                static_cast<double>(c.tolerance * (1 + std::fabs(c.want))));
  }
}

}  // namespace
}  // namespace workbench_test
