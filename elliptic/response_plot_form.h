// Form3, the frequency-response plot window of the pole and zero files
// listed in Form2; hidden until a plot is asked for.  Its whole client area
// is the paint box.
#pragma once

#include "forms/application.h"
#include "forms/form.h"
#include "forms/paint_box.h"

namespace elliptic {

class ResponsePlotForm : public forms::Form {
 public:
  explicit ResponsePlotForm(forms::Application& app);

  forms::PaintBox& cresposta;
};

}  // namespace elliptic
