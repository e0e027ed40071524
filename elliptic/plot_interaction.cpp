#include "elliptic/plot_interaction.h"

#include <algorithm>
#include <string>

#include "base/number_text.h"
#include "elliptic/designer_log.h"
#include "frame/plot/range_keys.h"
#include "specfun/ext_math.h"

namespace elliptic {

using base::Extended;

namespace {

// The keys that widen the frequency range stop at this upper limit.
constexpr long double kWidestFrequency = 1e20L;
// The readout: 180 pixels wide, or as wide as its widest line needs, five
// lines; the frequency in the exponent form of 17 significant digits, the
// values with 18 decimals.
constexpr int kReadoutWidth = 180;
// Room between the block's left edge and its text, and after the text.
constexpr int kReadoutIndent = 2;
constexpr int kFrequencyWidth = 25;
constexpr int kFrequencyDecimals = -1;
constexpr int kValueWidth = 20;
constexpr int kValueDecimals = 18;
// Ten segment points a page.
constexpr std::int32_t kPage = 10;

char UpperCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

PlotInteraction::PlotInteraction(ResponsePlotForm& form, SelectionForm& settings, FunctionList& functions,
                                 ResponsePlot& plot, const HomeView& home)
    : form_(form), settings_(settings), functions_(functions), plot_(plot), home_(home) {
  plot_.on_plotted = [this] {
    // the repaint wiped the marker and any band being dragged
    cursor_index_ = 0;
    marker_.Forget();
    band_.Forget();
  };
  form_.on_key_down = [this](int& key, forms::ShiftState) { MoveKey(key); };
  form_.on_key_press = [this](char& key) { CommandKey(key); };
  frame::plot::AttachRubberBand(
      form_.cresposta, band_, [this](const frame::plot::Band& band) { ZoomTo(band); },
      [this](forms::MouseButton button, forms::ShiftState shift, int x, int) { return CursorPress(button, shift, x); });
}

bool PlotInteraction::HasSelectedFunction() const {
  return functions_.selected_function >= 1 && functions_.selected_function <= functions_.count;
}

void PlotInteraction::PlotCursor() {
  // With no function read there is nothing to point at.
  if (!HasSelectedFunction()) return;
  const TPlotFunction& f = functions_[functions_.selected_function];
  const int x = frame::plot::NearestPixel(Extended(cursor_index_) * plot_.xstep() + Extended(plot_.box().left));
  const int y = plot_.gain_rows().Row(f.gain[cursor_index_]);
  marker_.MoveTo(plot_.canvas(), forms::Point{x, y}, kLime, forms::kRed);
  // over the marker where they meet; the marker's next move erases what of
  // it is left, and the readout is written again after it
  DrawReadout(f);
}

void PlotInteraction::DrawReadout(const TPlotFunction& f) {
  forms::Canvas& canvas = plot_.canvas();
  const PlotColours& colours = plot_.colours();
  const forms::Point origin = plot_.readout_origin();
  const int th = plot_.text_height();
  const auto value = [&](Extended v, const char* unit) { return RealToText(kValueWidth, kValueDecimals, v) + unit; };
  const std::string lines[] = {
      "#" + IntToText(functions_.selected_function),
      RealToText(kFrequencyWidth, kFrequencyDecimals, plot_.SegmentFrequency(cursor_index_)) + " " + plot_.UnitText(),
      value(f.gain[cursor_index_], " dB"),
      value(f.phase[cursor_index_], " dg"),
      value(f.delay[cursor_index_], " s"),
  };
  // the font may need more than the fixed width: the text stays inside
  int width = kReadoutWidth;
  for (const std::string& line : lines) width = std::max(width, 2 * kReadoutIndent + canvas.TextWidth(line));
  canvas.SetPenMode(forms::PenMode::Copy);
  canvas.SetPenStyle(forms::PenStyle::Solid);
  canvas.SetPenColor(colours.axis);
  canvas.SetBrushColor(colours.background);
  canvas.Rectangle(origin.x - 1, origin.y - 1, origin.x + width, origin.y + 5 * th + 1);
  canvas.SetFontColor(colours.axis);
  int row = origin.y;
  for (const std::string& line : lines) {
    canvas.TextOut(origin.x + kReadoutIndent, row, line);
    row += th;
  }
}

void PlotInteraction::ResetView() {
  settings_.twmin.set_panel_real(home_.twmin);
  settings_.twmax.set_panel_real(home_.twmax);
  settings_.tgmin.set_panel_real(home_.tgmin);
  settings_.tgmax.set_panel_real(home_.tgmax);
}

void PlotInteraction::StepCursor(std::int32_t step) {
  const std::int32_t target = cursor_index_ + step;
  if (target >= 0 && target <= plot_.segment_count()) cursor_index_ = target;
  PlotCursor();
}

void PlotInteraction::MoveKey(int key) {
  switch (key) {
    case forms::kKeyPageUp: return StepCursor(kPage);
    case forms::kKeyPageDown: return StepCursor(-kPage);
    case forms::kKeyRight: return StepCursor(1);
    case forms::kKeyLeft: return StepCursor(-1);
    case forms::kKeyUp:
    case forms::kKeyDown: {
      // half the gain range up or down
      const Extended tgmin = settings_.tgmin.panel_real(), tgmax = settings_.tgmax.panel_real();
      const Extended h = (tgmax - tgmin) / Extended(2);
      const Extended shift = key == forms::kKeyUp ? h : -h;
      settings_.tgmin.set_panel_real(tgmin + shift);
      settings_.tgmax.set_panel_real(tgmax + shift);
      Repaint();
      return;
    }
    default: return;
  }
}

// The designer's own zoom arithmetic, not the frame's range keys: a new limit comes from twmin and the ratio
// (logarithmic) or the difference of the limits, a rounding the fields show to their last digit.
void PlotInteraction::CommandKey(char key) {
  const Extended twmin = settings_.twmin.panel_real(), twmax = settings_.twmax.panel_real();
  const Extended tgmin = settings_.tgmin.panel_real(), tgmax = settings_.tgmax.panel_real();
  const bool log_scale = plot_.IsLogScale();
  const auto toggle = [](forms::CheckBox& box) { box.SetChecked(!box.checked()); };
  switch (UpperCase(key)) {
    case '+': settings_.tgmax.set_panel_real((tgmax + tgmin) / Extended(2)); break;
    case '-': settings_.tgmax.set_panel_real(Extended(2) * tgmax - tgmin); break;
    case forms::kCharEnter:
      if (functions_.count < 1) return;
      functions_.selected_function =
          functions_.selected_function < functions_.count ? functions_.selected_function + 1 : 1;
      return PlotCursor();
    case forms::kCharBackspace:
      if (functions_.count < 1) return;
      functions_.selected_function = HasSelectedFunction() && functions_.selected_function > 1
                                         ? functions_.selected_function - 1
                                         : functions_.count;
      return PlotCursor();
    case 'G': toggle(settings_.splotarg); break;
    case 'F': toggle(settings_.splotarf); break;
    case 'T': toggle(settings_.splotara); break;
    case 'L': settings_.slog.SetItemIndex(settings_.slog.item_index() == 1 ? 0 : 1); break;
    case 'R':
      if (log_scale) {
        const Extended q = twmax / twmin;
        settings_.twmax.set_panel_real(twmin * (q * q));
      } else {
        settings_.twmax.set_panel_real(twmin + Extended(2) * (twmax - twmin));
      }
      break;
    case 'A':
      settings_.twmax.set_panel_real(log_scale ? twmin * specfun::SquareRoot(twmax / twmin)
                                               : twmin + (twmax - twmin) / Extended(2));
      break;
    case '.':
    case '>':
    case ',':
    case '<': {
      Extended low = twmin, high = twmax;
      frame::plot::ShiftByQuarter(low, high, log_scale, key == '.' || key == '>');
      settings_.twmin.set_panel_real(low);
      settings_.twmax.set_panel_real(high);
      break;
    }
    case 'C': plot_.single_colour = !plot_.single_colour; break;
    case ' ':
    case 'Z': ResetView(); break;
    default: return;
  }
  Replot();
}

void PlotInteraction::Replot() {
  if (settings_.twmax.panel_real() > Extended(kWidestFrequency)) settings_.twmax.set_panel_real(kWidestFrequency);
  Repaint();
}

bool PlotInteraction::CursorPress(forms::MouseButton button, forms::ShiftState shift, int x) {
  if (!shift.shift && button != forms::MouseButton::Right) return false;
  // the nearest segment point, or the end of the curve beyond the box
  const Extended xstep = plot_.xstep();
  const std::int64_t k = xstep == 0 ? 0 : base::Round(Extended(x - plot_.box().left) / xstep);
  cursor_index_ = static_cast<std::int32_t>(std::clamp<std::int64_t>(k, 0, plot_.segment_count()));
  PlotCursor();
  return true;
}

void PlotInteraction::ZoomTo(const frame::plot::Band& band) {
  // A range of zero width has no value for each pixel: the band only erases
  // itself.
  if (!plot_.frequency_axis() || plot_.gain_rows().flat()) return;
  settings_.twmin.set_panel_real(plot_.frequency_axis()->FromPixel(band.x0));
  settings_.twmax.set_panel_real(plot_.frequency_axis()->FromPixel(band.x1));
  settings_.tgmin.set_panel_real(plot_.gain_rows().ValueAt(band.y1));
  settings_.tgmax.set_panel_real(plot_.gain_rows().ValueAt(band.y0));
  Repaint();
}

}  // namespace elliptic
