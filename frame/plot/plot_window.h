// A plot window: a paint box over the whole client area and, for a plot whose
// readout stands on a status line, the status line under it.  The plot that
// paints the box handles the window's keys and mouse.
#pragma once

#include <string>

#include "forms/application.h"
#include "forms/form.h"
#include "forms/paint_box.h"
#include "forms/status_bar.h"

namespace frame::plot {

struct PlotWindowSetup {
  std::string form_name{};   // "Form7"
  std::string caption{};     // "Resposta em frequência"
  bool status_line = false;  // StatusBar1 under the paint box
  // One curve point per pixel column: some 560 points across the plot area
  // of a frequency plot.
  int client_width = 640;
  int client_height = 400;
};

class PlotWindow : public forms::Form {
 public:
  PlotWindow(forms::Application& app, const PlotWindowSetup& setup);

  // Asking for the status line of a window set up without one is a fault of
  // the program.
  forms::StatusBar& status_line();

  forms::PaintBox& paint_box;  // PaintBox1

 private:
  forms::StatusBar* const status_line_;  // StatusBar1
};

}  // namespace frame::plot
