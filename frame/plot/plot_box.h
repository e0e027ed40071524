// The pixel box of a plot inside its paint box: left .. right columns,
// top .. bottom rows (rows grow downwards).
#pragma once

namespace frame::plot {

struct PlotBox {
  int left = 0, right = 0, top = 0, bottom = 0;
};

}  // namespace frame::plot
