#include "frame/plot/rubber_band.h"

namespace frame::plot {

void RubberBand::Press(int x, int y) {
  band_ = Band{x, y, x, y};
  dragging_ = true;
  drawn_ = false;
}

void RubberBand::DrawOutline(forms::Canvas& canvas) const {
  canvas.MoveTo(band_.x0, band_.y0);
  canvas.LineTo(band_.x1, band_.y0);
  canvas.LineTo(band_.x1, band_.y1);
  canvas.LineTo(band_.x0, band_.y1);
  canvas.LineTo(band_.x0, band_.y0);
}

void RubberBand::Move(forms::Canvas& canvas, int x, int y) {
  if (!dragging_) return;
  canvas.SetPenMode(forms::PenMode::Xor);
  canvas.SetPenColor(pen_);
  canvas.SetPenStyle(forms::PenStyle::Dot);
  canvas.SetBrushColor(brush_);
  if (drawn_) DrawOutline(canvas);
  band_.x1 = x;
  band_.y1 = y;
  DrawOutline(canvas);
  drawn_ = true;
}

std::optional<Band> RubberBand::Release(forms::Canvas& canvas) {
  if (!dragging_) return std::nullopt;
  dragging_ = false;
  if (drawn_) {
    canvas.SetPenMode(forms::PenMode::Xor);
    canvas.SetPenColor(pen_);
    canvas.SetPenStyle(forms::PenStyle::Dot);
    DrawOutline(canvas);
    drawn_ = false;
  }
  canvas.SetPenMode(forms::PenMode::Copy);
  canvas.SetPenStyle(forms::PenStyle::Solid);
  if (band_.x0 < band_.x1 && band_.y0 < band_.y1) return band_;
  return std::nullopt;
}

void AttachRubberBand(forms::PaintBox& box, RubberBand& band, std::function<void(const Band&)> zoom, PressClaim claim) {
  box.on_mouse_down = [&band, claim = std::move(claim)](forms::MouseButton button, forms::ShiftState shift, int x,
                                                        int y) {
    if (!claim || !claim(button, shift, x, y)) band.Press(x, y);
  };
  box.on_mouse_move = [&box, &band](forms::ShiftState, int x, int y) { band.Move(box.canvas(), x, y); };
  box.on_mouse_up = [&box, &band, zoom = std::move(zoom)](forms::MouseButton, forms::ShiftState, int, int) {
    if (const std::optional<Band> released = band.Release(box.canvas())) zoom(*released);
  };
}

void ZoomToBand(const Band& band, const AxisMapping& x, const AxisMapping& y, PlotRange& range) {
  range.xmin = x.FromPixel(band.x0);
  range.xmax = x.FromPixel(band.x1);
  range.ymin = y.FromPixel(band.y1);
  range.ymax = y.FromPixel(band.y0);
}

void AttachRangeZoom(forms::PaintBox& box, RubberBand& band, const AxisMapping& x, const AxisMapping& y,
                     PlotRange& range) {
  AttachRubberBand(box, band, [&box, &x, &y, &range](const Band& shown) {
    ZoomToBand(shown, x, y, range);
    box.Invalidate();
  });
}

}  // namespace frame::plot
