// Places the controls of a small dialog one row under the other and sizes the
// dialog to hold them; the programs lay out their small dialogs this way.
#pragma once

#include <initializer_list>

#include "forms/check_box.h"
#include "forms/control.h"
#include "forms/edit.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/radio_group.h"

namespace frame {

class DialogLayout {
 public:
  // Row heights in pixels, sized for the default dialog font.
  static constexpr int kLabelHeight = 17;
  static constexpr int kEditHeight = 23;
  static constexpr int kCheckHeight = 19;
  static constexpr int kButtonHeight = 25;
  static constexpr int kButtonWidth = 90;
  static constexpr int kRadioItemHeight = 20;
  static constexpr int kRadioFrameHeight = 24;

  explicit DialogLayout(int client_width);

  // A row across the whole width.
  DialogLayout& Row(forms::Control& control, int height);
  DialogLayout& Row(forms::Label& label) { return Row(label, kLabelHeight); }
  DialogLayout& Row(forms::Edit& edit) { return Row(edit, kEditHeight); }
  DialogLayout& Row(forms::CheckBox& box) { return Row(box, kCheckHeight); }
  // A radio group tall enough for its caption, its frame and one row per
  // item.
  DialogLayout& Row(forms::RadioGroup& group);
  // Buttons of equal width side by side, centred.
  DialogLayout& Buttons(std::initializer_list<forms::Control*> buttons);

  // A fixed dialog frame centred on its owner, just large enough for the rows.
  void ApplyTo(forms::Form& form) const;

 private:
  // Blank border around the rows and space between two rows.
  static constexpr int kMargin = 8;
  static constexpr int kGap = 4;

  int client_width_;
  int top_ = kMargin;
};

}  // namespace frame
