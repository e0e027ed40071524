// The characteristic-function workbench: its windows, its parameters, its
// console and its operations.  A new object is a freshly started program.
#pragma once

#include <memory>
#include <vector>

#include "forms/application.h"
#include "forms/program.h"
#include "frame/console.h"
#include "frame/console_program.h"
#include "frame/operations_form.h"
#include "frame/plot/plot_window.h"
#include "frame/plot/scales_form.h"
#include "workbench/kept_values.h"
#include "workbench/parameters.h"
#include "workbench/plot_colours.h"
#include "workbench/registers.h"
#include "workbench/response_plot.h"
#include "workbench/root_plot.h"

namespace workbench {

class ParametersForm;
class RootRescueForm;

class Vessaw : public forms::Program {
 public:
  // The workbench's windows beside those of the console; the application
  // owns them.
  struct Windows {
    frame::plot::PlotWindow* root_plot = nullptr;
    frame::plot::PlotWindow* response_plot = nullptr;
    frame::plot::ScalesForm* scales = nullptr;  // of the response plot
    ParametersForm* parameters = nullptr;
    RootRescueForm* root_rescue = nullptr;
  };

  // Sets the application's title and creates the eleven windows; nothing is
  // computed until "Iniciar".
  explicit Vessaw(forms::Application& app);

  // "Iniciar": every parameter back to its default, the version line, and
  // the operations window shown.
  void StartSession();

  const frame::ConsoleWindows& console_windows() const { return console_program_.windows(); }
  const Windows& windows() const { return windows_; }
  Parameters& parameters() { return parameters_; }
  const Parameters& parameters() const { return parameters_; }
  const PlotColours& plot_colours() const { return plot_colours_; }
  frame::Console& console() { return console_; }
  Registers& registers() { return registers_; }
  const Registers& registers() const { return registers_; }
  KeptValues& kept_values() { return kept_values_; }
  RootPlot& root_plot() { return root_plot_; }
  ResponsePlot& response_plot() { return response_plot_; }

 private:
  frame::ConsoleProgramSetup Description();
  // The operations window's table, each operation at the item of its Operation.
  std::vector<frame::Operation> Operations();

  // Unset until the first "Iniciar".
  Parameters parameters_;
  PlotColours plot_colours_;
  Windows windows_;
  frame::ConsoleProgram console_program_;
  frame::Console& console_;
  Registers registers_;
  KeptValues kept_values_;
  RootPlot root_plot_;
  ResponsePlot response_plot_;
};

std::unique_ptr<forms::Program> CreateVessaw(forms::Application& app);

}  // namespace workbench
