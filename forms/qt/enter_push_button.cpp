#include "forms/qt/enter_push_button.h"

#include <QKeyEvent>

namespace forms::qt {

void EnterPushButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (!enter) {
    QPushButton::keyPressEvent(event);
    return;
  }
  // every Return stays here: passed on, a default button would be clicked
  // by each repeat of a held key and by Return with a modifier
  event->accept();
  if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !event->isAutoRepeat()) click();
}

}  // namespace forms::qt
