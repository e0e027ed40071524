// A single-selection list.
#pragma once

#include <functional>

#include "forms/control.h"

namespace forms {

class ListBox : public Control {
 public:
  ListBox(Form& owner, std::string name);
  const std::vector<std::string>& items() const { return items_; }
  int item_index() const { return item_index_; }
  void Clear();
  void AddItem(const std::string& item);
  void SetItemIndex(int index);
  // The user clicked an item: focus, selection, then the click handler.
  void UserClickItem(int index);
  // The user moved the highlight by the keyboard: focus and selection only;
  // the item is picked by a click or by Return or Space (UserClickItem).
  void UserMoveTo(int index);
  bool Focusable() const override { return true; }
  void Describe(std::vector<std::string>& lines) const override;

  std::function<void()> on_click;

 private:
  std::vector<std::string> items_;
  int item_index_ = -1;
};

}  // namespace forms
