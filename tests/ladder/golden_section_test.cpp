// The golden-section search: where it ends for minima inside and on the end
// of the interval, either way round, and how many cycles it takes.
#include "ladder/golden_section.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/base/extended_printer.h"

namespace ladder_test {
namespace {

using base::Extended;

TEST(GoldenSection, TheLastIntervalHoldsTheMinimum) {
  struct Case {
    const char* name;
    long double a, b, minimum;
  };
  // 1/3 is no point the search evaluates, so a V-shaped function tells
  // every comparison apart down to the last cycle
  const Case cases[] = {
      {"inside", 0, 1, 1.0L / 3},
      {"inside, the interval given the other way round", 1, 0, 1.0L / 3},
      {"on the lower end", 1.0L / 3, 1, 1.0L / 3},
      {"on the upper end", 0, 1.0L / 3, 1.0L / 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Extended minimum = c.minimum;
    int evaluations = 0;
    const ladder::GoldenSection found = ladder::GoldenSectionMinimum(
        [&](Extended x) {
          ++evaluations;
          return base::Abs(x - minimum);
        },
        c.a, c.b, Extended(1e-9L));
    EXPECT_LE(std::min(found.a, found.b), minimum);
    EXPECT_GE(std::max(found.a, found.b), minimum);
    // stopped by the width: 0.618034^44 is the first power below 1e-9
    EXPECT_LT(base::Abs(found.b - found.a), Extended(1e-9L));
    EXPECT_LE(found.cycles, 44);
    EXPECT_EQ(evaluations, found.cycles + 2) << "one evaluation a cycle";
  }
}

TEST(GoldenSection, AnIntervalThatCannotBecomeNarrowEnoughEndsAfter101Cycles) {
  const ladder::GoldenSection found =
      ladder::GoldenSectionMinimum([](Extended x) { return x * x; }, Extended(-1), Extended(2), Extended(0));
  EXPECT_EQ(found.cycles, 101);
  // The six-digit fraction places the kept point a little off its golden
  // place at every cycle; far below a billionth of the start the points
  // drift, and the end lies near the minimum rather than around it.
  EXPECT_LT(base::Abs(found.a), Extended(1e-10L));
  EXPECT_LT(base::Abs(found.b), Extended(1e-10L));
}

}  // namespace
}  // namespace ladder_test
