#pragma once

#include <functional>

#include "forms/control.h"

namespace forms {

class CheckBox : public Control {
 public:
  CheckBox(Form& owner, std::string name, std::string caption = {}, bool checked = false);
  const std::string& caption() const { return caption_; }
  bool checked() const { return checked_; }
  // From code; the change is shown.
  void SetChecked(bool checked);
  // The user ticked or unticked the box: focus, then the click handler when
  // the state changed.
  void UserSetChecked(bool checked);
  bool Focusable() const override { return true; }
  void Describe(std::vector<std::string>& lines) const override;

  std::function<void()> on_click;

 private:
  std::string caption_;
  bool checked_;
};

}  // namespace forms
