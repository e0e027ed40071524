// The frequency-response plot as the user sees it: the repaint's grid,
// frame, labels and curve, the keys and the scales dialog, the mouse zoom,
// the cursor, the response curve file and the group delay's polynomials.
#include "workbench/response_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "frame/plot/plot_window.h"
#include "frame/plot/scales_form.h"
#include "frame/selection_form.h"
#include "tests/base/extended_printer.h"
#include "tests/base/scratch_folder.h"
#include "tests/workbench/plot_fixture.h"
#include "workbench/frequency_response.h"

namespace workbench_test {
namespace {

using base::Extended;
using forms::DrawCall;
using forms::Point;
using frame::plot::ScalesForm;

// The default window: a paint box of 640 x 381, so the plot area is columns
// 75 .. 640 and rows 0 .. 368.
constexpr int kRight = 640;
constexpr int kBottom = 368;

class ResponsePlotTest : public PlotFixture {
 protected:
  void SetUp() override {
    ChooseMenu("Iniciar");
    // the third-order Butterworth: E(s) = s^3 + 2s^2 + 2s + 1, P(s) = 1
    registers().E = Record({1, 2, 2, 1});
    registers().P = Record({1});
  }

  workbench::Registers& registers() { return vessaw.registers(); }
  workbench::ResponsePlot& plot() { return vessaw.response_plot(); }
  frame::plot::PlotWindow& form() { return *windows().response_plot; }
  ScalesForm& scales() { return *windows().scales; }
  const std::vector<DrawCall>& Drawn() { return Drawing(form().paint_box); }
  std::string Status() { return form().status_line().text(); }

  // The operation "Gráficos de resposta em frequência" with the function
  // chosen by its item.
  void Plot(const std::string& item) {
    user.on_modal = [item](forms::Form& form) {
      auto& selection = dynamic_cast<frame::SelectionForm&>(form);
      const std::vector<std::string>& items = selection.list.items();
      const auto found = std::find(items.begin(), items.end(), item);
      ASSERT_NE(found, items.end()) << item;
      selection.list.UserClickItem(static_cast<int>(found - items.begin()));
    };
    app.Guard(
        [this] { workbench::FrequencyResponseOperation(registers(), vessaw.parameters(), vessaw.console(), plot()); });
    user.on_modal = nullptr;
    Repaint();
  }
  // Enter opens the scales dialog, where the user acts and applies.
  void Scales(const std::function<void(ScalesForm&)>& act) {
    user.on_modal = [&](forms::Form&) {
      act(scales());
      scales().apply.UserClick();
    };
    Key(form(), forms::kKeyReturn, forms::kCharEnter);
    user.on_modal = nullptr;
    Repaint();
  }
  void Resize(int client_width, int client_height) {
    app.Guard([&] { form().UserResized(client_width, client_height); });
    Repaint();
  }

  // The analytic column of w on the default logarithmic axis 0.1 .. 10.
  static double Column(double w) { return 75 + (kRight - 75) * (std::log10(w) + 1) / 2; }

