// A push button that Enter presses, as Space does, while it has the focus,
// as buttons did on the original platform; it is no default button that
// Enter presses from elsewhere in its window.
#pragma once

#include <QPushButton>

namespace forms::qt {

class EnterPushButton : public QPushButton {
 public:
  explicit EnterPushButton(QWidget* parent) : QPushButton(parent) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace forms::qt
