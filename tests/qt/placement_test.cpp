#include "forms/qt/placement.h"

#include <gtest/gtest.h>

namespace forms::qt {
namespace {

// A main window of 660x520 and an operations window of 410x450.
const QSize kWindow(410, 450);

TEST(PlaceBeside, TakesTheFirstSideThatFitsMovingTheMainWindowOnlyToMakeRoom) {
  struct Case {
    const char* name;
    QRect owner;
    QRect screen;
    QPoint window;  // expected
    QPoint owner_after;
  };
  const Case cases[] = {
      {"room on the right", {100, 100, 660, 520}, {0, 0, 1280, 1024}, {760, 100}, {100, 100}},
      {"room only on the left", {600, 100, 660, 520}, {0, 0, 1280, 1024}, {190, 100}, {600, 100}},
      {"centred main window moves left", {310, 250, 660, 520}, {0, 0, 1280, 1024}, {870, 250}, {210, 250}},
      {"main window right of centre moves right", {400, 250, 660, 520}, {0, 0, 1280, 1024}, {0, 250}, {410, 250}},
      {"kept on a short screen", {100, 500, 660, 520}, {0, 0, 1280, 768}, {760, 318}, {100, 500}},
      {"screen offset by a panel", {100, 100, 660, 520}, {0, 30, 1280, 994}, {760, 100}, {100, 100}},
  };
  for (const Case& c : cases) {
    const std::optional<SidePlacement> place = PlaceBeside(c.owner, kWindow, c.screen);
    ASSERT_TRUE(place) << c.name;
    EXPECT_EQ(place->window, c.window) << c.name;
    EXPECT_EQ(place->owner, c.owner_after) << c.name;
    EXPECT_FALSE(QRect(place->window, kWindow).intersects(QRect(place->owner, c.owner.size()))) << c.name;
  }
  EXPECT_FALSE(PlaceBeside({70, 40, 660, 520}, kWindow, {0, 0, 800, 600})) << "screen too narrow for both";
}

// The vessaw desktop at 1280x1024 after "Iniciar": the main window with its
// menu band and its last log lines, the operations window beside it.
const QRect kScreen(0, 0, 1280, 1024);
const QRect kMain(240, 262, 644, 525);
const QRect kMenu(240, 262, 644, 46);
const QRect kLastLines(244, 740, 636, 44);
const QRect kOperations(884, 262, 396, 470);

std::vector<Obstacle> Desktop() {
  return {{kMain, kCovered}, {kMenu, kGuarded}, {kLastLines, kGuarded}, {kOperations, kGuarded}};
}

// Within the screen and clear of every guarded area, where that is possible.
TEST(PlaceFree, CoversNoGuardedAreaWhereThereIsRoom) {
  struct Case {
    const char* name;
    QSize window;
    QPoint preferred;
    QRect anchor;
    std::vector<Obstacle> obstacles;
    QRect screen;
  };
  const QRect plot(0, 0, 644, 429);
  const Case cases[] = {
      {"a plot over the older log lines", plot.size(), {884, 262}, kMain, Desktop(), kScreen},
      {"a plot on a wide screen, in free space", plot.size(), {884, 262}, kMain, Desktop(), {0, 0, 2560, 1440}},
      {"a prompt centred on the main window",
       {306, 110},
       {409, 469},
       kMain,
       {{kMenu, kGuarded}, {kLastLines, kGuarded}, {kOperations, kGuarded}},
       kScreen},
      {"a tall dialog moved off the last lines",
       {344, 420},
       {410, 350},
       kMain,
       {{kMenu, kGuarded}, {kLastLines, kGuarded}, {kOperations, kGuarded}},
       kScreen},
      {"a dialog beside its plot",
       {244, 300},
       {700, 40},
       {56, 40, 644, 429},
       {{kMenu, kGuarded}, {kLastLines, kGuarded}, {kOperations, kGuarded}, {{56, 40, 644, 429}, kGuarded}},
       kScreen},
  };
  for (const Case& c : cases) {
    const QPoint corner = PlaceFree(c.window, c.preferred, c.anchor, c.obstacles, c.screen);
    const QRect frame(corner, c.window);
    EXPECT_TRUE(c.screen.contains(frame)) << c.name;
    for (const Obstacle& o : c.obstacles)
      if (o.weight == kGuarded) {
        EXPECT_FALSE(frame.intersects(o.area)) << c.name << ": " << o.area.x() << "," << o.area.y();
      }
  }
}

// The weighted area that a frame covers.
long long CostOf(const QRect& frame, const std::vector<Obstacle>& obstacles) {
  long long cost = 0;
  for (const Obstacle& o : obstacles) {
    const QRect common = frame.intersected(o.area);
    if (!common.isEmpty()) cost += static_cast<long long>(o.weight) * common.width() * common.height();
  }
  return cost;
}

TEST(PlaceFree, KeepsThePreferredPlaceWhenItIsFreeAndCoversTheLeastWhenNothingIs) {
  // the prompt stays exactly centred: nothing guarded lies there
  const std::vector<Obstacle> guarded{{kMenu, kGuarded}, {kLastLines, kGuarded}, {kOperations, kGuarded}};
  EXPECT_EQ(PlaceFree({306, 110}, {409, 469}, kMain, guarded, kScreen), QPoint(409, 469));
  // screens too small for the window to stay clear of everything: no place
  // on the screen, tried every 4 pixels, covers less than the one chosen
  for (const QRect& screen : {QRect(0, 0, 1100, 800), QRect(0, 0, 1280, 1024)}) {
    const QSize window(807, 695);
    const QRect frame(PlaceFree(window, {884, 262}, kMain, Desktop(), screen), window);
    EXPECT_TRUE(screen.contains(frame));
    const long long chosen = CostOf(frame, Desktop());
    for (int x = screen.left(); x + window.width() <= screen.right() + 1; x += 4)
      for (int y = screen.top(); y + window.height() <= screen.bottom() + 1; y += 4)
        ASSERT_LE(chosen, CostOf(QRect(QPoint(x, y), window), Desktop())) << x << "," << y;
  }
}

}  // namespace
}  // namespace forms::qt
