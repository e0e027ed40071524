// The golden-section search for the minimum of a function on an interval
// where it falls and then rises: each cycle keeps the part of the interval
// that must hold the minimum, 0.618 of it, and evaluates the function once.
#pragma once

#include <functional>

#include "base/extended.h"

namespace ladder {

struct GoldenSection {
  base::Extended a, b;  // the last interval; the minimum lies between
  int cycles = 0;
};

// Searches a .. b (a may lie above b) until the interval is narrower than
// `width` or after the last allowed cycle, whichever comes first; at least
// one cycle is made.
GoldenSection GoldenSectionMinimum(const std::function<base::Extended(base::Extended)>& f, base::Extended a,
                                   base::Extended b, base::Extended width);

}  // namespace ladder
