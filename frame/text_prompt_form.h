// The prompt for a line of text: the prompt text, a plain edit and the
// button that closes the dialog, which Return in the edit presses.
#pragma once

#include <string>

#include "forms/application.h"
#include "forms/button.h"
#include "forms/edit.h"
#include "forms/form.h"
#include "forms/label.h"

namespace frame {

struct TextPromptSetup {
  std::string form_name{};       // "Form7"
  std::string caption{};         // "Texto"
  std::string field_name{};      // "Edit1"
  std::string initial_text{};    // what the edit holds before the first prompt
  std::string button_caption{};  // "Ler"
  int client_width = 300;
};

class TextPromptForm : public forms::Form {
 public:
  TextPromptForm(forms::Application& app, const TextPromptSetup& setup);

  forms::Label& label;  // Label1
  forms::Edit& field;
  forms::Button& button;  // Button1
};

}  // namespace frame
