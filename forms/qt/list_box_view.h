#pragma once

#include "forms/list_box.h"
#include "forms/qt/control_view.h"
#include "forms/qt/press_aware_list.h"

namespace forms::qt {

// A single-selection list: a click on an item, the selected one included, is
// the user's click, and so are Return and Space on the highlighted item; the
// arrows and letters only move the highlight, so that the keyboard reaches
// every item, the first one included, before it picks one.
class ListBoxView : public ControlView {
 public:
  ListBoxView(FormWindow& window, ListBox& box, QWidget* parent);
  QWidget* widget() const override { return list_; }
  void Sync() override;
  std::vector<QWidget*> FocusWidgets() const override { return {list_}; }
  std::vector<QWidget*> PressWidgets() const override { return {list_->viewport()}; }
  AutoPlace auto_place() const override { return AutoPlace::Grow; }

 private:
  void UserClicked(int row);
  void UserMoved(int row);
  void SyncItems();

  ListBox& box_;
  PressAwareList* list_;
  bool updating_ = false;
};

}  // namespace forms::qt
