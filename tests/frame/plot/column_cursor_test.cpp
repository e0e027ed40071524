// The cursor on the columns of a plot: steps inside, steps that would leave
// the columns, and a plot without columns.
#include "frame/plot/column_cursor.h"

#include <gtest/gtest.h>

#include <utility>

namespace frame::plot {
namespace {

TEST(ColumnCursor, StepsAtTheEdgesAreRefusedOrStopOnTheEdge) {
  struct Case {
    const char* name;
    ColumnCursor::AtEdge at_edge;
    int from;
    int step;
    bool moved;
    int to;
  };
  using enum ColumnCursor::AtEdge;
  const Case cases[] = {
      {"one right inside", Refuse, 75, 1, true, 76},
      {"ten right onto the last column", Refuse, 630, 10, true, 640},
      {"one left at the first column", Refuse, 75, -1, false, 75},
      {"one right at the last column", Refuse, 640, 1, false, 640},
      {"ten left from near the first", Refuse, 80, -10, false, 80},
      {"one left at the first column, stopping", Stop, 75, -1, true, 75},
      {"ten left from near the first, stopping", Stop, 80, -10, true, 75},
      {"ten right from near the last, stopping", Stop, 635, 10, true, 640},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ColumnCursor cursor(c.at_edge);
    cursor.Reset(75, 640);
    EXPECT_EQ(cursor.position(), 75);
    while (cursor.position() < c.from) cursor.Step(1);
    EXPECT_EQ(cursor.Step(c.step), c.moved);
    EXPECT_EQ(cursor.position(), c.to);
  }
}

TEST(ColumnCursor, APlotWithoutColumnsHasNoCursorToMove) {
  for (const auto at_edge : {ColumnCursor::AtEdge::Refuse, ColumnCursor::AtEdge::Stop}) {
    ColumnCursor cursor(at_edge);
    EXPECT_FALSE(cursor.has_columns()) << "before the first repaint";
    cursor.Reset(75, 60);
    EXPECT_FALSE(cursor.has_columns());
    EXPECT_FALSE(cursor.Step(1));
    cursor.Place(70);
    EXPECT_EQ(cursor.position(), 75);
  }
}

TEST(ColumnCursor, PlacedOutsideItsColumnsTheCursorGoesToTheNearerEdge) {
  ColumnCursor cursor(ColumnCursor::AtEdge::Refuse);
  cursor.Reset(75, 640);
  for (const auto& [column, placed] : {std::pair{300, 300}, {74, 75}, {641, 640}, {-2147483647 - 1, 75}}) {
    cursor.Place(column);
    EXPECT_EQ(cursor.position(), placed) << column;
  }
}

TEST(ColumnCursor, KeyCharacters) {
  EXPECT_EQ(CursorStepOfChar('.'), 1);
  EXPECT_EQ(CursorStepOfChar(','), -1);
  EXPECT_EQ(CursorStepOfChar('>'), 10);
  EXPECT_EQ(CursorStepOfChar('<'), -10);
  EXPECT_FALSE(CursorStepOfChar(' '));
  EXPECT_FALSE(CursorStepOfChar('M'));
}

}  // namespace
}  // namespace frame::plot
