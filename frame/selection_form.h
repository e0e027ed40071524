// The choice among items: the prompt and a list whose click is the answer,
// even a click on the preselected item.
#pragma once

#include <string>

#include "forms/application.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/list_box.h"

namespace frame {

struct SelectionSetup {
  std::string form_name{};  // "Form9"
  std::string caption{};    // "Seleção"
  int client_width = 280;   // wide enough for the longest item
  int list_height = 140;    // room for the longest list without scrolling
};

class SelectionForm : public forms::Form {
 public:
  SelectionForm(forms::Application& app, const SelectionSetup& setup);

  forms::Label& label;   // Label1
  forms::ListBox& list;  // ListBox1
};

}  // namespace frame
