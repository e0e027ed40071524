#include "forms/qt/press_aware_list.h"

namespace forms::qt {

void PressAwareList::mousePressEvent(QMouseEvent* event) {
  pressing_ = true;
  QListWidget::mousePressEvent(event);
  pressing_ = false;
}

}  // namespace forms::qt
