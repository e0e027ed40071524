// The mapping between the values of a plot axis and pixels.
//
// pixel = scale * t(v) + offset, with t(v) = ln v on a logarithmic axis and
// t(v) = v on a linear one.  The plots fit a mapping to their range and box
// and keep it until the next repaint, so that the cursor, the keys and the
// mouse work on the picture the user sees.
#pragma once

#include "base/extended.h"

namespace frame::plot {

// Which end of the range the offset is fitted at: that end maps on its pixel
// without rounding error.
enum class Anchor { Low, High };

struct AxisMapping {
  base::Extended scale = 1;
  base::Extended offset = 0;
  bool logarithmic = false;

  // Unrounded.
  base::Extended ToPixel(base::Extended v) const;
  // The value a pixel stands for: exp((p - offset) / scale) on a
  // logarithmic axis.
  base::Extended FromPixel(base::Extended pixel) const;
};

// The mapping that takes `low` to pixel p_low and `high` to p_high: scale =
// (p_high - p_low) / (high - low), or / ln(high / low) on a logarithmic axis.
// Equal limits divide by zero, a logarithmic axis with a limit not above 0
// takes the logarithm of a non-positive number: both are faults of the
// action, as the arithmetic raises them.
AxisMapping FitAxis(int p_low, int p_high, base::Extended low, base::Extended high, bool logarithmic,
                    Anchor anchor = Anchor::Low);

// Pixels far outside any window stand for everything beyond them, so that
// figures running off the window never overflow the canvas coordinates.
constexpr int kFarPixel = 1 << 30;

// p rounded to the nearest pixel (ties to even) and clamped into
// first .. last; a value that cannot be compared (not a number) gives first.
int ClampedPixel(base::Extended p, int first, int last);
// p rounded to the nearest pixel, saturated at +-kFarPixel.
int NearestPixel(base::Extended p);

}  // namespace frame::plot
