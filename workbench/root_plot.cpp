#include "workbench/root_plot.h"

#include <algorithm>
#include <string>

#include "base/number_text.h"
#include "forms/keys.h"
#include "frame/plot/frequency_plot.h"

namespace workbench {

using base::Extended;
using frame::plot::ClampedPixel;
using frame::plot::NearestPixel;

namespace {

// Margins of the plot box in the paint box: room on the left for the
// imaginary-axis labels, above for "Im", below for the real-axis labels.
constexpr int kLeft = 43;
constexpr int kTop = 15;
constexpr int kBottomMargin = 15;

// Numbers on the status line and their Q: width 7 with 4 decimals.
constexpr int kStatusWidth = 7;
constexpr int kStatusDecimals = 4;

// The no-break space between "há" and "raízes" belongs to the message.
constexpr const char* kNoRootsMessage = "* Não h\u00e1\u00a0ra\u00edzes calculadas *";

}  // namespace

RootPlot::RootPlot(frame::plot::PlotWindow& window, const Registers& registers, const Parameters& parameters,
                   const PlotColours& colours)
    : window_(window), registers_(registers), parameters_(parameters), colours_(colours) {
  window_.paint_box.on_paint = [this] { Paint(); };
  window_.on_key_press = [this](char& key) { KeyPress(key); };
  window_.on_key_down = [this](int& key, forms::ShiftState) { KeyDown(key); };
}

void RootPlot::Show(frame::Log& log) {
  if (!registers_.roots_defined) {
    log.ShowLine(kNoRootsMessage);
    return;
  }
  current_ = 1;
  window_.paint_box.Invalidate();
  window_.Show();
}

int RootPlot::Count() const { return registers_.roots_defined ? std::max(0, registers_.X.degree) : 0; }

int RootPlot::RootPlotX(Extended re) const { return ClampedPixel(x_.ToPixel(re), box_.left, box_.right); }

int RootPlot::RootPlotY(Extended im) const { return ClampedPixel(y_.ToPixel(im), box_.top, box_.bottom); }

void RootPlot::Paint() {
  forms::PaintBox& paint_box = window_.paint_box;
  forms::Canvas& canvas = paint_box.canvas();
  marker_.Forget();
  const int width = paint_box.width(), height = paint_box.height();
  box_ = frame::plot::PlotBox{kLeft, width, kTop, height - kBottomMargin};
  ymax_ = view_.ymin + view_.span;
  y_ = frame::plot::FitAxis(box_.bottom, box_.top, view_.ymin, ymax_, false);
  // the same scale on both axes, so that the unit circle is round
  x_.scale = -y_.scale;
  x_.offset = Extended(box_.left) - x_.scale * view_.xmin;
  xmax_ = (Extended(box_.right) - x_.offset) / x_.scale;

  frame::plot::FillGround(canvas, width, height);
  if (!registers_.roots_defined) return;
  DrawFrameAndAxes(canvas);
  DrawLabels(canvas);
  DrawRootCrosses(canvas);
  ShowRootStatus();
}

void RootPlot::DrawFrameAndAxes(forms::Canvas& canvas) const {
  canvas.SetPenColor(colours_.yellow);
  canvas.MoveTo(0, box_.bottom);
  canvas.LineTo(box_.right, box_.bottom);
  // the left frame line ends on the bottom line, closing the frame's corner
  canvas.MoveTo(box_.left, box_.top);
  canvas.LineTo(box_.left, box_.bottom);

  canvas.SetPenColor(colours_.grey);
  const int imaginary_axis = RootPlotX(0);
  canvas.MoveTo(imaginary_axis, box_.top);
  canvas.LineTo(imaginary_axis, box_.bottom);
  const int real_axis = RootPlotY(0);
  canvas.MoveTo(box_.left, real_axis);
  canvas.LineTo(box_.right, real_axis);
  // the unit circle is not clamped: off the view it runs outside the box
  canvas.Arc(NearestPixel(x_.offset - x_.scale), NearestPixel(y_.offset - y_.scale), NearestPixel(x_.offset + x_.scale),
             NearestPixel(y_.offset + y_.scale), 0, 0, 0, 0);
}

void RootPlot::DrawLabels(forms::Canvas& canvas) const {
  canvas.SetFontColor(colours_.white);
  canvas.SetBrushColor(forms::kBlack);
  using frame::plot::RightAlignedText;
  RightAlignedText(canvas, box_.left - 2, box_.top, base::FloatToText(ymax_, 5, 1));
  RightAlignedText(canvas, box_.left - 2, box_.bottom - 13, base::FloatToText(view_.ymin, 5, 1));
  canvas.TextOut(box_.left + 1, box_.bottom + 2, base::FloatToText(view_.xmin, 8, 3));
  RightAlignedText(canvas, box_.right - 2, box_.bottom + 2, base::FloatToText(xmax_, 8, 3));
  canvas.TextOut(box_.left + 3, box_.top, "Im");
  canvas.TextOut(box_.right - 16, box_.bottom - 13, "Re");
}

void RootPlot::DrawRootCrosses(forms::Canvas& canvas) const {
  canvas.SetPenColor(colours_.white);
  for (int k = 1; k <= Count(); ++k) {
    const int c = RootPlotX(registers_.roots.re[k]);
    const int r = RootPlotY(registers_.roots.im[k]);
    // each stroke leaves out its end point: a cross of five pixels a side
    canvas.MoveTo(c - 2, r - 2);
    canvas.LineTo(c + 3, r + 3);
    canvas.MoveTo(c - 2, r + 2);
    canvas.LineTo(c + 3, r - 3);
  }
}

void RootPlot::ShowRootStatus() {
  if (current_ < 1 || current_ > Count()) {
    window_.status_line().SetText("");
    return;
  }
  const Extended re = registers_.roots.re[current_];
  const Extended im = registers_.roots.im[current_];
  const Extended w = base::Sqrt(re * re + im * im);
  // a root on the imaginary axis has no finite Q
  const std::string q = base::Abs(re) < parameters_.tolm
                            ? " oo"
                            : base::FloatToText(-w / (Extended(2) * re), kStatusWidth, kStatusDecimals);
  const auto number = [](Extended x) { return frame::RealToText(kStatusWidth, kStatusDecimals, x); };
  window_.status_line().SetText("Raiz:" + number(re) + number(im) + "j; w=" + number(w) + " Q=" + q);
  marker_.MoveTo(window_.paint_box.canvas(), forms::Point{RootPlotX(re), RootPlotY(im)}, colours_.yellow, forms::kRed);
}

void RootPlot::KeyPress(char key) {
  const int count = Count();
  const Extended half = view_.span / Extended(2);
  switch (key) {
    case ' ':
      if (current_ < 1 || current_ > count) return;
      view_.xmin = registers_.roots.re[current_] - half;
      view_.ymin = registers_.roots.im[current_] - half;
      Repaint();
      return;
    case '+':
      // halving first keeps the centre where it was
      view_.span = half;
      view_.xmin += view_.span / Extended(2);
      view_.ymin += view_.span / Extended(2);
      Repaint();
      return;
    case '-':
      view_.xmin -= half;
      view_.ymin -= half;
      view_.span = Extended(2) * view_.span;
      Repaint();
      return;
    case forms::kCharBackspace:
      if (count < 1) return;
      current_ = current_ <= 1 || current_ > count ? count : current_ - 1;
      ShowRootStatus();
      return;
    case forms::kCharEnter:
      if (count < 1) return;
      current_ = current_ >= count ? 1 : current_ + 1;
      ShowRootStatus();
      return;
    default: return;
  }
}

void RootPlot::KeyDown(int key) {
  const Extended quarter = view_.span / Extended(4);
  switch (key) {
    case forms::kKeyLeft: view_.xmin -= quarter; break;
    case forms::kKeyRight: view_.xmin += quarter; break;
    case forms::kKeyUp: view_.ymin += quarter; break;
    case forms::kKeyDown: view_.ymin -= quarter; break;
    default: return;
  }
  Repaint();
}

}  // namespace workbench
