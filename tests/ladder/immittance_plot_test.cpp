// The immittance plot as the user sees it: its labels and two curves in
// either mode, the cursor with its readout box, the search for the smallest
// real part and its refinement between columns, the scales dialog with the
// curve table file, the mouse zoom, and repaints that end early.
#include "ladder/immittance_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/number_parse.h"
#include "forms/keys.h"
#include "forms/recording_canvas.h"
#include "frame/plot/plot_window.h"
#include "tests/base/extended_printer.h"
#include "tests/ladder/tramow_fixture.h"
#include "tests/raster/gui_application.h"

namespace forms {

inline void PrintTo(const Point& p, std::ostream* out) { *out << '(' << p.x << ", " << p.y << ')'; }

}  // namespace forms

namespace ladder_test {
namespace {

using base::Extended;
using forms::DrawCall;
using forms::Point;
using frame::plot::ScalesForm;
using ladder::ImmittancePlot;

// The default window: a paint box of 640 x 400, so the plot area is columns
// 75 .. 640 and rows 0 .. 387; the values -10 .. 10 are 19.35 rows each.
constexpr int kRight = 640;
constexpr int kBottom = 387;

// Third-order Butterworth ladder between equal terminations, seen from its
// input: Z(s) = (2s² + 2s + 1) / (2s³ + 2s² + 2s + 1).
const Coefficients kButterworthN = {1, 2, 2};
const Coefficients kButterworthD = {1, 2, 2, 2};
// w⁴ - 13w² + 40 on the imaginary axis: its smallest value -2.25 lies at
// w = sqrt(6.5), and w = 2 and w = 3 both give 4.
const Coefficients kQuartic = {40, 0, 13, 0, 1};

class ImmittancePlotTest : public TramowFixture {
 protected:
  ImmittancePlotTest() { test_support::EnsureGuiApplication(); }

  ImmittancePlot& plot() { return tramow.plot(); }
  frame::plot::PlotWindow& form() { return *windows().plot; }
  ScalesForm& scales() { return *windows().scales; }
  const std::vector<DrawCall>& Drawn() const { return backend.DrawingOf(windows().plot->paint_box); }

  void Plot(Operation operation) {
    RunOperation(operation);
    backend.RunPendingPaints();
  }
  // A typed key: its key down, then the character.
  void Type(char c) {
    app.Guard([&] { form().UserKeyDown(forms::VirtualKeyOfChar(c), forms::ShiftState{}); });
    app.Guard([&] { form().UserKeyPress(c); });
    backend.RunPendingPaints();
  }
  // Enter opens the scales dialog, where the user acts and applies.
  void Scales(const std::function<void(ScalesForm&)>& act) {
    on_scales = [&](ScalesForm& s) {
      act(s);
      s.apply.UserClick();
    };
    app.Guard([&] { form().UserKeyDown(forms::kKeyReturn, forms::ShiftState{}); });
    app.Guard([&] { form().UserKeyPress(forms::kCharEnter); });
    on_scales = nullptr;
    backend.RunPendingPaints();
  }
  void Resize(int width, int height) {
    app.Guard([&] { form().UserResized(width, height); });
    backend.RunPendingPaints();
  }

