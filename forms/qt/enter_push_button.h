// A push button that Enter presses, as Space does, while it has the focus:
// once per press, not for a held key's repeats nor with a modifier.  Enter
// from elsewhere in its window presses the window's default button instead,
// if the window has one.
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
