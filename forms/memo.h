// A multi-line text: the program's log, or a list the user edits.
#pragma once

#include "forms/control.h"

namespace forms {

enum class ScrollBars { None, Vertical, Both };

class Memo : public Control {
 public:
  Memo(Form& owner, std::string name, std::vector<std::string> lines = {});
  void Append(const std::string& line);
  const std::string& Line(int index) const { return lines_.at(static_cast<std::size_t>(index)); }
  int Count() const { return static_cast<int>(lines_.size()); }
  const std::vector<std::string>& lines() const { return lines_; }
  void Clear();
  void SetLines(const std::vector<std::string>& lines);
  void SetReadOnly(bool read_only) { read_only_ = read_only; }
  bool read_only() const { return read_only_; }
  void SetScrollBars(ScrollBars bars) { scroll_bars_ = bars; }
  ScrollBars scroll_bars() const { return scroll_bars_; }
  // The user replaced the text (only an editable memo takes this).
  void UserSetLines(const std::vector<std::string>& lines);
  // A backend reports the text the user edited in place.
  void UserEdited(const std::vector<std::string>& lines) { lines_ = lines; }
  bool Focusable() const override { return true; }
  void Describe(std::vector<std::string>& lines) const override;

 private:
  std::vector<std::string> lines_;
  bool read_only_ = false;
  ScrollBars scroll_bars_ = ScrollBars::Vertical;
};

}  // namespace forms
