#include "frame/plot/plot_range.h"

namespace frame::plot {

void DropImpossibleSwitches(PlotRange& range) {
  if (range.xmin <= 0 || range.xmax <= 0) range.log_scale = false;
  if (range.xmin >= range.xmax || range.ymin >= range.ymax) range.grid_on = false;
}

}  // namespace frame::plot
