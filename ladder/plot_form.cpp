#include "ladder/plot_form.h"

namespace ladder {
namespace {

// One curve point per pixel column: some 560 points across the plot area.
constexpr int kClientWidth = 640;
constexpr int kClientHeight = 400;

}  // namespace

PlotForm::PlotForm(forms::Application& app)
    : forms::Form(app, "Form9", "Gráfico"), PaintBox1(Add<forms::PaintBox>("PaintBox1")) {
  PaintBox1.SetAlign(forms::Align::Client);
  SetClientSize(kClientWidth, kClientHeight);
}

}  // namespace ladder
