// What the user of a plot window zooms and pans: the frequency range on the
// horizontal axis, the value range on the vertical one, and the two switches
// of the picture.
#pragma once

#include "base/extended.h"

namespace frame::plot {

struct PlotRange {
  base::Extended xmin, xmax;
  base::Extended ymin, ymax;
  bool log_scale = true;  // logarithmic frequency axis
  bool grid_on = true;
};

}  // namespace frame::plot
