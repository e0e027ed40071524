#include "forms/qt/widget_canvas.h"

namespace forms::qt {

void WidgetCanvas::Touched() {
  if (display_) display_->update();
}

void WidgetCanvas::LineTo(int x, int y) {
  raster::ImageCanvas::LineTo(x, y);
  Touched();
}

void WidgetCanvas::TextOut(int x, int y, const std::string& text) {
  raster::ImageCanvas::TextOut(x, y, text);
  Touched();
}

void WidgetCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  raster::ImageCanvas::Rectangle(x1, y1, x2, y2);
  Touched();
}

void WidgetCanvas::FrameRect(int x1, int y1, int x2, int y2) {
  raster::ImageCanvas::FrameRect(x1, y1, x2, y2);
  Touched();
}

void WidgetCanvas::Polygon(const std::vector<Point>& points) {
  raster::ImageCanvas::Polygon(points);
  Touched();
}

void WidgetCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  raster::ImageCanvas::Arc(x1, y1, x2, y2, x3, y3, x4, y4);
  Touched();
}

}  // namespace forms::qt
