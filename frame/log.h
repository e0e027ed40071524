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
  void ShowLine(const std::string& text) {
    if (!muted_) memo_.Append(text);
  }

  // While one lives, the log's lines go nowhere: work made again only to
  // compare its results says nothing.
  class Mute {
   public:
    explicit Mute(Log& log) : log_(log), was_muted_(log.muted_) { log_.muted_ = true; }
    ~Mute() { log_.muted_ = was_muted_; }
    Mute(const Mute&) = delete;
    Mute& operator=(const Mute&) = delete;

   private:
    Log& log_;
    bool was_muted_;
  };

 private:
  forms::Memo& memo_;
  bool muted_ = false;
};

}  // namespace frame
