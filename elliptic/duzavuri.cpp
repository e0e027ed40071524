#include "elliptic/duzavuri.h"

#include "elliptic/classical_run.h"
#include "elliptic/design_steps.h"
#include "elliptic/elliptic_run.h"
#include "elliptic/function_check.h"
#include "elliptic/main_form.h"
#include "elliptic/response_plot_form.h"
#include "elliptic/selection_form.h"

namespace elliptic {

Duzavuri::Duzavuri(forms::Application& app)
    : windows_(CreateWindows(app)),
      log_(windows_.main_form->log, state_),
      file_list_(windows_, state_, log_, functions_, home_),
      plot_(*windows_.plot_form, *windows_.selection_form, functions_),
      interaction_(*windows_.plot_form, *windows_.selection_form, functions_, plot_, home_) {
  ConnectButtons();
}

Windows Duzavuri::CreateWindows(forms::Application& app) {
  app.SetTitle("Duzavuri");
  Windows w;
  // the first window created is the main window, whose closing ends the program
  w.main_form = &app.CreateForm<MainForm>();
  w.selection_form = &app.CreateForm<SelectionForm>();
  w.plot_form = &app.CreateForm<ResponsePlotForm>();
  return w;
}

void Duzavuri::ConnectButtons() {
  MainForm& form = *windows_.main_form;
  form.elliptic_button.on_click = [this] { EllipticClick(); };
  form.butterworth_button.on_click = [this] { ButterworthClick(); };
  form.chebyshev_button.on_click = [this] { ChebyshevClick(); };
  form.inverse_chebyshev_button.on_click = [this] { InverseChebyshevClick(); };
  form.function_check_button.on_click = [this] { FunctionCheckClick(); };
  form.plots_button.on_click = [this] { PlotsClick(); };
  SelectionForm& selection = *windows_.selection_form;
  selection.browse_button.on_click = [this] { file_list_.BrowseClick(); };
  selection.clear_button.on_click = [this] { file_list_.ClearClick(); };
  selection.plot_button.on_click = [this] { file_list_.PlotClick(); };
}

void Duzavuri::EllipticClick() {
  DesignSteps steps(*windows_.main_form, state_, log_);
  EllipticRun(steps).Run();
}

void Duzavuri::ButterworthClick() {
  DesignSteps steps(*windows_.main_form, state_, log_);
  ClassicalRun(ClassicalKind::Butterworth, steps).Run();
}

void Duzavuri::ChebyshevClick() {
  DesignSteps steps(*windows_.main_form, state_, log_);
  ClassicalRun(ClassicalKind::Chebyshev, steps).Run();
}

void Duzavuri::InverseChebyshevClick() {
  DesignSteps steps(*windows_.main_form, state_, log_);
  ClassicalRun(ClassicalKind::InverseChebyshev, steps).Run();
}

void Duzavuri::FunctionCheckClick() { CheckFunctions(*windows_.main_form, state_, log_); }

void Duzavuri::PlotsClick() { windows_.selection_form->Show(); }

std::unique_ptr<forms::Program> CreateDuzavuri(forms::Application& app) { return std::make_unique<Duzavuri>(app); }

}  // namespace elliptic
