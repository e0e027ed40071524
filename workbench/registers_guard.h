// Puts every register back as it was when the guard was made, unless the
// operation says it is done: a refusal or a floating-point fault half way
// through leaves nothing changed instead of a description half transformed.
#pragma once

#include "workbench/registers.h"

namespace workbench {

class RegistersGuard {
 public:
  explicit RegistersGuard(Registers& r) : r_(r), saved_(r) {}
  RegistersGuard(const RegistersGuard&) = delete;
  RegistersGuard& operator=(const RegistersGuard&) = delete;
  ~RegistersGuard() {
    if (!done_) r_ = saved_;
  }
  void Done() { done_ = true; }

 private:
  Registers& r_;
  const Registers saved_;
  bool done_ = false;
};

}  // namespace workbench
