// The drawing surface of a paint box.
//
// Coordinates are pixels, x to the right and y downwards.  The conventions are
// those of a raster display: a line leaves out its end point, a rectangle
// covers x1 .. x2-1 and y1 .. y2-1, and in XOR pen mode drawing the same
// figure twice restores what was there.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace forms {

struct Color {
  std::uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

constexpr Color kBlack{0, 0, 0};
constexpr Color kWhite{255, 255, 255};
constexpr Color kRed{255, 0, 0};
constexpr Color kYellow{255, 255, 0};
constexpr Color kGrey{128, 128, 128};

enum class PenStyle { Solid, Dot };
enum class PenMode { Copy, Xor };

struct Point {
  int x = 0, y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void MoveTo(int x, int y) = 0;
  // A line from the pen position to (x, y) without its end point; the pen
  // position becomes (x, y).
  virtual void LineTo(int x, int y) = 0;
  virtual Point PenPosition() const = 0;
  // The text with its top-left corner at (x, y), on a box of the brush colour.
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  virtual int TextWidth(const std::string& text) = 0;
  virtual int TextHeight(const std::string& text) = 0;
  // Filled with the brush and outlined with the pen.
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  // A one-pixel frame in the brush colour.
  virtual void FrameRect(int x1, int y1, int x2, int y2) = 0;
  // Filled with the brush and outlined with the pen, closed.
  virtual void Polygon(const std::vector<Point>& points) = 0;
  // Counter-clockwise arc of the ellipse inscribed in (x1, y1)-(x2, y2), from
  // the ray towards (x3, y3) to the ray towards (x4, y4); equal points draw
  // the whole ellipse.
  virtual void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;

  virtual void SetPenColor(Color c) = 0;
  virtual void SetPenStyle(PenStyle s) = 0;
  virtual void SetPenMode(PenMode m) = 0;
  virtual void SetBrushColor(Color c) = 0;
  virtual void SetFontColor(Color c) = 0;
  virtual Color PenColor() const = 0;
  virtual PenStyle GetPenStyle() const = 0;
  virtual PenMode GetPenMode() const = 0;
  virtual Color BrushColor() const = 0;
  virtual Color FontColor() const = 0;
};

}  // namespace forms
