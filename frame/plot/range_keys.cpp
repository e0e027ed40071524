#include "frame/plot/range_keys.h"

#include "forms/keys.h"

namespace frame::plot {

using base::Extended;

bool RangeKeyPress(char c, PlotRange& range, Extended widen_limit) {
  const Extended yspan = range.ymax - range.ymin;
  switch (c) {
    case '+': range.ymax = range.ymin + yspan / Extended(2); return true;
    case '-': range.ymax = range.ymin + Extended(2) * yspan; return true;
    case 'A':
    case 'a':
      range.xmax = range.log_scale ? base::Sqrt(range.xmin * range.xmax) : (range.xmin + range.xmax) / Extended(2);
      return true;
    case 'R':
    case 'r':
      if (range.xmax < widen_limit)
        range.xmax = range.log_scale ? range.xmax * range.xmax / range.xmin : Extended(2) * range.xmax - range.xmin;
      return true;
    case 'G':
    case 'g': range.grid_on = !range.grid_on; return true;
    case 'L':
    case 'l': range.log_scale = !range.log_scale; return true;
    default: return false;
  }
}

void ShiftByQuarter(Extended& low, Extended& high, bool logarithmic, bool upwards) {
  if (logarithmic) {
    const Extended f = base::Sqrt(base::Sqrt(high / low));
    low = upwards ? low * f : low / f;
    high = upwards ? high * f : high / f;
  } else {
    const Extended d = (high - low) / Extended(4);
    low = upwards ? low + d : low - d;
    high = upwards ? high + d : high - d;
  }
}

bool RangeKeyDown(int key, PlotRange& range) {
  switch (key) {
    case forms::kKeyUp:
    case forms::kKeyDown: {
      const Extended quarter = (range.ymax - range.ymin) / Extended(4);
      const Extended shift = key == forms::kKeyUp ? quarter : -quarter;
      range.ymin += shift;
      range.ymax += shift;
      return true;
    }
    case forms::kKeyRight:
    case forms::kKeyLeft: ShiftByQuarter(range.xmin, range.xmax, range.log_scale, key == forms::kKeyRight); return true;
    default: return false;
  }
}

}  // namespace frame::plot
