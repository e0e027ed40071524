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

  forms::Label& root_tolerance_label;           // Label1
  numeric_field::TNEdit& root_tolerance;        // NEtolr
  forms::Label& initial_real_label;             // Label2
  numeric_field::TNEdit& initial_real;          // NExr0
  forms::Label& initial_imaginary_label;        // Label3
  numeric_field::TNEdit& initial_imaginary;     // NExi0
  forms::CheckBox& same_initial;                // CBinicigual
  forms::Label& coefficient_spread_label;       // Label4
  numeric_field::TNEdit& coefficient_spread;    // NEtoln
  forms::Label& magnitude_tolerance_label;      // Label5
  numeric_field::TNEdit& magnitude_tolerance;   // NEtolm
  forms::Label& derivative_tolerance_label;     // Label6
  numeric_field::TNEdit& derivative_tolerance;  // NEtold
  forms::Label& width_label;                    // Label7
  numeric_field::TNEdit& width;                 // NEcm
  forms::Label& decimals_label;                 // Label8
  numeric_field::TNEdit& decimals;              // NEdc
  forms::Button& apply;                         // Button1
};

}  // namespace workbench
