// What the frequency plots of the prompt-driven programs keep and handle
// alike around their own painting and keys: the window, the range that keys,
// the scales dialog and the mouse change, the box, mappings and values of the
// last repaint, the cursor with its marker, and the rubber band that zooms.
// The arrows pan the range and the band zooms it, both followed by a
// repaint; the plot paints and handles the typed keys itself.
#pragma once

#include <functional>

#include "base/extended.h"
#include "forms/canvas.h"
#include "frame/plot/axis_mapping.h"
#include "frame/plot/column_cursor.h"
#include "frame/plot/curve_table.h"
#include "frame/plot/frequency_plot.h"
#include "frame/plot/plot_box.h"
#include "frame/plot/plot_range.h"
#include "frame/plot/plot_window.h"
#include "frame/plot/rubber_band.h"
#include "frame/plot/xor_marker.h"

namespace frame::plot {

class FrequencyView {
 public:
  // `series` values per column; `paint` and `key_press` are the plot's own.
  FrequencyView(PlotWindow& window, int series, ColumnCursor::AtEdge at_edge, std::function<void()> paint,
                std::function<void(char key)> key_press);
  FrequencyView(const FrequencyView&) = delete;
  FrequencyView& operator=(const FrequencyView&) = delete;

  // The plot's limits, then the window is repainted and shown; the
  // logarithmic axis and the grid stay as the user left them.
  void Open(base::Extended xmin, base::Extended xmax, base::Extended ymin, base::Extended ymax);
  void Repaint() { window.paint_box.Invalidate(); }
  forms::Canvas& canvas() { return window.paint_box.canvas(); }
  // The row of value v by the last repaint's mapping, clamped into the box.
  int ValueToRow(base::Extended v) const;

  PlotWindow& window;
  PlotRange range;
  // of the last repaint
  PlotBox box;
  AxisMapping x, y;
  CurveTable values;
  ColumnCursor cursor;
  XorMarker marker;
  RubberBand band{forms::kRed, forms::kBlack};
};

}  // namespace frame::plot
