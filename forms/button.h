#pragma once

#include <functional>

#include "forms/control.h"

namespace forms {

class Button : public Control {
 public:
  Button(Form& owner, std::string name, std::string caption = {});
  const std::string& caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  // The user pressed the button: the focus moves to it first (running the
  // exit check of the field being left), then the click handler runs.
  void UserClick();
  bool Focusable() const override { return true; }
  void Describe(std::vector<std::string>& lines) const override;

  std::function<void()> on_click;

 private:
  std::string caption_;
};

}  // namespace forms
