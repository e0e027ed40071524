#include "forms/qt/check_box_view.h"

namespace forms::qt {

CheckBoxView::CheckBoxView(FormWindow& window, CheckBox& box, QWidget* parent)
    : ControlView(window, box), box_(box), check_(new QCheckBox(parent)) {
  check_->setFocusPolicy(Qt::TabFocus);
  QObject::connect(check_, &QCheckBox::clicked, check_,
                   [this](bool checked) { Run([this, checked] { box_.UserSetChecked(checked); }); });
  Sync();
}

void CheckBoxView::Sync() {
  check_->setText(QString::fromStdString(box_.caption()));
  check_->setChecked(box_.checked());
}

}  // namespace forms::qt
