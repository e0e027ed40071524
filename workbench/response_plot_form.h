// Form7, the frequency-response plot of the registers X and Y.
#pragma once

#include "forms/application.h"
#include "forms/form.h"
#include "forms/paint_box.h"
#include "forms/status_bar.h"

namespace workbench {

class ResponsePlotForm : public forms::Form {
 public:
  explicit ResponsePlotForm(forms::Application& app);

  forms::PaintBox& PaintBox1;
  forms::StatusBar& StatusBar1;
};

}  // namespace workbench