  std::vector<DrawCall> Lines(forms::Color pen) const {
    std::vector<DrawCall> lines;
    std::copy_if(Drawn().begin(), Drawn().end(), std::back_inserter(lines), [pen](const DrawCall& c) {
      return c.kind == DrawCall::Kind::Line && c.style == forms::PenStyle::Solid && c.pen == pen;
    });
    return lines;
  }
  std::vector<DrawCall> OfKind(DrawCall::Kind kind) const {
    std::vector<DrawCall> calls;
    std::copy_if(Drawn().begin(), Drawn().end(), std::back_inserter(calls),
                 [kind](const DrawCall& c) { return c.kind == kind; });
    return calls;
  }
  // The logged number after `key` in the last line that holds it, read by
  // the suite's parser: the process may run under a locale with a decimal
  // comma, which the C library's conversions would expect.
  long double LoggedNumber(const std::string& key) const {
    const std::vector<std::string> lines = Logged();
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
      const std::size_t at = line->find(key);
      if (at == std::string::npos) continue;
      const std::string_view rest = std::string_view(*line).substr(at + key.size());
      const std::string_view number = rest.substr(0, rest.find_first_of(" ;)", rest.find_first_not_of(' ')));
      const std::optional<base::Extended> value = base::ParseReal(number);
      if (value) return value->raw();
      ADD_FAILURE() << "no number after " << key << " in " << *line;
      return 0;
    }
    ADD_FAILURE() << "nothing logged with " << key;
    return 0;
  }
  static std::vector<std::string> LinesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line, '\n');) lines.push_back(line);
    return lines;
  }

  // The analytic column of w on the default logarithmic axis 0.1 .. 10.
  static double Column(double w) { return 75 + (kRight - 75) * (std::log10(w) + 1) / 2; }
};

// ------------------------------------------------------------ the repaint

TEST_F(ImmittancePlotTest, LabelsAndCurvesOfBothModes) {
  struct Case {
    const char* name;
    bool admittance;
    Operation operation;
    const char* title;
    const char* axis;
    // K·Re and K·Im of s + 2 at the left edge, w = 0.1
    long double re, im;
  };
  const Case cases[] = {
      {"an impedance on the real axis, s = -w", false, kPlotRealS, "Z(s)", "-Re(s)", 1.9L, 0},
      {"an admittance on the imaginary axis, s = jw", true, kPlotImaginaryAxis, "Y(s)", "Im(s)", 2, 0.1L},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StartWith(c.admittance, {2, 1}, {1});
    Plot(c.operation);
    ASSERT_TRUE(form().visible());
    // w = 0.1 comes back from its logarithm to within an ulp
    EXPECT_NEAR(static_cast<double>(plot().values().At(75, ImmittancePlot::kReal).raw()), c.re, 1e-17);
    EXPECT_NEAR(static_cast<double>(plot().values().At(75, ImmittancePlot::kImaginary).raw()), c.im, 1e-17);

    const std::vector<DrawCall> texts = OfKind(DrawCall::Kind::Text);
    const std::vector<std::pair<std::string, Point>> labels = {
        {"0.1000", {75, kBottom + 2}},  // xmin without its leading blanks
        {"  10.0000", {kRight - 72, kBottom + 2}},
        {" -10.0000", {3, kBottom - 8}},
        {"  10.0000", {3, 0}},
        {c.title, {19, (kBottom - 8) / 2}},
        {c.axis, {(75 + kRight) / 2 - 20, kBottom + 2}},
    };
    ASSERT_EQ(texts.size(), labels.size());
    for (std::size_t i = 0; i < labels.size(); ++i) {
      SCOPED_TRACE(labels[i].first);
      EXPECT_EQ(texts[i].text, labels[i].first);
      EXPECT_EQ(texts[i].points[0], labels[i].second);
      EXPECT_EQ(texts[i].font, forms::kWhite);
      EXPECT_EQ(texts[i].brush, forms::kBlack);
    }
    const std::vector<DrawCall> frames = OfKind(DrawCall::Kind::FrameRect);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].points, (std::vector<Point>{{75, 0}, {kRight, kBottom}}));
    EXPECT_EQ(frames[0].brush, forms::kWhite);

    // one segment of each part per column after the first, the real part
    // white and first, the imaginary part yellow
    const std::vector<DrawCall> real = Lines(forms::kWhite);
    const std::vector<DrawCall> imaginary = Lines(forms::kYellow);
    ASSERT_EQ(real.size(), static_cast<std::size_t>(kRight - 75));
    ASSERT_EQ(imaginary.size(), real.size());
    const auto row = [](long double v) { return static_cast<int>(std::nearbyint(193.5 - 19.35 * v)); };
    EXPECT_EQ(real.front().points[0], (Point{75, row(c.re)}));
    EXPECT_EQ(real.back().points[1].x, kRight);
    EXPECT_EQ(imaginary.front().points[0].x, 75);
  }
}

