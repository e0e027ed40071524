// Form10, the dialog of the workbench's parameters.
#pragma once

#include "forms/application.h"
#include "forms/button.h"
#include "forms/check_box.h"
#include "forms/form.h"
#include "forms/label.h"
#include "numeric_field/nedit.h"

namespace workbench {

class ParametersForm : public forms::Form {
 public:
  explicit ParametersForm(forms::Application& app);

  forms::Label& Label1;
  numeric_field::TNEdit& NEtolr;
  forms::Label& Label2;
  numeric_field::TNEdit& NExr0;
  forms::Label& Label3;
  numeric_field::TNEdit& NExi0;
  forms::CheckBox& CBinicigual;
  forms::Label& Label4;
  numeric_field::TNEdit& NEtoln;
  forms::Label& Label5;
  numeric_field::TNEdit& NEtolm;
  forms::Label& Label6;
  numeric_field::TNEdit& NEtold;
  forms::Label& Label7;
  numeric_field::TNEdit& NEcm;
  forms::Label& Label8;
  numeric_field::TNEdit& NEdc;
  forms::Button& Button1;
};

}  // namespace workbench
