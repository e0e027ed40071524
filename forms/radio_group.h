// A framed group of radio buttons; item_index is -1 while none is chosen.
#pragma once

#include <functional>

#include "forms/control.h"

namespace forms {

class RadioGroup : public Control {
 public:
  RadioGroup(Form& owner, std::string name, std::string caption, std::vector<std::string> items, int item_index = -1,
             int columns = 1);
  const std::string& caption() const { return caption_; }
  const std::vector<std::string>& items() const { return items_; }
  int columns() const { return columns_; }
  int item_index() const { return item_index_; }
  // From code; the change is shown.  An index outside the items chooses none.
  void SetItemIndex(int index);
  // The user clicked an item: focus, then the click handler.
  void UserChoose(int index);
  bool Focusable() const override { return true; }
  void Describe(std::vector<std::string>& lines) const override;

  std::function<void()> on_click;

 private:
  std::string caption_;
  std::vector<std::string> items_;
  int item_index_;
  int columns_;
};

}  // namespace forms
