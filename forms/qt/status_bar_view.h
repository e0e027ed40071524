#pragma once

#include <QLabel>

#include "forms/qt/control_view.h"
#include "forms/status_bar.h"

namespace forms::qt {

class StatusBarView : public ControlView {
 public:
  StatusBarView(FormWindow& window, StatusBar& bar, QWidget* parent);
  QWidget* widget() const override { return line_; }
  void Sync() override;

 private:
  StatusBar& bar_;
  QLabel* line_;
};

}  // namespace forms::qt
