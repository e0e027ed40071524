// The designer's log: lines appended to the main window's memo, and the
// number texts of those lines and of the roots files.  Unlike the log lines
// of the prompt-driven programs, a number here is never cut, whatever its
// width.
#pragma once

#include <cstdint>
#include <string>

#include "base/extended.h"
#include "elliptic/designer_state.h"
#include "forms/memo.h"
#include "frame/log.h"

namespace elliptic {

using frame::IntToText;

// x with width w and d decimals (negative d: exponent form), whole.
std::string RealToText(std::int32_t w, std::int32_t d, base::Extended x);

class DesignerLog {
 public:
  DesignerLog(forms::Memo& memo, const DesignerState& state) : log_(memo), state_(state) {}

  void ShowLine(const std::string& text) { log_.ShowLine(text); }
  // x in the current print format.
  std::string RealToText(base::Extended x) const;

 private:
  frame::Log log_;
  const DesignerState& state_;
};

}  // namespace elliptic
