#include "elliptic/duzavuri.h"

#include "elliptic/classical_run.h"
#include "elliptic/design_steps.h"
#include "elliptic/elliptic_run.h"
#include "elliptic/function_test.h"
#include "elliptic/main_form.h"
#include "elliptic/response_plot_form.h"
#include "elliptic/selection_form.h"

namespace elliptic {

Duzavuri::Duzavuri(forms::Application& app)
    : windows_(CreateWindows(app)),
      log_(windows_.form1->Memo1, state_),
      file_list_(windows_, state_, log_, functions_, home_),
      plot_(*windows_.form3, *windows_.form2, functions_),
      interaction_(*windows_.form3, *windows_.form2, functions_, plot_, home_) {
  ConnectButtons();
}

Windows Duzavuri::CreateWindows(forms::Application& app) {
  app.SetTitle("Duzavuri");
  Windows w;
  // the first window created is the main window, whose closing ends the program
  w.form1 = &app.CreateForm<MainForm>();
  w.form2 = &app.CreateForm<SelectionForm>();
  w.form3 = &app.CreateForm<ResponsePlotForm>();
  return w;
}

void Duzavuri::ConnectButtons() {
  MainForm& form = *windows_.form1;
  form.Calcular.on_click = [this] { CalcularClick(); };
  form.Button2.on_click = [this] { Button2Click(); };
  form.Button3.on_click = [this] { Button3Click(); };
  form.Button4.on_click = [this] { Button4Click(); };
  form.Button1.on_click = [this] { Button1Click(); };
  form.Button5.on_click = [this] { Button5Click(); };
  SelectionForm& selection = *windows_.form2;
  selection.Button1.on_click = [this] { file_list_.Button1Click(); };
  selection.Button2.on_click = [this] { file_list_.Button2Click(); };
  selection.Button3.on_click = [this] { file_list_.Button3Click(); };
}

void Duzavuri::CalcularClick() {
  DesignSteps steps(*windows_.form1, state_, log_);
  EllipticRun(steps).Run();
}

void Duzavuri::Button2Click() {
  DesignSteps steps(*windows_.form1, state_, log_);
  ClassicalRun(ClassicalKind::Butterworth, steps).Run();
}

void Duzavuri::Button3Click() {
  DesignSteps steps(*windows_.form1, state_, log_);
  ClassicalRun(ClassicalKind::Chebyshev, steps).Run();
}

void Duzavuri::Button4Click() {
  DesignSteps steps(*windows_.form1, state_, log_);
  ClassicalRun(ClassicalKind::InverseChebyshev, steps).Run();
}

void Duzavuri::Button1Click() { TestFunctions(*windows_.form1, state_, log_); }

void Duzavuri::Button5Click() { windows_.form2->Show(); }

std::unique_ptr<forms::Program> CreateDuzavuri(forms::Application& app) { return std::make_unique<Duzavuri>(app); }

}  // namespace elliptic
