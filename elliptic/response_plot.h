// The response plot in Form3: gain, phase and group delay of every function
// of the list against frequency, the three kinds of curve sharing one box,
// each with its own vertical range.  Every repaint reads the ranges and
// options of Form2 as they are then and evaluates every curve afresh from
// the poles and zeros; nothing is kept between repaints but what the cursor
// needs of the last one.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/extended.h"
#include "elliptic/function_list.h"
#include "elliptic/response_plot_form.h"
#include "elliptic/root_response.h"
#include "elliptic/selection_form.h"
#include "elliptic/value_rows.h"
#include "forms/canvas.h"
#include "frame/plot/axis_mapping.h"
#include "frame/plot/plot_box.h"

namespace elliptic {

constexpr forms::Color kLime{0, 255, 0};
constexpr forms::Color kAqua{0, 255, 255};
constexpr forms::Color kBlue{0, 0, 255};

struct PlotColours {
  forms::Color background;
  forms::Color axis;
  // The colour of function n when each function has its own: entry n, which
  // repeats the first five (white, lime, red, aqua, blue) from 5 on.
  std::array<forms::Color, kMaxFunctions + 1> curves;
};

class ResponsePlot {
 public:
  ResponsePlot(ResponsePlotForm& form, SelectionForm& settings, FunctionList& functions);

  // Clears the paint box and draws the grid, the frame, the labels and the
  // curves; the paint handler of the box.
  void PlotResponse();
  // The colours, set again at every activation of the window.
  void SetColours();

  // The options as Form2 holds them now.
  bool IsLogScale() const;
  bool IsRadPerSecond() const;
  std::string UnitText() const;

  // Every function in the axis colour (gain), aqua (phase) and red (delay),
  // or each function in a colour of its own.
  bool single_colour = true;
  // Run at the end of every completed repaint (the cursor's reset).
  std::function<void()> on_plotted;

  // Of the last repaint.
  forms::Canvas& canvas() { return form_.cresposta.canvas(); }
  const PlotColours& colours() const { return colours_; }
  const frame::plot::PlotBox& box() const { return box_; }
  int text_height() const { return text_height_; }
  // The pixels from one segment point to the next, from the box's left edge.
  Extended xstep() const { return xstep_; }
  const ValueRows& gain_rows() const { return gain_rows_; }
  // None while the frequency range has zero width.
  const std::optional<frame::plot::AxisMapping>& frequency_axis() const { return frequency_axis_; }
  // The top-left corner of the cursor's readout.
  forms::Point readout_origin() const { return readout_origin_; }
  // Of the last completed repaint.
  std::int32_t segment_count() const { return segment_count_; }
  Extended SegmentFrequency(std::int32_t k) const { return segment_frequency_[k]; }

 private:
  struct Settings;
  Settings ReadSettings();
  void DrawAxisLabels(const Settings& s);
  // The curves of every function at segment point k.
  void EvaluatePoint(std::int32_t k, Extended w, const Settings& s);
  // Of function n: its zeros and its poles.
  struct Roots {
    RootList zeros, poles;
  };
  void DrawPoint(std::int32_t k, int x, const Settings& s);

  ResponsePlotForm& form_;
  SelectionForm& settings_;
  FunctionList& functions_;
  PlotColours colours_;
  frame::plot::PlotBox box_;
  int text_height_ = 0;
  Extended xstep_;
  std::optional<frame::plot::AxisMapping> frequency_axis_;
  ValueRows gain_rows_, phase_rows_, delay_rows_;
  // The roots of every function, laid out anew at each repaint.
  std::vector<Roots> roots_;
  forms::Point readout_origin_;
  int previous_x_ = 0;
  std::int32_t segment_count_ = 0;
  CheckedArray<Extended, kMaxSegments + 1, 0> segment_frequency_;
};

}  // namespace elliptic