TEST_F(ImmittancePlotTest, ValuesOutsideTheRangeAreDrawnOnTheEdgesAndKeptForTheReadout) {
  // s + 2 on the imaginary axis: the imaginary part w leaves the range at 10
  StartWith(false, {2, 1}, {1});
  Plot(kPlotImaginaryAxis);
  Scales([](ScalesForm& s) { s.xmax.UserType("100"); });
  EXPECT_EQ(Lines(forms::kYellow).back().points[1], (Point{kRight, 0}));
  EXPECT_NEAR(static_cast<double>(plot().values().At(kRight, ImmittancePlot::kImaginary).raw()), 100, 1e-14);
}

TEST_F(ImmittancePlotTest, AWindow3500PixelsWideSamplesColumns75To3000AndTheTableHas2926Lines) {
  StartWith(false, {2, 1}, {1});
  Plot(kPlotImaginaryAxis);
  Resize(3500, 400);
  const std::string table = folder.PathOf("wide.tab");
  Scales([&](ScalesForm& s) {
    s.save_curve.UserSetChecked(true);
    s.file_name->UserType(table);
  });
  EXPECT_EQ(plot().box().right, 3000);
  EXPECT_EQ(Lines(forms::kWhite).back().points[1].x, 3000);
  EXPECT_EQ(Logged().back(), "Curva salva no arquivo " + table);
  EXPECT_FALSE(scales().save_curve.checked());
  EXPECT_FALSE(plot().table_pending());

  const std::vector<std::string> lines = LinesOf(table);
  ASSERT_EQ(lines.size(), 2926u);
  // w, K·Re and K·Im of s + 2 at s = 0.1j and at s = 10j
  EXPECT_EQ(lines.front(), " 1.00000000000000E-0001  2.00000000000000E+0000  1.00000000000000E-0001\r");
  EXPECT_EQ(lines.back(), " 1.00000000000000E+0001  2.00000000000000E+0000  1.00000000000000E+0001\r");

  // the next repaint writes no file
  std::filesystem::remove(table);
  Type('G');
  EXPECT_FALSE(std::filesystem::exists(table));
}

TEST_F(ImmittancePlotTest, TheKeysZoomAndPanAndRWidensOnlyBelow1e14) {
  StartWith(false, kButterworthN, kButterworthD);
  Plot(kPlotImaginaryAxis);
  Type('+');
  EXPECT_EQ(plot().range().ymax, Extended(0));
  app.Guard([&] { form().UserKeyDown(forms::kKeyUp, forms::ShiftState{}); });
  backend.RunPendingPaints();
  EXPECT_EQ(plot().range().ymin, Extended(-7.5L));

  Scales([](ScalesForm& s) {
    s.xmin.UserType("1");
    s.xmax.UserType("1e14");
  });
  Type('R');
  EXPECT_EQ(plot().range().xmax, Extended(1e14L));
  Scales([](ScalesForm& s) { s.xmax.UserType("1e13"); });
  Type('r');
  EXPECT_EQ(plot().range().xmax, Extended(1e26L));
}

TEST_F(ImmittancePlotTest, APlotLeftOpenFollowsTheImmittanceAtItsNextRepaint) {
  StartWith(false, {2, 1}, {1});
  Plot(kPlotImaginaryAxis);
  RunOperation(kInvertImmittance);
  Type('G');
  ASSERT_EQ(Logged().back(), "Admitância: ");
  // 1 / (2 + 0.1j)
  EXPECT_NEAR(static_cast<double>(plot().values().At(75).raw()), 2 / 4.01, 1e-15);
  const std::vector<DrawCall> texts = OfKind(DrawCall::Kind::Text);
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const DrawCall& c) { return c.text == "Y(s)"; }));
  // a new opening resets the range, but not the grid or the scale type
  Type('L');
  Plot(kPlotImaginaryAxis);
  EXPECT_FALSE(plot().range().grid_on);
  EXPECT_FALSE(plot().range().log_scale);
  EXPECT_EQ(plot().range().xmin, Extended(0.1L));
}

