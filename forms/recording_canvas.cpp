#include "forms/recording_canvas.h"

#include <utility>

namespace forms {

void RecordingCanvas::Record(DrawCall::Kind kind, std::vector<Point> points, std::string text) {
  calls_.push_back(DrawCall{.kind = kind,
                            .points = std::move(points),
                            .text = std::move(text),
                            .pen = target_.PenColor(),
                            .brush = target_.BrushColor(),
                            .font = target_.FontColor(),
                            .style = target_.GetPenStyle(),
                            .mode = target_.GetPenMode()});
}

void RecordingCanvas::LineTo(int x, int y) {
  Record(DrawCall::Kind::Line, {target_.PenPosition(), Point{x, y}});
  target_.LineTo(x, y);
}

void RecordingCanvas::TextOut(int x, int y, const std::string& text) {
  Record(DrawCall::Kind::Text, {Point{x, y}}, text);
  target_.TextOut(x, y, text);
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  Record(DrawCall::Kind::Rectangle, {Point{x1, y1}, Point{x2, y2}});
  target_.Rectangle(x1, y1, x2, y2);
}

void RecordingCanvas::FrameRect(int x1, int y1, int x2, int y2) {
  Record(DrawCall::Kind::FrameRect, {Point{x1, y1}, Point{x2, y2}});
  target_.FrameRect(x1, y1, x2, y2);
}

void RecordingCanvas::Polygon(const std::vector<Point>& points) {
  Record(DrawCall::Kind::Polygon, points);
  target_.Polygon(points);
}

void RecordingCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  Record(DrawCall::Kind::Arc, {Point{x1, y1}, Point{x2, y2}, Point{x3, y3}, Point{x4, y4}});
  target_.Arc(x1, y1, x2, y2, x3, y3, x4, y4);
}

}  // namespace forms
