#include "workbench/response_plot.h"

#include <algorithm>
#include <span>
#include <string>

#include "base/text_file.h"
#include "forms/keys.h"
#include "frame/plot/range_keys.h"

namespace workbench {

using base::Extended;

namespace {

// "R" widens the frequency range only while xmax is below this.
constexpr long double kWidenLimit = 1e20L;

const char* Title(ResponseKind kind) {
  switch (kind) {
    case ResponseKind::MagnitudeH: return "|H|(dB)";
    case ResponseKind::MagnitudeK: return "|K|(dB)";
    case ResponseKind::MagnitudeT: return "|T|(dB)";
    case ResponseKind::PhaseT: return "<T (gr)";
    case ResponseKind::DelayT: return "Tg (s)";
  }
  return "";
}

}  // namespace

ResponsePlot::ResponsePlot(frame::plot::PlotWindow& window, frame::plot::ScalesForm& scales, Registers& registers,
                           frame::Log& log, forms::FileDialog& save_dialog, const PlotColours& colours)
    : scales_(scales),
      registers_(registers),
      log_(log),
      save_dialog_(save_dialog),
      colours_(colours),
      view_(
          window, 1, frame::plot::ColumnCursor::AtEdge::Refuse, [this] { Paint(); },
          [this](char key) { KeyPress(key); }) {}

void ResponsePlot::Show(const TPolynomialRecord& numerator, const TPolynomialRecord& denominator, ResponseKind kind,
                        Extended xmin, Extended xmax, Extended ymin, Extended ymax) {
  const TPolynomialRecord n = numerator;
  const TPolynomialRecord d = denominator;
  registers_.X = n;
  registers_.Y = d;
  if (!registers_.X.defined || !registers_.Y.defined) {
    log_.ShowLine("* Função indefinida *");
    return;
  }
  kind_ = kind;
  view_.Open(xmin, xmax, ymin, ymax);
}

void ResponsePlot::Paint() {
  // the readout told of the curve as it was; the blank shows the new one's
  view_.window.status_line().SetText("");
  std::optional<base::TextWriter> file;
  if (save_request_) {
    // a file that cannot be created ends the repaint; the request stays
    save_dialog_.SetSubject("Curva de resposta em frequência");
    if (save_dialog_.Execute())
      file.emplace(save_dialog_.file_name());
    else
      save_request_ = false;
  }
  const int width = view_.window.paint_box.width(), height = view_.window.paint_box.height();
  view_.box = frame::plot::FrequencyPlotBox(width, height);
  frame::plot::DropImpossibleSwitches(view_.range);
  const Extended k = registers_.X.constant / registers_.Y.constant;
  const frame::plot::PlotBox& box = view_.box;
  const frame::plot::PlotRange& range = view_.range;
  view_.y = frame::plot::FitAxis(box.bottom, box.top, range.ymin, range.ymax, false);
  view_.x = frame::plot::FitAxis(box.left, box.right, range.xmin, range.xmax, range.log_scale);

  forms::Canvas& canvas = view_.canvas();
  // the fill wipes the marker and a band being dragged
  view_.marker.Forget();
  view_.band.Forget();
  frame::plot::PaintFrequencyGround(canvas, width, height, box, view_.x, view_.y, range,
                                    {colours_.grey, colours_.yellow});
  canvas.SetBrushColor(colours_.white);
  canvas.FrameRect(box.left, box.top, box.right, box.bottom + 1);
  DrawLabels(canvas);

  canvas.SetPenColor(colours_.white);
  view_.values.Begin(box.left, file ? &*file : nullptr);
  for (int c = box.left; c <= box.right; ++c) {
    const Extended w = view_.x.FromPixel(c);
    const Extended y = ResponseValue(kind_, CoefficientsOf(registers_.X), CoefficientsOf(registers_.Y), k, w);
    view_.values.Put(c, w, {y});
    if (c == box.left)
      canvas.MoveTo(c, view_.ValueToRow(y));
    else
      canvas.LineTo(c, view_.ValueToRow(y));
  }
  if (file) {
    file->Close();
    save_request_ = false;
    scales_.save_curve.SetChecked(false);
    log_.ShowLine("Curva salva no arquivo " + save_dialog_.file_name());
  }
  view_.cursor.Reset(box.left, box.right);
}

void ResponsePlot::DrawLabels(forms::Canvas& canvas) {
  canvas.SetFontColor(colours_.yellow);
  canvas.SetBrushColor(forms::kBlack);
  using frame::plot::AxisLabel;
  using frame::plot::RightAlignedText;
  const frame::plot::PlotBox& box = view_.box;
  const frame::plot::PlotRange& range = view_.range;
  canvas.TextOut(box.left, box.bottom + 1, frame::plot::LeftAlignedAxisLabel(range.xmin));
  // the others end two pixels short of the frame line they stand by
  RightAlignedText(canvas, box.right - 2, box.bottom + 1, AxisLabel(range.xmax));
  RightAlignedText(canvas, box.left - 2, box.bottom - 12, AxisLabel(range.ymin));
  RightAlignedText(canvas, box.left - 2, box.top, AxisLabel(range.ymax));
  RightAlignedText(canvas, box.left - 2, (box.bottom + box.top - 12) / 2, Title(kind_));
  canvas.TextOut((box.left + box.right) / 2 - 14, box.bottom + 1, "rad/s");
}

void ResponsePlot::PlotCursor() {
  const int c = view_.cursor.position();
  // a repaint that ended early has no value at the cursor
  if (!view_.cursor.has_columns() || !view_.values.Holds(c)) return;
  const Extended y = view_.values.At(c);
  view_.marker.MoveTo(view_.canvas(), forms::Point{c, view_.ValueToRow(y)}, colours_.yellow, forms::kRed);
  const Extended w = view_.x.FromPixel(c);
  const auto number = [](Extended v) {
    return frame::RealToText(frame::plot::kReadoutWidth, frame::plot::kReadoutDecimals, v);
  };
  view_.window.status_line().SetText("w: " + number(w) + " y:" + number(y));
}

void ResponsePlot::KeyPress(char key) {
  if (key == forms::kCharEnter) {
    save_request_ = scales_.Exchange(view_.range);
    view_.Repaint();
  } else if (frame::plot::RangeKeyPress(key, view_.range, kWidenLimit)) {
    view_.Repaint();
  } else if (key == ' ') {
    PlotCursor();
  } else if (const std::optional<int> step = frame::plot::CursorStepOfChar(key); step && view_.cursor.Step(*step)) {
    PlotCursor();
  }
}

}  // namespace workbench
