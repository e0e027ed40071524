// Form4, the console's prompt for an integer.
#pragma once

#include "forms/application.h"
#include "forms/button.h"
#include "forms/form.h"
#include "forms/label.h"
#include "numeric_field/nedit.h"

namespace workbench {

class IntegerPromptForm : public forms::Form {
 public:
  explicit IntegerPromptForm(forms::Application& app);

  forms::Label& Label1;
  numeric_field::TNEdit& NEdit1;
  forms::Button& Button1;
};

}  // namespace workbench
