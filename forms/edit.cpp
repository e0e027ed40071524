#include "forms/edit.h"

#include "forms/form.h"

namespace forms {

Edit::Edit(Form& owner, std::string name, std::string text) : Control(owner, std::move(name)), text_(std::move(text)) {}

void Edit::SetText(const std::string& text) {
  text_ = text;
  Changed();
}

void Edit::UserType(const std::string& text) {
  form().FocusControl(*this);
  SetText(text);
}

void Edit::SetFixedPitch(bool fixed) {
  fixed_pitch_ = fixed;
  Changed();
}

void Edit::UserEnter() {
  if (on_enter)
    on_enter();
  else
    form().UserEnter();
}

void Edit::Describe(std::vector<std::string>& lines) const { lines.push_back("text: " + text_); }

}  // namespace forms
