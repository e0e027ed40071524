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

// What a repaint cannot draw as asked it switches off: the logarithmic axis
// when a frequency limit is not above 0, the grid when a range is empty or
// reversed.  Both stay off until the user switches them on again.
void DropImpossibleSwitches(PlotRange& range);

}  // namespace frame::plot
