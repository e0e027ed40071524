// Form9, "Gráfico": the window of the immittance plot, a paint box over the
// whole client area.
#pragma once

#include "forms/application.h"
#include "forms/form.h"
#include "forms/paint_box.h"

namespace ladder {

class PlotForm : public forms::Form {
 public:
  explicit PlotForm(forms::Application& app);

  forms::PaintBox& PaintBox1;
};

}  // namespace ladder
