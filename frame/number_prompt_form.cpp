#include "frame/number_prompt_form.h"

#include "frame/dialog_layout.h"

namespace frame {

NumberPromptForm::NumberPromptForm(forms::Application& app, const NumberPromptSpec& spec)
    : forms::Form(app, spec.form_name, spec.caption),
      label(Add<forms::Label>("Label1")),
      field(Add<numeric_field::TNEdit>(spec.field_name, spec.kind)),
      button(Add<forms::Button>("Button1", spec.button_caption)) {
  button.on_click = [this] { SetModalResult(forms::kModalOk); };
  // Return in the field runs its exit check, then presses the button
  SetDefaultButton(&button);
  DialogLayout(spec.client_width).Row(label).Row(field).Buttons({&button}).ApplyTo(*this);
}

}  // namespace frame
