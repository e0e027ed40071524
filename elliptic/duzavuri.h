// The filter designer: its three windows, its shared state and log, and the
// actions of the main window's buttons.  A new object is a freshly started
// program.
#pragma once

#include <memory>

#include "elliptic/designer_log.h"
#include "elliptic/designer_state.h"
#include "elliptic/file_list.h"
#include "elliptic/function_list.h"
#include "elliptic/plot_interaction.h"
#include "elliptic/response_plot.h"
#include "elliptic/windows.h"
#include "forms/application.h"
#include "forms/program.h"

namespace elliptic {

class Duzavuri : public forms::Program {
 public:
  // Sets the application's title and creates the main window, then the file
  // selection and plot windows, hidden.
  explicit Duzavuri(forms::Application& app);

  // The buttons of the main window.
  void EllipticClick();          // "Filtro elíptico"
  void ButterworthClick();       // "Filtro de Butterworth"
  void ChebyshevClick();         // "Filtro de Chebyshev"
  void InverseChebyshevClick();  // "Filtro de Chebyshev inverso"
  void FunctionCheckClick();     // "Testar funções"
  void PlotsClick();             // "Gráficos"

  const Windows& windows() const { return windows_; }
  const DesignerState& state() const { return state_; }
  const FunctionList& functions() const { return functions_; }
  const HomeView& home_view() const { return home_; }
  ResponsePlot& response_plot() { return plot_; }
  PlotInteraction& plot_interaction() { return interaction_; }

 private:
  static Windows CreateWindows(forms::Application& app);
  void ConnectButtons();

  Windows windows_;
  DesignerState state_;
  DesignerLog log_;
  FunctionList functions_;
  HomeView home_;
  FileList file_list_;
  ResponsePlot plot_;
  PlotInteraction interaction_;
};

std::unique_ptr<forms::Program> CreateDuzavuri(forms::Application& app);

}  // namespace elliptic
