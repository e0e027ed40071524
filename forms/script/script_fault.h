// A fault of the script itself (not of the program it drives): an unknown
// verb, form or control, an action the user could not take at that moment, or
// a script that ends while the program still waits for an answer.  It is a
// RunFault, so no action guard catches it: it ends the whole run.
#pragma once

#include <string>

#include "forms/application.h"

namespace forms::script {

class ScriptFault : public RunFault {
 public:
  ScriptFault(int line, const std::string& reason) : RunFault(reason), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

}  // namespace forms::script
