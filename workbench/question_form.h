// Form2, the yes/no question of the console.  What the two buttons answer is
// kept by the console, which also sets their handlers.
#pragma once

#include "forms/application.h"
#include "forms/button.h"
#include "forms/form.h"
#include "forms/label.h"

namespace workbench {

class QuestionForm : public forms::Form {
 public:
  explicit QuestionForm(forms::Application& app);

  forms::Label& Label1;
  forms::Button& Button1;
  forms::Button& Button2;
};

}  // namespace workbench
