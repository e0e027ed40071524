// A sunken frame that groups other controls visually.
#pragma once

#include "forms/control.h"

namespace forms {

class Bevel : public Control {
 public:
  Bevel(Form& owner, std::string name) : Control(owner, std::move(name)) {}
  void Describe(std::vector<std::string>&) const override {}
};

}  // namespace forms
