// A single-line edit.  The text is what the user sees and types.
#pragma once

#include <functional>

#include "forms/control.h"

namespace forms {

class Edit : public Control {
 public:
  Edit(Form& owner, std::string name, std::string text = {});
  const std::string& text() const { return text_; }
  // Set from code: shown at once.
  void SetText(const std::string& text);
  // The user typed: the field takes the focus and the text changes; nothing
  // is checked until the focus leaves.
  void UserType(const std::string& text);
  // A backend reports the text the user edited in place.
  void UserEdited(const std::string& text) { text_ = text; }
  // The user pressed Enter in the field: on_enter runs if the field has
  // one; otherwise the form's default button is pressed, if it has one.
  void UserEnter();
  // Shown in a fixed-pitch font, as numbers are.
  void SetFixedPitch(bool fixed);
  bool fixed_pitch() const { return fixed_pitch_; }
  bool Focusable() const override { return true; }
  void Describe(std::vector<std::string>& lines) const override;

  std::function<void()> on_enter;

 private:
  std::string text_;
  bool fixed_pitch_ = false;
};

}  // namespace forms
