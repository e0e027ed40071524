#include "ladder/golden_section.h"

namespace ladder {
namespace {

// 2 - the golden ratio, to six digits: the new point's place in the interval.
constexpr long double kGoldenFraction = 0.381966L;
// Enough for any interval that the arithmetic can still narrow: one that
// stays wider than `width` (its ends a few ulps apart) ends after this.
constexpr int kMaxCycles = 100;

}  // namespace

using base::Extended;

GoldenSection GoldenSectionMinimum(const std::function<Extended(Extended)>& f, Extended a, Extended b, Extended width) {
  const Extended g = kGoldenFraction;
  Extended x1 = a + g * (b - a);
  Extended x2 = x1 + g * (b - x1);
  Extended f1 = f(x1);
  Extended f2 = f(x2);
  int cycles = 0;
  do {
    if (f1 > f2) {
      a = x1;
      x1 = x2;
      f1 = f2;
      x2 = b - g * (b - a);
      f2 = f(x2);
    } else {
      b = x2;
      x2 = x1;
      f2 = f1;
      x1 = a + g * (b - a);
      f1 = f(x1);
    }
    ++cycles;
  } while (!(base::Abs(b - a) < width) && cycles <= kMaxCycles);
  return {a, b, cycles};
}

}  // namespace ladder
