// The pixels of the canvas figures, computed with integers only so that every
// figure always covers exactly the same pixels (XOR drawing depends on it).
//
// A pixel (x, y) is the unit cell whose centre is the integer point (x, y):
// a line through that point covers the pixel.
#pragma once

#include <vector>

#include "forms/canvas.h"

namespace forms::raster {

// A run of pixels x_first .. x_last (both included) in row y.
struct Span {
  int y = 0, x_first = 0, x_last = 0;
};

// The clip box: columns 0 .. width-1 and rows 0 .. height-1.
struct Clip {
  int width = 0, height = 0;
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// The line from a towards b without b, appended in drawing order: step i
// along the major axis lies at i times the slope rounded half up.  Only the
// pixels inside the clip are appended, but they are the same pixels as those
// of the unclipped line, however far the ends lie outside.  A dotted line
// keeps the steps whose number plus `phase` is even.  Returns the number of
// steps of the whole line.
long long AppendLine(Point a, Point b, const Clip& clip, std::vector<Point>& out, bool dotted = false,
                     long long phase = 0);

// The closed outline through the corners: every edge without its end point,
// in drawing order (a pixel where edges cross appears twice); the dots of a
// dotted pen run on from one edge to the next.
std::vector<Point> ClosedOutline(const std::vector<Point>& corners, const Clip& clip, bool dotted);

// Every other pixel of an ordered run, starting with the first.
std::vector<Point> EveryOther(const std::vector<Point>& run);

// Sorted by row, then column, without repeats.
void SortUnique(std::vector<Point>& pixels);

// The interior of the polygon by the even-odd rule, clipped; a pixel is inside
// when its centre is (edges cover the rows from their upper end up to, but not
// including, their lower end, so that a shared corner counts once).
std::vector<Span> PolygonInterior(const std::vector<Point>& corners, const Clip& clip);

// The boundary of the ellipse inscribed in columns x1 .. x2-1 and rows
// y1 .. y2-1: the pixels inside the ellipse with a side neighbour outside it.
// Sorted, without repeats, clipped.
std::vector<Point> EllipseBoundary(int x1, int y1, int x2, int y2, const Clip& clip);

// The part of an ellipse boundary swept counter-clockwise (as seen on the
// screen) from the ray towards `start` to the ray towards `end`, both rays
// leaving the centre of the bounding box.  Equal directions keep everything.
// The result is ordered along the sweep.
std::vector<Point> ArcSweep(const std::vector<Point>& boundary, int x1, int y1, int x2, int y2, Point start, Point end);

}  // namespace forms::raster
