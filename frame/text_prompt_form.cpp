#include "frame/text_prompt_form.h"

#include "frame/dialog_layout.h"

namespace frame {

TextPromptForm::TextPromptForm(forms::Application& app, const TextPromptSpec& spec)
    : forms::Form(app, spec.form_name, spec.caption),
      label(Add<forms::Label>("Label1")),
      field(Add<forms::Edit>(spec.field_name, spec.initial_text)),
      button(Add<forms::Button>("Button1", spec.button_caption)) {
  button.on_click = [this] { SetModalResult(forms::kModalOk); };
  SetDefaultButton(&button);
  DialogLayout(spec.client_width).Row(label).Row(field).Buttons({&button}).ApplyTo(*this);
}

}  // namespace frame
