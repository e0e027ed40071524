#include "forms/qt/view_factory.h"

#include "forms/qt/bevel_view.h"
#include "forms/qt/button_view.h"
#include "forms/qt/check_box_view.h"
#include "forms/qt/edit_view.h"
#include "forms/qt/label_view.h"
#include "forms/qt/list_box_view.h"
#include "forms/qt/memo_view.h"
#include "forms/qt/paint_box_view.h"
#include "forms/qt/radio_group_view.h"
#include "forms/qt/status_bar_view.h"

namespace forms::qt {

std::unique_ptr<ControlView> CreateView(FormWindow& window, Control& control, QWidget* parent) {
  if (auto* edit = dynamic_cast<Edit*>(&control)) return std::make_unique<EditView>(window, *edit, parent);
  if (auto* label = dynamic_cast<Label*>(&control)) return std::make_unique<LabelView>(window, *label, parent);
  if (auto* button = dynamic_cast<Button*>(&control)) return std::make_unique<ButtonView>(window, *button, parent);
  if (auto* box = dynamic_cast<CheckBox*>(&control)) return std::make_unique<CheckBoxView>(window, *box, parent);
  if (auto* group = dynamic_cast<RadioGroup*>(&control))
    return std::make_unique<RadioGroupView>(window, *group, parent);
  if (auto* list = dynamic_cast<ListBox*>(&control)) return std::make_unique<ListBoxView>(window, *list, parent);
  if (auto* memo = dynamic_cast<Memo*>(&control)) return std::make_unique<MemoView>(window, *memo, parent);
  if (auto* bar = dynamic_cast<StatusBar*>(&control)) return std::make_unique<StatusBarView>(window, *bar, parent);
  if (auto* bevel = dynamic_cast<Bevel*>(&control)) return std::make_unique<BevelView>(window, *bevel, parent);
  if (auto* paint = dynamic_cast<PaintBox*>(&control)) return std::make_unique<PaintBoxView>(window, *paint, parent);
  return nullptr;
}

}  // namespace forms::qt
