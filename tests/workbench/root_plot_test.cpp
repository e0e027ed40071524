// The root plot as the user sees it: what the repaint draws for the default
// view, the status line of the current root, the keys, and a root list
// without roots.
#include "workbench/root_plot.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "frame/plot/plot_window.h"
#include "tests/base/extended_printer.h"
#include "tests/workbench/plot_fixture.h"

namespace workbench_test {
namespace {

using base::Extended;
using forms::DrawCall;
using forms::Point;

class RootPlotTest : public PlotFixture {
 protected:
  void SetUp() override { ChooseMenu("Iniciar"); }

  frame::plot::PlotWindow& form() { return *windows().root_plot; }
  const std::vector<DrawCall>& Drawn() { return Drawing(form().paint_box); }
  std::string Status() { return form().status_line().text(); }

  // The root list as the root finder leaves it: the count is X's degree.
  void SetRoots(const std::vector<std::pair<long double, long double>>& roots) {
    workbench::Registers& r = vessaw.registers();
    r.X.degree = static_cast<int>(roots.size());
    for (std::size_t k = 0; k < roots.size(); ++k) {
      r.roots.re[k + 1] = roots[k].first;
      r.roots.im[k + 1] = roots[k].second;
    }
    r.roots_defined = true;
  }
  // The operation "Gráfico das últimas raízes calculadas no plano complexo".
  void Show() {
    app.Guard([this] { vessaw.root_plot().Show(vessaw.console().log()); });
  }
  void ShowPlot() {
    Show();
    Repaint();
  }
  std::optional<Point> Marker() { return vessaw.root_plot().marker_position(); }
};

TEST_F(RootPlotTest, WithoutRootsItLogsTheMessageAndStaysHidden) {
  Show();
  EXPECT_EQ(Logged().back(), "* Não h\u00e1\u00a0ra\u00edzes calculadas *");
  EXPECT_FALSE(form().visible());
}

// The default view on the default window (480 x 401 pixels of paint box):
// the box spans -2 .. 2 upwards from row 386 to row 15, 92.75 pixels a unit
// on both axes, so the origin falls on (228.5, 200.5).
TEST_F(RootPlotTest, DefaultViewDrawsFrameAxesRoundUnitCircleLabelsAndCrosses) {
  SetRoots({{-1, 0}, {-0.5L, -0.866L}, {-0.5L, 0.866L}});
  ShowPlot();
  const std::vector<DrawCall>& drawn = Drawn();
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.front().kind, DrawCall::Kind::Rectangle);
  EXPECT_EQ(drawn.front().points, (std::vector<Point>{{0, 0}, {480, 401}}));
  EXPECT_EQ(drawn.front().brush, forms::kBlack);

  struct Stroke {
    Point from, to;
    forms::Color pen;
  };
  const Stroke strokes[] = {
      {{0, 386}, {480, 386}, forms::kYellow},  // bottom line
      {{43, 15}, {43, 386}, forms::kYellow},   // left line, down to the bottom line
      {{228, 15}, {228, 386}, forms::kGrey},   // imaginary axis (228.5 rounds to even)
      {{43, 200}, {480, 200}, forms::kGrey},   // real axis
  };
  const std::vector<DrawCall> lines = OfKind(drawn, DrawCall::Kind::Line);
  ASSERT_GE(lines.size(), 4u + 3 * 2);
  for (std::size_t i = 0; i < std::size(strokes); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(lines[i].points, (std::vector<Point>{strokes[i].from, strokes[i].to}));
    EXPECT_EQ(lines[i].pen, strokes[i].pen);
  }

  const std::vector<DrawCall> arcs = OfKind(drawn, DrawCall::Kind::Arc);
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_EQ(arcs[0].points, (std::vector<Point>{{136, 293}, {321, 108}, {0, 0}, {0, 0}}))
      << "a whole circle of 185 pixels";
  EXPECT_EQ(arcs[0].pen, forms::kGrey);

