// The rubber band of the plot windows' mouse zoom: a dotted rectangle drawn
// in XOR from the point where a button went down to the pointer, redrawn at
// every move and erased when the button goes up.
#pragma once

#include <functional>
#include <optional>

#include "forms/canvas.h"
#include "forms/paint_box.h"
#include "frame/plot/axis_mapping.h"
#include "frame/plot/plot_range.h"

namespace frame::plot {

// The band's corners in pixels: (x0, y0) where the button went down, (x1, y1)
// the last position a move reported.
struct Band {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

class RubberBand {
 public:
  RubberBand(forms::Color pen, forms::Color brush) : pen_(pen), brush_(brush) {}

  bool dragging() const { return dragging_; }
  // A button went down: a drag starts there; nothing is drawn yet.
  void Press(int x, int y);
  // While dragging: the band moves to reach (x, y).  The pen is left in XOR.
  void Move(forms::Canvas& canvas, int x, int y);
  // Ends a drag and erases the band (pen mode copy, solid pen afterwards).
  // Gives the band only when it was dragged to the right and downwards,
  // which is the only way it zooms; nothing when no drag was going on.
  std::optional<Band> Release(forms::Canvas& canvas);
  // A repaint wiped the band; the drag goes on.
  void Forget() { drawn_ = false; }

 private:
  void DrawOutline(forms::Canvas& canvas) const;

  forms::Color pen_, brush_;
  Band band_;
  bool dragging_ = false;
  bool drawn_ = false;
};

// A press that a plot takes for something else of its own: true when it did,
// and then no drag starts.
using PressClaim = std::function<bool(forms::MouseButton button, forms::ShiftState shift, int x, int y)>;

// The band follows the mouse on the paint box with any button: down starts a
// drag (unless `claim` takes the press), moves draw it on the box's canvas,
// up ends it and hands a band that was dragged right and down to `zoom`.
void AttachRubberBand(forms::PaintBox& box, RubberBand& band, std::function<void(const Band&)> zoom,
                      PressClaim claim = {});

// The range a band shows: the frequencies of its two columns and the values
// of its two rows, by the mappings of the picture it was dragged on.
void ZoomToBand(const Band& band, const AxisMapping& x, const AxisMapping& y, PlotRange& range);

// The band attached to a plot that keeps its range: a band zooms the range to
// what it shows, by the mappings as the last repaint left them in x and y,
// and the box repaints.
void AttachRangeZoom(forms::PaintBox& box, RubberBand& band, const AxisMapping& x, const AxisMapping& y,
                     PlotRange& range);

}  // namespace frame::plot
