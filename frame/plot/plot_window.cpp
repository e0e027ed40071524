#include "frame/plot/plot_window.h"

#include <stdexcept>

namespace frame::plot {

PlotWindow::PlotWindow(forms::Application& app, const PlotWindowSetup& setup)
    : forms::Form(app, setup.form_name, setup.caption),
      paint_box(Add<forms::PaintBox>("PaintBox1")),
      status_line_(setup.status_line ? &Add<forms::StatusBar>("StatusBar1") : nullptr) {
  paint_box.SetAlign(forms::Align::Client);
  SetClientSize(setup.client_width, setup.client_height);
}

forms::StatusBar& PlotWindow::status_line() {
  if (!status_line_) throw std::logic_error("the plot window " + name() + " has no status line");
  return *status_line_;
}

}  // namespace frame::plot
