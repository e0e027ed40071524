// The frequency-response plot in Form7: one function of the registers X and
// Y against w, evaluated at every repaint from what X and Y hold then, with
// zoom and pan by keys, the scales dialog and the mouse, a cursor with its
// readout on the status line, and the response curve file.
#pragma once

#include <optional>

#include "base/extended.h"
#include "forms/file_dialog.h"
#include "frame/log.h"
#include "frame/plot/curve_table.h"
#include "frame/plot/frequency_view.h"
#include "frame/plot/plot_range.h"
#include "frame/plot/plot_window.h"
#include "frame/plot/scales_form.h"
#include "workbench/plot_colours.h"
#include "workbench/registers.h"
#include "workbench/response_value.h"

namespace workbench {

class ResponsePlot {
 public:
  ResponsePlot(frame::plot::PlotWindow& window, frame::plot::ScalesForm& scales, Registers& registers, frame::Log& log,
               forms::FileDialog& save_dialog, const PlotColours& colours);

  // X := numerator, Y := denominator (copies, so X and Y themselves may be
  // passed); unless both are defined, logs "* Função indefinida *" and stops.
  // Otherwise the plot takes the kind and the limits, and is shown and
  // repainted.  The logarithmic axis, the grid and a save request stay.
  void Show(const TPolynomialRecord& numerator, const TPolynomialRecord& denominator, ResponseKind kind,
            base::Extended xmin, base::Extended xmax, base::Extended ymin, base::Extended ymax);

  const frame::plot::PlotRange& range() const { return view_.range; }
  ResponseKind kind() const { return kind_; }
  bool save_request() const { return save_request_; }
  int cursor_column() const { return view_.cursor.position(); }
  std::optional<forms::Point> marker_position() const { return view_.marker.position(); }
  const frame::plot::CurveTable& curve_values() const { return view_.values; }

 private:
  void Paint();
  void DrawLabels(forms::Canvas& canvas);
  void KeyPress(char key);
  // The marker on the curve at the cursor's column, and the readout.
  void PlotCursor();

  frame::plot::ScalesForm& scales_;
  Registers& registers_;
  frame::Log& log_;
  forms::FileDialog& save_dialog_;
  const PlotColours& colours_;

  ResponseKind kind_ = ResponseKind::MagnitudeH;
  // The next repaint writes the response curve file.
  bool save_request_ = false;
  frame::plot::FrequencyView view_;
};

}  // namespace workbench
