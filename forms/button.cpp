#include "forms/button.h"

#include "forms/form.h"

namespace forms {

Button::Button(Form& owner, std::string name, std::string caption)
    : Control(owner, std::move(name)), caption_(std::move(caption)) {}

void Button::SetCaption(const std::string& caption) {
  caption_ = caption;
  Changed();
}

void Button::UserClick() {
  form().FocusControl(*this);
  if (on_click) on_click();
}

void Button::Describe(std::vector<std::string>& lines) const { lines.push_back("caption: " + caption_); }

}  // namespace forms
