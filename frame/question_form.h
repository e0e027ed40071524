// The yes/no question: the question, a yes button and a no button.  The
// answer is yes only when the yes button closed the dialog; any other way
// of closing it answers no.
#pragma once

#include <string>

#include "forms/application.h"
#include "forms/button.h"
#include "forms/form.h"
#include "forms/label.h"

namespace frame {

struct QuestionSetup {
  std::string form_name{};    // "Form2"
  std::string caption{};      // "Pergunta"
  std::string yes_caption{};  // "sim"
  std::string no_caption{};   // "não"
  int client_width = 320;     // wide enough for the longest question
};

class QuestionForm : public forms::Form {
 public:
  QuestionForm(forms::Application& app, const QuestionSetup& setup);

  // Shows the question modally and waits for the answer.
  bool Ask(const std::string& question);

  forms::Label& label;  // Label1
  forms::Button& yes;   // Button1
  forms::Button& no;    // Button2

 private:
  bool answer_ = false;
};

}  // namespace frame
