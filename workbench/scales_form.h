// Form8, the scales dialog of the frequency-response plot.
#pragma once

#include "forms/application.h"
#include "forms/button.h"
#include "forms/check_box.h"
#include "forms/form.h"
#include "forms/label.h"
#include "numeric_field/nedit.h"

namespace workbench {

class ScalesForm : public forms::Form {
 public:
  explicit ScalesForm(forms::Application& app);

  forms::Label& Label1;
  numeric_field::TNEdit& NExmin;
  forms::Label& Label2;
  numeric_field::TNEdit& NExmax;
  forms::Label& Label3;
  numeric_field::TNEdit& NEymin;
  forms::Label& Label4;
  numeric_field::TNEdit& NEymax;
  forms::CheckBox& CBlog;
  forms::CheckBox& CBsalvar;
  forms::Button& Button1;
};

}  // namespace workbench
