// A status line with one simple text.
#pragma once

#include "forms/control.h"

namespace forms {

constexpr int kStatusBarHeight = 19;

class StatusBar : public Control {
 public:
  StatusBar(Form& owner, std::string name);
  const std::string& text() const { return text_; }
  void SetText(const std::string& text);
  void Describe(std::vector<std::string>& lines) const override;

 private:
  std::string text_;
};

}  // namespace forms
