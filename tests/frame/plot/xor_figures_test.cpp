// The two figures drawn in XOR outside the repaint: the cursor marker and
// the rubber band.  Each is checked on an image, so that a figure that does
// not erase itself exactly shows as pixels left behind.
#include <gtest/gtest.h>

#include <vector>

#include "forms/raster/image_canvas.h"
#include "forms/recording_canvas.h"
#include "frame/plot/rubber_band.h"
#include "frame/plot/xor_marker.h"

namespace frame::plot {
namespace {

using forms::raster::ImageCanvas;

constexpr forms::Color kLime{0, 255, 0};

ImageCanvas Black(int width = 120, int height = 80) {
  ImageCanvas canvas(width, height);
  canvas.SetPenColor(forms::kBlack);
  canvas.SetBrushColor(forms::kBlack);
  canvas.Rectangle(0, 0, width, height);
  return canvas;
}

bool SameImage(const ImageCanvas& a, const ImageCanvas& b) { return a.image() == b.image(); }

TEST(XorMarker, MovingErasesTheOldMarkerWithItsOwnColoursAndLeavesThePenInCopy) {
  ImageCanvas canvas = Black();
  XorMarker marker;
  EXPECT_FALSE(marker.position());
  marker.MoveTo(canvas, {10, 20}, forms::kYellow, forms::kRed);
  EXPECT_EQ(canvas.PixelAt(10, 20), forms::kYellow) << "the top-left corner sits on the point";
  EXPECT_EQ(canvas.PixelAt(13, 23), forms::kRed);
  // another colour, and a dotted pen as a rubber band leaves it
  canvas.SetPenStyle(forms::PenStyle::Dot);
  marker.MoveTo(canvas, {60, 40}, kLime, forms::kRed);
  EXPECT_EQ(canvas.GetPenMode(), forms::PenMode::Copy);
  EXPECT_EQ(marker.position(), (forms::Point{60, 40}));

  ImageCanvas expected = Black();
  expected.SetPenMode(forms::PenMode::Xor);
  expected.SetPenColor(kLime);
  expected.SetBrushColor(forms::kRed);
  expected.Polygon(CursorMarkerAt({60, 40}));
  EXPECT_TRUE(SameImage(canvas, expected)) << "only the new marker is left";
}

TEST(XorMarker, AfterARepaintNothingIsErased) {
  ImageCanvas canvas = Black();
  forms::RecordingCanvas recorder(canvas);
  XorMarker marker;
  marker.MoveTo(recorder, {10, 20}, forms::kYellow, forms::kRed);
  marker.Forget();
  marker.MoveTo(recorder, {30, 20}, forms::kYellow, forms::kRed);
  ASSERT_EQ(recorder.calls().size(), 2u);
  EXPECT_EQ(recorder.calls()[1].points, CursorMarkerAt({30, 20}));
  EXPECT_EQ(recorder.calls()[1].mode, forms::PenMode::Xor);
  EXPECT_EQ(CursorMarkerAt({30, 20}),
            (std::vector<forms::Point>{{30, 20}, {42, 20}, {39, 23}, {42, 26}, {36, 32}, {33, 29}, {30, 32}}));
}

TEST(RubberBand, FollowsThePointerAndLeavesNothingBehind) {
  ImageCanvas canvas = Black();
  RubberBand band(forms::kRed, forms::kBlack);
  band.Press(10, 10);
  EXPECT_TRUE(band.dragging());
  band.Move(canvas, 20, 15);
  band.Move(canvas, 50, 30);

  ImageCanvas expected = Black();
  expected.SetPenMode(forms::PenMode::Xor);
  expected.SetPenColor(forms::kRed);
  expected.SetPenStyle(forms::PenStyle::Dot);
  expected.MoveTo(10, 10);
  for (const forms::Point p : {forms::Point{50, 10}, forms::Point{50, 30}, forms::Point{10, 30}, forms::Point{10, 10}})
    expected.LineTo(p.x, p.y);
  EXPECT_TRUE(SameImage(canvas, expected)) << "only the band at the last position";
  EXPECT_EQ(canvas.PixelAt(10, 10), forms::kRed);

  const std::optional<Band> zoom = band.Release(canvas);
  ASSERT_TRUE(zoom);
  EXPECT_EQ(zoom->x0, 10);
  EXPECT_EQ(zoom->y0, 10);
  EXPECT_EQ(zoom->x1, 50);
  EXPECT_EQ(zoom->y1, 30);
  EXPECT_FALSE(band.dragging());
  EXPECT_TRUE(SameImage(canvas, Black())) << "the band is erased";
  EXPECT_EQ(canvas.GetPenMode(), forms::PenMode::Copy);
  EXPECT_EQ(canvas.GetPenStyle(), forms::PenStyle::Solid);
}

TEST(RubberBand, ZoomsOnlyWhenDraggedRightAndDown) {
  struct Case {
    const char* name;
    std::vector<forms::Point> moves;
    bool zooms;
  };
  const Case cases[] = {
      {"one pixel right and down", {{41, 31}}, true},
      {"up", {{60, 20}}, false},
      {"left", {{20, 50}}, false},
      {"straight down", {{40, 50}}, false},
      {"a click without a move", {}, false},
      {"down and right, then back up: the last move counts", {{60, 50}, {60, 25}}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ImageCanvas canvas = Black();
    RubberBand band(forms::kRed, forms::kBlack);
    band.Press(40, 30);
    for (const forms::Point p : c.moves) band.Move(canvas, p.x, p.y);
    EXPECT_EQ(band.Release(canvas).has_value(), c.zooms);
    EXPECT_TRUE(SameImage(canvas, Black()));
  }
}

TEST(RubberBand, MovesAndReleasesWithoutAPressDoNothing) {
  ImageCanvas canvas = Black();
  forms::RecordingCanvas recorder(canvas);
  RubberBand band(forms::kRed, forms::kBlack);
  band.Move(recorder, 30, 30);
  EXPECT_FALSE(band.Release(recorder));
  EXPECT_TRUE(recorder.calls().empty());
}

TEST(RubberBand, AfterARepaintDuringTheDragOnlyTheNewBandIsDrawn) {
  ImageCanvas canvas = Black();
  RubberBand band(forms::kRed, forms::kBlack);
  band.Press(10, 10);
  band.Move(canvas, 50, 30);
  canvas = Black();  // the repaint
  band.Forget();
  band.Move(canvas, 60, 40);
  EXPECT_EQ(canvas.PixelAt(50, 20), forms::kBlack) << "the old band is not drawn back";
  EXPECT_EQ(canvas.PixelAt(60, 20), forms::kRed);
  band.Release(canvas);
  EXPECT_TRUE(SameImage(canvas, Black()));
}

}  // namespace
}  // namespace frame::plot
