// Form11, where the user changes the root finder's tolerances and current
// point when an iteration does not converge.
#pragma once

#include "forms/application.h"
#include "forms/button.h"
#include "forms/form.h"
#include "forms/label.h"
#include "numeric_field/nedit.h"
#include "poly/root_search.h"

namespace workbench {

class RootRescueForm : public forms::Form {
 public:
  explicit RootRescueForm(forms::Application& app);

  // The search's tolerances and current point in the five fields, the form
  // shown modal, and what the fields hold then taken back, however it was
  // closed.
  void Ask(poly::RootRescue& state);

  forms::Label& root_tolerance_label;           // Label1
  numeric_field::TNEdit& root_tolerance;        // NEtolr1
  forms::Label& real_part_label;                // Label2
  numeric_field::TNEdit& real_part;             // NExr
  forms::Label& imaginary_part_label;           // Label3
  numeric_field::TNEdit& imaginary_part;        // NExi
  forms::Label& magnitude_tolerance_label;      // Label4
  numeric_field::TNEdit& magnitude_tolerance;   // NEtolm1
  forms::Label& derivative_tolerance_label;     // Label5
  numeric_field::TNEdit& derivative_tolerance;  // NEtold1
  forms::Button& apply;                         // Button1
};

}  // namespace workbench
