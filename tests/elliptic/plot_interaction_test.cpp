// The cursor of the designer's plot with its readout, the keys that move it
// and step through the functions, the mouse that places it, and what a
// repaint does to it.
#include "elliptic/plot_interaction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/number_text.h"
#include "tests/base/extended_printer.h"
#include "tests/elliptic/designer_fixture.h"

namespace elliptic_test {
namespace {

using base::Extended;
using forms::Point;

constexpr int kHeight = 637, kTextHeight = 13;
constexpr int kRight = 902 - 2, kBottom = kHeight - kTextHeight - 2;
constexpr int kSegments = 20;

class PlotInteractionTest : public DesignerFixture {
 protected:
  // Two functions, a pole pair and a real pole, over 20 segments.
  void SetUp() override {
    const std::string one = File("one.r", "0\r\n1\r\n");
    Type(selection_form().tsegmentos, std::to_string(kSegments));
    Plot({File("pair.r", "2\r\n-0.5 1\r\n-0.5 -1\r\n1\r\n"), one, File("real.r", "1\r\n-2 0\r\n2\r\n"), one});
    ASSERT_EQ(functions().count, 2);
  }

  elliptic::PlotInteraction& interaction() { return duzavuri.plot_interaction(); }
  elliptic::ResponsePlot& plot() { return duzavuri.response_plot(); }
  int Left() { return plot_form().cresposta.canvas().TextWidth(" -xxx.xx") + 3; }
  int Column(int k) {
    return static_cast<int>(
        base::Round(Extended(k) * Extended(kRight - Left()) / Extended(kSegments) + Extended(Left())));
  }
  int GainRow(int n, int k) { return plot().gain_rows().Row(functions()[n].gain[k]); }
  // What the plot drew after the first `mark` calls since its repaint.
  std::vector<DrawCall> DrawnSince(std::size_t mark) {
    const std::vector<DrawCall>& all = Drawn();
    return {all.begin() + static_cast<std::ptrdiff_t>(std::min(mark, all.size())), all.end()};
  }
  // The marker and the readout that the cursor on point k of function n
  // draws: the old marker erased, the new marker, the readout.
  void ExpectCursor(const std::vector<DrawCall>& calls, int n, int k, const std::string& unit = "rad/s") {
    SCOPED_TRACE("function " + std::to_string(n) + ", point " + std::to_string(k));
    EXPECT_EQ(interaction().cursor_index(), k);
    EXPECT_EQ(functions().selected_function, n);
    const Point at{Column(k), GainRow(n, k)};
    EXPECT_EQ(interaction().marker_position(), at);
    const std::vector<DrawCall> markers =
        Select(calls, [](const DrawCall& c) { return c.kind == DrawCall::Kind::Polygon; });
    ASSERT_FALSE(markers.empty());
    EXPECT_EQ(markers.back().points.front(), at);
    EXPECT_EQ(markers.back().mode, forms::PenMode::Xor);
    EXPECT_EQ(markers.back().pen, elliptic::kLime);
    EXPECT_EQ(markers.back().brush, forms::kRed);
    EXPECT_EQ(calls.back().kind, DrawCall::Kind::Text) << "the readout over the marker";
    const int rx = Left() + 8, ry = kBottom - 5 * kTextHeight - 8;
    const std::vector<DrawCall> boxes =
        Select(calls, [](const DrawCall& c) { return c.kind == DrawCall::Kind::Rectangle; });
    ASSERT_EQ(boxes.size(), 1u) << "the readout's block only: no repaint";
    ASSERT_EQ(boxes[0].points.size(), 2u);
    EXPECT_EQ(boxes[0].points[0], (Point{rx - 1, ry - 1}));
    // 180 pixels wide, or wider where the text needs it
    const int right = boxes[0].points[1].x;
    EXPECT_GE(right, rx + 180);
    EXPECT_EQ(boxes[0].points[1].y, ry + 5 * kTextHeight + 1);
    EXPECT_EQ(boxes[0].pen, forms::kWhite);
    EXPECT_EQ(boxes[0].brush, forms::kBlack);
    const elliptic::TPlotFunction& f = functions()[n];
    const std::string lines[] = {
        "#" + std::to_string(n),
        base::FloatToText(plot().SegmentFrequency(k), 25, -1) + " " + unit,
        base::FloatToText(f.gain[k], 20, 18) + " dB",
        base::FloatToText(f.phase[k], 20, 18) + " dg",
        base::FloatToText(f.delay[k], 20, 18) + " s",
    };
    const std::vector<DrawCall> texts = Select(calls, IsText);
    ASSERT_EQ(texts.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
      EXPECT_EQ(texts[i].text, lines[i]);
      EXPECT_EQ(texts[i].points[0], (Point{rx + 2, ry + static_cast<int>(i) * kTextHeight}));
      EXPECT_EQ(texts[i].font, forms::kWhite);
      EXPECT_LT(texts[i].points[0].x + plot().canvas().TextWidth(lines[i]), right) << lines[i] << ": inside the block";
    }
  }
};

TEST_F(PlotInteractionTest, ARepaintLeavesNoMarkerAndTheCursorOnPointZero) {
  EXPECT_EQ(interaction().cursor_index(), 0);
  EXPECT_FALSE(interaction().marker_position());
  Key(forms::kKeyRight);
  Key(forms::kKeyRight);
  Char('g');
  EXPECT_EQ(interaction().cursor_index(), 0);
  EXPECT_FALSE(interaction().marker_position());
}

TEST_F(PlotInteractionTest, CursorKeysMoveByOneOrTenWithinThePoints) {
  const struct {
    int key;
    int want;
  } steps[] = {
      {forms::kKeyLeft, 0},                                                         // nothing left of point 0
      {forms::kKeyPageDown, 0},                                                     // nor ten
      {forms::kKeyRight, 1},    {forms::kKeyPageUp, 11},  {forms::kKeyPageUp, 11},  // 9 left
      {forms::kKeyRight, 12},   {forms::kKeyPageDown, 2}, {forms::kKeyPageUp, 12},
      {forms::kKeyPageUp, 12},  {forms::kKeyRight, 13},
  };
  for (const auto& step : steps) {
    const std::size_t mark = Drawn().size();
    Key(step.key);
    ExpectCursor(DrawnSince(mark), 1, step.want);
  }
  while (interaction().cursor_index() < kSegments) Key(forms::kKeyRight);
  const std::size_t mark = Drawn().size();
  Key(forms::kKeyRight);
  const std::vector<DrawCall> again = DrawnSince(mark);
  ExpectCursor(again, 1, kSegments);
  ASSERT_GE(again.size(), 2u);
  ASSERT_EQ(again[0].kind, DrawCall::Kind::Polygon) << "the marker erased where it is drawn again";
  EXPECT_EQ(again[0].points, again[1].points);
  for (const int other : {forms::kKeyHome, forms::kKeyEnd, forms::kKeyEscape}) {
    const std::size_t before = Drawn().size();
    Key(other);
    EXPECT_EQ(Drawn().size(), before) << other;
  }
}

TEST_F(PlotInteractionTest, EnterAndBackspaceStepThroughTheFunctionsAtTheSamePoint) {
  Key(forms::kKeyRight);
  Key(forms::kKeyRight);
  const struct {
    int key;
    char typed;
    int want;
  } steps[] = {
      {forms::kKeyReturn, forms::kCharEnter, 2},
      {forms::kKeyReturn, forms::kCharEnter, 1},    // from the last to the first
      {forms::kKeyBack, forms::kCharBackspace, 2},  // from the first to the last
      {forms::kKeyBack, forms::kCharBackspace, 1},
  };
  for (const auto& step : steps) {
    const std::size_t mark = Drawn().size();
    Key(step.key, step.typed);
    ExpectCursor(DrawnSince(mark), step.want, 2);
  }
}

TEST_F(PlotInteractionTest, ShiftClickOrTheRightButtonPlacesTheCursor) {
  const int half_step = (Column(1) - Column(0)) / 2;
  const struct {
    const char* name;
    int x;
    forms::MouseButton button;
    bool shift;
    int want;
  } clicks[] = {
      {"shift, left of the box", 0, forms::MouseButton::Left, true, 0},
      {"shift, right of the box", 2000, forms::MouseButton::Left, true, kSegments},
      {"right button, near point 7", Column(7) + half_step - 1, forms::MouseButton::Right, false, 7},
      {"shift and the middle button, near point 3", Column(3) - half_step + 1, forms::MouseButton::Middle, true, 3},
  };
  for (const auto& click : clicks) {
    SCOPED_TRACE(click.name);
    const std::size_t mark = Drawn().size();
    Mouse("down", click.x, 300, click.button, click.shift);
    Mouse("up", click.x, 300, click.button, click.shift);
    ExpectCursor(DrawnSince(mark), 1, click.want);
  }
  const std::size_t mark = Drawn().size();
  Mouse("down", Column(9), 300);
  Mouse("up", Column(9), 300);
  EXPECT_EQ(interaction().cursor_index(), 3) << "a plain click starts a band";
  EXPECT_TRUE(Select(DrawnSince(mark), IsText).empty());
}

// The cursor's press and the band share the mouse: a drag from a press the
// cursor took neither draws a band nor zooms, while the same drag from a
// plain press does.
TEST_F(PlotInteractionTest, ADragFromTheCursorsPressZoomsNothing) {
  const Extended twmin = selection_form().twmin.panel_real(), twmax = selection_form().twmax.panel_real();
  const Extended tgmin = selection_form().tgmin.panel_real(), tgmax = selection_form().tgmax.panel_real();
  const auto dotted = [](const DrawCall& c) { return c.style == forms::PenStyle::Dot; };
  const std::size_t mark = Drawn().size();
  Mouse("down", Column(3), 100, forms::MouseButton::Left, true);
  Mouse("move", Column(9), 300, forms::MouseButton::Left, true);
  Mouse("up", Column(9), 300, forms::MouseButton::Left, true);
  EXPECT_EQ(interaction().cursor_index(), 3);
  EXPECT_TRUE(Select(DrawnSince(mark), dotted).empty()) << "no band drawn";
  EXPECT_EQ(selection_form().twmin.panel_real(), twmin);
  EXPECT_EQ(selection_form().twmax.panel_real(), twmax);
  EXPECT_EQ(selection_form().tgmin.panel_real(), tgmin);
  EXPECT_EQ(selection_form().tgmax.panel_real(), tgmax);

  Mouse("down", Column(3), 100);
  Mouse("move", Column(9), 300);
  Mouse("up", Column(9), 300);
  EXPECT_NE(selection_form().twmin.panel_real(), twmin) << "a plain drag zooms";
}

TEST_F(PlotInteractionTest, TheReadoutTellsTheUnitOfTheMoment) {
  selection_form().srads.SetItemIndex(1);
  const std::size_t mark = Drawn().size();
  Key(forms::kKeyRight);
  ExpectCursor(DrawnSince(mark), 1, 1, "Hz");
}

TEST_F(PlotInteractionTest, WithoutFunctionsTheCursorHasNothingToShow) {
  Plot({});
  const std::size_t mark = Drawn().size();
  Key(forms::kKeyRight);
  Key(forms::kKeyPageUp);
  Key(forms::kKeyReturn, forms::kCharEnter);
  Key(forms::kKeyBack, forms::kCharBackspace);
  Mouse("down", 300, 300, forms::MouseButton::Right);
  EXPECT_TRUE(DrawnSince(mark).empty());
  EXPECT_EQ(functions().selected_function, 1);
  EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace elliptic_test
