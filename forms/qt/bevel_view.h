#pragma once

#include <QFrame>

#include "forms/bevel.h"
#include "forms/qt/control_view.h"

namespace forms::qt {

// A sunken frame behind the controls it groups.
class BevelView : public ControlView {
 public:
  BevelView(FormWindow& window, Bevel& bevel, QWidget* parent);
  QWidget* widget() const override { return frame_; }
  void Sync() override { frame_->lower(); }
  AutoPlace auto_place() const override { return AutoPlace::Hidden; }

 private:
  QFrame* frame_;
};

}  // namespace forms::qt
