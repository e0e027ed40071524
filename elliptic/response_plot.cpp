#include "elliptic/response_plot.h"

#include "base/number_text.h"
#include "elliptic/requirement.h"
#include "elliptic/root_response.h"
#include "frame/plot/frequency_plot.h"
#include "frame/plot/grid_rule.h"

namespace elliptic {

using frame::plot::NearestPixel;

namespace {

// The widest range label, with room to spare, sets the box's left edge.
constexpr const char* kRangeLabelRoom = " -xxx.xx";
constexpr int kRangeLabelWidth = 7;
constexpr int kRangeLabelDecimals = 2;
// The frequency limits: the exponent form with 5 significant digits.
constexpr int kFrequencyLabelWidth = 13;
constexpr int kFrequencyLabelDecimals = -1;

Extended TwoPi() { return Extended(2) * base::Pi(); }

// The phase brought into -pi .. pi by whole turns.
Extended WrapPhase(Extended phi) {
  const Extended pi = base::Pi();
  // a sum of a thousand angles may lie hundreds of turns out: take them at once
  if (phi < -pi || phi > pi) phi -= Extended(base::Round(phi / TwoPi())) * TwoPi();
  while (phi < -pi) phi += TwoPi();
  while (phi > pi) phi -= TwoPi();
  return phi;
}

}  // namespace

struct ResponsePlot::Settings {
  std::int32_t segments;
  Extended twmin, twmax, tgmin, tgmax, tfmin, tfmax, tamin, tamax;
  bool log_scale;
  bool rad_per_second;
  bool grid, phase, delay, wrap_phase;
};

ResponsePlot::ResponsePlot(ResponsePlotForm& form, SelectionForm& settings, FunctionList& functions)
    : form_(form), settings_(settings), functions_(functions) {
  // the same colours as every activation sets, for a repaint that comes first
  SetColours();
  form_.cresposta.on_paint = [this] { PlotResponse(); };
  form_.on_activate = [this] { SetColours(); };
}

void ResponsePlot::SetColours() {
  colours_.background = forms::kBlack;
  colours_.axis = forms::kWhite;
  const forms::Color first[] = {forms::kWhite, kLime, forms::kRed, kAqua, kBlue};
  for (std::size_t i = 0; i < colours_.curves.size(); ++i) colours_.curves[i] = first[i < 5 ? i : (i - 5) % 5];
}

bool ResponsePlot::IsLogScale() const { return settings_.slog.item_index() == 0; }

bool ResponsePlot::IsRadPerSecond() const { return settings_.srads.item_index() == 0; }

std::string ResponsePlot::UnitText() const { return IsRadPerSecond() ? "rad/s" : "Hz"; }

ResponsePlot::Settings ResponsePlot::ReadSettings() {
  // A count typed after "Plotar" is read here; the curves have room for 1000
  // segments, and the field shows what is drawn.
  ClampInt(settings_.tsegmentos, 1, kMaxSegments);
  Settings s;
  s.segments = settings_.tsegmentos.panel_int();
  s.twmin = settings_.twmin.panel_real();
  s.twmax = settings_.twmax.panel_real();
  s.tgmin = settings_.tgmin.panel_real();
  s.tgmax = settings_.tgmax.panel_real();
  s.tfmin = settings_.tfmin.panel_real();
  s.tfmax = settings_.tfmax.panel_real();
  s.tamin = settings_.tamin.panel_real();
  s.tamax = settings_.tamax.panel_real();
  // A logarithmic axis needs both limits above 0: the scale turns linear,
  // visibly and for good.
  if (!(s.twmin > 0 && s.twmax > 0)) settings_.slog.SetItemIndex(1);
  s.log_scale = IsLogScale();
  s.rad_per_second = IsRadPerSecond();
  // Inverted ranges are drawn mirrored, without the grid, which stays off
  // until the user ticks it again.
  if (s.twmin > s.twmax || s.tgmin > s.tgmax) settings_.splotarg.SetChecked(false);
  s.grid = settings_.splotarg.checked();
  s.phase = settings_.splotarf.checked();
  s.delay = settings_.splotara.checked();
  s.wrap_phase = settings_.CBlim.checked();
  return s;
}

void ResponsePlot::PlotResponse() {
  forms::Canvas& canvas = this->canvas();
  const int width = form_.cresposta.width(), height = form_.cresposta.height();
  frame::plot::FillGround(canvas, width, height, colours_.background);

  text_height_ = canvas.TextHeight("X");
  box_.left = canvas.TextWidth(kRangeLabelRoom) + 3;
  box_.right = width - 2;
  box_.top = 1;
  box_.bottom = height - text_height_ - 2;
  readout_origin_ = {box_.left + 8, box_.bottom - 5 * text_height_ - 8};

  const Settings s = ReadSettings();
  // A range of zero width has no scale: its curves are still drawn point by
  // point, but no grid line and no mouse zoom can be placed on it.
  Extended ratio, wstep;
  if (s.log_scale)
    ratio = Power(s.twmax / s.twmin, Extended(1) / Extended(s.segments));
  else
    wstep = (s.twmax - s.twmin) / Extended(s.segments);
  frequency_axis_.reset();
  if (s.twmin != s.twmax)
    frequency_axis_ =
        frame::plot::FitAxis(box_.left, box_.right, s.twmin, s.twmax, s.log_scale, frame::plot::Anchor::High);
  xstep_ = Extended(box_.right - box_.left) / Extended(s.segments);
  gain_rows_ = ValueRows(box_, s.tgmin, s.tgmax);
  phase_rows_ = ValueRows(box_, s.tfmin, s.tfmax);
  delay_rows_ = ValueRows(box_, s.tamin, s.tamax);

  if (s.grid) {
    if (frequency_axis_)
      frame::plot::DrawFrequencyGrid(canvas, box_, *frequency_axis_, s.twmin, s.twmax,
                                     frame::plot::GridColours{forms::kGrey, colours_.axis});
    if (!gain_rows_.flat())
      frame::plot::DrawValueGrid(canvas, box_, gain_rows_.mapping(), s.tgmin, s.tgmax, forms::kGrey);
  }
  canvas.SetPenStyle(forms::PenStyle::Solid);
  canvas.SetBrushColor(colours_.axis);
  canvas.FrameRect(box_.left, box_.top, box_.right + 1, box_.bottom + 1);
  DrawAxisLabels(s);

  roots_.clear();
  for (std::int32_t n = 1; n <= functions_.count; ++n) {
    const TPlotFunction& f = functions_[n];
    roots_.push_back({RootList(f.zeros.RealParts(), f.zeros.ImaginaryParts()),
                      RootList(f.poles.RealParts(), f.poles.ImaginaryParts())});
  }
  Extended w = s.twmin;
  for (std::int32_t k = 0; k <= s.segments; ++k) {
    EvaluatePoint(k, w, s);
    segment_frequency_[k] = w;
    const int x = NearestPixel(Extended(k) * xstep_ + Extended(box_.left));
    DrawPoint(k, x, s);
    previous_x_ = x;
    // accumulated step by step, as the points were always placed
    w = s.log_scale ? w * ratio : w + wstep;
  }
  segment_count_ = s.segments;
  if (on_plotted) on_plotted();
}

void ResponsePlot::EvaluatePoint(std::int32_t k, Extended w, const Settings& s) {
  const Extended omega = s.rad_per_second ? w : TwoPi() * w;
  for (std::int32_t n = 1; n <= functions_.count; ++n) {
    TPlotFunction& f = functions_[n];
    const Roots& roots = roots_[static_cast<std::size_t>(n - 1)];
    const RootTerms zeros = roots.zeros.At(omega);
    const RootTerms poles = roots.poles.At(omega);
    f.gain[k] = GainDb(f.zeros.constant, f.poles.constant, zeros, poles);
    Extended phi = zeros.angle - poles.angle;
    if (s.wrap_phase) phi = WrapPhase(phi);
    f.phase[k] = phi * Extended(180) / base::Pi();
    f.delay[k] = zeros.delay - poles.delay;
  }
}

void ResponsePlot::DrawPoint(std::int32_t k, int x, const Settings& s) {
  forms::Canvas& canvas = this->canvas();
  const auto segment = [&](forms::Color colour, const ValueRows& rows, Extended value, std::int32_t& previous_row) {
    canvas.SetPenColor(colour);
    const int row = rows.Row(value);
    if (k > 0) {
      canvas.MoveTo(previous_x_, previous_row);
      canvas.LineTo(x, row);
    }
    previous_row = row;
  };
  // function 1 last, on top of the others
  for (std::int32_t n = functions_.count; n >= 1; --n) {
    TPlotFunction& f = functions_[n];
    const forms::Color own = colours_.curves[static_cast<std::size_t>(n)];
    segment(single_colour ? colours_.axis : own, gain_rows_, f.gain[k], f.gain_row);
    if (s.phase) segment(single_colour ? kAqua : own, phase_rows_, f.phase[k], f.phase_row);
    if (s.delay) segment(single_colour ? forms::kRed : own, delay_rows_, f.delay[k], f.delay_row);
  }
}

void ResponsePlot::DrawAxisLabels(const Settings& s) {
  forms::Canvas& canvas = this->canvas();
  canvas.SetBrushColor(colours_.background);
  const int xu = box_.left - canvas.TextWidth("xxx");
  const int h1 = text_height_ + 1;
  const int ymid = (box_.top + box_.bottom) / 2 - 4;
  // right-aligned one pixel left of the box
  const auto range_label = [&](Extended value, int row) {
    const std::string text = base::FloatToText(value, kRangeLabelWidth, kRangeLabelDecimals);
    frame::plot::RightAlignedText(canvas, box_.left - 1, row, text);
  };
  if (s.delay) {
    canvas.SetFontColor(forms::kRed);
    range_label(s.tamax, box_.top + 2 * h1);
    range_label(s.tamin, box_.bottom - 3 * h1 + 1);
    canvas.TextOut(xu, ymid - h1, "s");
  }
  if (s.phase) {
    canvas.SetFontColor(kAqua);
    range_label(s.tfmax, box_.top + h1);
    range_label(s.tfmin, box_.bottom - 2 * h1 + 1);
    canvas.TextOut(xu, ymid + h1, "dg");
  }
  canvas.SetFontColor(colours_.axis);
  range_label(s.tgmax, box_.top);
  range_label(s.tgmin, box_.bottom - h1 + 1);
  canvas.TextOut(xu, ymid, "dB");

  const int row = box_.bottom + 1;
  canvas.TextOut(box_.left, row, base::FloatToText(s.twmin, kFrequencyLabelWidth, kFrequencyLabelDecimals));
  frame::plot::RightAlignedText(canvas, box_.right, row,
                                base::FloatToText(s.twmax, kFrequencyLabelWidth, kFrequencyLabelDecimals));
  const std::string unit = UnitText();
  canvas.TextOut((box_.right + box_.left - canvas.TextWidth(unit)) / 2, row, unit);
}

}  // namespace elliptic
