// The grid rule: where the lines of the two axes fall, which lines mark a
// decade, and how they are drawn.
#include "frame/plot/grid_rule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "forms/raster/image_canvas.h"
#include "forms/recording_canvas.h"

namespace frame::plot {
namespace {

using base::Extended;

// A line may or may not fall on a limit by the last bits of the arithmetic;
// the lines between the limits are fixed.
bool OnLimit(Extended v, Extended low, Extended high) {
  const auto near = [](Extended a, Extended b) {
    return std::fabs(static_cast<double>((a - b).raw())) <= 1e-12 * std::fabs(static_cast<double>(b.raw()));
  };
  return near(v, low) || near(v, high);
}

struct Line {
  double value;
  bool decade;
};

std::vector<Line> Inner(long double xmin, long double xmax, bool log) {
  std::vector<Line> lines;
  for (const GridLine& g : FrequencyGridLines(xmin, xmax, log))
    if (!OnLimit(g.value, xmin, xmax)) lines.push_back({static_cast<double>(g.value.raw()), g.decade});
  return lines;
}

void ExpectLines(const std::vector<Line>& got, const std::vector<Line>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    EXPECT_NEAR(got[i].value, want[i].value, 1e-15 * std::fabs(want[i].value)) << "line " << i;
    EXPECT_EQ(got[i].decade, want[i].decade) << "line " << i;
  }
}

TEST(GridRule, FrequencyLinesAndDecades) {
  struct Case {
    const char* name;
    long double xmin, xmax;
    bool log;
    std::vector<Line> lines;
  };
  const Case cases[] = {
      {"default logarithmic axis: tenths, the decade at 1, units",
       0.1L,
       10,
       true,
       {{0.2, false},
        {0.3, false},
        {0.4, false},
        {0.5, false},
        {0.6, false},
        {0.7, false},
        {0.8, false},
        {0.9, false},
        {1, true},
        {2, false},
        {3, false},
        {4, false},
        {5, false},
        {6, false},
        {7, false},
        {8, false},
        {9, false}}},
      {"the same range, linear: units, no decade",
       0.1L,
       10,
       false,
       {{1, false}, {2, false}, {3, false}, {4, false}, {5, false}, {6, false}, {7, false}, {8, false}, {9, false}}},
      // (from 1.05: at 1 itself the half step up ties, and the tie goes to
      // the line at 1 or above it by the last bit of the step 10^-1)
      {"logarithmic range within its first decade takes the width",
       1.05L,
       1.5L,
       true,
       {{1.1, false}, {1.2, false}, {1.3, false}, {1.4, false}}},
      {"a decade reached later widens the spacing",
       5,
       50,
       true,
       {{6, false}, {7, false}, {8, false}, {9, false}, {10, true}, {20, false}, {30, false}, {40, false}}},
      {"ten spacings from zero are a decade only on a logarithmic axis", 9.5L, 12, true, {{10, true}}},
      {"linear", 9.5L, 12, false, {{10, false}, {11, false}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectLines(Inner(c.xmin, c.xmax, c.log), c.lines);
  }
}

TEST(GridRule, ValueLines) {
  struct Case {
    long double ymin, ymax;
    std::vector<double> lines;
  };
  const Case cases[] = {
      {-10, 70, {0, 10, 20, 30, 40, 50, 60}},
      {-70, 10, {-60, -50, -40, -30, -20, -10, 0}},
      {-180, 180, {-100, 0, 100}},
      {0, 40, {10, 20, 30}},
      // a width of a whole power of ten ties, and the tie goes to the even
      // exponent: units for 10, hundreds for 100
      {0, 10, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
      {0, 100, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.ymin));
    std::vector<double> got;
    for (const Extended y : ValueGridLines(c.ymin, c.ymax))
      if (!OnLimit(y, c.ymin, c.ymax)) got.push_back(static_cast<double>(y.raw()));
    ASSERT_EQ(got.size(), c.lines.size());
    for (std::size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], c.lines[i], 1e-15 * (1 + std::fabs(c.lines[i])));
  }
}

// A range of a few units in the last place of its limits: rounding the
// limits by the spacing leaves 64-bit integers, and a step no longer moves a
// line.  Such a range has no lines instead of a fault or an endless loop;
// one that the arithmetic can still step through keeps its lines.
TEST(GridRule, RangesTooNarrowForTheArithmeticHaveNoLines) {
  const long double big = 1e20L;
  const long double few_units = std::nextafter(std::nextafter(std::nextafter(big, 2 * big), 2 * big), 2 * big);
  EXPECT_TRUE(FrequencyGridLines(big, few_units, false).empty());
  EXPECT_TRUE(FrequencyGridLines(big, few_units, true).empty()) << "spaced by the width, not by xmin";
  EXPECT_TRUE(ValueGridLines(big, few_units).empty());
  EXPECT_TRUE(ValueGridLines(-few_units, -big).empty());

  // nine lines between the limits, a tenth on a limit by the last bits
  EXPECT_GE(FrequencyGridLines(1, 1 + 1e-15L, false).size(), 9u) << "spacing 1e-16";
  EXPECT_GE(ValueGridLines(1e3L, 1e3L + 1e-12L).size(), 9u);
  // from xmin the spacing grows with the lines: 9 lines a decade over 40
  EXPECT_EQ(FrequencyGridLines(1e-20L, 1e20L, true).size(), 360u);
}

TEST(GridRule, DrawsDottedFullLinesWithTheDecadeInItsColourAndLeavesThePenSolid) {
  forms::raster::ImageCanvas image(300, 200);
  forms::RecordingCanvas canvas(image);
  const PlotBox box{75, 300, 0, 187};
  const AxisMapping x = FitAxis(box.left, box.right, 0.1L, 10, true);
  const AxisMapping y = FitAxis(box.bottom, box.top, -70, 10, false);
  const GridColours colours{forms::kGrey, forms::kYellow};
  DrawGrid(canvas, box, x, 0.1L, 10, y, -70, 10, colours);

  int vertical = 0, horizontal = 0, decades = 0;
  bool horizontal_seen = false;
  for (const forms::DrawCall& call : canvas.calls()) {
    ASSERT_EQ(call.kind, forms::DrawCall::Kind::Line);
    EXPECT_EQ(call.style, forms::PenStyle::Dot);
    EXPECT_EQ(call.mode, forms::PenMode::Copy);
    const forms::Point from = call.points[0], to = call.points[1];
    if (from.x == to.x) {
      ++vertical;
      EXPECT_FALSE(horizontal_seen) << "the vertical lines come first";
      EXPECT_EQ(from.y, box.top);
      EXPECT_EQ(to.y, box.bottom);
      if (call.pen == forms::kYellow) {
        ++decades;
        EXPECT_EQ(from.x, NearestPixel(x.ToPixel(1)));
      } else {
        EXPECT_EQ(call.pen, forms::kGrey);
      }
    } else {
      ++horizontal;
      horizontal_seen = true;
      EXPECT_EQ(from.y, to.y);
      EXPECT_EQ(from.x, box.left);
      EXPECT_EQ(to.x, box.right);
      EXPECT_EQ(call.pen, forms::kGrey);
    }
  }
  EXPECT_GE(vertical, 17);
  EXPECT_EQ(decades, 1);
  EXPECT_GE(horizontal, 7);
  EXPECT_EQ(canvas.GetPenStyle(), forms::PenStyle::Solid);
}

}  // namespace
}  // namespace frame::plot
