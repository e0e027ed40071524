#include "workbench/vessaw.h"

#include "workbench/integer_prompt_form.h"
#include "workbench/main_form.h"
#include "workbench/operations_form.h"
#include "workbench/parameters_form.h"
#include "workbench/question_form.h"
#include "workbench/real_prompt_form.h"
#include "workbench/response_plot_form.h"
#include "workbench/root_plot_form.h"
#include "workbench/root_rescue_form.h"
#include "workbench/scales_form.h"
#include "workbench/selection_form.h"

namespace workbench {
namespace {

ConsoleWindows ConsoleWindowsOf(const Windows& w) {
  return ConsoleWindows{*w.form1, *w.form2, *w.form3, *w.form4, *w.form9};
}

}  // namespace

Vessaw::Vessaw(forms::Application& app)
    : app_(app), windows_(CreateWindows(app)), console_(ConsoleWindowsOf(windows_), parameters_) {
  ConnectMenu();
  InstallOperations();
}

Windows Vessaw::CreateWindows(forms::Application& app) {
  app.SetTitle("Vessaw");
  Windows w;
  // the first window created is the main window, whose closing ends the program
  w.form1 = &app.CreateForm<MainForm>();
  w.form2 = &app.CreateForm<QuestionForm>();
  w.form3 = &app.CreateForm<RealPromptForm>();
  w.form4 = &app.CreateForm<IntegerPromptForm>();
  w.form5 = &app.CreateForm<RootPlotForm>();
  w.form6 = &app.CreateForm<OperationsForm>();
  w.form7 = &app.CreateForm<ResponsePlotForm>();
  w.form8 = &app.CreateForm<ScalesForm>();
  w.form9 = &app.CreateForm<SelectionForm>();
  w.form10 = &app.CreateForm<ParametersForm>();
  w.form11 = &app.CreateForm<RootRescueForm>();
  return w;
}

void Vessaw::ConnectMenu() {
  windows_.form1->on_start = [this] { StartSession(); };
  windows_.form1->on_terminate = [this] { app_.Terminate(); };
  windows_.form6->Button1.on_click = [this] { RunOperation(); };
}

std::unique_ptr<forms::Program> CreateVessaw(forms::Application& app) { return std::make_unique<Vessaw>(app); }

}  // namespace workbench
