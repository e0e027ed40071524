#pragma once

#include "forms/button.h"
#include "forms/qt/control_view.h"
#include "forms/qt/enter_push_button.h"

namespace forms::qt {

class ButtonView : public ControlView {
 public:
  ButtonView(FormWindow& window, Button& button, QWidget* parent);
  QWidget* widget() const override { return push_; }
  void Sync() override;
  std::vector<QWidget*> FocusWidgets() const override { return {push_}; }
  AutoPlace auto_place() const override { return AutoPlace::Button; }

 private:
  Button& button_;
  EnterPushButton* push_;
};

}  // namespace forms::qt
