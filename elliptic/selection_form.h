// Form2, the window that lists the pole and zero files to plot and holds the
// settings of the plot.  "Gráficos" on the main window shows it; closing it
// only hides it.
#pragma once

#include "forms/application.h"
#include "forms/form.h"

namespace elliptic {

class SelectionForm : public forms::Form {
 public:
  explicit SelectionForm(forms::Application& app);
};

}  // namespace elliptic
