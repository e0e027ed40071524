// A single-line edit.  The text is what the user sees and types.
#pragma once

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
  bool Focusable() const override { return true; }
  void Describe(std::vector<std::string>& lines) const override;

 private:
  std::string text_;
};

}  // namespace forms
