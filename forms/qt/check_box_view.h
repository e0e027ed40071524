#pragma once

#include <QCheckBox>

#include "forms/check_box.h"
#include "forms/qt/control_view.h"

namespace forms::qt {

class CheckBoxView : public ControlView {
 public:
  CheckBoxView(FormWindow& window, CheckBox& box, QWidget* parent);
  QWidget* widget() const override { return check_; }
  void Sync() override;
  std::vector<QWidget*> FocusWidgets() const override { return {check_}; }
  AutoPlace auto_place() const override { return AutoPlace::Natural; }
  bool FitsCaption() const override { return true; }

 private:
  CheckBox& box_;
  QCheckBox* check_;
};

}  // namespace forms::qt
