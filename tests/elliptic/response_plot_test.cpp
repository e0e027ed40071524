// The designer's response plot as the user sees it: background, grid,
// frame, labels and curves, the colours of the functions, the phase limit,
// the Hz unit, and the points and ranges that have no place of their own.
#include "elliptic/response_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/number_text.h"
#include "elliptic/root_response.h"
#include "tests/base/extended_printer.h"
#include "tests/elliptic/designer_fixture.h"

namespace elliptic_test {
namespace {

using base::Extended;
using forms::Point;

// The paint box fills the 902 x 637 client area; the text is 13 pixels high.
constexpr int kWidth = 902, kHeight = 637;
constexpr int kTop = 1, kRight = kWidth - 2, kBottom = kHeight - 13 - 2;

class ResponsePlotTest : public DesignerFixture {
 protected:
  int Left() { return canvas().TextWidth(" -xxx.xx") + 3; }
  forms::Canvas& canvas() { return plot_form().cresposta.canvas(); }
  elliptic::ResponsePlot& plot() { return duzavuri.response_plot(); }
  // Functions of no roots and the given constants; the poles file first.
  std::string Constant(const std::string& name, const std::string& constant) {
    return File(name, "0\r\n" + constant + "\r\n");
  }
  std::vector<DrawCall> Curves() { return Select(Drawn(), IsCurve); }
};

TEST_F(ResponsePlotTest, WithoutFunctionsBackgroundGridFrameAndLabels) {
  Plot({});
  ASSERT_TRUE(plot_form().visible());
  ASSERT_EQ(plot_form().cresposta.width(), kWidth);
  ASSERT_EQ(plot_form().cresposta.height(), kHeight);
  const std::vector<DrawCall>& drawn = Drawn();
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn[0].kind, DrawCall::Kind::Rectangle);
  EXPECT_EQ(drawn[0].points, (std::vector<Point>{{0, 0}, {kWidth, kHeight}}));
  EXPECT_EQ(drawn[0].brush, forms::kBlack);
  EXPECT_TRUE(Curves().empty());
  const int left = Left();

  // Grey lines 0.1 apart below 1, the decade line at 1 in white, grey lines
  // 1 apart above it; gain lines 10 dB apart.  Lines on a limit lie under
  // the frame.
  const auto column = [&](double w) { return left + (kRight - left) * std::log(w / 0.2) / std::log(25.0); };
  const auto row = [&](double v) { return kBottom + (v + 80) * (kTop - kBottom) / 90; };
  std::vector<std::pair<double, forms::Color>> want_vertical;
  for (const double w : {0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9}) want_vertical.push_back({column(w), forms::kGrey});
  want_vertical.push_back({column(1), forms::kWhite});
  for (const double w : {2.0, 3.0, 4.0}) want_vertical.push_back({column(w), forms::kGrey});
  std::vector<DrawCall> vertical, horizontal;
  for (const DrawCall& c : Select(drawn, [](const DrawCall& c) { return c.style == forms::PenStyle::Dot; })) {
    if (c.points[0].x == c.points[1].x) {
      if (c.points[0].x > left && c.points[0].x < kRight) vertical.push_back(c);
    } else if (c.points[0].y > kTop && c.points[0].y < kBottom) {
      horizontal.push_back(c);
    }
  }
  ASSERT_EQ(vertical.size(), want_vertical.size());
  for (std::size_t i = 0; i < vertical.size(); ++i) {
    EXPECT_NEAR(vertical[i].points[0].x, want_vertical[i].first, 1) << i;
    EXPECT_EQ(vertical[i].points[0].y, kTop) << i;
    EXPECT_EQ(vertical[i].points[1].y, kBottom) << i;
    EXPECT_EQ(vertical[i].pen, want_vertical[i].second) << i;
  }
  ASSERT_EQ(horizontal.size(), 8u) << "-70 .. 0 dB";
  for (std::size_t i = 0; i < horizontal.size(); ++i) {
    EXPECT_NEAR(horizontal[i].points[0].y, row(-70 + 10.0 * static_cast<double>(i)), 1) << i;
    EXPECT_EQ(horizontal[i].points[0].x, left);
    EXPECT_EQ(horizontal[i].points[1].x, kRight);
    EXPECT_EQ(horizontal[i].pen, forms::kGrey);
  }

