#include "forms/qt/button_view.h"

#include "forms/form.h"

namespace forms::qt {

ButtonView::ButtonView(FormWindow& window, Button& button, QWidget* parent)
    : ControlView(window, button), button_(button), push_(new EnterPushButton(parent)) {
  push_->setFocusPolicy(Qt::TabFocus);
  push_->setAutoDefault(false);
  QObject::connect(push_, &QPushButton::clicked, push_, [this] { Run([this] { button_.UserClick(); }); });
  Sync();
}

void ButtonView::Sync() {
  push_->setText(QString::fromStdString(button_.caption()));
  // drawn as the button that Return presses
  push_->setDefault(button_.form().default_button() == &button_);
}

}  // namespace forms::qt
