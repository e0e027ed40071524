#include "frame/plot/xor_marker.h"

namespace frame::plot {

std::vector<forms::Point> CursorMarkerAt(forms::Point at) {
  static constexpr forms::Point kCorners[] = {{0, 0}, {12, 0}, {9, 3}, {12, 6}, {6, 12}, {3, 9}, {0, 12}};
  std::vector<forms::Point> corners;
  for (const forms::Point& c : kCorners) corners.push_back({at.x + c.x, at.y + c.y});
  return corners;
}

void XorMarker::Draw(forms::Canvas& canvas, const Shown& marker) {
  canvas.SetPenColor(marker.pen);
  canvas.SetBrushColor(marker.brush);
  canvas.Polygon(CursorMarkerAt(marker.at));
}

void XorMarker::MoveTo(forms::Canvas& canvas, forms::Point at, forms::Color pen, forms::Color brush) {
  canvas.SetPenMode(forms::PenMode::Xor);
  // a dotted pen left by a rubber band would erase only half the outline
  canvas.SetPenStyle(forms::PenStyle::Solid);
  if (shown_) Draw(canvas, *shown_);
  shown_ = Shown{at, pen, brush};
  Draw(canvas, *shown_);
  canvas.SetPenMode(forms::PenMode::Copy);
}

std::optional<forms::Point> XorMarker::position() const {
  if (!shown_) return std::nullopt;
  return shown_->at;
}

}  // namespace frame::plot