  const std::vector<DrawCall> frames =
      Select(drawn, [](const DrawCall& c) { return c.kind == DrawCall::Kind::FrameRect; });
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].points, (std::vector<Point>{{left, kTop}, {kRight + 1, kBottom + 1}}));
  EXPECT_EQ(frames[0].brush, forms::kWhite);

  // Range labels right-aligned one pixel left of the box, in the colours of
  // their curves; the units between them; the frequency limits and the unit
  // under the box.
  const int h1 = 14, ymid = (kTop + kBottom) / 2 - 4, xu = left - canvas().TextWidth("xxx");
  const auto range = [&](const char* text, int y) { return Point{left - canvas().TextWidth(text) - 1, y}; };
  const struct {
    const char* text;
    Point at;
    forms::Color font;
  } labels[] = {
      {"  30.00", range("  30.00", kTop + 2 * h1), forms::kRed},
      {" -10.00", range(" -10.00", kBottom - 3 * h1 + 1), forms::kRed},
      {"s", {xu, ymid - h1}, forms::kRed},
      {" 180.00", range(" 180.00", kTop + h1), elliptic::kAqua},
      {"-180.00", range("-180.00", kBottom - 2 * h1 + 1), elliptic::kAqua},
      {"dg", {xu, ymid + h1}, elliptic::kAqua},
      {"  10.00", range("  10.00", kTop), forms::kWhite},
      {" -80.00", range(" -80.00", kBottom - h1 + 1), forms::kWhite},
      {"dB", {xu, ymid}, forms::kWhite},
      {" 2.0000E-0001", {left, kBottom + 1}, forms::kWhite},
      {" 5.0000E+0000", {kRight - canvas().TextWidth(" 5.0000E+0000"), kBottom + 1}, forms::kWhite},
      {"rad/s", {(kRight + left - canvas().TextWidth("rad/s")) / 2, kBottom + 1}, forms::kWhite},
  };
  const std::vector<DrawCall> texts = Select(drawn, IsText);
  ASSERT_EQ(texts.size(), std::size(labels));
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(texts[i].text, labels[i].text);
    EXPECT_EQ(texts[i].points[0], labels[i].at) << labels[i].text;
    EXPECT_EQ(texts[i].font, labels[i].font) << labels[i].text;
    EXPECT_EQ(texts[i].brush, forms::kBlack) << labels[i].text;
  }
  EXPECT_TRUE(messages.empty());
}

// Six functions: in one colour by kind, or each function in its own, the
// sixth again in the colour of the first; function 1 drawn last, on top.
TEST_F(ResponsePlotTest, SixFunctionsColours) {
  const std::string p = File("p.r", "2\r\n-0.5 1\r\n-0.5 -1\r\n1\r\n");
  const std::string z = Constant("z.r", "1");
  std::vector<std::string> list;
  for (int n = 1; n <= 6; ++n) list.insert(list.end(), {p, z});
  Type(selection_form().tsegmentos, "10");
  Plot(list);
  ASSERT_EQ(functions().count, 6);
  const auto check = [&](const std::function<std::vector<forms::Color>(int n)>& colours) {
    const std::vector<DrawCall> curves = Curves();
    ASSERT_EQ(curves.size(), 10u * 6 * 3);
    const Extended xstep = Extended(kRight - Left()) / Extended(10);
    for (int k = 1; k <= 10; ++k) {
      for (int n = 6; n >= 1; --n) {
        for (int kind = 0; kind < 3; ++kind) {
          const DrawCall& line = curves[static_cast<std::size_t>(((k - 1) * 6 + (6 - n)) * 3 + kind)];
          SCOPED_TRACE("point " + std::to_string(k) + ", function " + std::to_string(n) + ", curve " +
                       std::to_string(kind));
          EXPECT_EQ(line.pen, colours(n)[static_cast<std::size_t>(kind)]);
          EXPECT_EQ(line.points[1].x, static_cast<int>(base::Round(Extended(k) * xstep + Extended(Left()))));
        }
      }
    }
  };
  check([](int) { return std::vector<forms::Color>{forms::kWhite, elliptic::kAqua, forms::kRed}; });
  Char('c');
  const forms::Color own[] = {
      {}, elliptic::kLime, forms::kRed, elliptic::kAqua, elliptic::kBlue, forms::kWhite, elliptic::kLime};
  check([&](int n) { return std::vector<forms::Color>(3, own[n]); });
}

