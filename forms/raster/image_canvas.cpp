#include "forms/raster/image_canvas.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace forms::raster {

namespace {

// The light grey face of a dialog: a paint box where nothing has been drawn
// yet reads as part of its window.
constexpr QRgb kBackground = qRgb(240, 240, 240);

// The pen colour bits that XOR touches: the alpha byte of RGB32 stays 0xff.
constexpr QRgb kColourBits = 0x00ffffff;

// DejaVu Sans at 11 pixels is 13 pixels high, the height of the dialog font
// that the programs' text positions were laid out for.
constexpr int kFontPixelSize = 11;
const char* const kFontFamily = "DejaVu Sans";
const char* const kFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

QRgb ToRgb(Color c) { return qRgb(c.red, c.green, c.blue); }

// Needs a QGuiApplication (fonts live in the GUI module).
QFont CanvasFont() {
  static const bool loaded = [] {
    if (!QFontDatabase::families().contains(kFontFamily)) QFontDatabase::addApplicationFont(kFontFile);
    return true;
  }();
  (void)loaded;
  QFont font(kFontFamily);
  font.setPixelSize(kFontPixelSize);
  // crisp pixels in pure colours: small text stays sharp on a plot's black
  // background, with no fringe of blended colours
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

}  // namespace

ImageCanvas::ImageCanvas(int width, int height)
    : image_(std::max(0, width), std::max(0, height), QImage::Format_RGB32) {
  image_.fill(kBackground);
}

void ImageCanvas::Resize(int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  if (width == image_.width() && height == image_.height()) return;
  QImage next(width, height, QImage::Format_RGB32);
  next.fill(kBackground);
  const int rows = std::min(height, image_.height());
  const int bytes = std::min(width, image_.width()) * static_cast<int>(sizeof(QRgb));
  for (int y = 0; y < rows; ++y)
    std::memcpy(next.scanLine(y), image_.constScanLine(y), static_cast<std::size_t>(bytes));
  image_ = std::move(next);
}

bool ImageCanvas::SavePng(const std::string& path) const { return image_.save(QString::fromStdString(path), "PNG"); }

Color ImageCanvas::PixelAt(int x, int y) const {
  if (!Bounds().Contains(x, y)) return kBlack;
  const QRgb rgb = reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x];
  return Color{static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
               static_cast<std::uint8_t>(qBlue(rgb))};
}

void ImageCanvas::Put(uchar* bits, qsizetype stride, const Point& p, Color c) {
  QRgb& pixel = reinterpret_cast<QRgb*>(bits + p.y * stride)[p.x];
  if (pen_mode_ == PenMode::Xor)
    pixel ^= ToRgb(c) & kColourBits;
  else
    pixel = ToRgb(c);
}

void ImageCanvas::PutAll(const std::vector<Point>& pixels, Color c) {
  if (pixels.empty()) return;
  uchar* const bits = image_.bits();
  const qsizetype stride = image_.bytesPerLine();
  for (const Point& p : pixels) Put(bits, stride, p, c);
}

void ImageCanvas::FillAndOutline(const std::vector<Span>& interior, std::vector<Point> outline) {
  SortUnique(outline);
  uchar* const bits = interior.empty() ? nullptr : image_.bits();
  const qsizetype stride = image_.bytesPerLine();
  for (const Span& span : interior) {
    auto pen = std::lower_bound(outline.begin(), outline.end(), Point{span.x_first, span.y},
                                [](const Point& p, const Point& q) { return p.y != q.y ? p.y < q.y : p.x < q.x; });
    for (int x = span.x_first; x <= span.x_last; ++x) {
      while (pen != outline.end() && pen->y == span.y && pen->x < x) ++pen;
      if (pen != outline.end() && pen->y == span.y && pen->x == x) continue;
      Put(bits, stride, Point{x, span.y}, brush_color_);
    }
  }
  PutAll(outline, pen_color_);
}

std::vector<Point> ImageCanvas::AreaBorder(int x1, int y1, int x2, int y2, bool dotted) const {
  const std::vector<Point> corners{{x1, y1}, {x2 - 1, y1}, {x2 - 1, y2 - 1}, {x1, y2 - 1}};
  std::vector<Point> border = ClosedOutline(corners, Bounds(), dotted);
  // a single pixel has edges of no length
  if (x2 - x1 == 1 && y2 - y1 == 1 && Bounds().Contains(x1, y1)) border.push_back({x1, y1});
  return border;
}

void ImageCanvas::MoveTo(int x, int y) { pen_pos_ = Point{x, y}; }

void ImageCanvas::LineTo(int x, int y) {
  std::vector<Point> pixels;
  AppendLine(pen_pos_, Point{x, y}, Bounds(), pixels, pen_style_ == PenStyle::Dot);
  PutAll(pixels, pen_color_);
  pen_pos_ = Point{x, y};
}

void ImageCanvas::TextOut(int x, int y, const std::string& text) {
  const QString line = QString::fromStdString(text);
  const QFont font = CanvasFont();
  const QFontMetrics metrics(font);
  QPainter painter(&image_);
  painter.fillRect(x, y, metrics.horizontalAdvance(line), metrics.height(), QColor(ToRgb(brush_color_)));
  painter.setFont(font);
  painter.setPen(QColor(ToRgb(font_color_)));
  painter.drawText(x, y + metrics.ascent(), line);
}

int ImageCanvas::TextWidth(const std::string& text) {
  return QFontMetrics(CanvasFont()).horizontalAdvance(QString::fromStdString(text));
}

int ImageCanvas::TextHeight(const std::string&) { return QFontMetrics(CanvasFont()).height(); }

void ImageCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  if (x1 == x2 || y1 == y2) return;
  std::vector<Span> interior;
  const int left = std::max(x1, 0), right = std::min(x2, image_.width()) - 1;
  for (int y = std::max(y1, 0); y < std::min(y2, image_.height()) && left <= right; ++y)
    interior.push_back({y, left, right});
  FillAndOutline(interior, AreaBorder(x1, y1, x2, y2, pen_style_ == PenStyle::Dot));
}

void ImageCanvas::FrameRect(int x1, int y1, int x2, int y2) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  if (x1 == x2 || y1 == y2) return;
  std::vector<Point> border = AreaBorder(x1, y1, x2, y2, false);
  SortUnique(border);
  PutAll(border, brush_color_);
}

void ImageCanvas::Polygon(const std::vector<Point>& points) {
  FillAndOutline(PolygonInterior(points, Bounds()), ClosedOutline(points, Bounds(), pen_style_ == PenStyle::Dot));
}

void ImageCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  const std::vector<Point> boundary = EllipseBoundary(x1, y1, x2, y2, Bounds());
  std::vector<Point> arc = ArcSweep(boundary, x1, y1, x2, y2, Point{x3, y3}, Point{x4, y4});
  if (pen_style_ == PenStyle::Dot) arc = EveryOther(arc);
  PutAll(arc, pen_color_);
}

}  // namespace forms::raster
