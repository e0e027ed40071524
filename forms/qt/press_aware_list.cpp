#include "forms/qt/press_aware_list.h"

#include <QKeyEvent>

namespace forms::qt {

void PressAwareList::mousePressEvent(QMouseEvent* event) {
  pressing_ = true;
  QListWidget::mousePressEvent(event);
  pressing_ = false;
}

void PressAwareList::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool pick_key = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
  if (!pick_key || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
    QListWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  // a key held down picks once: its repeats would answer the next prompt
  if (event->isAutoRepeat() || currentRow() < 0 || !on_pick) return;
  on_pick(currentRow());
}

}  // namespace forms::qt
