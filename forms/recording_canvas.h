// A canvas that passes every call on to another one and keeps a record of
// the figures drawn, each with the pen, brush and font it was drawn with, so
// that a test can check what a paint handler drew without reading pixels.
#pragma once

#include <string>
#include <vector>

#include "forms/canvas.h"

namespace forms {

struct DrawCall {
  enum class Kind { Line, Text, Rectangle, FrameRect, Polygon, Arc };
  Kind kind = Kind::Line;
  // Line: from and to; Text: the top-left corner; Rectangle, FrameRect:
  // the two corners; Polygon: the corners; Arc: the two corners of the
  // box, then the start and end points.
  std::vector<Point> points;
  std::string text;
  Color pen, brush, font;
  PenStyle style = PenStyle::Solid;
  PenMode mode = PenMode::Copy;
};

class RecordingCanvas : public Canvas {
 public:
  explicit RecordingCanvas(Canvas& target) : target_(target) {}

  const std::vector<DrawCall>& calls() const { return calls_; }
  void Forget() { calls_.clear(); }

  void MoveTo(int x, int y) override { target_.MoveTo(x, y); }
  void LineTo(int x, int y) override;
  Point PenPosition() const override { return target_.PenPosition(); }
  void TextOut(int x, int y, const std::string& text) override;
  int TextWidth(const std::string& text) override { return target_.TextWidth(text); }
  int TextHeight(const std::string& text) override { return target_.TextHeight(text); }
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void FrameRect(int x1, int y1, int x2, int y2) override;
  void Polygon(const std::vector<Point>& points) override;
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;

  void SetPenColor(Color c) override { target_.SetPenColor(c); }
  void SetPenStyle(PenStyle s) override { target_.SetPenStyle(s); }
  void SetPenMode(PenMode m) override { target_.SetPenMode(m); }
  void SetBrushColor(Color c) override { target_.SetBrushColor(c); }
  void SetFontColor(Color c) override { target_.SetFontColor(c); }
  Color PenColor() const override { return target_.PenColor(); }
  PenStyle GetPenStyle() const override { return target_.GetPenStyle(); }
  PenMode GetPenMode() const override { return target_.GetPenMode(); }
  Color BrushColor() const override { return target_.BrushColor(); }
  Color FontColor() const override { return target_.FontColor(); }

 private:
  void Record(DrawCall::Kind kind, std::vector<Point> points, std::string text = {});

  Canvas& target_;
  std::vector<DrawCall> calls_;
};

}  // namespace forms