// Values beyond a vertical range are drawn on the box's top or bottom edge;
// the arrays keep the true values for the readout.
TEST_F(ResponsePlotTest, ValuesBeyondTheRangesLieOnTheEdges) {
  const std::string p = File("p.r", "1\r\n-1 0\r\n1\r\n");
  Plot({p, Constant("high.r", "1e4"), p, Constant("low.r", "1e-10")});
  ASSERT_EQ(functions().count, 2);
  EXPECT_NEAR(static_cast<double>(functions()[1].gain[0].raw()), 80 - 10 * std::log10(1.04), 1e-12);
  for (const DrawCall& c : Curves())
    for (const Point& p : c.points) {
      EXPECT_GE(p.y, kTop);
      EXPECT_LE(p.y, kBottom);
    }
  const std::vector<DrawCall> curves = Curves();
  // at each point: function 2 (gain, phase, delay), then function 1
  EXPECT_EQ(curves[3].points[1].y, kTop) << "80 dB above a range up to 10";
  EXPECT_EQ(curves[0].points[1].y, kBottom) << "-200 dB below one down to -80";
}

// The sixth-order Butterworth: the plain sum of its poles' angles runs to
// -540 degrees; with "Limitar fase" every value lies in -180 .. 180, and
// the curve jumps where it wraps.
TEST_F(ResponsePlotTest, ThePhaseLimitWrapsBy360) {
  std::string text = "6\r\n";
  for (int k = 0; k < 6; ++k) {
    const double theta = M_PI * (2 * k + 7) / 12;
    text += base::FloatToText(std::cos(theta), 0, 6) + " " + base::FloatToText(std::sin(theta), 0, 6) + "\r\n";
  }
  text += "1\r\n";
  const std::string p = File("butter6.r", text), z = Constant("z.r", "1");
  Type(selection_form().twmax, "100");
  Plot({p, z});
  std::vector<double> plain;
  for (int k = 0; k <= 1000; ++k) plain.push_back(static_cast<double>(functions()[1].phase[k].raw()));
  EXPECT_LT(plain.back(), -530);
  selection_form().CBlim.SetChecked(true);
  Char('c');
  bool jumped = false;
  for (int k = 0; k <= 1000; ++k) {
    const double wrapped = static_cast<double>(functions()[1].phase[k].raw());
    ASSERT_GE(wrapped, -180) << k;
    ASSERT_LE(wrapped, 180) << k;
    const double turns = (plain[static_cast<std::size_t>(k)] - wrapped) / 360;
    EXPECT_NEAR(turns, std::round(turns), 1e-9) << k;
    if (k > 0 && std::fabs(wrapped - static_cast<double>(functions()[1].phase[k - 1].raw())) > 300) jumped = true;
  }
  EXPECT_TRUE(jumped);
}

// "Hz": the axis, its labels and the segment frequencies in Hz; the curves
// evaluated at omega = 2 pi f, the delay still in seconds.
TEST_F(ResponsePlotTest, HzEvaluatesAtTwoPiF) {
  const std::string p = File("p.r", "2\r\n-0.5 1\r\n-0.5 -1\r\n1\r\n"), z = Constant("z.r", "1");
  selection_form().srads.SetItemIndex(1);
  Plot({p, z});
  EXPECT_EQ(plot().SegmentFrequency(0), Extended(0.2L));
  const std::vector<Extended> re{-0.5L, -0.5L}, im{1, -1};
  for (const int k : {0, 250, 1000}) {
    const Extended f = plot().SegmentFrequency(k);
    const Extended omega = Extended(2) * base::Pi() * f;
    const elliptic::RootTerms poles = elliptic::SumRootTerms(re, im, omega);
    const elliptic::RootTerms none = elliptic::SumRootTerms({}, {}, omega);
    EXPECT_EQ(functions()[1].gain[k], elliptic::GainDb(1, 1, none, poles)) << k;
    EXPECT_EQ(functions()[1].delay[k], -poles.delay) << k;
  }
  EXPECT_NEAR(static_cast<double>(plot().SegmentFrequency(1000).raw()), 5, 1e-15);
  const std::vector<DrawCall> texts = Select(Drawn(), IsText);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.back().text, "Hz");
}

// Zeros on the imaginary axis (as the designs write them, real part 0) add
// to the gain and the phase but nothing to the delay.
TEST_F(ResponsePlotTest, ZerosOnTheAxisAddNoDelay) {
  const std::string p = File("p.r", "2\r\n-0.5 1\r\n-0.5 -1\r\n1\r\n");
  Plot({p, File("axis.r", "2\r\n0 3\r\n0 -3\r\n1\r\n"), p, Constant("none.r", "1")});
  ASSERT_EQ(functions().count, 2);
  for (int k = 0; k <= 1000; k += 100) {
    EXPECT_EQ(functions()[1].delay[k], functions()[2].delay[k]) << k;
    EXPECT_NE(functions()[1].gain[k], functions()[2].gain[k]) << k;
  }
}

