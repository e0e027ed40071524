// The root plot: the last computed roots as crosses in the complex plane,
// with the axes and the unit circle, in Form5.  One root is the current one:
// a marker sits on it and the status line tells its value, its natural
// frequency w = |s| and its quality factor Q.  Keys zoom, pan, centre on the
// current root and step through the roots.  Every repaint reads the root
// list and the degree of X as they are then.
#pragma once

#include <optional>

#include "base/extended.h"
#include "frame/log.h"
#include "frame/plot/axis_mapping.h"
#include "frame/plot/plot_box.h"
#include "frame/plot/plot_window.h"
#include "frame/plot/xor_marker.h"
#include "workbench/parameters.h"
#include "workbench/plot_colours.h"
#include "workbench/registers.h"

namespace workbench {

class RootPlot {
 public:
  // The part of the plane shown: the lower left corner and the height; the
  // width follows from the window's shape, both axes at the same scale.
  struct View {
    base::Extended xmin = -2;
    base::Extended ymin = -2;
    base::Extended span = 4;
  };

  RootPlot(frame::plot::PlotWindow& window, const Registers& registers, const Parameters& parameters,
           const PlotColours& colours);

  // Operation "Gráfico das últimas raízes calculadas no plano complexo".
  void Show(frame::Log& log);

  // Kept for the whole run: neither "Iniciar" nor a new showing resets it.
  const View& view() const { return view_; }
  int current_root() const { return current_; }
  std::optional<forms::Point> marker_position() const { return marker_.position(); }

 private:
  void Paint();
  void KeyPress(char key);
  void KeyDown(int key);
  // The roots the plot shows: the degree of X while the list holds roots.
  int Count() const;
  int RootPlotX(base::Extended re) const;
  int RootPlotY(base::Extended im) const;
  void DrawFrameAndAxes(forms::Canvas& canvas) const;
  void DrawLabels(forms::Canvas& canvas) const;
  void DrawRootCrosses(forms::Canvas& canvas) const;
  void ShowRootStatus();
  void Repaint() { window_.paint_box.Invalidate(); }

  frame::plot::PlotWindow& window_;
  const Registers& registers_;
  const Parameters& parameters_;
  const PlotColours& colours_;
  View view_;
  int current_ = 1;
  // of the last repaint
  frame::plot::PlotBox box_;
  frame::plot::AxisMapping x_, y_;
  base::Extended xmax_, ymax_;
  frame::plot::XorMarker marker_;
};

}  // namespace workbench
