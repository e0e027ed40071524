// Where a new window goes on the screen, so that it covers nothing the user
// needs next: the main window's menu and its last log lines, the operations
// window, the plot a dialog was opened from.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <optional>
#include <vector>

namespace forms::qt {

struct SidePlacement {
  QPoint window;  // top-left corner of the window's frame
  QPoint owner;   // of the main window's frame: moved only to make room
};

// owner: the main window's frame; window: the frame size of the window to
// place; screen: the available area.  In order of preference: right of the
// main window, left of it, beside it after moving the main window just far
// enough; none on a screen too narrow for both.
std::optional<SidePlacement> PlaceBeside(const QRect& owner, const QSize& window, const QRect& screen);

// The corner nearest to `wanted` that keeps the frame on the screen (its
// top-left corner on it when the frame is larger than the screen).
QPoint WithinScreen(const QPoint& wanted, const QSize& window, const QRect& screen);

// Something a new window should not cover, the less the heavier.
struct Obstacle {
  QRect area;
  int weight;
};

// What the user needs next to see (the main window's menu and last log
// lines, the operations window, the plot a dialog belongs to), and what may
// stay covered for a while (the rest of a window).
constexpr int kGuarded = 1024;
constexpr int kCovered = 1;
// A menu bar under a window that stays open: the way to go on, free above
// all else.
constexpr int kMenuBarUnderWindow = 64 * kGuarded;
// The menu under a dialog, which cannot be used while the dialog asks: less
// than the last lines, which tell what it asks for.
constexpr int kMenuUnderDialog = kGuarded / 2;

// The weighted area of the obstacles that a frame covers.
std::int64_t CoveredWeight(const QRect& frame, const std::vector<Obstacle>& obstacles);

// The top-left corner for a frame of this size within the screen: where it
// covers the least weighted area, and of such places the first found
// nearest to `preferred`, trying `preferred` itself and the places with an
// edge on an edge of the anchor, of an obstacle or of the screen.
QPoint PlaceFree(const QSize& window, const QPoint& preferred, const QRect& anchor,
                 const std::vector<Obstacle>& obstacles, const QRect& screen);

}  // namespace forms::qt
