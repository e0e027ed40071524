// The cursor marker of the plot windows: a small filled arrowhead whose
// top-left corner sits on the point it marks, drawn in XOR so that drawing
// it again at the same place erases it without a repaint.
#pragma once

#include <optional>
#include <vector>

#include "forms/canvas.h"

namespace frame::plot {

// The marker's corners, its top-left corner at `at`.
std::vector<forms::Point> CursorMarkerAt(forms::Point at);

class XorMarker {
 public:
  // A repaint wiped the marker: nothing is on screen to erase.
  void Forget() { shown_.reset(); }
  // Erase the marker where it is, with the colours it was drawn in, and draw
  // it at `at`; the pen mode is copy afterwards.
  void MoveTo(forms::Canvas& canvas, forms::Point at, forms::Color pen, forms::Color brush);
  std::optional<forms::Point> position() const;

 private:
  struct Shown {
    forms::Point at;
    forms::Color pen, brush;
  };
  static void Draw(forms::Canvas& canvas, const Shown& marker);

  std::optional<Shown> shown_;
};

}  // namespace frame::plot
