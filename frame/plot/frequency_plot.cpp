#include "frame/plot/frequency_plot.h"

#include <algorithm>

#include "base/number_text.h"

namespace frame::plot {
namespace {

constexpr int kLabelWidth = 9;
constexpr int kLabelDecimals = 4;

}  // namespace

PlotBox FrequencyPlotBox(int width, int height) {
  return PlotBox{kFirstColumn, std::min(width, kLastColumn), 0, height - kLabelRows};
}

void FillGround(forms::Canvas& canvas, int width, int height, forms::Color ground) {
  canvas.SetPenMode(forms::PenMode::Copy);
  canvas.SetPenStyle(forms::PenStyle::Solid);
  canvas.SetPenColor(ground);
  canvas.SetBrushColor(ground);
  canvas.Rectangle(0, 0, width, height);
}

void PaintFrequencyGround(forms::Canvas& canvas, int width, int height, const PlotBox& box, const AxisMapping& x,
                          const AxisMapping& y, const PlotRange& range, const GridColours& grid) {
  FillGround(canvas, width, height);
  if (range.grid_on) DrawGrid(canvas, box, x, range.xmin, range.xmax, y, range.ymin, range.ymax, grid);
}

std::string AxisLabel(base::Extended v) { return base::FloatToText(v, kLabelWidth, kLabelDecimals); }

std::string LeftAlignedAxisLabel(base::Extended v) {
  const std::string text = AxisLabel(v);
  return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

void RightAlignedText(forms::Canvas& canvas, int right, int y, const std::string& text) {
  canvas.TextOut(right - canvas.TextWidth(text), y, text);
}

std::string ReadoutNumber(base::Extended v) { return base::FloatToText(v, kReadoutWidth, kReadoutDecimals); }

}  // namespace frame::plot
