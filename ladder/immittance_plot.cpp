#include "ladder/immittance_plot.h"

#include <string>

#include "forms/keys.h"
#include "frame/log.h"
#include "frame/plot/frequency_plot.h"
#include "frame/plot/range_keys.h"
#include "ladder/golden_section.h"

namespace ladder {

using base::Extended;

namespace {

// "R" widens the frequency range only while xmax is below this.
constexpr long double kWidenLimit = 1e14L;
// The labels stand at fixed offsets from the plot area: a number label is
// about 72 pixels wide, the kind's title 56; the axis title, some 40 wide,
// is centred under the plot area.
constexpr int kLabelIndent = 72;
constexpr int kTitleIndent = 56;
constexpr int kAxisTitleShift = 20;
// The readout box in the top right corner of the plot area, its three lines
// at these rows below the top.
constexpr int kBoxLeft = 90;
constexpr int kBoxRight = 4;
constexpr int kBoxTop = 3;
constexpr int kBoxBottom = 43;
constexpr int kReadoutIndent = 88;
constexpr int kFrequencyRow = 5;
constexpr int kRealRow = 17;
constexpr int kImaginaryRow = 29;
// M's search starts above any real part it can report.
constexpr long double kNoMinimum = 1e99L;
// The refinement narrows the minimum down to this part of a column's width.
constexpr long double kRefineWidth = 1e-9L;
// "Tabelas (*.tab)" of the main window's save dialog.
constexpr int kTablesFilter = 3;

}  // namespace

ImmittancePlot::ImmittancePlot(frame::plot::PlotWindow& window, frame::plot::ScalesForm& scales,
                               ImmittanceModel& model, frame::Console& console)
    : window_(window), scales_(scales), model_(model), console_(console) {
  window_.paint_box.on_paint = [this] { Paint(); };
  window_.on_key_press = [this](char& key) { KeyPress(key); };
  window_.on_key_down = [this](int& key, forms::ShiftState) { KeyDown(key); };
  frame::plot::AttachRangeZoom(window_.paint_box, band_, x_, y_, range_);
  scales_.choose_file->on_click = [this] { ChooseTableName(); };
}

void ImmittancePlot::OpenPlot(PlotMode mode, Extended xmin, Extended xmax, Extended ymin, Extended ymax) {
  mode_ = mode;
  range_.xmin = xmin;
  range_.xmax = xmax;
  range_.ymin = ymin;
  range_.ymax = ymax;
  Repaint();
  window_.Show();
}

int ImmittancePlot::ValueToRow(Extended v) const {
  return frame::plot::ClampedPixel(y_.ToPixel(v), box_.top, box_.bottom);
}

void ImmittancePlot::Paint() {
  const int width = window_.paint_box.width(), height = window_.paint_box.height();
  const frame::plot::PlotBox box = frame::plot::FrequencyPlotBox(width, height);
  frame::plot::DropImpossibleSwitches(range_);
  // Equal limits are a fault of the fitting, which leaves the last picture
  // and the values read off it as they were.
  const frame::plot::AxisMapping y = frame::plot::FitAxis(box.bottom, box.top, range_.ymin, range_.ymax, false);
  const frame::plot::AxisMapping x =
      frame::plot::FitAxis(box.left, box.right, range_.xmin, range_.xmax, range_.log_scale);
  box_ = box;
  x_ = x;
  y_ = y;
  cursor_.Reset(box_.left, box_.right);
  // The file takes this repaint's curve only: one that ends early discards
  // it, and a file of that name stays as it was, rather than handing it on
  // for the next repaint to add a whole curve to the part written.
  const std::unique_ptr<base::TextWriter> file = std::move(table_file_);
  values_.Begin(box_.left, file.get());

  forms::Canvas& canvas = this->canvas();
  // the fill wipes the marker and a band being dragged
  marker_.Forget();
  band_.Forget();
  frame::plot::PaintFrequencyGround(canvas, width, height, box_, x_, y_, range_, {forms::kGrey, forms::kYellow});
  canvas.SetBrushColor(forms::kWhite);
  canvas.FrameRect(box_.left, box_.top, box_.right, box_.bottom);
  DrawLabels(canvas);

  const Extended k = model_.current.K;
  for (int c = box_.left; c <= box_.right; ++c) {
    const Extended w = x_.FromPixel(c);
    model_.point = mode_ == PlotMode::kImaginaryAxis ? poly::Complex{0, w} : poly::Complex{-w, 0};
    EvaluateImmittance(model_);
    values_.Put(c, w, {k * model_.value.re, k * model_.value.im});
    if (c == box_.left) continue;
    DrawStep(canvas, c, kReal, forms::kWhite);
    DrawStep(canvas, c, kImaginary, forms::kYellow);
  }
  if (file) {
    scales_.save_curve.SetChecked(false);
    file->Close();
    console_.ShowLine("Curva salva no arquivo " + file->path());
  }
}

void ImmittancePlot::DrawStep(forms::Canvas& canvas, int c, int series, forms::Color colour) {
  canvas.SetPenColor(colour);
  canvas.MoveTo(c - 1, ValueToRow(values_.At(c - 1, series)));
  canvas.LineTo(c, ValueToRow(values_.At(c, series)));
}

void ImmittancePlot::DrawLabels(forms::Canvas& canvas) {
  canvas.SetFontColor(forms::kWhite);
  canvas.SetBrushColor(forms::kBlack);
  canvas.TextOut(box_.left, box_.bottom + 2, frame::plot::LeftAlignedAxisLabel(range_.xmin));
  canvas.TextOut(box_.right - kLabelIndent, box_.bottom + 2, frame::plot::AxisLabel(range_.xmax));
  canvas.TextOut(box_.left - kLabelIndent, box_.bottom - 8, frame::plot::AxisLabel(range_.ymin));
  canvas.TextOut(box_.left - kLabelIndent, box_.top, frame::plot::AxisLabel(range_.ymax));
  canvas.TextOut(box_.left - kTitleIndent, (box_.bottom + box_.top - 8) / 2,
                 model_.current.admittance ? "Y(s)" : "Z(s)");
  canvas.TextOut((box_.left + box_.right) / 2 - kAxisTitleShift, box_.bottom + 2,
                 mode_ == PlotMode::kImaginaryAxis ? "Im(s)" : "-Re(s)");
}

void ImmittancePlot::KeyPress(char key) {
  if (key == forms::kCharEnter) {
    ExchangeScales();
  } else if (frame::plot::RangeKeyPress(key, range_, kWidenLimit)) {
    Repaint();
  } else if (const std::optional<int> step = frame::plot::CursorStepOfChar(key)) {
    PlotCursor(cursor_.position() + *step);
  } else if (key == 'M' || key == 'm') {
    FindMinimum();
  }
}

void ImmittancePlot::KeyDown(int key) {
  if (frame::plot::RangeKeyDown(key, range_)) Repaint();
}

void ImmittancePlot::ExchangeScales() {
  const bool save = scales_.Exchange(range_);
  const std::string& name = scales_.file_name->text();
  if (save && !name.empty()) {
    // A file that cannot be created ends the handling here: the new range is
    // taken, no file waits and nothing is repainted.
    table_file_.reset();
    table_file_ = std::make_unique<base::TextWriter>(name);
  }
  Repaint();
}

void ImmittancePlot::ChooseTableName() {
  const std::string& name = console_.ChooseSaveFile("Tabela da curva", kTablesFilter);
  if (!name.empty()) scales_.file_name->SetText(name);
}

void ImmittancePlot::PlotCursor(int column) {
  cursor_.Place(column);
  const int c = cursor_.position();
  // a repaint that ended early has no values at the cursor
  if (!cursor_.has_columns() || !values_.Holds(c)) return;
  marker_.MoveTo(canvas(), forms::Point{c, ValueToRow(values_.At(c, kReal))}, forms::kYellow, forms::kRed);
  DrawReadout(Frequency(c), values_.At(c, kReal), values_.At(c, kImaginary));
}

void ImmittancePlot::DrawReadout(Extended w, Extended re, Extended im) {
  forms::Canvas& canvas = this->canvas();
  canvas.SetPenColor(forms::kWhite);
  canvas.SetBrushColor(forms::kBlack);
  canvas.Rectangle(box_.right - kBoxLeft, box_.top + kBoxTop, box_.right - kBoxRight, box_.top + kBoxBottom);
  const auto line = [&](int row, const std::string& name, Extended v, forms::Color colour) {
    canvas.SetFontColor(colour);
    canvas.TextOut(box_.right - kReadoutIndent, box_.top + row, name + frame::plot::ReadoutNumber(v));
  };
  line(kFrequencyRow, "w:", w, forms::kWhite);
  line(kRealRow, "R:", re, forms::kWhite);
  line(kImaginaryRow, "I:", im, forms::kYellow);
}

void ImmittancePlot::FindMinimum() {
  console_.ShowLine("Achando o mínimo da parte real...");
  Extended m = kNoMinimum;
  Extended mi = 0;  // what the line reports when no column lies below kNoMinimum
  bool found = false;
  for (int c = box_.left; c <= box_.right && values_.Holds(c); ++c) {
    if (values_.At(c, kReal) < m) {
      m = values_.At(c, kReal);
      mi = values_.At(c, kImaginary);
      cursor_.Place(c);
      found = true;
    }
  }
  const int column = cursor_.position();
  PlotCursor(column);
  console_.ShowLine("wmin~" + console_.RealToText(Frequency(column)) + " Re=" + console_.RealToText(m) +
                    " Im=" + console_.RealToText(mi));
  // A minimum on an edge column has no neighbour on both sides to bracket
  // it; where no column was found there is nothing to refine.
  if (found && mode_ == PlotMode::kImaginaryAxis && column > box_.left && column < box_.right &&
      values_.Holds(column + 1))
    RefineMinimum(column);
}

Extended ImmittancePlot::RealPartOnImaginaryAxis(Extended x) {
  model_.point = poly::Complex{0, x};
  EvaluateImmittance(model_);
  return model_.value.re;
}

void ImmittancePlot::RefineMinimum(int column) {
  const Extended w = Frequency(column);
  const Extended d = w - Frequency(column - 1);
  // the side of the column where the stored real part is lower holds the minimum
  const bool below = values_.At(column + 1, kReal) > values_.At(column - 1, kReal);
  const Extended k = model_.current.K;
  // The search compares Re(N/D) without K: for a negative K the smallest
  // K·Re is the largest Re, so the values are turned over.
  const Extended sign = k < 0 ? Extended(-1) : Extended(1);
  const GoldenSection found =
      GoldenSectionMinimum([&](Extended x) { return sign * RealPartOnImaginaryAxis(x); }, below ? w - d : w,
                           below ? w : w + d, Extended(kRefineWidth) * base::Abs(d));
  const Extended wmin = (found.a + found.b) / Extended(2);
  model_.point = poly::Complex{0, wmin};
  EvaluateImmittance(model_);
  console_.ShowLine("wmin=" + console_.RealToText(wmin) + " Re=" + console_.RealToText(k * model_.value.re) +
                    " Im=" + console_.RealToText(k * model_.value.im) +
                    " (erro em w=" + console_.RealToText(found.b - found.a) +
                    "; ciclos=" + frame::IntToText(found.cycles) + ")");
  // the box tells the minimum found, though the marker stays on its column
  DrawReadout(wmin, k * model_.value.re, k * model_.value.im);
}

}  // namespace ladder
