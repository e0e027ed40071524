// The designer's log: lines appended to the main window's memo, and the
// number texts of those lines and of the roots files.  A number is never
// cut, whatever its width.
#pragma once

#include <cstdint>
#include <string>

#include "base/extended.h"
#include "elliptic/designer_state.h"
#include "forms/memo.h"

namespace elliptic {

// x with width w and d decimals (negative d: exponent form), whole.
std::string RealToText(std::int32_t w, std::int32_t d, base::Extended x);
// n in decimal, "-" before a negative number, no blanks.
std::string IntToText(std::int64_t n);

class DesignerLog {
 public:
  DesignerLog(forms::Memo& memo, const DesignerState& state) : memo_(memo), state_(state) {}

  void ShowLine(const std::string& text) { memo_.Append(text); }
  // x in the current print format.
  std::string RealToText(base::Extended x) const;

 private:
  forms::Memo& memo_;
  const DesignerState& state_;
};

}  // namespace elliptic
