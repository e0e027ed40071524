#pragma once

#include "forms/control.h"

namespace forms {

class Label : public Control {
 public:
  Label(Form& owner, std::string name, std::string caption = {});
  const std::string& caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  void Describe(std::vector<std::string>& lines) const override;

 private:
  std::string caption_;
};

}  // namespace forms