  test_support::ScratchFolder files{"workbench_tests"};
};

bool IsGrid(const DrawCall& c) { return c.kind == DrawCall::Kind::Line && c.style == forms::PenStyle::Dot; }

TEST_F(ResponsePlotTest, DefaultTPlotHasItsGridFrameLabelsAndTitle) {
  Plot("|T(jw)|");
  ASSERT_TRUE(form().visible());
  const std::vector<DrawCall>& drawn = Drawn();
  const std::vector<DrawCall> grid = Select(drawn, IsGrid);

  // vertical lines between the limits (a line on a limit lies under the frame)
  std::vector<std::pair<double, forms::Color>> want;
  for (const double w : {0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9}) want.push_back({Column(w), forms::kGrey});
  want.push_back({Column(1), forms::kYellow});
  for (const double w : {2., 3., 4., 5., 6., 7., 8., 9.}) want.push_back({Column(w), forms::kGrey});
  std::vector<DrawCall> vertical, horizontal;
  for (const DrawCall& c : grid) {
    if (c.points[0].x == c.points[1].x) {
      EXPECT_TRUE(horizontal.empty()) << "vertical lines first";
      if (c.points[0].x > 75 && c.points[0].x < kRight) vertical.push_back(c);
    } else if (c.points[0].y > 0 && c.points[0].y < kBottom) {
      horizontal.push_back(c);
    }
  }
  ASSERT_EQ(vertical.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(vertical[i].points[0].x, want[i].first, 1);
    EXPECT_EQ(vertical[i].points,
              (std::vector<Point>{{vertical[i].points[0].x, 0}, {vertical[i].points[0].x, kBottom}}));
    EXPECT_EQ(vertical[i].pen, want[i].second);
  }
  // rows -60 .. 0 dB, 4.6 pixels a dB below row 46 for 0 dB
  ASSERT_EQ(horizontal.size(), 7u);
  for (std::size_t i = 0; i < horizontal.size(); ++i) {
    const int row = 322 - 46 * static_cast<int>(i);
    EXPECT_EQ(horizontal[i].points, (std::vector<Point>{{75, row}, {kRight, row}})) << i;
    EXPECT_EQ(horizontal[i].pen, forms::kGrey);
  }

  const std::vector<DrawCall> frames = OfKind(drawn, DrawCall::Kind::FrameRect);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].points, (std::vector<Point>{{75, 0}, {kRight, kBottom + 1}}));
  EXPECT_EQ(frames[0].brush, forms::kWhite);

  // the value labels and the title right-aligned two pixels left of the box,
  // the title between the two
  forms::Canvas& canvas = form().paint_box.canvas();
  struct Label {
    const char* text;
    int y;
  };
  const auto right_aligned = [&canvas](int right, int y, const char* text) {
    return Point{right - 2 - canvas.TextWidth(text), y};
  };
  const std::vector<std::pair<std::string, Point>> labels = {
      {"0.1000", {75, kBottom + 1}},  // xmin without its leading blanks
      {"  10.0000", right_aligned(kRight, kBottom + 1, "  10.0000")},
      {" -70.0000", right_aligned(75, kBottom - 12, " -70.0000")},
      {"  10.0000", right_aligned(75, 0, "  10.0000")},
      {"|T|(dB)", right_aligned(75, (kBottom - 12) / 2, "|T|(dB)")},
      {"rad/s", {343, kBottom + 1}},
  };
  const std::vector<DrawCall> texts = OfKind(drawn, DrawCall::Kind::Text);
  ASSERT_EQ(texts.size(), labels.size());
  for (std::size_t i = 0; i < labels.size(); ++i) {
    SCOPED_TRACE(labels[i].first);
    EXPECT_EQ(texts[i].text, labels[i].first);
    EXPECT_EQ(texts[i].points[0], labels[i].second);
    EXPECT_EQ(texts[i].font, forms::kYellow);
    EXPECT_EQ(texts[i].brush, forms::kBlack);
  }

  // the curve: one point per column, white, from 0 dB down to -60 dB
  const std::vector<DrawCall> curve =
      Select(drawn, [](const DrawCall& c) { return c.kind == DrawCall::Kind::Line && c.pen == forms::kWhite; });
  ASSERT_EQ(curve.size(), static_cast<std::size_t>(kRight - 75));
  EXPECT_EQ(curve.front().points[0], (Point{75, 46}));
  EXPECT_EQ(curve.back().points[1], (Point{kRight, 322}));
  EXPECT_NEAR(static_cast<double>(plot().curve_values().At(kRight).raw()), -60, 1e-5);
}

TEST_F(ResponsePlotTest, AWindowWiderThanTheTableSamplesColumnsUpTo3000Only) {
  Plot("|T(jw)|");
  Resize(3500, 419);
  EXPECT_EQ(form().paint_box.width(), 3500);
  EXPECT_TRUE(plot().curve_values().Holds(3000));
  const std::vector<DrawCall> curve =
      Select(Drawn(), [](const DrawCall& c) { return c.kind == DrawCall::Kind::Line && c.pen == forms::kWhite; });
  ASSERT_EQ(curve.size(), 3000u - 75);
  EXPECT_EQ(curve.back().points[1].x, 3000);
  EXPECT_NEAR(static_cast<double>(plot().curve_values().At(3000).raw()), -60, 1e-5) << "10 rad/s at column 3000";
}

