#include "frame/selection_form.h"

#include "frame/dialog_layout.h"

namespace frame {

SelectionForm::SelectionForm(forms::Application& app, const SelectionSpec& spec)
    : forms::Form(app, spec.form_name, spec.caption),
      label(Add<forms::Label>("Label1")),
      list(Add<forms::ListBox>("ListBox1")) {
  list.on_click = [this] { SetModalResult(forms::kModalOk); };
  DialogLayout(spec.client_width).Row(label).Row(list, spec.list_height).ApplyTo(*this);
}

}  // namespace frame
