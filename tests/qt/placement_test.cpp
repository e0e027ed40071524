#include "forms/qt/placement.h"

#include <gtest/gtest.h>

namespace forms::qt {
namespace {

// A main window of 660x520 whose menu ends 50 rows below its top, and an
// operations window of 410x450.
const QSize kWindow(410, 450);

struct Case {
  const char* name;
  QRect owner;
  QRect screen;
  QPoint window;  // expected
  QPoint owner_after;
};

TEST(PlaceBeside, TakesTheFirstSideThatFitsAndNeverCoversTheMenu) {
  const Case cases[] = {
      {"room on the right", {100, 100, 660, 520}, {0, 0, 1280, 1024}, {760, 100}, {100, 100}},
      {"room only on the left", {600, 100, 660, 520}, {0, 0, 1280, 1024}, {190, 100}, {600, 100}},
      {"centred main window moves left", {310, 250, 660, 520}, {0, 0, 1280, 1024}, {870, 250}, {210, 250}},
      {"main window right of centre moves right", {400, 250, 660, 520}, {0, 0, 1280, 1024}, {0, 250}, {410, 250}},
      {"kept on a short screen", {100, 500, 660, 520}, {0, 0, 1280, 768}, {760, 318}, {100, 500}},
      {"screen too narrow: over the log below the menu", {70, 40, 660, 520}, {0, 0, 800, 600}, {390, 90}, {70, 40}},
      {"screen offset by a panel", {100, 100, 660, 520}, {0, 30, 1280, 994}, {760, 100}, {100, 100}},
  };
  for (const Case& c : cases) {
    const SidePlacement place = PlaceBeside(c.owner, c.owner.top() + 50, kWindow, c.screen);
    EXPECT_EQ(place.window, c.window) << c.name;
    EXPECT_EQ(place.owner, c.owner_after) << c.name;
    const QRect window(place.window, kWindow);
    const QRect menu(place.owner, QSize(c.owner.width(), 50));
    EXPECT_FALSE(window.intersects(menu)) << c.name;
  }
}

}  // namespace
}  // namespace forms::qt