TEST_F(ResponsePlotTest, XminZeroSwitchesTheLogarithmicAxisOffForGood) {
  Plot("|T(jw)|");
  Scales([](ScalesForm& s) { s.xmin.UserType("0"); });
  EXPECT_FALSE(plot().range().log_scale);
  EXPECT_TRUE(plot().range().grid_on);
  // a linear axis: 0 at the left edge, 5 in the middle
  EXPECT_EQ(static_cast<double>(plot().curve_values().At(75).raw()), 0);
  Scales([](ScalesForm& s) {
    EXPECT_FALSE(s.log_scale.checked());
    s.log_scale.UserSetChecked(true);
  });
  EXPECT_FALSE(plot().range().log_scale) << "ticked again while xmin is 0";
  Type(form(), 'L');
  Repaint();
  EXPECT_FALSE(plot().range().log_scale);
}

TEST_F(ResponsePlotTest, InvertedRangesSwitchTheGridOffAndThePlotIsMirrored) {
  Plot("|T(jw)|");
  Scales([](ScalesForm& s) {
    s.ymin.UserType("10");
    s.ymax.UserType("-70");
  });
  EXPECT_FALSE(plot().range().grid_on);
  EXPECT_TRUE(Select(Drawn(), IsGrid).empty());
  Scales([](ScalesForm& s) {
    s.ymin.UserType("-70");
    s.ymax.UserType("10");
  });
  EXPECT_FALSE(plot().range().grid_on) << "until the user switches it on";
  Type(form(), 'g');
  Repaint();
  EXPECT_TRUE(plot().range().grid_on);
  EXPECT_FALSE(Select(Drawn(), IsGrid).empty());
}

TEST_F(ResponsePlotTest, RWidensOnlyBelow1e20) {
  Plot("|T(jw)|");
  Scales([](ScalesForm& s) {
    s.xmin.UserType("1");
    s.xmax.UserType("1e20");
  });
  Type(form(), 'R');
  Repaint();
  EXPECT_EQ(plot().range().xmax, Extended(1e20L));
  Scales([](ScalesForm& s) { s.xmax.UserType("1e19"); });
  Type(form(), 'r');
  Repaint();
  EXPECT_EQ(plot().range().xmax, Extended(1e38L));
}

TEST_F(ResponsePlotTest, TheCursorStaysAtBothEdges) {
  Plot("|T(jw)|");
  Resize(100, 219);  // columns 75 .. 100, rows 0 .. 187
  Type(form(), ' ');
  EXPECT_EQ(plot().marker_position(), (Point{75, 23}));
  EXPECT_EQ(Status(), "w:    0.100000 y:  -0.000004");
  Repaint();
  const std::size_t at_left = Drawn().size();
  Type(form(), ',');
  Type(form(), '<');
  EXPECT_EQ(Drawn().size(), at_left) << "no move, nothing drawn";
  EXPECT_EQ(plot().cursor_column(), 75);
  for (const char key : {'>', '>', '.', '.', '.', '.', '.'}) Type(form(), key);
  EXPECT_EQ(plot().cursor_column(), 100);
  const std::string at_right = Status();
  Type(form(), '.');
  Type(form(), '>');
  EXPECT_EQ(plot().cursor_column(), 100);
  EXPECT_EQ(Status(), at_right);
  EXPECT_EQ(plot().marker_position()->x, 100);
  // a repaint hides the marker, puts the cursor back on the left edge and
  // takes away the readout, which told of the curve as it was
  Type(form(), '+');
  Repaint();
  EXPECT_FALSE(plot().marker_position());
  EXPECT_EQ(plot().cursor_column(), 75);
  EXPECT_EQ(Status(), "");
}

