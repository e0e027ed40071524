// The keys that zoom and pan a plot, on ranges whose results are exact.
#include "frame/plot/range_keys.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "forms/keys.h"
#include "tests/base/extended_printer.h"

namespace frame::plot {
namespace {

using base::Extended;

constexpr long double kWidenLimit = 1e20L;

PlotRange Range(long double xmin, long double xmax, long double ymin, long double ymax, bool log) {
  PlotRange r;
  r.xmin = xmin;
  r.xmax = xmax;
  r.ymin = ymin;
  r.ymax = ymax;
  r.log_scale = log;
  return r;
}

void ExpectRange(const PlotRange& got, const PlotRange& want) {
  EXPECT_EQ(got.xmin, want.xmin);
  EXPECT_EQ(got.xmax, want.xmax);
  EXPECT_EQ(got.ymin, want.ymin);
  EXPECT_EQ(got.ymax, want.ymax);
  EXPECT_EQ(got.log_scale, want.log_scale);
  EXPECT_EQ(got.grid_on, want.grid_on);
}

TEST(RangeKeys, TypedKeysChangeTheRange) {
  struct Case {
    char key;
    PlotRange before, after;
  };
  const Case cases[] = {
      {'+', Range(1, 16, -70, 10, true), Range(1, 16, -70, -30, true)},
      {'-', Range(1, 16, -70, 10, true), Range(1, 16, -70, 90, true)},
      {'A', Range(1, 16, 0, 40, true), Range(1, 4, 0, 40, true)},
      {'a', Range(1, 16, 0, 40, false), Range(1, 8.5L, 0, 40, false)},
      {'R', Range(2, 16, 0, 40, true), Range(2, 128, 0, 40, true)},
      {'r', Range(1, 16, 0, 40, false), Range(1, 31, 0, 40, false)},
      {'R', Range(1, kWidenLimit, 0, 40, true), Range(1, kWidenLimit, 0, 40, true)},
      {'R', Range(1, 1e19L, 0, 40, true), Range(1, 1e38L, 0, 40, true)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(1, c.key) + " from xmax " + std::to_string(static_cast<double>(c.before.xmax.raw())));
    PlotRange r = c.before;
    EXPECT_TRUE(RangeKeyPress(c.key, r, kWidenLimit));
    ExpectRange(r, c.after);
  }
}

TEST(RangeKeys, GAndLSwitchAndOtherKeysAreNotTheirs) {
  PlotRange r = Range(1, 16, 0, 40, true);
  EXPECT_TRUE(RangeKeyPress('g', r, kWidenLimit));
  EXPECT_FALSE(r.grid_on);
  EXPECT_TRUE(RangeKeyPress('G', r, kWidenLimit));
  EXPECT_TRUE(r.grid_on);
  EXPECT_TRUE(RangeKeyPress('L', r, kWidenLimit));
  EXPECT_FALSE(r.log_scale);
  for (const char key : {' ', '.', 'M', 'Z', '\r'}) EXPECT_FALSE(RangeKeyPress(key, r, kWidenLimit)) << key;
  EXPECT_FALSE(RangeKeyDown(forms::kKeyPageUp, r));
  ExpectRange(r, Range(1, 16, 0, 40, false));
}

TEST(RangeKeys, ArrowsShiftByAQuarter) {
  struct Case {
    int key;
    PlotRange before, after;
  };
  const Case cases[] = {
      {forms::kKeyRight, Range(1, 16, 0, 40, true), Range(2, 32, 0, 40, true)},
      {forms::kKeyLeft, Range(1, 16, 0, 40, true), Range(0.5L, 8, 0, 40, true)},
      {forms::kKeyRight, Range(0, 8, 0, 40, false), Range(2, 10, 0, 40, false)},
      {forms::kKeyLeft, Range(0, 8, 0, 40, false), Range(-2, 6, 0, 40, false)},
      {forms::kKeyUp, Range(1, 16, -8, 8, true), Range(1, 16, -4, 12, true)},
      {forms::kKeyDown, Range(1, 16, -8, 8, true), Range(1, 16, -12, 4, true)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    PlotRange r = c.before;
    EXPECT_TRUE(RangeKeyDown(c.key, r));
    ExpectRange(r, c.after);
  }
}

TEST(RangeKeys, ALogarithmicKeyOnANegativeRangeIsAFault) {
  PlotRange r = Range(-1, 16, 0, 40, true);
  EXPECT_THROW(RangeKeyPress('A', r, kWidenLimit), base::FloatError);
}

}  // namespace
}  // namespace frame::plot
