#include "frame/dialog_layout.h"

namespace frame {

DialogLayout::DialogLayout(int client_width) : client_width_(client_width) {}

DialogLayout& DialogLayout::Row(forms::Control& control, int height) {
  control.SetBounds(kMargin, top_, client_width_ - 2 * kMargin, height);
  top_ += height + kGap;
  return *this;
}

DialogLayout& DialogLayout::Row(forms::RadioGroup& group) {
  const int rows = static_cast<int>(group.items().size());
  return Row(group, rows * kRadioItemHeight + kRadioFrameHeight);
}

DialogLayout& DialogLayout::Buttons(std::initializer_list<forms::Control*> buttons) {
  const int count = static_cast<int>(buttons.size());
  const int row_width = count * kButtonWidth + (count - 1) * kGap;
  int left = (client_width_ - row_width) / 2;
  for (forms::Control* button : buttons) {
    button->SetBounds(left, top_, kButtonWidth, kButtonHeight);
    left += kButtonWidth + kGap;
  }
  top_ += kButtonHeight + kGap;
  return *this;
}

void DialogLayout::ApplyTo(forms::Form& form) const {
  form.SetBorderStyle(forms::BorderStyle::Dialog);
  form.SetPlacement(forms::Placement::OwnerCenter);
  form.SetClientSize(client_width_, top_ - kGap + kMargin);
}

}  // namespace frame