  // the labels: ymax and ymin right-aligned two pixels left of the box
  for (const char* text : {"  2.0", " -2.0", "  -2.000", "   2.712", "Im", "Re"}) {
    const DrawCall* label = Text(drawn, text);
    ASSERT_NE(label, nullptr) << text;
    EXPECT_EQ(label->font, forms::kWhite);
    EXPECT_EQ(label->brush, forms::kBlack);
  }
  EXPECT_EQ(Text(drawn, "  2.0")->points[0].y, 15);
  EXPECT_EQ(Text(drawn, " -2.0")->points[0].y, 386 - 13);
  EXPECT_EQ(Text(drawn, "  -2.000")->points[0], (Point{44, 388}));
  EXPECT_EQ(Text(drawn, "Im")->points[0], (Point{46, 15}));
  EXPECT_EQ(Text(drawn, "Re")->points[0], (Point{464, 373}));

  // the cross of the root -1 at (135.75, 200.5) -> (136, 200)
  EXPECT_EQ(lines[4].points, (std::vector<Point>{{134, 198}, {139, 203}}));
  EXPECT_EQ(lines[5].points, (std::vector<Point>{{134, 202}, {139, 197}}));
  EXPECT_EQ(lines[4].pen, forms::kWhite);

  const std::vector<DrawCall> polygons = OfKind(drawn, DrawCall::Kind::Polygon);
  ASSERT_EQ(polygons.size(), 1u) << "the marker on root 1 only";
  EXPECT_EQ(polygons[0].points.front(), (Point{136, 200}));
  EXPECT_EQ(polygons[0].mode, forms::PenMode::Xor);
  EXPECT_EQ(polygons[0].pen, forms::kYellow);
  EXPECT_EQ(polygons[0].brush, forms::kRed);
}

TEST_F(RootPlotTest, StatusLineTellsTheRootItsFrequencyAndQuality) {
  struct Case {
    long double re, im;
    const char* status;
  };
  const Case cases[] = {
      {-0.5L, 0.866L, "Raiz:-0.5000 0.8660j; w= 1.0000 Q= 1.0000"},
      {0, 1, "Raiz: 0.0000 1.0000j; w= 1.0000 Q= oo"},
      {5e-9L, -2, "Raiz: 0.0000-2.0000j; w= 2.0000 Q= oo"},
      {-2, 0, "Raiz:-2.0000 0.0000j; w= 2.0000 Q= 0.5000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.status);
    SetRoots({{c.re, c.im}});
    ShowPlot();
    EXPECT_EQ(Status(), c.status);
  }
}

TEST_F(RootPlotTest, EnterAndBackspaceStepThroughTheRootsAroundTheEndsWithoutRepaint) {
  SetRoots({{-1, 0}, {-0.5L, -0.866L}, {-0.5L, 0.866L}});
  ShowPlot();
  const std::size_t painted = Drawn().size();
  Key(form(), forms::kKeyBack, forms::kCharBackspace);
  EXPECT_EQ(vessaw.root_plot().current_root(), 3) << "from the first to the last";
  EXPECT_EQ(Status(), "Raiz:-0.5000 0.8660j; w= 1.0000 Q= 1.0000");
  Key(form(), forms::kKeyReturn, forms::kCharEnter);
  EXPECT_EQ(vessaw.root_plot().current_root(), 1) << "from the last to the first";
  Key(form(), forms::kKeyReturn, forms::kCharEnter);
  EXPECT_EQ(vessaw.root_plot().current_root(), 2);
  EXPECT_EQ(Status(), "Raiz:-0.5000-0.8660j; w= 1.0000 Q= 1.0000");
  Repaint();
  ASSERT_GT(Drawn().size(), painted) << "no repaint: only the marker was drawn";
  const std::vector<DrawCall> moves(Drawn().begin() + static_cast<std::ptrdiff_t>(painted), Drawn().end());
  ASSERT_EQ(moves.size(), 6u) << "three moves, each erasing and drawing";
  for (const DrawCall& c : moves) EXPECT_EQ(c.mode, forms::PenMode::Xor);
  EXPECT_EQ(moves[4].points.front(), moves[3].points.front()) << "the old place is drawn again to erase";
  EXPECT_EQ(Marker(), (Point{182, 281}));
}

TEST_F(RootPlotTest, ZoomingInTwiceAndOutTwiceRestoresTheViewExactly) {
  SetRoots({{-0.3L, 0.7L}});
  ShowPlot();
  const workbench::RootPlot::View before = vessaw.root_plot().view();
  for (const char key : {'+', '+'}) Type(form(), key);
  EXPECT_EQ(vessaw.root_plot().view().span, Extended(1));
  EXPECT_EQ(vessaw.root_plot().view().xmin, Extended(-0.5L)) << "about the centre";
  for (const char key : {'-', '-'}) Type(form(), key);
  EXPECT_EQ(vessaw.root_plot().view().xmin, before.xmin);
  EXPECT_EQ(vessaw.root_plot().view().ymin, before.ymin);
  EXPECT_EQ(vessaw.root_plot().view().span, before.span);
}

TEST_F(RootPlotTest, SpaceCentresOnTheCurrentRootAndArrowsPanByAQuarter) {
  SetRoots({{-0.3L, 0.7L}});
  ShowPlot();
  Type(form(), ' ');
  EXPECT_EQ(vessaw.root_plot().view().xmin, Extended(-0.3L) - 2);
  EXPECT_EQ(vessaw.root_plot().view().ymin, Extended(0.7L) - 2);
  Repaint();
  // the centre (228.5, 200.5) rounds either way by the last bits of xmin
  ASSERT_TRUE(Marker());
  EXPECT_NEAR(Marker()->x, 228.5, 0.5);
  EXPECT_NEAR(Marker()->y, 200.5, 0.5);
  Key(form(), forms::kKeyRight);
  Key(form(), forms::kKeyDown);
  EXPECT_EQ(vessaw.root_plot().view().xmin, Extended(-0.3L) - 2 + 1);
  EXPECT_EQ(vessaw.root_plot().view().ymin, Extended(0.7L) - 2 - 1);
}

TEST_F(RootPlotTest, ARootOutsideTheViewLiesOnTheBoxEdgeAndTheMarkerFollowsIt) {
  SetRoots({{100, -50}});
  ShowPlot();
  const std::vector<DrawCall> lines = OfKind(Drawn(), DrawCall::Kind::Line);
  EXPECT_EQ(lines[4].points, (std::vector<Point>{{478, 384}, {483, 389}}));
  EXPECT_EQ(Marker(), (Point{480, 386}));
}

// The list can be marked as holding roots while X has degree 0 (a roots file
// of count 0): nothing to show, nothing to step through.
TEST_F(RootPlotTest, ARootListOfNoRootsShowsNoStatusAndTheKeysDoNothing) {
  SetRoots({});
  ShowPlot();
  EXPECT_TRUE(form().visible());
  EXPECT_EQ(Status(), "");
  EXPECT_FALSE(Marker());
  const std::size_t painted = Drawn().size();
  const workbench::RootPlot::View view = vessaw.root_plot().view();
  Key(form(), forms::kKeyReturn, forms::kCharEnter);
  Key(form(), forms::kKeyBack, forms::kCharBackspace);
  Type(form(), ' ');
  Repaint();
  EXPECT_EQ(vessaw.root_plot().current_root(), 1);
  EXPECT_EQ(Drawn().size(), painted) << "no marker, no repaint";
  EXPECT_EQ(vessaw.root_plot().view().xmin, view.xmin);
  EXPECT_EQ(Status(), "");
}

TEST_F(RootPlotTest, AfterIniciarTheOpenWindowRepaintsBlackAndTheViewStays) {
  SetRoots({{-1, 0}});
  ShowPlot();
  Type(form(), '+');
  Repaint();
  ChooseMenu("Iniciar");
  form().paint_box.Invalidate();
  Repaint();
  ASSERT_EQ(Drawn().size(), 1u);
  EXPECT_EQ(Drawn()[0].kind, DrawCall::Kind::Rectangle);
  EXPECT_EQ(vessaw.root_plot().view().span, Extended(2));
}

}  // namespace
}  // namespace workbench_test
