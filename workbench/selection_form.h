// Form9, the console's selection among items.
#pragma once

#include "forms/application.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/list_box.h"

namespace workbench {

class SelectionForm : public forms::Form {
 public:
  explicit SelectionForm(forms::Application& app);

  forms::Label& Label1;
  forms::ListBox& ListBox1;
};

}  // namespace workbench
