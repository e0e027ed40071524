// The canvas of a paint box: a persistent RGB image that every drawing call
// changes at once, with the pixel rules of raster.h (a line without its end
// point, a rectangle without its right column and bottom row), so that
// figures drawn end to end never overlap and one drawn twice in XOR is gone.
// Both backends draw through it; the Qt widget shows the image, the script
// backend can save it as PNG.
#pragma once

#include <QImage>
#include <string>

#include "forms/canvas.h"
#include "forms/raster/raster.h"

namespace forms::raster {

class ImageCanvas : public Canvas {
 public:
  ImageCanvas(int width, int height);

  // A new size keeps the overlapping part; new pixels take the background.
  void Resize(int width, int height);
  const QImage& image() const { return image_; }
  bool SavePng(const std::string& path) const;
  int width() const { return image_.width(); }
  int height() const { return image_.height(); }
  // The colour of one pixel (black outside the image).
  Color PixelAt(int x, int y) const;

  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  Point PenPosition() const override { return pen_pos_; }
  void TextOut(int x, int y, const std::string& text) override;
  int TextWidth(const std::string& text) override;
  int TextHeight(const std::string& text) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void FrameRect(int x1, int y1, int x2, int y2) override;
  void Polygon(const std::vector<Point>& points) override;
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;

  void SetPenColor(Color c) override { pen_color_ = c; }
  void SetPenStyle(PenStyle s) override { pen_style_ = s; }
  void SetPenMode(PenMode m) override { pen_mode_ = m; }
  void SetBrushColor(Color c) override { brush_color_ = c; }
  void SetFontColor(Color c) override { font_color_ = c; }
  Color PenColor() const override { return pen_color_; }
  PenStyle GetPenStyle() const override { return pen_style_; }
  PenMode GetPenMode() const override { return pen_mode_; }
  Color BrushColor() const override { return brush_color_; }
  Color FontColor() const override { return font_color_; }

 private:
  Clip Bounds() const { return Clip{image_.width(), image_.height()}; }
  // One pixel in the pen mode; the caller has clipped it and holds the
  // image's pixels (bits and bytes per line), taken once for a whole figure:
  // taking them detaches the image from any copy, which is not free.
  void Put(uchar* bits, qsizetype stride, const Point& p, Color c);
  void PutAll(const std::vector<Point>& pixels, Color c);
  // The interior in the brush colour, except the pixels the pen sets, then
  // the outline in the pen colour: every pixel is set once.
  void FillAndOutline(const std::vector<Span>& interior, std::vector<Point> outline);
  // The one-pixel border of the area x1 .. x2-1, y1 .. y2-1 (normalised).
  std::vector<Point> AreaBorder(int x1, int y1, int x2, int y2, bool dotted) const;

  QImage image_;
  Point pen_pos_;
  Color pen_color_ = kBlack;
  PenStyle pen_style_ = PenStyle::Solid;
  PenMode pen_mode_ = PenMode::Copy;
  Color brush_color_ = kWhite;
  Color font_color_ = kBlack;
};

}  // namespace forms::raster
