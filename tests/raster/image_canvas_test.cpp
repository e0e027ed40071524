#include "forms/raster/image_canvas.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "tests/raster/gui_application.h"

namespace forms::raster {
namespace {

constexpr Color kBackground{240, 240, 240};
constexpr Color kLime{0, 255, 0};

// Text needs the GUI module; the drawing primitives do not.
using test_support::EnsureGuiApplication;

// A canvas whose pixels all differ from their neighbours, so that an XOR
// figure that does not restore shows wherever it went wrong.
ImageCanvas Patterned(int width, int height) {
  ImageCanvas canvas(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      canvas.SetPenColor(Color{static_cast<std::uint8_t>(x * 7), static_cast<std::uint8_t>(y * 11),
                               static_cast<std::uint8_t>((x + y) * 5)});
      canvas.MoveTo(x, y);
      canvas.LineTo(x + 1, y);
    }
  return canvas;
}

std::set<std::pair<int, int>> PixelsOf(const ImageCanvas& canvas, Color colour) {
  std::set<std::pair<int, int>> pixels;
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x)
      if (canvas.PixelAt(x, y) == colour) pixels.insert({x, y});
  return pixels;
}

TEST(ImageCanvasLine, LeavesOutItsEndPointAndMovesThePen) {
  struct Case {
    Point from, to;
    int pixels;
  };
  const Case cases[] = {
      {{2, 3}, {9, 3}, 7}, {{9, 3}, {2, 3}, 7}, {{4, 1}, {4, 8}, 7}, {{1, 1}, {7, 7}, 6}, {{1, 7}, {11, 2}, 10},
  };
  for (const Case& c : cases) {
    ImageCanvas canvas(16, 16);
    canvas.MoveTo(c.from.x, c.from.y);
    canvas.LineTo(c.to.x, c.to.y);
    EXPECT_EQ(canvas.PixelAt(c.from.x, c.from.y), kBlack);
    EXPECT_EQ(canvas.PixelAt(c.to.x, c.to.y), kBackground);
    EXPECT_EQ(PixelsOf(canvas, kBlack).size(), static_cast<std::size_t>(c.pixels));
    EXPECT_EQ(canvas.PenPosition(), c.to);
  }
}

TEST(ImageCanvasLine, XorTwiceRestoresEvenWhereAPolylineSharesItsJoints) {
  ImageCanvas canvas = Patterned(40, 30);
  const QImage before = canvas.image().copy();
  canvas.SetPenMode(PenMode::Xor);
  canvas.SetPenColor(kRed);
  const auto band = [&] {
    canvas.MoveTo(3, 4);
    canvas.LineTo(30, 4);
    canvas.LineTo(30, 20);
    canvas.LineTo(3, 20);
    canvas.LineTo(3, 4);
  };
  band();
  // every joint is drawn once: XOR on the pattern changes each corner
  for (const Point corner : {Point{3, 4}, Point{30, 4}, Point{30, 20}, Point{3, 20}})
    EXPECT_NE(canvas.image().pixel(corner.x, corner.y), before.pixel(corner.x, corner.y));
  band();
  EXPECT_EQ(canvas.image(), before);
}

TEST(ImageCanvasLine, DottedPenSetsEveryOtherPixel) {
  ImageCanvas canvas(20, 20);
  canvas.SetPenStyle(PenStyle::Dot);
  canvas.MoveTo(0, 5);
  canvas.LineTo(10, 5);
  canvas.MoveTo(3, 8);
  canvas.LineTo(3, 18);
  for (int i = 0; i < 10; ++i) {
    const Color expected = i % 2 == 0 ? kBlack : kBackground;
    EXPECT_EQ(canvas.PixelAt(i, 5), expected) << i;
    EXPECT_EQ(canvas.PixelAt(3, 8 + i), expected) << i;
  }
}

TEST(ImageCanvasLine, FarEndsAreClippedWithoutChangingThePixelsInside) {
  ImageCanvas canvas(50, 10);
  canvas.MoveTo(-1'000'000'000, 5);
  canvas.LineTo(1'000'000'000, 5);
  EXPECT_EQ(PixelsOf(canvas, kBlack).size(), 50u);
  ImageCanvas near(50, 50), far(50, 50);
  near.MoveTo(-10, -20);
  near.LineTo(60, 15);
  // the same line continued far beyond the image on both sides
  far.MoveTo(-10 - 2'000'000, -20 - 1'000'000);
  far.LineTo(60 + 2'000'000, 15 + 1'000'000);
  EXPECT_EQ(near.image(), far.image());
}

TEST(ImageCanvasRectangle, FillsWithTheBrushAndOutlinesTheSameAreaWithThePen) {
  ImageCanvas canvas(20, 20);
  canvas.SetPenColor(kRed);
  canvas.SetBrushColor(kYellow);
  canvas.Rectangle(2, 3, 9, 8);
  EXPECT_EQ(PixelsOf(canvas, kRed).size() + PixelsOf(canvas, kYellow).size(), 7u * 5u);
  for (const Point p : {Point{2, 3}, Point{8, 3}, Point{8, 7}, Point{2, 7}, Point{5, 3}, Point{2, 5}})
    EXPECT_EQ(canvas.PixelAt(p.x, p.y), kRed) << p.x << "," << p.y;
  for (const Point p : {Point{3, 4}, Point{7, 6}, Point{5, 5}}) EXPECT_EQ(canvas.PixelAt(p.x, p.y), kYellow);
  for (const Point p : {Point{9, 3}, Point{2, 8}, Point{1, 3}, Point{2, 2}})
    EXPECT_EQ(canvas.PixelAt(p.x, p.y), kBackground);
}

TEST(ImageCanvasRectangle, CoversTheWholeImageAndClipsBeyondIt) {
  ImageCanvas canvas(30, 20);
  canvas.SetPenColor(kBlack);
  canvas.SetBrushColor(kBlack);
  canvas.Rectangle(0, 0, 30, 20);
  EXPECT_EQ(PixelsOf(canvas, kBlack).size(), 600u);
  // the outline lies outside the image: only the fill shows
  canvas.SetBrushColor(kWhite);
  canvas.Rectangle(-5, -5, 100, 100);
  EXPECT_EQ(PixelsOf(canvas, kWhite).size(), 600u);
}

TEST(ImageCanvasFrameRect, DrawsTheBorderOfTheAreaInTheBrushColour) {
  ImageCanvas canvas(20, 20);
  canvas.SetPenColor(kRed);
  canvas.SetBrushColor(kWhite);
  canvas.FrameRect(4, 4, 10, 9);
  EXPECT_EQ(PixelsOf(canvas, kWhite).size(), 2u * 6u + 2u * 3u);
  EXPECT_EQ(canvas.PixelAt(9, 8), kWhite);
  EXPECT_EQ(canvas.PixelAt(5, 5), kBackground);
  EXPECT_EQ(canvas.PixelAt(10, 8), kBackground);
  EXPECT_TRUE(PixelsOf(canvas, kRed).empty());
}

TEST(ImageCanvasPolygon, CursorMarkerInXorRestoresAndSetsEveryPixelOnce) {
  const std::vector<Point> marker{{0, 0}, {12, 0}, {9, 3}, {12, 6}, {6, 12}, {3, 9}, {0, 12}};
  std::vector<Point> placed;
  for (const Point p : marker) placed.push_back({p.x + 10, p.y + 8});
  ImageCanvas canvas(40, 30);
  canvas.SetPenColor(kBlack);
  canvas.SetBrushColor(kBlack);
  canvas.Rectangle(0, 0, 40, 30);
  canvas.SetPenMode(PenMode::Xor);
  canvas.SetPenColor(kYellow);
  canvas.SetBrushColor(kRed);
  canvas.Polygon(placed);
  // on black the outline shows yellow and the fill red; a pixel drawn by
  // both would be yellow ^ red = lime
  EXPECT_TRUE(PixelsOf(canvas, kLime).empty());
  EXPECT_EQ(canvas.PixelAt(10, 8), kYellow);
  EXPECT_EQ(canvas.PixelAt(13, 12), kRed);
  EXPECT_FALSE(PixelsOf(canvas, kRed).empty());
  for (const auto& [x, y] : PixelsOf(canvas, kRed)) {
    EXPECT_GE(x, 10);
    EXPECT_LE(x, 22);
    EXPECT_LE(y, 20);
  }

  ImageCanvas patterned = Patterned(40, 30);
  const QImage before = patterned.image().copy();
  patterned.SetPenMode(PenMode::Xor);
  patterned.SetPenColor(kYellow);
  patterned.SetBrushColor(kRed);
  patterned.Polygon(placed);
  EXPECT_NE(patterned.image(), before);
  patterned.Polygon(placed);
  EXPECT_EQ(patterned.image(), before);
}

TEST(ImageCanvasPolygon, PartlyOutsideIsClipped) {
  ImageCanvas canvas(20, 20);
  canvas.SetBrushColor(kRed);
  canvas.Polygon({{-100, -100}, {-88, -100}, {-91, -97}, {-88, -94}, {-94, -88}, {-97, -91}, {-100, -88}});
  EXPECT_TRUE(PixelsOf(canvas, kRed).empty());
  canvas.Polygon({{-10, -10}, {30, -10}, {30, 30}, {-10, 30}});
  EXPECT_EQ(PixelsOf(canvas, kRed).size(), 400u);
}

// An ellipse outline is closed when every pixel has a neighbour on each side
// along the curve: two or more of its eight neighbours belong to it.
void ExpectClosedCurve(const std::set<std::pair<int, int>>& curve) {
  for (const auto& [x, y] : curve) {
    int neighbours = 0;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if ((dx != 0 || dy != 0) && curve.count({x + dx, y + dy})) ++neighbours;
    EXPECT_GE(neighbours, 2) << x << "," << y;
  }
}

TEST(ImageCanvasArc, WholeEllipseIsSymmetricClosedAndInscribed) {
  struct Case {
    int x1, y1, x2, y2;
  };
  for (const Case c : {Case{5, 5, 36, 26}, Case{4, 6, 30, 32}, Case{10, 3, 17, 30}}) {
    ImageCanvas canvas(45, 40);
    canvas.Arc(c.x1, c.y1, c.x2, c.y2, 0, 0, 0, 0);
    const auto curve = PixelsOf(canvas, kBlack);
    ASSERT_FALSE(curve.empty());
    int left = 1000, right = -1, top = 1000, bottom = -1;
    for (const auto& [x, y] : curve) {
      EXPECT_TRUE(curve.count({c.x1 + c.x2 - 1 - x, y})) << x << "," << y;
      EXPECT_TRUE(curve.count({x, c.y1 + c.y2 - 1 - y})) << x << "," << y;
      left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
    }
    EXPECT_EQ(left, c.x1);
    EXPECT_EQ(right, c.x2 - 1);
    EXPECT_EQ(top, c.y1);
    EXPECT_EQ(bottom, c.y2 - 1);
    ExpectClosedCurve(curve);
    // once per pixel: XOR twice restores, once leaves no gaps
    canvas.SetPenMode(PenMode::Xor);
    canvas.SetPenColor(kWhite);
    canvas.Arc(c.x1, c.y1, c.x2, c.y2, 7, 7, 7, 7);
    EXPECT_TRUE(PixelsOf(canvas, kBlack).empty());
  }
}

TEST(ImageCanvasArc, CircleIsSymmetricAcrossItsDiagonal) {
  ImageCanvas canvas(40, 40);
  canvas.Arc(3, 3, 34, 34, 1, 1, 1, 1);
  const auto curve = PixelsOf(canvas, kBlack);
  for (const auto& [x, y] : curve) EXPECT_TRUE(curve.count({y, x})) << x << "," << y;
}

TEST(ImageCanvasArc, QuarterGoesCounterClockwiseFromTheStartRayToTheEndRay) {
  ImageCanvas whole(30, 30), quarter(30, 30), rest(30, 30);
  whole.Arc(0, 0, 21, 21, 5, 5, 5, 5);
  // centre (10, 10): from the ray to the right up to the ray upwards
  quarter.Arc(0, 0, 21, 21, 25, 10, 10, -3);
  // and the other way round: the three other quarters
  rest.Arc(0, 0, 21, 21, 10, -3, 25, 10);
  const auto all = PixelsOf(whole, kBlack);
  const auto upper_right = PixelsOf(quarter, kBlack);
  const auto others = PixelsOf(rest, kBlack);
  ASSERT_FALSE(upper_right.empty());
  for (const auto& [x, y] : upper_right) {
    EXPECT_GE(x, 10);
    EXPECT_LE(y, 10);
    EXPECT_TRUE(all.count({x, y}));
  }
  EXPECT_TRUE(upper_right.count({20, 10}));
  EXPECT_TRUE(upper_right.count({10, 0}));
  // the two sweeps share only their ends and cover the whole ellipse
  std::set<std::pair<int, int>> both = upper_right;
  both.insert(others.begin(), others.end());
  EXPECT_EQ(both, all);
  EXPECT_LE(upper_right.size() + others.size(), all.size() + 2);
}

TEST(ImageCanvasArc, HugeCircleAroundTheImageDrawsOnlyWhatIsVisible) {
  ImageCanvas canvas(200, 100);
  const QImage before = canvas.image().copy();
  canvas.SetPenMode(PenMode::Xor);
  canvas.SetPenColor(kWhite);
  constexpr Color kInverted{15, 15, 15};
  // a zoomed-in unit circle, two hundred million pixels across, whose right
  // edge runs down through the image near column 150
  canvas.Arc(-199'999'850, -99'999'950, 151, 100'000'051, 0, 0, 0, 0);
  EXPECT_EQ(canvas.PixelAt(150, 50), kInverted);
  canvas.Arc(-199'999'850, -99'999'950, 151, 100'000'051, 0, 0, 0, 0);
  EXPECT_EQ(canvas.image(), before);
}

TEST(ImageCanvasText, DrawsOnABoxOfTheBrushColourAndIsAboutThirteenPixelsHigh) {
  EnsureGuiApplication();
  ImageCanvas canvas(120, 40);
  canvas.SetBrushColor(kBlack);
  canvas.SetFontColor(kYellow);
  const int height = canvas.TextHeight("X");
  const int width = canvas.TextWidth("|H|(dB)");
  EXPECT_GE(height, 12);
  EXPECT_LE(height, 14);
  EXPECT_GT(width, 20);
  EXPECT_LT(canvas.TextWidth("i"), canvas.TextWidth("iiii"));
  canvas.TextOut(10, 5, "|H|(dB)");
  EXPECT_EQ(canvas.PixelAt(10 + width - 1, 5), kBlack);
  EXPECT_EQ(canvas.PixelAt(10, 5 + height - 1), kBlack);
  EXPECT_EQ(canvas.PixelAt(10 + width, 5), kBackground);
  EXPECT_EQ(canvas.PixelAt(10, 5 + height), kBackground);
  EXPECT_EQ(canvas.PixelAt(9, 5), kBackground);
  EXPECT_FALSE(PixelsOf(canvas, kYellow).empty());
}

TEST(ImageCanvasResize, KeepsTheOverlapAndFillsNewPixelsWithTheBackground) {
  ImageCanvas canvas(10, 10);
  canvas.SetBrushColor(kRed);
  canvas.SetPenColor(kRed);
  canvas.Rectangle(0, 0, 10, 10);
  canvas.Resize(15, 6);
  EXPECT_EQ(canvas.width(), 15);
  EXPECT_EQ(canvas.height(), 6);
  EXPECT_EQ(canvas.PixelAt(9, 5), kRed);
  EXPECT_EQ(canvas.PixelAt(10, 0), kBackground);
  EXPECT_EQ(canvas.PixelAt(15, 0), kBlack);
  EXPECT_EQ(canvas.PixelAt(0, -1), kBlack);
  canvas.Resize(0, 0);
  canvas.MoveTo(0, 0);
  canvas.LineTo(5, 5);
  EXPECT_EQ(canvas.width(), 0);
}

}  // namespace
}  // namespace forms::raster
