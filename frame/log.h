// The log of a program's main window, and the number texts of the logs of
// the two prompt-driven programs.
#pragma once

#include <cstdint>
#include <string>

#include "base/extended.h"
#include "forms/memo.h"

namespace frame {

// n in decimal, "-" before a negative number, no blanks.
std::string IntToText(std::int64_t n);

// x with field width w and d decimals as a log line shows it: w and d act by
// their low 8 bits as signed numbers (a width of 200 acts as -56), and only
// the first 40 characters of the text are kept.  Files take the whole
// format and the whole text.
std::string RealToText(std::int32_t w, std::int32_t d, base::Extended x);

// Lines appended to the memo, one at a time; the program never edits or
// clears what it logged.
class Log {
 public:
  explicit Log(forms::Memo& memo) : memo_(memo) {}
  void ShowLine(const std::string& text) { memo_.Append(text); }

 private:
  forms::Memo& memo_;
};

}  // namespace frame
