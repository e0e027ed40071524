// The prompt for a real or an integer: the prompt text, a numeric field and
// the button that closes the dialog, which Return in the field presses.
// Each program names the window, the field and the button its own way.
#pragma once

#include <string>

#include "forms/application.h"
#include "forms/button.h"
#include "forms/form.h"
#include "forms/label.h"
#include "numeric_field/nedit.h"

namespace frame {

struct NumberPromptSetup {
  std::string form_name{};   // "Form3"
  std::string caption{};     // "Real"
  std::string field_name{};  // "NEdit1"
  numeric_field::tipo_campo kind = numeric_field::tipo_campo::real_field;
  std::string button_caption{};  // "Aplicar"
  int client_width = 300;        // wide enough for the longest prompt text
};

class NumberPromptForm : public forms::Form {
 public:
  NumberPromptForm(forms::Application& app, const NumberPromptSetup& setup);

  forms::Label& label;  // Label1
  numeric_field::TNEdit& field;
  forms::Button& button;  // Button1
};

}  // namespace frame
