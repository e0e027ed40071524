#include "forms/qt/enter_push_button.h"

#include <QKeyEvent>

namespace forms::qt {

void EnterPushButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || event->isAutoRepeat()) {
    QPushButton::keyPressEvent(event);
    return;
  }
  event->accept();
  click();
}

}  // namespace forms::qt
