// The keys that zoom and pan a plot: they change its range, and the plot
// repaints afterwards.
//
// Typed characters (either case): "+" halves the value range above ymin and
// "-" doubles it; A halves the frequency range above xmin and R doubles it,
// geometrically on a logarithmic axis, R only while xmax is below the plot's
// widening limit; G and L switch the grid and the logarithmic axis.
// Arrows (key down): Up and Down shift the value range by a quarter of its
// height; Right and Left shift the frequency range by a quarter of its width,
// on a logarithmic axis by the fourth root of xmax / xmin.
#pragma once

#include "base/extended.h"
#include "frame/plot/plot_range.h"

namespace frame::plot {

// True when c is one of the keys above (R too when the limit holds it back).
bool RangeKeyPress(char c, PlotRange& range, base::Extended widen_limit);
bool RangeKeyDown(int key, PlotRange& range);

// Shift low .. high upwards (or downwards) by a quarter: on a logarithmic
// axis both times (or divided by) f = sqrt(sqrt(high / low)), else plus (or
// minus) (high - low) / 4; both computed from the limits as they were.
void ShiftByQuarter(base::Extended& low, base::Extended& high, bool logarithmic, bool upwards);

}  // namespace frame::plot
