// The canvas of a paint box on the desktop: every figure drawn on it, inside
// the paint handler or not (XOR markers, rubber bands), is shown at the next
// update of the widget that displays it.
#pragma once

#include <QPointer>
#include <QWidget>

#include "forms/raster/image_canvas.h"

namespace forms::qt {

class WidgetCanvas : public raster::ImageCanvas {
 public:
  using raster::ImageCanvas::ImageCanvas;
  void ShowOn(QWidget* display) { display_ = display; }

  void LineTo(int x, int y) override;
  void TextOut(int x, int y, const std::string& text) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void FrameRect(int x1, int y1, int x2, int y2) override;
  void Polygon(const std::vector<Point>& points) override;
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;

 private:
  void Touched();

  QPointer<QWidget> display_;
};

}  // namespace forms::qt