// ------------------------------------------------------------- the cursor

TEST_F(ImmittancePlotTest, TheCursorStopsOnTheEdgesAndRedrawsItsMarkerAndReadoutThere) {
  StartWith(false, {2, 1}, {1});
  Plot(kPlotImaginaryAxis);
  Type(' ');
  EXPECT_FALSE(plot().marker_position()) << "the blank does nothing";

  const auto expect_readout_at = [&](int column, const std::string& w, const std::string& re, const std::string& im) {
    // the marker is erased and drawn again, then the box and its lines
    const std::vector<DrawCall> polygons = OfKind(DrawCall::Kind::Polygon);
    ASSERT_FALSE(polygons.empty());
    EXPECT_EQ(polygons.back().points.front(), (Point{column, plot().marker_position()->y}));
    EXPECT_EQ(polygons.back().mode, forms::PenMode::Xor);
    EXPECT_EQ(polygons.back().pen, forms::kYellow);
    EXPECT_EQ(polygons.back().brush, forms::kRed);
    const std::vector<DrawCall> boxes = OfKind(DrawCall::Kind::Rectangle);
    EXPECT_EQ(boxes.back().points, (std::vector<Point>{{kRight - 90, 3}, {kRight - 4, 43}}));
    EXPECT_EQ(boxes.back().pen, forms::kWhite);
    EXPECT_EQ(boxes.back().brush, forms::kBlack);
    const std::vector<DrawCall> texts = OfKind(DrawCall::Kind::Text);
    ASSERT_GE(texts.size(), 3u);
    const DrawCall* readout = &texts[texts.size() - 3];
    EXPECT_EQ(readout[0].text, "w:" + w);
    EXPECT_EQ(readout[1].text, "R:" + re);
    EXPECT_EQ(readout[2].text, "I:" + im);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(readout[i].points[0], (Point{kRight - 88, 5 + 12 * i}));
    EXPECT_EQ(readout[1].font, forms::kWhite);
    EXPECT_EQ(readout[2].font, forms::kYellow);
  };

  Type(',');
  EXPECT_EQ(plot().cursor_column(), 75);
  EXPECT_EQ(plot().marker_position(), (Point{75, 155})) << "on the real part 2";
  expect_readout_at(75, "   0.100000", "   2.000000", "   0.100000");
  const std::size_t polygons = OfKind(DrawCall::Kind::Polygon).size();
  Type(',');
  EXPECT_EQ(OfKind(DrawCall::Kind::Polygon).size(), polygons + 2) << "erased and drawn again";
  expect_readout_at(75, "   0.100000", "   2.000000", "   0.100000");

  for (const char key : {'>', '>', '.', '<', '.'}) Type(key);
  EXPECT_EQ(plot().cursor_column(), 87);
  for (int i = 0; i < 60; ++i) Type('>');
  EXPECT_EQ(plot().cursor_column(), kRight);
  expect_readout_at(kRight, "  10.000000", "   2.000000", "  10.000000");
  Type('.');
  EXPECT_EQ(plot().cursor_column(), kRight);

  // a repaint hides the marker and puts the cursor back on the left edge
  Type('G');
  EXPECT_FALSE(plot().marker_position());
  EXPECT_EQ(plot().cursor_column(), 75);
}

// ----------------------------------------------- the smallest real part (M)

