// Form3, the console's prompt for a real.
#pragma once

#include "forms/application.h"
#include "forms/button.h"
#include "forms/form.h"
#include "forms/label.h"
#include "numeric_field/nedit.h"

namespace workbench {

class RealPromptForm : public forms::Form {
 public:
  explicit RealPromptForm(forms::Application& app);

  forms::Label& Label1;
  numeric_field::TNEdit& NEdit1;
  forms::Button& Button1;
};

}  // namespace workbench
