#include "workbench/response_plot_form.h"

namespace workbench {
namespace {

// One curve point per pixel column: some 560 points across the plot area.
constexpr int kClientWidth = 640;
constexpr int kClientHeight = 400;

}  // namespace

ResponsePlotForm::ResponsePlotForm(forms::Application& app)
    : forms::Form(app, "Form7", "Resposta em frequência"),
      PaintBox1(Add<forms::PaintBox>("PaintBox1")),
      StatusBar1(Add<forms::StatusBar>("StatusBar1")) {
  PaintBox1.SetAlign(forms::Align::Client);
  SetClientSize(kClientWidth, kClientHeight);
}

}  // namespace workbench
