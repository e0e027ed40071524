#include "workbench/question_form.h"

#include "workbench/dialog_layout.h"

namespace workbench {
namespace {

// Wide enough for the longest question of the operations.
constexpr int kClientWidth = 320;

}  // namespace

QuestionForm::QuestionForm(forms::Application& app)
    : forms::Form(app, "Form2", "Pergunta"),
      Label1(Add<forms::Label>("Label1")),
      Button1(Add<forms::Button>("Button1", "sim")),
      Button2(Add<forms::Button>("Button2", "não")) {
  DialogLayout(kClientWidth).Row(Label1).Buttons({&Button1, &Button2}).ApplyTo(*this);
}

}  // namespace workbench
