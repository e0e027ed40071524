#include "frame/number_prompt_form.h"

#include "frame/dialog_layout.h"

namespace frame {

NumberPromptForm::NumberPromptForm(forms::Application& app, const NumberPromptSetup& setup)
    : forms::Form(app, setup.form_name, setup.caption),
      label(Add<forms::Label>("Label1")),
      field(Add<numeric_field::TNEdit>(setup.field_name, setup.kind)),
      button(Add<forms::Button>("Button1", setup.button_caption)) {
  button.on_click = [this] { SetModalResult(forms::kModalOk); };
  // Return in the field runs its exit check, then presses the button
  SetDefaultButton(&button);
  DialogLayout(setup.client_width).Row(label).Row(field).Buttons({&button}).ApplyTo(*this);
}

}  // namespace frame
