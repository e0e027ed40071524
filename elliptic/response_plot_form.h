// Form3, the frequency-response plot window of the pole and zero files
// listed in Form2; hidden until a plot is asked for.
#pragma once

#include "forms/application.h"
#include "forms/form.h"

namespace elliptic {

class ResponsePlotForm : public forms::Form {
 public:
  explicit ResponsePlotForm(forms::Application& app);
};

}  // namespace elliptic
