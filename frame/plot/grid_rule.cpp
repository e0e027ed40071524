#include "frame/plot/grid_rule.h"

#include <cstdint>

namespace frame::plot {

using base::Extended;

namespace {

// Subtracted from the decimal logarithm of the width before rounding, which
// then takes the power of ten at or below the width.  Just under one half on
// the frequency axis, so that a width of a whole power of ten takes that power
// as its spacing instead of tying; the value axis takes one half itself and
// rounds such a tie to the even exponent.
constexpr long double kFrequencyShift = 0.499999L;
constexpr long double kValueShift = 0.5L;
// nint(x / step) at a decade: ten lines of the old spacing.
constexpr std::int64_t kDecade = 10;

Extended Log10(Extended v) { return base::Ln(v) / base::Ln(Extended(10)); }

Extended PowerOf10(std::int64_t e) { return base::Exp(Extended(e) * base::Ln(Extended(10))); }

// The first multiple of step above `low` (a half step up, then rounded).
Extended FirstLine(Extended low, Extended step) { return Extended(base::Round(low / step + Extended(0.5L))) * step; }

// Lines this many steps away from zero cannot be counted in 64-bit integers,
// and near 2^64 steps a step no longer moves a line: such a range has none.
constexpr long double kFarthestStep = 0x1p62L;
bool TooFine(Extended low, Extended high, Extended step) {
  return base::Abs(low / step) >= Extended(kFarthestStep) || base::Abs(high / step) >= Extended(kFarthestStep);
}

}  // namespace

std::vector<GridLine> FrequencyGridLines(Extended xmin, Extended xmax, bool logarithmic) {
  // from xmin itself, the spacing grows with the lines at every decade
  const bool from_xmin = logarithmic && xmin < xmax - xmin;
  const Extended span = from_xmin ? xmin : xmax - xmin;
  Extended step = PowerOf10(base::Round(Log10(span) - Extended(kFrequencyShift)));
  std::vector<GridLine> lines;
  if (!from_xmin && TooFine(xmin, xmax, step)) return lines;
  for (Extended x = FirstLine(xmin, step); xmax > x; x += step) {
    bool decade = false;
    if (logarithmic && base::Round(x / step) == kDecade) {
      step *= Extended(10);
      decade = true;
    }
    lines.push_back({x, decade});
  }
  return lines;
}

std::vector<Extended> ValueGridLines(Extended ymin, Extended ymax) {
  const Extended step = PowerOf10(base::Round(Log10(ymax - ymin) - Extended(kValueShift)));
  std::vector<Extended> lines;
  if (TooFine(ymin, ymax, step)) return lines;
  for (Extended y = FirstLine(ymin, step); ymax > y; y += step) lines.push_back(y);
  return lines;
}

void DrawFrequencyGrid(forms::Canvas& canvas, const PlotBox& box, const AxisMapping& x, Extended xmin, Extended xmax,
                       const GridColours& colours) {
  canvas.SetPenStyle(forms::PenStyle::Dot);
  for (const GridLine& line : FrequencyGridLines(xmin, xmax, x.logarithmic)) {
    canvas.SetPenColor(line.decade ? colours.decade : colours.line);
    const int column = NearestPixel(x.ToPixel(line.value));
    canvas.MoveTo(column, box.top);
    canvas.LineTo(column, box.bottom);
  }
  canvas.SetPenColor(colours.line);
  canvas.SetPenStyle(forms::PenStyle::Solid);
}

void DrawValueGrid(forms::Canvas& canvas, const PlotBox& box, const AxisMapping& y, Extended ymin, Extended ymax,
                   forms::Color colour) {
  canvas.SetPenStyle(forms::PenStyle::Dot);
  canvas.SetPenColor(colour);
  for (const Extended value : ValueGridLines(ymin, ymax)) {
    const int row = NearestPixel(y.ToPixel(value));
    canvas.MoveTo(box.left, row);
    canvas.LineTo(box.right, row);
  }
  canvas.SetPenStyle(forms::PenStyle::Solid);
}

void DrawGrid(forms::Canvas& canvas, const PlotBox& box, const AxisMapping& x, Extended xmin, Extended xmax,
              const AxisMapping& y, Extended ymin, Extended ymax, const GridColours& colours) {
  DrawFrequencyGrid(canvas, box, x, xmin, xmax, colours);
  DrawValueGrid(canvas, box, y, ymin, ymax, colours.line);
}

}  // namespace frame::plot
