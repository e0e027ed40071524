// The grid of a plot: dotted lines at round values of each axis, and on a
// logarithmic frequency axis a line of its own colour at every decade where
// the spacing grows tenfold.
//
// The spacing is the power of ten nearest below the range's width (below
// xmin itself on a logarithmic axis whose range starts within its first
// decade), the first line the first multiple of it above the lower limit.
// Which lines fall exactly on a limit depends on the last bits of the
// arithmetic; such a line lies under the plot's frame.  A range so narrow
// beside its limits that no spacing the arithmetic can step through fits
// in it has no lines.
#pragma once

#include <vector>

#include "base/extended.h"
#include "forms/canvas.h"
#include "frame/plot/axis_mapping.h"
#include "frame/plot/plot_box.h"

namespace frame::plot {

struct GridLine {
  base::Extended value;
  bool decade = false;  // drawn in the decade colour
};

// The vertical lines between xmin and xmax; decades only on a logarithmic
// axis.
std::vector<GridLine> FrequencyGridLines(base::Extended xmin, base::Extended xmax, bool logarithmic);
// The horizontal lines between ymin and ymax.
std::vector<base::Extended> ValueGridLines(base::Extended ymin, base::Extended ymax);

struct GridColours {
  forms::Color line;
  forms::Color decade;
};

// Dotted: the vertical lines from top to bottom, then the horizontal lines
// from left to right, each at its value's pixel; the pen is solid again
// afterwards.  The ranges must not be reversed or empty.
void DrawFrequencyGrid(forms::Canvas& canvas, const PlotBox& box, const AxisMapping& x, base::Extended xmin,
                       base::Extended xmax, const GridColours& colours);
void DrawValueGrid(forms::Canvas& canvas, const PlotBox& box, const AxisMapping& y, base::Extended ymin,
                   base::Extended ymax, forms::Color colour);
// Both, the vertical lines first.
void DrawGrid(forms::Canvas& canvas, const PlotBox& box, const AxisMapping& x, base::Extended xmin, base::Extended xmax,
              const AxisMapping& y, base::Extended ymin, base::Extended ymax, const GridColours& colours);

}  // namespace frame::plot
