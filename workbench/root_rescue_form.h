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

  forms::Label& Label1;
  numeric_field::TNEdit& NEtolr1;
  forms::Label& Label2;
  numeric_field::TNEdit& NExr;
  forms::Label& Label3;
  numeric_field::TNEdit& NExi;
  forms::Label& Label4;
  numeric_field::TNEdit& NEtolm1;
  forms::Label& Label5;
  numeric_field::TNEdit& NEtold1;
  forms::Button& Button1;
};

}  // namespace workbench
