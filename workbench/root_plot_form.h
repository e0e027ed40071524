// Form5, the window that shows the last computed roots in the complex plane.
#pragma once

#include "forms/application.h"
#include "forms/form.h"
#include "forms/paint_box.h"
#include "forms/status_bar.h"

namespace workbench {

class RootPlotForm : public forms::Form {
 public:
  explicit RootPlotForm(forms::Application& app);

  forms::PaintBox& PaintBox1;
  forms::StatusBar& StatusBar1;
};

}  // namespace workbench
