#pragma once

#include <QLabel>

#include "forms/label.h"
#include "forms/qt/control_view.h"

namespace forms::qt {

class LabelView : public ControlView {
 public:
  LabelView(FormWindow& window, Label& label, QWidget* parent);
  QWidget* widget() const override { return label_widget_; }
  void Sync() override;
  AutoPlace auto_place() const override { return AutoPlace::Natural; }
  bool FitsCaption() const override { return true; }

 private:
  Label& label_;
  QLabel* label_widget_;
};

}  // namespace forms::qt
