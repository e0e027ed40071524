// The mapping of values to pixels: which end is exact, the way back, the
// faults of empty and non-positive ranges, and the rounding and clamping of
// pixels.
#include "frame/plot/axis_mapping.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/errors.h"
#include "tests/base/extended_printer.h"

namespace frame::plot {
namespace {

using base::Extended;

double D(Extended x) { return static_cast<double>(x.raw()); }

struct FitCase {
  const char* name;
  int p_low, p_high;
  long double low, high;
  bool log;
  Anchor anchor;
};

TEST(AxisMapping, TheAnchoredEndIsExactAndTheOtherEndAndTheWayBackAreClose) {
  const FitCase cases[] = {
      {"columns, linear", 75, 640, 0.1L, 10, false, Anchor::Low},
      {"columns, logarithmic", 75, 640, 0.1L, 10, true, Anchor::Low},
      {"rows, upwards", 368, 0, -70, 10, false, Anchor::Low},
      {"columns anchored on the right, linear", 40, 900, 0.2L, 5, false, Anchor::High},
      {"columns anchored on the right, logarithmic", 40, 900, 0.2L, 5, true, Anchor::High},
      {"reversed range", 75, 640, 10, 0.1L, false, Anchor::Low},
  };
  for (const FitCase& c : cases) {
    SCOPED_TRACE(c.name);
    const AxisMapping m = FitAxis(c.p_low, c.p_high, c.low, c.high, c.log, c.anchor);
    const bool low_anchored = c.anchor == Anchor::Low;
    EXPECT_EQ(m.ToPixel(low_anchored ? c.low : c.high), Extended(low_anchored ? c.p_low : c.p_high));
    EXPECT_NEAR(D(m.ToPixel(low_anchored ? c.high : c.low)), low_anchored ? c.p_high : c.p_low, 1e-12);
    for (const int pixel : {c.p_low, (c.p_low + c.p_high) / 2, c.p_high})
      EXPECT_NEAR(D(m.ToPixel(m.FromPixel(pixel))), pixel, 1e-12);
  }
  // a logarithmic axis puts the geometric mean in the middle
  EXPECT_NEAR(D(FitAxis(75, 641, 0.1L, 10, true).ToPixel(1)), 358, 1e-12);
}

TEST(AxisMapping, EmptyOrNonPositiveRangesAreFaultsOfTheArithmetic) {
  struct Case {
    const char* name;
    long double low, high;
    bool log;
    base::FloatFault fault;
  };
  const Case cases[] = {
      {"equal limits", 1, 1, false, base::FloatFault::ZeroDivide},
      {"equal limits, logarithmic", 2, 2, true, base::FloatFault::ZeroDivide},
      {"zero lower limit, logarithmic", 0, 10, true, base::FloatFault::ZeroDivide},
      {"negative limit, logarithmic", -1, 10, true, base::FloatFault::Invalid},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      FitAxis(75, 640, c.low, c.high, c.log);
      ADD_FAILURE() << "no fault";
    } catch (const base::FloatError& e) {
      EXPECT_EQ(e.fault(), c.fault);
    }
  }
}

TEST(AxisMapping, PixelsRoundToEvenAndClampIntoTheirRange) {
  struct Case {
    long double p;
    int first, last;
    int want;
  };
  const Case cases[] = {
      {2.5L, 0, 100, 2},  {3.5L, 0, 100, 4},     {-0.5L, -10, 10, 0},   {99.4999L, 0, 100, 99}, {100.6L, 0, 100, 100},
      {-0.6L, 0, 100, 0}, {1e30L, 15, 386, 386}, {-1e30L, 15, 386, 15}, {NAN, 15, 386, 15},
  };
  for (const Case& c : cases) EXPECT_EQ(ClampedPixel(c.p, c.first, c.last), c.want) << D(c.p);
  EXPECT_EQ(NearestPixel(1e30L), kFarPixel);
  EXPECT_EQ(NearestPixel(-1e4000L), -kFarPixel);
  EXPECT_EQ(NearestPixel(-7.5L), -8);
}

}  // namespace
}  // namespace frame::plot
