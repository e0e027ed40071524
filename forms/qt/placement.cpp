#include "forms/qt/placement.h"

#include <algorithm>

namespace forms::qt {

namespace {

// A top row that keeps the window on the screen, as near to `wanted` as
// that allows (the screen's top when the window is taller than the screen).
int TopWithin(int wanted, int height, const QRect& screen) {
  return std::max(screen.top(), std::min(wanted, screen.bottom() + 1 - height));
}

}  // namespace

SidePlacement PlaceBeside(const QRect& owner, int menu_bottom, const QSize& window, const QRect& screen) {
  const int top = TopWithin(owner.top(), window.height(), screen);
  const int right_side = owner.right() + 1;
  if (right_side + window.width() <= screen.right() + 1) return {{right_side, top}, owner.topLeft()};
  const int left_side = owner.left() - window.width();
  if (left_side >= screen.left()) return {{left_side, top}, owner.topLeft()};
  if (owner.width() + window.width() <= screen.width()) {
    // the main window moves the least that makes room on one of its sides
    const int owner_left_of_window = screen.right() + 1 - window.width() - owner.width();
    const int owner_right_of_window = screen.left() + window.width();
    if (owner.left() - owner_left_of_window <= owner_right_of_window - owner.left())
      return {{owner_left_of_window + owner.width(), top}, {owner_left_of_window, owner.top()}};
    return {{screen.left(), top}, {owner_right_of_window, owner.top()}};
  }
  // Too narrow for both: over the log, never over the menu, even if the
  // window's bottom then runs off the screen.
  const int left = std::max(screen.left(), screen.right() + 1 - window.width());
  return {{left, std::max(menu_bottom, top)}, owner.topLeft()};
}

}  // namespace forms::qt