TEST_F(ResponsePlotTest, ARubberBandZoomsOnlyWhenDraggedRightAndDown) {
  Plot("|T(jw)|");
  const frame::plot::PlotRange before = plot().range();
  const auto drag = [&](Point from, Point to) {
    app.Guard([&] { form().paint_box.UserMouseDown(forms::MouseButton::Left, {}, from.x, from.y); });
    app.Guard([&] { form().paint_box.UserMouseMove({}, to.x, to.y); });
    app.Guard([&] { form().paint_box.UserMouseUp(forms::MouseButton::Left, {}, to.x + 7, to.y + 7); });
    Repaint();
  };
  drag({300, 200}, {350, 100});  // up
  drag({300, 200}, {250, 300});  // left
  EXPECT_EQ(plot().range().xmin, before.xmin);
  EXPECT_EQ(plot().range().ymax, before.ymax);

  drag({300, 46}, {301, 47});  // one pixel right and down
  const double column = (std::log10(static_cast<double>(plot().range().xmin.raw())) + 1) / 2 * (kRight - 75) + 75;
  EXPECT_NEAR(column, 300, 1e-9);
  EXPECT_NEAR(static_cast<double>((plot().range().xmax / plot().range().xmin).raw()), std::pow(100.0, 1.0 / 565),
              1e-12);
  EXPECT_NEAR(static_cast<double>(plot().range().ymax.raw()), 0, 1e-12);
  EXPECT_NEAR(static_cast<double>(plot().range().ymin.raw()), -1 / 4.6, 1e-12);
}

TEST_F(ResponsePlotTest, APhaseOfANegativeRealQuotientIs180Degrees) {
  registers().P = Record({-1});
  registers().E = Record({1});
  Plot("Fase(jw)");
  EXPECT_EQ(plot().kind(), workbench::ResponseKind::PhaseT);
  for (const int c : {75, 300, kRight}) EXPECT_EQ(plot().curve_values().At(c), Extended(180)) << c;
  EXPECT_NE(Text(Drawn(), "<T (gr)"), nullptr);
}

TEST_F(ResponsePlotTest, TheCurveFileHasOneLinePerColumnAndThenTheBoxIsUnticked) {
  Plot("|T(jw)|");
  user.file_answer = files.PathOf("t.txt");
  Scales([](ScalesForm& s) { s.save_curve.UserSetChecked(true); });
  EXPECT_EQ(Logged().back(), "Curva salva no arquivo " + files.PathOf("t.txt"));
  EXPECT_FALSE(scales().save_curve.checked());
  EXPECT_FALSE(plot().save_request());

  std::ifstream in(files.PathOf("t.txt"), std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line, '\n');) lines.push_back(line);
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kRight - 74));
  for (const std::string& line : lines) ASSERT_EQ(line.size(), 48u) << line << " (47 characters and CR)";
  EXPECT_EQ(lines.front().substr(0, 24), " 1.00000000000000E-0001 ");
  EXPECT_EQ(lines.back().substr(0, 24), " 1.00000000000000E+0001 ");

  // the next repaint writes nothing
  Type(form(), 'G');
  Repaint();
  EXPECT_EQ(Logged().back(), "Curva salva no arquivo " + files.PathOf("t.txt"));
}

TEST_F(ResponsePlotTest, ACancelledSaveLeavesTheBoxTickedAndTheNextDialogAsksAgain) {
  Plot("|T(jw)|");
  const std::size_t logged = Logged().size();
  Scales([](ScalesForm& s) { s.save_curve.UserSetChecked(true); });
  EXPECT_FALSE(plot().save_request());
  EXPECT_TRUE(scales().save_curve.checked());
  EXPECT_EQ(Logged().size(), logged);
  Scales([](ScalesForm&) {});
  EXPECT_FALSE(plot().save_request()) << "cancelled again";
  // a file that cannot be created: the repaint ends, the request stays
  user.file_answer = files.path().string();
  Scales([](ScalesForm&) {});
  EXPECT_TRUE(plot().save_request());
  ASSERT_EQ(user.messages.size(), 1u);
  EXPECT_EQ(user.messages[0].rfind("Vessaw: ", 0), 0u) << user.messages[0];
}

