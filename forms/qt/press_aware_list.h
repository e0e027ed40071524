// A list widget that tells whether a selection change comes from a mouse
// press (which also reports the pressed item) or from the keyboard.
#pragma once

#include <QListWidget>

namespace forms::qt {

class PressAwareList : public QListWidget {
 public:
  explicit PressAwareList(QWidget* parent) : QListWidget(parent) {}
  bool pressing() const { return pressing_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  bool pressing_ = false;
};

}  // namespace forms::qt
