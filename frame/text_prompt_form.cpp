#include "frame/text_prompt_form.h"

#include "frame/dialog_layout.h"

namespace frame {

TextPromptForm::TextPromptForm(forms::Application& app, const TextPromptSetup& setup)
    : forms::Form(app, setup.form_name, setup.caption),
      label(Add<forms::Label>("Label1")),
      field(Add<forms::Edit>(setup.field_name, setup.initial_text)),
      button(Add<forms::Button>("Button1", setup.button_caption)) {
  button.on_click = [this] { SetModalResult(forms::kModalOk); };
  SetDefaultButton(&button);
  DialogLayout(setup.client_width).Row(label).Row(field).Buttons({&button}).ApplyTo(*this);
}

}  // namespace frame
