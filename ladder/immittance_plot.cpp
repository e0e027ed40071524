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
// The curves: the real and the imaginary part.
constexpr int kSeries = 2;
// "Tabelas (*.tab)" of the main window's save dialog.
constexpr int kTablesFilter = 3;

}  // namespace

ImmittancePlot::ImmittancePlot(frame::plot::PlotWindow& window, frame::plot::ScalesForm& scales, ImmittanceModel& model,
                               frame::Console& console)
    : scales_(scales),
      model_(model),
      console_(console),
      view_(
          window, kSeries, frame::plot::ColumnCursor::AtEdge::Stop, [this] { Paint(); },
          [this](char key) { KeyPress(key); }) {
  scales_.choose_file->on_click = [this] { ChooseTableName(); };
}

void ImmittancePlot::OpenPlot(PlotMode mode, Extended xmin, Extended xmax, Extended ymin, Extended ymax) {
  mode_ = mode;
  view_.Open(xmin, xmax, ymin, ymax);
}

void ImmittancePlot::Paint() {
  const int width = view_.window.paint_box.width(), height = view_.window.paint_box.height();
  const frame::plot::PlotBox box = frame::plot::FrequencyPlotBox(width, height);
  frame::plot::PlotRange& range = view_.range;
  frame::plot::DropImpossibleSwitches(range);
  // Equal limits are a fault of the fitting, which leaves the last picture
  // and the values read off it as they were.
  const frame::plot::AxisMapping y = frame::plot::FitAxis(box.bottom, box.top, range.ymin, range.ymax, false);
  const frame::plot::AxisMapping x = frame::plot::FitAxis(box.left, box.right, range.xmin, range.xmax, range.log_scale);
  view_.box = box;
  view_.x = x;
  view_.y = y;
  view_.cursor.Reset(box.left, box.right);
  // The file takes this repaint's curve only: one that ends early discards
  // it, and a file of that name stays as it was, rather than handing it on
  // for the next repaint to add a whole curve to the part written.
  const std::unique_ptr<base::TextWriter> file = std::move(table_file_);
  view_.values.Begin(box.left, file.get());

  forms::Canvas& canvas = view_.canvas();
  // the fill wipes the marker and a band being dragged
  view_.marker.Forget();
  view_.band.Forget();
  frame::plot::PaintFrequencyGround(canvas, width, height, box, x, y, range, {forms::kGrey, forms::kYellow});
  canvas.SetBrushColor(forms::kWhite);
  canvas.FrameRect(box.left, box.top, box.right, box.bottom);
  DrawLabels(canvas);

  const Extended k = model_.current.K;
  for (int c = box.left; c <= box.right; ++c) {
    const Extended w = view_.x.FromPixel(c);
    model_.point = mode_ == PlotMode::kImaginaryAxis ? poly::Complex{0, w} : poly::Complex{-w, 0};
    EvaluateImmittance(model_);
    view_.values.Put(c, w, {k * model_.value.re, k * model_.value.im});
    if (c == box.left) continue;
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
  canvas.MoveTo(c - 1, view_.ValueToRow(view_.values.At(c - 1, series)));
  canvas.LineTo(c, view_.ValueToRow(view_.values.At(c, series)));
}

void ImmittancePlot::DrawLabels(forms::Canvas& canvas) {
  canvas.SetFontColor(forms::kWhite);
  canvas.SetBrushColor(forms::kBlack);
  const frame::plot::PlotBox& box = view_.box;
  const frame::plot::PlotRange& range = view_.range;
  canvas.TextOut(box.left, box.bottom + 2, frame::plot::LeftAlignedAxisLabel(range.xmin));
  canvas.TextOut(box.right - kLabelIndent, box.bottom + 2, frame::plot::AxisLabel(range.xmax));
  canvas.TextOut(box.left - kLabelIndent, box.bottom - 8, frame::plot::AxisLabel(range.ymin));
  canvas.TextOut(box.left - kLabelIndent, box.top, frame::plot::AxisLabel(range.ymax));
  canvas.TextOut(box.left - kTitleIndent, (box.bottom + box.top - 8) / 2, model_.current.admittance ? "Y(s)" : "Z(s)");
  canvas.TextOut((box.left + box.right) / 2 - kAxisTitleShift, box.bottom + 2,
                 mode_ == PlotMode::kImaginaryAxis ? "Im(s)" : "-Re(s)");
}

void ImmittancePlot::KeyPress(char key) {
  if (key == forms::kCharEnter) {
    ExchangeScales();
  } else if (frame::plot::RangeKeyPress(key, view_.range, kWidenLimit)) {
    view_.Repaint();
  } else if (const std::optional<int> step = frame::plot::CursorStepOfChar(key)) {
    PlotCursor(view_.cursor.position() + *step);
  } else if (key == 'M' || key == 'm') {
    FindMinimum();
  }
}

void ImmittancePlot::ExchangeScales() {
  const bool save = scales_.Exchange(view_.range);
  const std::string& name = scales_.file_name->text();
  if (save && !name.empty()) {
    // A file that cannot be created ends the handling here: the new range is
    // taken, no file waits and nothing is repainted.
    table_file_.reset();
    table_file_ = std::make_unique<base::TextWriter>(name);
  }
  view_.Repaint();
}

void ImmittancePlot::ChooseTableName() {
  const std::string& name = console_.ChooseSaveFile("Tabela da curva", kTablesFilter);
  if (!name.empty()) scales_.file_name->SetText(name);
}

void ImmittancePlot::PlotCursor(int column) {
  view_.cursor.Place(column);
  const int c = view_.cursor.position();
  // a repaint that ended early has no values at the cursor
  if (!view_.cursor.has_columns() || !view_.values.Holds(c)) return;
  view_.marker.MoveTo(view_.canvas(), forms::Point{c, view_.ValueToRow(view_.values.At(c, kReal))}, forms::kYellow,
                      forms::kRed);
  DrawReadout(Frequency(c), view_.values.At(c, kReal), view_.values.At(c, kImaginary));
}

void ImmittancePlot::DrawReadout(Extended w, Extended re, Extended im) {
  forms::Canvas& canvas = view_.canvas();
  const frame::plot::PlotBox& box = view_.box;
  canvas.SetPenColor(forms::kWhite);
  canvas.SetBrushColor(forms::kBlack);
  canvas.Rectangle(box.right - kBoxLeft, box.top + kBoxTop, box.right - kBoxRight, box.top + kBoxBottom);
  const auto line = [&](int row, const std::string& name, Extended v, forms::Color colour) {
    canvas.SetFontColor(colour);
    canvas.TextOut(box.right - kReadoutIndent, box.top + row, name + frame::plot::ReadoutNumber(v));
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
  for (int c = view_.box.left; c <= view_.box.right && view_.values.Holds(c); ++c) {
    if (view_.values.At(c, kReal) < m) {
      m = view_.values.At(c, kReal);
      mi = view_.values.At(c, kImaginary);
      view_.cursor.Place(c);
      found = true;
    }
  }
  const int column = view_.cursor.position();
  PlotCursor(column);
  console_.ShowLine("wmin~" + console_.RealToText(Frequency(column)) + " Re=" + console_.RealToText(m) +
                    " Im=" + console_.RealToText(mi));
  // A minimum on an edge column has no neighbour on both sides to bracket
  // it; where no column was found there is nothing to refine.
  if (found && mode_ == PlotMode::kImaginaryAxis && column > view_.box.left && column < view_.box.right &&
      view_.values.Holds(column + 1))
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
  const bool below = view_.values.At(column + 1, kReal) > view_.values.At(column - 1, kReal);
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
  console_.ShowLine("wmin=" + console_.RealToText(wmin) + " Re=" + console_.RealToText(k * model_.value.re) + " Im=" +
                    console_.RealToText(k * model_.value.im) + " (erro em w=" + console_.RealToText(found.b - found.a) +
                    "; ciclos=" + frame::IntToText(found.cycles) + ")");
  // the box tells the minimum found, though the marker stays on its column
  DrawReadout(wmin, k * model_.value.re, k * model_.value.im);
}

}  // namespace ladder
