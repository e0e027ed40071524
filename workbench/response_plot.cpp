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

ResponsePlot::ResponsePlot(frame::plot::PlotWindow& window, frame::plot::ScalesForm& scales,
                           Registers& registers, frame::Log& log, forms::FileDialog& save_dialog,
                           const PlotColours& colours)
    : window_(window), scales_(scales), registers_(registers), log_(log), save_dialog_(save_dialog), colours_(colours) {
  window_.paint_box.on_paint = [this] { Paint(); };
  window_.on_key_press = [this](char& key) { KeyPress(key); };
  window_.on_key_down = [this](int& key, forms::ShiftState) { KeyDown(key); };
  frame::plot::AttachRangeZoom(window_.paint_box, band_, x_, y_, range_);
}

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
  range_.xmin = xmin;
  range_.xmax = xmax;
  range_.ymin = ymin;
  range_.ymax = ymax;
  kind_ = kind;
  Repaint();
  window_.Show();
}

int ResponsePlot::ValueToRow(Extended v) const { return frame::plot::ClampedPixel(y_.ToPixel(v), box_.top, box_.bottom); }

void ResponsePlot::Paint() {
  // the readout told of the curve as it was; the blank shows the new one's
  window_.status_line().SetText("");
  std::optional<base::TextWriter> file;
  if (save_request_) {
    // a file that cannot be created ends the repaint; the request stays
    save_dialog_.SetSubject("Curva de resposta em frequência");
    if (save_dialog_.Execute())
      file.emplace(save_dialog_.file_name());
    else
      save_request_ = false;
  }
  const int width = window_.paint_box.width(), height = window_.paint_box.height();
  box_ = frame::plot::FrequencyPlotBox(width, height);
  frame::plot::DropImpossibleSwitches(range_);
  const Extended k = registers_.X.constant / registers_.Y.constant;
  y_ = frame::plot::FitAxis(box_.bottom, box_.top, range_.ymin, range_.ymax, false);
  x_ = frame::plot::FitAxis(box_.left, box_.right, range_.xmin, range_.xmax, range_.log_scale);

  forms::Canvas& canvas = this->canvas();
  // the fill wipes the marker and a band being dragged
  marker_.Forget();
  band_.Forget();
  frame::plot::PaintFrequencyGround(canvas, width, height, box_, x_, y_, range_, {colours_.grey, colours_.yellow});
  canvas.SetBrushColor(colours_.white);
  canvas.FrameRect(box_.left, box_.top, box_.right, box_.bottom + 1);
  DrawLabels(canvas);

  canvas.SetPenColor(colours_.white);
  curve_values_.Begin(box_.left, file ? &*file : nullptr);
  for (int c = box_.left; c <= box_.right; ++c) {
    const Extended w = x_.FromPixel(c);
    const Extended y = ResponseValue(kind_, CoefficientsOf(registers_.X), CoefficientsOf(registers_.Y), k, w);
    curve_values_.Put(c, w, {y});
    if (c == box_.left)
      canvas.MoveTo(c, ValueToRow(y));
    else
      canvas.LineTo(c, ValueToRow(y));
  }
  if (file) {
    file->Close();
    save_request_ = false;
    scales_.save_curve.SetChecked(false);
    log_.ShowLine("Curva salva no arquivo " + save_dialog_.file_name());
  }
  cursor_.Reset(box_.left, box_.right);
}

void ResponsePlot::DrawLabels(forms::Canvas& canvas) {
  canvas.SetFontColor(colours_.yellow);
  canvas.SetBrushColor(forms::kBlack);
  using frame::plot::AxisLabel;
  using frame::plot::RightAlignedText;
  canvas.TextOut(box_.left, box_.bottom + 1, frame::plot::LeftAlignedAxisLabel(range_.xmin));
  // the others end two pixels short of the frame line they stand by
  RightAlignedText(canvas, box_.right - 2, box_.bottom + 1, AxisLabel(range_.xmax));
  RightAlignedText(canvas, box_.left - 2, box_.bottom - 12, AxisLabel(range_.ymin));
  RightAlignedText(canvas, box_.left - 2, box_.top, AxisLabel(range_.ymax));
  RightAlignedText(canvas, box_.left - 2, (box_.bottom + box_.top - 12) / 2, Title(kind_));
  canvas.TextOut((box_.left + box_.right) / 2 - 14, box_.bottom + 1, "rad/s");
}

void ResponsePlot::PlotCursor() {
  const int c = cursor_.position();
  // a repaint that ended early has no value at the cursor
  if (!cursor_.has_columns() || !curve_values_.Holds(c)) return;
  const Extended y = curve_values_.At(c);
  marker_.MoveTo(canvas(), forms::Point{c, ValueToRow(y)}, colours_.yellow, forms::kRed);
  const Extended w = x_.FromPixel(c);
  const auto number = [](Extended v) {
    return frame::RealToText(frame::plot::kReadoutWidth, frame::plot::kReadoutDecimals, v);
  };
  window_.status_line().SetText("w: " + number(w) + " y:" + number(y));
}

void ResponsePlot::KeyPress(char key) {
  if (key == forms::kCharEnter) {
    save_request_ = scales_.Exchange(range_);
    Repaint();
  } else if (frame::plot::RangeKeyPress(key, range_, kWidenLimit)) {
    Repaint();
  } else if (key == ' ') {
    PlotCursor();
  } else if (const std::optional<int> step = frame::plot::CursorStepOfChar(key); step && cursor_.Step(*step)) {
    PlotCursor();
  }
}

void ResponsePlot::KeyDown(int key) {
  if (frame::plot::RangeKeyDown(key, range_)) Repaint();
}

}  // namespace workbench
