#include "forms/list_box.h"

#include "forms/form.h"

namespace forms {

ListBox::ListBox(Form& owner, std::string name) : Control(owner, std::move(name)) {}

void ListBox::Clear() {
  items_.clear();
  item_index_ = -1;
  Changed();
}

void ListBox::AddItem(const std::string& item) {
  items_.push_back(item);
  Changed();
}

void ListBox::SetItemIndex(int index) {
  item_index_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
  Changed();
}

void ListBox::UserClickItem(int index) {
  form().FocusControl(*this);
  SetItemIndex(index);
  if (on_click) on_click();
}

void ListBox::UserMoveTo(int index) {
  form().FocusControl(*this);
  SetItemIndex(index);
}

void ListBox::Describe(std::vector<std::string>& lines) const {
  lines.push_back("item_index: " + std::to_string(item_index_));
  for (std::size_t i = 0; i < items_.size(); ++i)
    lines.push_back((static_cast<int>(i) == item_index_ ? "* " : "  ") + items_[i]);
}

}  // namespace forms
