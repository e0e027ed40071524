// A list widget that tells whether a selection change comes from a mouse
// press (which also reports the pressed item) or from the keyboard, and
// that reports Return, Enter and Space as the pick of the highlighted item.
#pragma once

#include <QListWidget>
#include <functional>

namespace forms::qt {

class PressAwareList : public QListWidget {
 public:
  explicit PressAwareList(QWidget* parent) : QListWidget(parent) {}
  bool pressing() const { return pressing_; }

  std::function<void(int row)> on_pick;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool pressing_ = false;
};

}  // namespace forms::qt
