#include "forms/qt/placement.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace forms::qt {

namespace {

// A top row that keeps the window on the screen, as near to `wanted` as
// that allows (the screen's top when the window is taller than the screen).
int TopWithin(int wanted, int height, const QRect& screen) {
  return std::max(screen.top(), std::min(wanted, screen.bottom() + 1 - height));
}

int LeftWithin(int wanted, int width, const QRect& screen) {
  return std::max(screen.left(), std::min(wanted, screen.right() + 1 - width));
}

std::int64_t Area(const QRect& rect) { return rect.isEmpty() ? 0 : std::int64_t{rect.width()} * rect.height(); }

std::int64_t SquaredDistance(const QPoint& a, const QPoint& b) {
  const std::int64_t dx = a.x() - b.x(), dy = a.y() - b.y();
  return dx * dx + dy * dy;
}

// The columns (or rows) where a window of that extent starts with one of its
// edges on an edge of a span.  The weighted area a window covers changes its
// slope only there, so that its least value lies at such starts (or at the
// screen's edges).
void AddBeside(std::vector<int>& starts, int first, int last, int extent) {
  starts.insert(starts.end(), {first, first - extent, last + 1, last + 1 - extent});
}

}  // namespace

std::int64_t CoveredWeight(const QRect& frame, const std::vector<Obstacle>& obstacles) {
  std::int64_t cost = 0;
  for (const Obstacle& obstacle : obstacles) cost += obstacle.weight * Area(frame.intersected(obstacle.area));
  return cost;
}

QPoint WithinScreen(const QPoint& wanted, const QSize& window, const QRect& screen) {
  return {LeftWithin(wanted.x(), window.width(), screen), TopWithin(wanted.y(), window.height(), screen)};
}

std::optional<SidePlacement> PlaceBeside(const QRect& owner, const QSize& window, const QRect& screen) {
  const int top = TopWithin(owner.top(), window.height(), screen);
  const int right_side = owner.right() + 1;
  if (right_side + window.width() <= screen.right() + 1) return SidePlacement{{right_side, top}, owner.topLeft()};
  const int left_side = owner.left() - window.width();
  if (left_side >= screen.left()) return SidePlacement{{left_side, top}, owner.topLeft()};
  if (owner.width() + window.width() > screen.width()) return std::nullopt;
  // the main window moves the least that makes room on one of its sides
  const int owner_left_of_window = screen.right() + 1 - window.width() - owner.width();
  const int owner_right_of_window = screen.left() + window.width();
  if (owner.left() - owner_left_of_window <= owner_right_of_window - owner.left())
    return SidePlacement{{owner_left_of_window + owner.width(), top}, {owner_left_of_window, owner.top()}};
  return SidePlacement{{screen.left(), top}, {owner_right_of_window, owner.top()}};
}

QPoint PlaceFree(const QSize& window, const QPoint& preferred, const QRect& anchor,
                 const std::vector<Obstacle>& obstacles, const QRect& screen) {
  std::vector<int> lefts{preferred.x(), screen.left(), screen.right() + 1 - window.width()};
  std::vector<int> tops{preferred.y(), screen.top(), screen.bottom() + 1 - window.height()};
  AddBeside(lefts, anchor.left(), anchor.right(), window.width());
  AddBeside(tops, anchor.top(), anchor.bottom(), window.height());
  for (const Obstacle& obstacle : obstacles) {
    AddBeside(lefts, obstacle.area.left(), obstacle.area.right(), window.width());
    AddBeside(tops, obstacle.area.top(), obstacle.area.bottom(), window.height());
  }
  QPoint best = WithinScreen(preferred, window, screen);
  std::int64_t best_cost = std::numeric_limits<std::int64_t>::max();
  std::int64_t best_distance = 0;
  for (const int left : lefts) {
    for (const int top : tops) {
      const QPoint corner = WithinScreen(QPoint(left, top), window, screen);
      const std::int64_t cost = CoveredWeight(QRect(corner, window), obstacles);
      const std::int64_t distance = SquaredDistance(corner, preferred);
      if (cost < best_cost || (cost == best_cost && distance < best_distance)) {
        best = corner;
        best_cost = cost;
        best_distance = distance;
      }
    }
  }
  return best;
}

}  // namespace forms::qt