TEST_F(ResponsePlotTest, FaultsOfTheRepaintEndItWithTheDefaultReport) {
  Plot("|T(jw)|");
  Scales([](ScalesForm& s) { s.xmax.UserType("0.1"); });
  ASSERT_EQ(user.messages.size(), 1u);
  EXPECT_EQ(user.messages[0], "Vessaw: Floating point division by zero.");
  EXPECT_FALSE(plot().range().grid_on) << "what the repaint changed before the fault stays";

  // E(jw) overflows from w = 1e1644 on, some way along the curve
  Scales([](ScalesForm& s) {
    s.xmin.UserType("1");
    s.xmax.UserType("1e2000");
  });
  ASSERT_EQ(user.messages.size(), 2u);
  EXPECT_EQ(user.messages[1], "Vessaw: Floating point overflow.");
  const std::vector<DrawCall> curve =
      Select(Drawn(), [](const DrawCall& c) { return c.kind == DrawCall::Kind::Line && c.pen == forms::kWhite; });
  EXPECT_GT(curve.size(), 400u);
  EXPECT_LT(curve.size(), 500u);
  EXPECT_FALSE(plot().curve_values().Holds(kRight));
  for (int i = 0; i < 56; ++i) Type(form(), '>');
  EXPECT_EQ(plot().cursor_column(), 635);
  EXPECT_LT(plot().marker_position()->x, 635) << "no readout of values the repaint did not reach";
}

TEST_F(ResponsePlotTest, AnUndefinedFunctionIsRefusedAndThePlotStaysAsItWas) {
  Plot("|T(jw)|");
  registers().F.defined = false;
  Plot("|K(jw)|");
  EXPECT_EQ(Logged().back(), "* Função indefinida *");
  EXPECT_EQ(plot().kind(), workbench::ResponseKind::MagnitudeT);
  EXPECT_EQ(plot().range().ymin, Extended(-70));
  EXPECT_FALSE(registers().X.defined) << "X and Y already hold the copies";

  ChooseMenu("Iniciar");
  form().Hide();
  Plot("|H(jw)|");
  EXPECT_EQ(Logged().back(), "* Função indefinida *");
  EXPECT_FALSE(form().visible());
}

// -------------------------------------------------------------- group delay

TEST_F(ResponsePlotTest, GroupDelayOfAnEvenPUsesEAlone) {
  registers().E = Record({1, 1});
  Plot("Atraso de grupo (jw)");
  EXPECT_EQ(plot().kind(), workbench::ResponseKind::DelayT);
  // N = E = s + 1, N' = 1: the delay 1 / (1 + w^2)
  EXPECT_NEAR(static_cast<double>(plot().curve_values().At(75).raw()), 1 / 1.01, 1e-15);
  EXPECT_EQ(registers().Y.degree, 1);
  EXPECT_EQ(registers().X.degree, 0);
  EXPECT_NE(Text(Drawn(), "Tg (s)"), nullptr);
}

TEST_F(ResponsePlotTest, GroupDelayPolynomialsOfAGeneralP) {
  struct Case {
    const char* name;
    test_support::TestPolynomial p, e;
    std::vector<long double> n, derivative;
  };
  const Case cases[] = {
      // P(-s) E(s) = (1 - s)(1 + s) = 1 - s^2
      {"P neither even nor odd", {1, 1}, {1, 1}, {1, 0, -1}, {0, -2}},
      {"P odd", {0, 2, 0, 1}, {1, 1}, {1, 1}, {1}},
      {"a constant E", {4}, {3}, {3}, {0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    workbench::Registers& r = registers();
    r.P = Record(c.p);
    r.E = Record(c.e);
    ASSERT_TRUE(workbench::GroupDelayPolynomials(r, 1e-12L, 1e15L, vessaw.console().log()));
    const auto coefficients = [](const workbench::TPolynomialRecord& x) {
      std::vector<long double> a;
      for (int i = 0; i <= x.degree; ++i) a.push_back(x.a[i].raw());
      return a;
    };
    EXPECT_EQ(coefficients(r.Y), c.n);
    EXPECT_EQ(coefficients(r.X), c.derivative);
    EXPECT_TRUE(r.X.defined);
  }
}

TEST_F(ResponsePlotTest, GroupDelayRefusesAProductBeyondTheRegistersAndAnUndefinedFactor) {
  registers().P = Record(test_support::TestPolynomial::Ones(150));
  registers().E = Record(test_support::TestPolynomial::Ones(100));
  Plot("Atraso de grupo (jw)");
  EXPECT_EQ(Logged().back(), "* Grau maior que 200 *");
  EXPECT_FALSE(form().visible());

  registers().P = Record({1, 1});
  registers().E = Record({1, 1}, 1, false);
  Plot("Atraso de grupo (jw)");
  EXPECT_EQ(Logged().back(), "* Função indefinida *");
  EXPECT_FALSE(form().visible());
}

}  // namespace
}  // namespace workbench_test
