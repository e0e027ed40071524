#include "workbench/root_plot_form.h"

namespace workbench {
namespace {

// The plot box keeps its height as the imaginary span; a wider window shows
// more of the real axis.
constexpr int kClientWidth = 480;
constexpr int kClientHeight = 420;

}  // namespace

RootPlotForm::RootPlotForm(forms::Application& app)
    : forms::Form(app, "Form5", "Raízes"),
      PaintBox1(Add<forms::PaintBox>("PaintBox1")),
      StatusBar1(Add<forms::StatusBar>("StatusBar1")) {
  PaintBox1.SetAlign(forms::Align::Client);
  SetClientSize(kClientWidth, kClientHeight);
}

}  // namespace workbench
