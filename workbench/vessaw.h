// The characteristic-function workbench: its windows, its parameters, its
// console and its operations.  A new object is a freshly started program.
#pragma once

#include <memory>
#include <vector>

#include "forms/application.h"
#include "forms/program.h"
#include "frame/console.h"
#include "frame/operations_form.h"
#include "workbench/kept_values.h"
#include "workbench/parameters.h"
#include "workbench/plot_colours.h"
#include "workbench/registers.h"
#include "workbench/response_plot.h"
#include "workbench/root_plot.h"
#include "workbench/windows.h"

namespace workbench {

class Vessaw : public forms::Program {
 public:
  // Sets the application's title and creates the eleven windows; nothing is
  // computed until "Iniciar".
  explicit Vessaw(forms::Application& app);

  // "Iniciar": every parameter back to its default, the version line, and
  // the operations window shown.
  void StartSession();

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
  static Windows CreateWindows(forms::Application& app, std::vector<frame::Operation> operations);
  // The operations window's table, each operation at the item of its Operation.
  std::vector<frame::Operation> Operations();
  frame::ConsoleSetup ConsoleWindows();

  forms::Application& app_;
  // Unset until the first "Iniciar".
  Parameters parameters_;
  PlotColours plot_colours_;
  Windows windows_;
  frame::Console console_;
  Registers registers_;
  KeptValues kept_values_;
  RootPlot root_plot_;
  ResponsePlot response_plot_;
};

std::unique_ptr<forms::Program> CreateVessaw(forms::Application& app);

}  // namespace workbench