TEST_F(ImmittancePlotTest, MOnTheEdgesOrOffTheImaginaryAxisOnlyReportsTheColumn) {
  struct Case {
    const char* name;
    Coefficients n, d;
    bool invert;
    Operation operation;
    int column;
    const char* line;
  };
  const Case cases[] = {
      {"rising on the real axis: the first column",
       kQuartic,
       {1},
       false,
       kPlotRealS,
       75,
       "wmin~   0.100000000000000 Re=  40.130100000000000 Im=   0.000000000000000"},
      {"falling on the real axis: the last column",
       kQuartic,
       {1},
       true,
       kPlotRealS,
       kRight,
       "wmin~  10.000000000000000 Re=   0.000088183421517 Im=   0.000000000000000"},
      {"falling on the imaginary axis: the last column", kButterworthN, kButterworthD, false, kPlotImaginaryAxis,
       kRight, "wmin~  10.000000000000000 Re=   0.000000252525189 Im=  -0.100505025124994"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StartWith(false, c.n, c.d);
    if (c.invert) RunOperation(kInvertImmittance);
    Plot(c.operation);
    const std::size_t mark = Logged().size();
    Type('M');
    EXPECT_EQ(LoggedSince(mark), (std::vector<std::string>{"Achando o mínimo da parte real...", c.line}));
    EXPECT_EQ(plot().cursor_column(), c.column);
    EXPECT_EQ(plot().marker_position()->x, c.column);
  }
}

TEST_F(ImmittancePlotTest, MOnTheImaginaryAxisRefinesTheMinimumBetweenColumns) {
  struct Case {
    const char* name;
    Coefficients n, d;
    long double k;
    // the exact minimum of K·Re
    double w, re;
  };
  const Case cases[] = {
      {"w⁴ - 13w² + 40", kQuartic, {1}, 1, std::sqrt(6.5), -2.25},
      {"(s² + 0.1s + 1) / (s² + s + 1)", {1, 0.1L, 1}, {1, 1, 1}, 1, 1, 0.1},
      // the smallest K·Re is the largest Re, 10 at w = 1
      {"a negative K", {1, 1, 1}, {1, 0.1L, 1}, -1, 1, -10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StartWith(false, c.n, c.d);
    model().current.K = c.k;
    Plot(kPlotImaginaryAxis);
    const std::size_t mark = Logged().size();
    Type('M');
    const std::vector<std::string> logged = LoggedSince(mark);
    ASSERT_EQ(logged.size(), 3u);
    EXPECT_EQ(logged[1].rfind("wmin~", 0), 0u);
    // within a column of the minimum, and the cursor stays there
    EXPECT_LT(std::abs(Column(LoggedNumber("wmin~")) - Column(c.w)), 1);
    EXPECT_EQ(plot().cursor_column(), static_cast<int>(std::nearbyint(Column(LoggedNumber("wmin~")))));

    EXPECT_EQ(logged[2].rfind("wmin=", 0), 0u) << logged[2];
    // The real part is flat to the last bits within about 1e-10 of its
    // minimum, which bounds how close any search can come.
    EXPECT_NEAR(LoggedNumber("wmin="), c.w, 1e-9);
    EXPECT_NEAR(LoggedNumber(" Re="), c.re, 1e-15);
    // a billionth of the column's width, 0.8 % of w
    EXPECT_LT(LoggedNumber("erro em w="), 1e-11 * c.w);
    // stopped by the width, some 44 cycles of 0.618 each
    EXPECT_LE(LoggedNumber("ciclos="), 44);
    // the box tells the refined minimum, not its column's values
    const std::vector<DrawCall> texts = OfKind(DrawCall::Kind::Text);
    ASSERT_GE(texts.size(), 3u);
    const auto shown = [&](std::size_t from_end, const char* name) -> long double {
      const std::string& text = texts[texts.size() - from_end].text;
      EXPECT_EQ(text.rfind(name, 0), 0u) << text;
      const std::optional<base::Extended> value = base::ParseReal(std::string_view(text).substr(2));
      return value ? value->raw() : -1;
    };
    EXPECT_NEAR(shown(3, "w:"), LoggedNumber("wmin="), 5e-7);
    EXPECT_NEAR(shown(2, "R:"), LoggedNumber(" Re="), 5e-7);
    EXPECT_NEAR(shown(1, "I:"), LoggedNumber(" Im="), 5e-7);
  }
}

TEST_F(ImmittancePlotTest, OfTwoEqualSmallestColumnsMTakesTheLeftOne) {
  // on a linear axis 0 .. 565 each column is a whole w: the columns of
  // w = 2 and w = 3 both hold 4, the smallest of all columns
  StartWith(false, kQuartic, {1});
  Plot(kPlotImaginaryAxis);
  Scales([](ScalesForm& s) {
    s.log_scale.UserSetChecked(false);
    s.xmin.UserType("0");
    s.xmax.UserType("565");
  });
  ASSERT_EQ(plot().values().At(77), plot().values().At(78));
  const std::size_t mark = Logged().size();
  Type('M');
  EXPECT_EQ(plot().cursor_column(), 77);
  EXPECT_EQ(LoggedSince(mark)[1], "wmin~   2.000000000000000 Re=   4.000000000000000 Im=   0.000000000000000");
  EXPECT_NEAR(LoggedNumber("wmin="), std::sqrt(6.5), 1e-9) << "the refinement brackets 2 .. 3";
}

TEST_F(ImmittancePlotTest, MWithNoRealPartBelow1e99LeavesTheCursorAndRefinesNothing) {
  StartWith(false, {1}, {1});
  model().current.K = 2e99L;
  Plot(kPlotImaginaryAxis);
  for (const char key : {'>', '.'}) Type(key);
  const std::size_t mark = Logged().size();
  Type('M');
  EXPECT_EQ(plot().cursor_column(), 86);
  EXPECT_EQ(LoggedSince(mark), (std::vector<std::string>{
                                   "Achando o mínimo da parte real...",
                                   "wmin~   0.109380033763601 Re= 1.00000000000E+0099 Im=   0.000000000000000",
                               }));
}

// ------------------------------------------- scales dialog and table file

TEST_F(ImmittancePlotTest, EscolherPicksTheTableNameAndACancelChangesNothing) {
  StartWith(false, kButterworthN, kButterworthD);
  Plot(kPlotImaginaryAxis);
  const std::string table = folder.PathOf("z.tab");
  files.insert(files.end(), {"cancel", table});
  Scales([&](ScalesForm& s) {
    EXPECT_EQ(s.file_name->text(), "ladder.tab");
    s.choose_file->UserClick();
    EXPECT_EQ(s.file_name->text(), "ladder.tab");
    EXPECT_TRUE(s.visible()) << "the dialog stays open";
    s.choose_file->UserClick();
    EXPECT_EQ(s.file_name->text(), table);
    EXPECT_EQ(console_windows().main->save_dialog.filter_index(), 3);
    s.save_curve.UserSetChecked(true);
  });
  EXPECT_EQ(LinesOf(table).size(), static_cast<std::size_t>(kRight - 74));
  Scales([&](ScalesForm& s) { EXPECT_EQ(s.file_name->text(), table) << "kept for the next visit"; });
}

TEST_F(ImmittancePlotTest, AnEmptyNameCreatesNoFileAndTheBoxStaysTicked) {
  StartWith(false, kButterworthN, kButterworthD);
  Plot(kPlotImaginaryAxis);
  const std::size_t logged = Logged().size();
  Scales([](ScalesForm& s) {
    s.save_curve.UserSetChecked(true);
    s.file_name->UserType("");
  });
  EXPECT_FALSE(plot().table_pending());
  EXPECT_TRUE(scales().save_curve.checked());
  EXPECT_EQ(Logged().size(), logged);
}

TEST_F(ImmittancePlotTest, ATableThatCannotBeCreatedEndsTheDialogWithTheRangeTakenAndNoRepaint) {
  StartWith(false, {2, 1}, {1});
  Plot(kPlotImaginaryAxis);
  Scales([&](ScalesForm& s) {
    s.xmin.UserType("1");
    s.save_curve.UserSetChecked(true);
    s.file_name->UserType(folder.path().string());  // a folder
  });
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].rfind("Tramow: ", 0), 0u) << messages[0];
  EXPECT_EQ(plot().range().xmin, Extended(1));
  EXPECT_FALSE(plot().table_pending());
  EXPECT_NEAR(static_cast<double>(plot().values().At(75, ImmittancePlot::kImaginary).raw()), 0.1, 1e-17)
      << "not repainted";
  EXPECT_TRUE(scales().save_curve.checked());
}

