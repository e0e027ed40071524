#pragma once

#include "forms/paint_box.h"
#include "forms/qt/control_view.h"
#include "forms/qt/paint_box_widget.h"

namespace forms::qt {

class PaintBoxView : public ControlView {
 public:
  PaintBoxView(FormWindow& window, PaintBox& box, QWidget* parent);
  QWidget* widget() const override { return area_; }
  void Sync() override {}
  AutoPlace auto_place() const override { return AutoPlace::Grow; }

 private:
  PaintBoxWidget* area_;
};

}  // namespace forms::qt
