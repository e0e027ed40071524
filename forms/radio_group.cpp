#include "forms/radio_group.h"

#include "forms/form.h"

namespace forms {

RadioGroup::RadioGroup(Form& owner, std::string name, std::string caption, std::vector<std::string> items,
                       int item_index, int columns)
    : Control(owner, std::move(name)),
      caption_(std::move(caption)),
      items_(std::move(items)),
      item_index_(item_index),
      columns_(columns < 1 ? 1 : columns) {}

void RadioGroup::SetItemIndex(int index) {
  item_index_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
  Changed();
}

void RadioGroup::UserChoose(int index) {
  form().FocusControl(*this);
  SetItemIndex(index);
  if (on_click) on_click();
}

void RadioGroup::Describe(std::vector<std::string>& lines) const {
  lines.push_back("caption: " + caption_);
  lines.push_back("item_index: " + std::to_string(item_index_));
  for (std::size_t i = 0; i < items_.size(); ++i)
    lines.push_back((static_cast<int>(i) == item_index_ ? "* " : "  ") + items_[i]);
}

}  // namespace forms
