// Where a secondary window goes on the screen: beside the main window, so
// that it covers neither the main window's menu nor, where the screen
// allows, its log.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace forms::qt {

struct SidePlacement {
  QPoint window;  // top-left corner of the window's frame
  QPoint owner;   // of the main window's frame: moved only to make room
};

// owner: the main window's frame; menu_bottom: the first screen row below
// its menu bar; window: the frame size of the window to place; screen: the
// available area.  In order of preference: right of the main window, left
// of it, beside it after moving the main window just far enough, and on a
// screen too narrow for both, against the screen's right edge below the
// main window's menu.
SidePlacement PlaceBeside(const QRect& owner, int menu_bottom, const QSize& window, const QRect& screen);

}  // namespace forms::qt
