#pragma once

#include <QLineEdit>

#include "forms/edit.h"
#include "forms/qt/control_view.h"

namespace forms::qt {

class EditView : public ControlView {
 public:
  EditView(FormWindow& window, Edit& edit, QWidget* parent);
  QWidget* widget() const override { return line_; }
  void Sync() override;
  std::vector<QWidget*> FocusWidgets() const override { return {line_}; }

 private:
  Edit& edit_;
  QLineEdit* line_;
};

}  // namespace forms::qt
