#include "ladder/plot_form.h"

namespace ladder {

PlotForm::PlotForm(forms::Application& app)
    : forms::Form(app, "Form9", "Gráfico"), PaintBox1(Add<forms::PaintBox>("PaintBox1")) {
  PaintBox1.SetAlign(forms::Align::Client);
}

}  // namespace ladder