// Points without a logarithm are drawn without a fault: a gain of no
// magnitude on the bottom edge, an infinite one on the top edge, one that
// is neither (0 / 0) on the top edge too.
TEST_F(ResponsePlotTest, GainsWithoutALogarithmAreDrawnOnTheEdges) {
  const std::string p = File("p.r", "1\r\n-1 0\r\n1\r\n");
  const std::string nocte = File("nocte.r", "1\r\n-2 0\r\n");
  const std::string pole_nocte = File("pnocte.r", "1\r\n-1 0\r\n");
  const std::string axis = File("axis.r", "1\r\n0 2\r\n1\r\n");
  // four points, at 1, 1.5, 2 and 2.5 rad/s
  selection_form().slog.SetItemIndex(1);
  Type(selection_form().twmin, "1");
  Type(selection_form().twmax, "2.5");
  Type(selection_form().tsegmentos, "3");
  Plot({p, nocte, pole_nocte, p, pole_nocte, nocte, p, axis});
  ASSERT_EQ(functions().count, 4);
  EXPECT_TRUE(messages.empty()) << messages.front();
  const Extended inf = base::Infinity();
  for (int k = 0; k <= 3; ++k) {
    EXPECT_EQ(functions()[1].gain[k], -inf) << "a zeros file without its constant, point " << k;
    EXPECT_EQ(functions()[2].gain[k], inf) << "a poles file without its constant, point " << k;
    EXPECT_TRUE(base::IsNaN(functions()[3].gain[k])) << "both, point " << k;
  }
  EXPECT_EQ(functions()[4].gain[2], -inf) << "on the zero at 2 rad/s";
  EXPECT_TRUE(base::IsFinite(functions()[4].gain[1]));
  const std::vector<DrawCall> curves = Curves();
  // each point: functions 4, 3, 2, 1, each gain, phase, delay
  for (int k = 1; k <= 3; ++k) {
    const std::size_t at = static_cast<std::size_t>((k - 1) * 12);
    EXPECT_EQ(curves[at + 9].points[1].y, kBottom) << k;
    EXPECT_EQ(curves[at + 6].points[1].y, kTop) << k;
    EXPECT_EQ(curves[at + 3].points[1].y, kTop) << k;
  }
  EXPECT_EQ(curves[12].points[1].y, kBottom) << "function 4 at 2 rad/s";
}

// Ranges of zero width are drawn without a fault: the curves still run
// point by point across the box (at one frequency, or with every gain above
// or below the one value on the edges, equal on the middle row), without
// the grid lines of that axis, and the mouse cannot zoom on them.
TEST_F(ResponsePlotTest, RangesOfZeroWidth) {
  const std::string p = File("p.r", "1\r\n-1 0\r\n1\r\n");
  Type(selection_form().twmin, "1");
  Type(selection_form().twmax, "1");
  Type(selection_form().tfmin, "0");
  Type(selection_form().tfmax, "0");
  Type(selection_form().tamin, "2");
  Type(selection_form().tamax, "2");
  Plot({p, Constant("z.r", "1")});
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(Curves().size(), 3000u);
  for (int k = 0; k <= 1000; k += 250) EXPECT_EQ(plot().SegmentFrequency(k), Extended(1));
  const std::vector<DrawCall> grid = Select(Drawn(), [](const DrawCall& c) { return c.style == forms::PenStyle::Dot; });
  EXPECT_FALSE(grid.empty());
  for (const DrawCall& c : grid) EXPECT_EQ(c.points[0].y, c.points[1].y) << "only gain lines";

  Type(selection_form().twmax, "5");
  Type(selection_form().tgmin, "0");
  Type(selection_form().tgmax, "0");
  // function 1 lies below 0 dB at every point, function 2 is 0 dB flat
  Plot({p, Constant("z.r", "1"), Constant("one.r", "1"), Constant("one.r", "1")});
  EXPECT_TRUE(messages.empty());
  const std::vector<DrawCall> curves = Curves();
  // each point: function 2 (0 dB), then function 1 (below 0 dB)
  EXPECT_EQ(curves[0].points[1].y, (kTop + kBottom) / 2);
  EXPECT_EQ(curves[3].points[1].y, kBottom);
  for (const DrawCall& c : Select(Drawn(), [](const DrawCall& c) { return c.style == forms::PenStyle::Dot; }))
    EXPECT_EQ(c.points[0].x, c.points[1].x) << "only frequency lines";
  Mouse("down", 300, 100);
  Mouse("move", 500, 300);
  Mouse("up", 500, 300);
  EXPECT_EQ(selection_form().twmin.panel_real(), Extended(1));
  EXPECT_EQ(selection_form().tgmax.panel_real(), Extended(0));
  EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace elliptic_test
