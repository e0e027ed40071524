// The layout that the frequency plots of the two prompt-driven programs
// share: where the plot area lies in its paint box, the black ground with its
// grid, and the number texts of the axis labels and of the cursor's readout.
// The ground's fill and the right-aligned label serve every plot window.
#pragma once

#include <string>

#include "base/extended.h"
#include "forms/canvas.h"
#include "frame/plot/axis_mapping.h"
#include "frame/plot/grid_rule.h"
#include "frame/plot/plot_box.h"
#include "frame/plot/plot_range.h"

namespace frame::plot {

// The columns left of the plot area hold the value labels; the tables of
// plotted values end at the last column.
constexpr int kFirstColumn = 75;
constexpr int kLastColumn = 3000;
// Rows below the plot area for the frequency labels.
constexpr int kLabelRows = 13;

// From kFirstColumn to the paint box's right edge, but never beyond
// kLastColumn; from the top to kLabelRows above the bottom.
PlotBox FrequencyPlotBox(int width, int height);

// The whole paint box in the ground colour, with a solid pen of that colour
// in copy mode and a brush of it; whatever a band being dragged left of the
// pen is gone.
void FillGround(forms::Canvas& canvas, int width, int height, forms::Color ground = forms::kBlack);

// The black ground of a frequency plot, and its grid over the range while
// the grid is switched on: the whole picture below the frame and the curves.
void PaintFrequencyGround(forms::Canvas& canvas, int width, int height, const PlotBox& box, const AxisMapping& x,
                          const AxisMapping& y, const PlotRange& range, const GridColours& grid);

// A limit on an axis label: width 9 with 4 decimals, so 0.1 gives three
// blanks and 0.1000; the left-aligned form drops the blanks.
std::string AxisLabel(base::Extended v);
std::string LeftAlignedAxisLabel(base::Extended v);
// The text right-aligned on column `right`: drawn from right minus its
// width, in the canvas's font as it is now.
void RightAlignedText(forms::Canvas& canvas, int right, int y, const std::string& text);

// A number of the cursor's readout: width 11 with 6 decimals, never cut.
// A readout on a status line takes the same format through the log's rule,
// which cuts the text as a log line does.
constexpr int kReadoutWidth = 11;
constexpr int kReadoutDecimals = 6;
std::string ReadoutNumber(base::Extended v);

}  // namespace frame::plot
