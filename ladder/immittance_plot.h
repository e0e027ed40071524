// The immittance plot in Form9: the real part (white) and the imaginary part
// (yellow) of K·N(s)/D(s) against w, along the imaginary axis (s = jw) or
// along the negative real axis (s = -w).  Every repaint evaluates the
// immittance as the extractions have left it by then.  Keys, the scales
// dialog (Form10) and the mouse zoom and pan; a cursor follows the real part
// with its readout in a box inside the plot; M finds the smallest real part
// and, on the imaginary axis, refines it between columns.  The curve table
// file is created when the scales dialog is left and written by the next
// repaint.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "base/extended.h"
#include "base/text_file.h"
#include "frame/console.h"
#include "frame/plot/curve_table.h"
#include "frame/plot/frequency_view.h"
#include "frame/plot/plot_box.h"
#include "frame/plot/plot_range.h"
#include "frame/plot/plot_window.h"
#include "frame/plot/scales_form.h"
#include "ladder/immittance_model.h"

namespace ladder {

// Where the immittance is evaluated: s = jw or s = -w.
enum class PlotMode : std::uint8_t { kRealS = 0, kImaginaryAxis = 1 };

class ImmittancePlot {
 public:
  // The two series of the table.
  static constexpr int kReal = 0;
  static constexpr int kImaginary = 1;

  ImmittancePlot(frame::plot::PlotWindow& window, frame::plot::ScalesForm& scales, ImmittanceModel& model,
                 frame::Console& console);

  // The two plot operations: the mode and the four limits, then the window
  // is shown and repainted.  The logarithmic axis and the grid stay as the
  // user left them; nothing is tested or logged.
  void OpenPlot(PlotMode mode, base::Extended xmin, base::Extended xmax, base::Extended ymin, base::Extended ymax);

  const frame::plot::PlotRange& range() const { return view_.range; }
  PlotMode mode() const { return mode_; }
  // The curve table file is created and waits for the next repaint.
  bool table_pending() const { return table_file_ != nullptr; }
  const frame::plot::PlotBox& box() const { return view_.box; }
  int cursor_column() const { return view_.cursor.position(); }
  std::optional<forms::Point> marker_position() const { return view_.marker.position(); }
  // K·Re and K·Im at each column of the last repaint.
  const frame::plot::CurveTable& values() const { return view_.values; }

 private:
  void Paint();
  void DrawLabels(forms::Canvas& canvas);
  // The segment of one series from column c - 1 to column c.
  void DrawStep(forms::Canvas& canvas, int c, int series, forms::Color colour);
  void KeyPress(char key);
  void ExchangeScales();
  // "Escolher" of the scales dialog.
  void ChooseTableName();
  // The cursor on column `column` (clamped into the plot), the marker on the
  // real part there and the readout box.
  void PlotCursor(int column);
  // The box with the frequency and the immittance's parts (K included).
  void DrawReadout(base::Extended w, base::Extended re, base::Extended im);
  void FindMinimum();
  void RefineMinimum(int column);
  // Re(N/D) at s = jx, without K.
  base::Extended RealPartOnImaginaryAxis(base::Extended x);
  base::Extended Frequency(int column) const { return view_.x.FromPixel(column); }

  frame::plot::ScalesForm& scales_;
  ImmittanceModel& model_;
  frame::Console& console_;

  PlotMode mode_ = PlotMode::kImaginaryAxis;
  std::unique_ptr<base::TextWriter> table_file_;
  frame::plot::FrequencyView view_;
};

}  // namespace ladder
