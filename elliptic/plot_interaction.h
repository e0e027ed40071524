// What the user does in the plot window: a cursor on the segment points of
// the selected function's gain curve with a readout of that function's
// number, frequency, gain, phase and delay; keys that move the cursor, step
// through the functions, shift and scale the ranges, switch the options and
// restore the home view; and a zoom by a rubber band dragged with the mouse.
//
// Every change of a range or an option goes into the fields of Form2, which
// show it, and the plot repaints.  Moving the cursor or changing the
// function only redraws the marker and the readout.
#pragma once

#include <cstdint>
#include <optional>

#include "elliptic/function_list.h"
#include "elliptic/response_plot.h"
#include "elliptic/response_plot_form.h"
#include "elliptic/selection_form.h"
#include "forms/keys.h"
#include "frame/plot/rubber_band.h"
#include "frame/plot/xor_marker.h"

namespace elliptic {

class PlotInteraction {
 public:
  PlotInteraction(ResponsePlotForm& form, SelectionForm& settings, FunctionList& functions, ResponsePlot& plot,
                  const HomeView& home);

  // The marker moves to the cursor and the readout is written anew.
  void PlotCursor();
  // The frequency and gain ranges that the last "Plotar" saw.
  void ResetView();

  std::int32_t cursor_index() const { return cursor_index_; }
  std::optional<forms::Point> marker_position() const { return marker_.position(); }

 private:
  // The arrows and the page keys: the cursor, or the gain range by half its
  // height.
  void MoveKey(int key);
  // A typed command (either case): the ranges, the options, the function.
  void CommandKey(char key);
  // Shift or the right button puts the cursor on the segment point nearest
  // x and takes the press; any other press starts the rubber band.
  bool CursorPress(forms::MouseButton button, forms::ShiftState shift, int x);
  void ZoomTo(const frame::plot::Band& band);
  // Steps the cursor when the step stays within the points, then shows it.
  void StepCursor(std::int32_t step);
  void DrawReadout(const TPlotFunction& f);
  // After a key: a frequency range widened beyond 1e20 is held there.
  void Replot();
  void Repaint() { form_.cresposta.Invalidate(); }
  bool HasSelectedFunction() const;

  ResponsePlotForm& form_;
  SelectionForm& settings_;
  FunctionList& functions_;
  ResponsePlot& plot_;
  const HomeView& home_;
  std::int32_t cursor_index_ = 0;
  frame::plot::XorMarker marker_;
  frame::plot::RubberBand band_{forms::kRed, forms::kBlack};
};

}  // namespace elliptic
