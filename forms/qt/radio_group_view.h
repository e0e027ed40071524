#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>

#include "forms/qt/control_view.h"
#include "forms/radio_group.h"

namespace forms::qt {

// A framed group of radio buttons, filled column by column.
class RadioGroupView : public ControlView {
 public:
  RadioGroupView(FormWindow& window, RadioGroup& group, QWidget* parent);
  QWidget* widget() const override { return box_; }
  void Sync() override;
  std::vector<QWidget*> FocusWidgets() const override;
  QWidget* FocusTarget() const override;

 private:
  RadioGroup& group_;
  QGroupBox* box_;
  QButtonGroup* buttons_;
  std::vector<QRadioButton*> radios_;
};

}  // namespace forms::qt
