#include "frame/question_form.h"

#include "frame/dialog_layout.h"

namespace frame {

QuestionForm::QuestionForm(forms::Application& app, const QuestionSetup& setup)
    : forms::Form(app, setup.form_name, setup.caption),
      label(Add<forms::Label>("Label1")),
      yes(Add<forms::Button>("Button1", setup.yes_caption)),
      no(Add<forms::Button>("Button2", setup.no_caption)) {
  yes.on_click = [this] {
    answer_ = true;
    SetModalResult(forms::kModalOk);
  };
  no.on_click = [this] { SetModalResult(forms::kModalOk); };
  DialogLayout(setup.client_width).Row(label).Buttons({&yes, &no}).ApplyTo(*this);
}

bool QuestionForm::Ask(const std::string& question) {
  label.SetCaption(question);
  answer_ = false;
  ShowModal();
  return answer_;
}

}  // namespace frame