TEST_F(ImmittancePlotTest, ARepaintEndedByAFaultDiscardsTheTableAndTheNextWritesNone) {
  // s⁴ overflows from w = 1e1233 on, some way along the curve
  StartWith(false, {0, 0, 0, 0, 1}, {1});
  Plot(kPlotImaginaryAxis);
  const std::string table = folder.WriteBytes("cut.tab", "old\r\n");
  const std::size_t logged = Logged().size();
  Scales([&](ScalesForm& s) {
    s.xmin.UserType("1");
    s.xmax.UserType("1e2000");
    s.save_curve.UserSetChecked(true);
    s.file_name->UserType(table);
  });
  ASSERT_EQ(messages, (std::vector<std::string>{"Tramow: Floating point overflow."}));
  EXPECT_EQ(LinesOf(table), (std::vector<std::string>{"old\r"})) << "the file of that name stays as it was";
  EXPECT_FALSE(plot().table_pending());
  EXPECT_TRUE(scales().save_curve.checked()) << "no curve was saved";
  EXPECT_EQ(Logged().size(), logged);

  // the cursor and M read only the columns the repaint reached
  for (int i = 0; i < 56; ++i) Type('>');
  EXPECT_EQ(plot().cursor_column(), 635);
  EXPECT_LT(plot().marker_position()->x, 635);
  Type('M');
  EXPECT_EQ(Logged().back().rfind("wmin~   1.000000000000000 Re=   1.000000000000000", 0), 0u) << Logged().back();

  Type('G');
  EXPECT_EQ(messages.size(), 2u);
  EXPECT_EQ(LinesOf(table), (std::vector<std::string>{"old\r"}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 3) << "entry.n, entry.d, cut.tab";
}

// ---------------------------------------------------------------- the mouse

TEST_F(ImmittancePlotTest, ARubberBandDraggedRightAndDownZoomsToItsRectangle) {
  StartWith(false, kButterworthN, kButterworthD);
  Plot(kPlotImaginaryAxis);
  const auto drag = [&](Point from, Point to) {
    app.Guard([&] { form().paint_box.UserMouseDown(forms::MouseButton::Right, {}, from.x, from.y); });
    app.Guard([&] { form().paint_box.UserMouseMove({}, to.x, to.y); });
    app.Guard([&] { form().paint_box.UserMouseUp(forms::MouseButton::Right, {}, to.x, to.y); });
    backend.RunPendingPaints();
  };
  drag({300, 200}, {250, 300});
  EXPECT_EQ(plot().range().xmin, Extended(0.1L));
  drag({357, 100}, {640, 293});
  EXPECT_NEAR(static_cast<double>(plot().range().xmin.raw()), std::pow(10, (357 - 75) / 282.5 - 1), 1e-15);
  EXPECT_NEAR(static_cast<double>(plot().range().xmax.raw()), 10, 1e-15);
  EXPECT_NEAR(static_cast<double>(plot().range().ymax.raw()), (193.5 - 100) / 19.35, 1e-15);
  EXPECT_NEAR(static_cast<double>(plot().range().ymin.raw()), (193.5 - 293) / 19.35, 1e-15);
}

}  // namespace
}  // namespace ladder_test
