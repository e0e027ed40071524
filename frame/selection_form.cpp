#include "frame/selection_form.h"

#include "frame/dialog_layout.h"

namespace frame {

SelectionForm::SelectionForm(forms::Application& app, const SelectionSetup& setup)
    : forms::Form(app, setup.form_name, setup.caption),
      label(Add<forms::Label>("Label1")),
      list(Add<forms::ListBox>("ListBox1")) {
  list.on_click = [this] { SetModalResult(forms::kModalOk); };
  DialogLayout(setup.client_width).Row(label).Row(list, setup.list_height).ApplyTo(*this);
}

}  // namespace frame
