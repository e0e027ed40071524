#include "forms/check_box.h"

#include "forms/form.h"

namespace forms {

CheckBox::CheckBox(Form& owner, std::string name, std::string caption, bool checked)
    : Control(owner, std::move(name)), caption_(std::move(caption)), checked_(checked) {}

void CheckBox::SetChecked(bool checked) {
  checked_ = checked;
  Changed();
}

void CheckBox::UserSetChecked(bool checked) {
  form().FocusControl(*this);
  if (checked == checked_) return;
  SetChecked(checked);
  if (on_click) on_click();
}

void CheckBox::Describe(std::vector<std::string>& lines) const {
  lines.push_back("caption: " + caption_);
  lines.push_back(std::string("checked: ") + (checked_ ? "yes" : "no"));
}

}  // namespace forms
