// The rows of one vertical range of the plot box: the low limit on the
// bottom row, the high limit on the top row, and every value beyond the box
// on its edge.
//
// Values without a place of their own get one instead of a fault: a value
// that cannot be compared (not a number) goes to the top, an infinite one to
// the edge it lies beyond.  A range of zero width cannot be spread over the
// rows; it puts its one value on the middle row and everything above or
// below it on the edges.
#pragma once

#include "base/extended.h"
#include "frame/plot/axis_mapping.h"
#include "frame/plot/plot_box.h"

namespace elliptic {

class ValueRows {
 public:
  ValueRows() = default;
  // low goes to box.bottom and high to box.top; low above high mirrors the
  // range.
  ValueRows(const frame::plot::PlotBox& box, base::Extended low, base::Extended high);

  // The clamped row of v.
  int Row(base::Extended v) const;
  // A range of zero width has no value for each row.
  bool flat() const { return flat_; }
  // The value of a row; only for a range that is not flat.
  base::Extended ValueAt(int row) const { return mapping_.FromPixel(row); }
  // Only for a range that is not flat.
  const frame::plot::AxisMapping& mapping() const { return mapping_; }

 private:
  int top_ = 0, bottom_ = 0;
  bool flat_ = false;
  base::Extended level_;  // the value of a flat range
  frame::plot::AxisMapping mapping_;
};

}  // namespace elliptic
