// Form6, the operations window: the operation to run and "Aplicar".  It is
// never closed, so that an operation can always be chosen after "Iniciar".
#pragma once

#include "forms/application.h"
#include "forms/button.h"
#include "forms/form.h"
#include "forms/radio_group.h"

namespace workbench {

class OperationsForm : public forms::Form {
 public:
  explicit OperationsForm(forms::Application& app);

  forms::RadioGroup& RGmenu;
  forms::Button& Button1;
};

}  // namespace workbench
