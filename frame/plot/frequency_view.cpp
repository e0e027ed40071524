#include "frame/plot/frequency_view.h"

#include <utility>

#include "frame/plot/range_keys.h"

namespace frame::plot {

FrequencyView::FrequencyView(PlotWindow& window, int series, ColumnCursor::AtEdge at_edge, std::function<void()> paint,
                             std::function<void(char key)> key_press)
    : window(window), values(kFirstColumn, kLastColumn, series), cursor(at_edge) {
  window.paint_box.on_paint = std::move(paint);
  window.on_key_press = [key_press = std::move(key_press)](char& key) { key_press(key); };
  window.on_key_down = [this](int& key, forms::ShiftState) {
    if (RangeKeyDown(key, range)) Repaint();
  };
  AttachRangeZoom(window.paint_box, band, x, y, range);
}

void FrequencyView::Open(base::Extended xmin, base::Extended xmax, base::Extended ymin, base::Extended ymax) {
  range.xmin = xmin;
  range.xmax = xmax;
  range.ymin = ymin;
  range.ymax = ymax;
  Repaint();
  window.Show();
}

int FrequencyView::ValueToRow(base::Extended v) const { return ClampedPixel(y.ToPixel(v), box.top, box.bottom); }

}  // namespace frame::plot
