#include "elliptic/value_rows.h"

namespace elliptic {

using base::Extended;

ValueRows::ValueRows(const frame::plot::PlotBox& box, Extended low, Extended high)
    : top_(box.top), bottom_(box.bottom), flat_(low == high), level_(low) {
  if (!flat_) mapping_ = frame::plot::FitAxis(box.bottom, box.top, low, high, false);
}

int ValueRows::Row(Extended v) const {
  if (base::IsNaN(v)) return top_;
  if (flat_) {
    if (v > level_) return top_;
    if (v < level_) return bottom_;
    return (top_ + bottom_) / 2;
  }
  // beyond every row: the edge on its side of the range, as the mapping
  // would send it, without multiplying an infinity
  if (base::IsInfinite(v)) return (v > 0) == (mapping_.scale < 0) ? top_ : bottom_;
  return frame::plot::ClampedPixel(mapping_.ToPixel(v), top_, bottom_);
}

}  // namespace elliptic
