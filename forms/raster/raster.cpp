#include "forms/raster/raster.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace forms::raster {

namespace {

using Wide = __int128;

// Ellipse coordinates beyond this are clamped so that the exact products of
// the inside test (fourth powers of doubled coordinates) fit in 128 bits.
constexpr long long kEllipseLimit = 1LL << 29;

long long FloorDiv(Wide num, Wide den) {
  Wide q = num / den;
  if ((num % den != 0) && ((num < 0) != (den < 0))) --q;
  return static_cast<long long>(q);
}

long long CeilDiv(Wide num, Wide den) { return -FloorDiv(-num, den); }

// The steps i in [0, steps) for which start + sign*i lies in [0, limit).
void VisibleSteps(long long start, int sign, long long limit, long long steps, long long& first, long long& last) {
  if (sign > 0) {
    first = std::max(0LL, -start);
    last = std::min(steps - 1, limit - 1 - start);
  } else {
    first = std::max(0LL, start - (limit - 1));
    last = std::min(steps - 1, start);
  }
}

bool operator<(const Point& a, const Point& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; }

std::uint64_t IntegerSqrt(Wide n) {
  auto r = static_cast<std::uint64_t>(__builtin_sqrtl(static_cast<long double>(n)));
  while (static_cast<Wide>(r) * r > n) --r;
  while (static_cast<Wide>(r + 1) * (r + 1) <= n) ++r;
  return r;
}

// The inscribed ellipse in doubled coordinates around the centre of its box:
// a pixel centre (x, y) lies at dx = 2x - sx, dy = 2y - sy, and is inside when
// dx^2 b^2 + dy^2 a^2 <= a^2 b^2.
struct Ellipse {
  long long sx = 0, sy = 0, a = 0, b = 0;

  // The pixels of row y inside the ellipse; false when there are none.
  bool RowSpan(long long y, long long& left, long long& right) const {
    const Wide dy = 2 * y - sy;
    const Wide b2 = static_cast<Wide>(b) * b;
    if (dy * dy > b2) return false;
    const Wide room = static_cast<Wide>(a) * a * (b2 - dy * dy);
    auto dx = static_cast<long long>(IntegerSqrt(room / b2));
    // dx + sx must be even for a pixel centre
    if (((dx + sx) & 1) != 0) --dx;
    if (dx < 0) return false;
    left = (sx - dx) / 2;
    right = (sx + dx) / 2;
    return true;
  }
};

struct Interval {
  long long first, last;
};

// The part of [left, right] outside the nested interval of a neighbouring row.
void AddDifference(long long left, long long right, bool has_other, long long other_left, long long other_right,
                   std::vector<Interval>& out) {
  if (!has_other) {
    out.push_back({left, right});
    return;
  }
  if (other_left > left) out.push_back({left, std::min(right, other_left - 1)});
  if (other_right < right) out.push_back({std::max(left, other_right + 1), right});
}

void AppendRow(long long y, std::vector<Interval>& pieces, const Clip& clip, std::vector<Point>& out) {
  std::sort(pieces.begin(), pieces.end(), [](const Interval& p, const Interval& q) { return p.first < q.first; });
  long long next = std::numeric_limits<long long>::min();
  for (const Interval& piece : pieces) {
    const long long from = std::max({piece.first, next, 0LL});
    const long long to = std::min<long long>(piece.last, clip.width - 1);
    for (long long x = from; x <= to; ++x) out.push_back({static_cast<int>(x), static_cast<int>(y)});
    next = std::max(next, piece.last + 1);
  }
}

struct Vector {
  Wide x, y;
};

Wide Cross(const Vector& p, const Vector& q) { return p.x * q.y - p.y * q.x; }
Wide Dot(const Vector& p, const Vector& q) { return p.x * q.x + p.y * q.y; }

// Which half turn, counted counter-clockwise from `from`, holds v: 0 for
// angles in [0, pi), 1 for [pi, 2 pi); v is not the zero vector.
int HalfTurn(const Vector& from, const Vector& v) {
  const Wide c = Cross(from, v);
  return c > 0 || (c == 0 && Dot(from, v) >= 0) ? 0 : 1;
}

// Orders directions by their counter-clockwise angle from `from`.
struct AngleOrder {
  Vector from;
  bool operator()(const Vector& p, const Vector& q) const {
    const int hp = HalfTurn(from, p), hq = HalfTurn(from, q);
    if (hp != hq) return hp < hq;
    return Cross(p, q) > 0;
  }
};

}  // namespace

long long AppendLine(Point a, Point b, const Clip& clip, std::vector<Point>& out, bool dotted, long long phase) {
  const long long dx = static_cast<long long>(b.x) - a.x;
  const long long dy = static_cast<long long>(b.y) - a.y;
  const long long adx = std::llabs(dx), ady = std::llabs(dy);
  const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
  const bool x_major = adx >= ady;
  const long long steps = x_major ? adx : ady;
  const long long minor = x_major ? ady : adx;
  if (steps == 0) return 0;
  long long first = 0, last = -1;
  if (x_major)
    VisibleSteps(a.x, sx, clip.width, steps, first, last);
  else
    VisibleSteps(a.y, sy, clip.height, steps, first, last);
  for (long long i = first; i <= last; ++i) {
    if (dotted && ((i + phase) & 1) != 0) continue;
    // i times the slope, rounded half up
    const long long offset = FloorDiv(static_cast<Wide>(2) * i * minor + steps, static_cast<Wide>(2) * steps);
    const long long x = x_major ? a.x + sx * i : a.x + sx * offset;
    const long long y = x_major ? a.y + sy * offset : a.y + sy * i;
    if (x >= 0 && y >= 0 && x < clip.width && y < clip.height)
      out.push_back({static_cast<int>(x), static_cast<int>(y)});
  }
  return steps;
}

std::vector<Point> ClosedOutline(const std::vector<Point>& corners, const Clip& clip, bool dotted) {
  std::vector<Point> out;
  long long phase = 0;
  for (std::size_t k = 0; k < corners.size(); ++k)
    phase += AppendLine(corners[k], corners[(k + 1) % corners.size()], clip, out, dotted, phase);
  return out;
}

std::vector<Point> EveryOther(const std::vector<Point>& run) {
  std::vector<Point> out;
  for (std::size_t i = 0; i < run.size(); i += 2) out.push_back(run[i]);
  return out;
}

void SortUnique(std::vector<Point>& pixels) {
  std::sort(pixels.begin(), pixels.end(), [](const Point& p, const Point& q) { return p < q; });
  pixels.erase(std::unique(pixels.begin(), pixels.end()), pixels.end());
}

std::vector<Span> PolygonInterior(const std::vector<Point>& corners, const Clip& clip) {
  std::vector<Span> spans;
  if (corners.size() < 3) return spans;
  const auto [low, high] =
      std::minmax_element(corners.begin(), corners.end(), [](const Point& p, const Point& q) { return p.y < q.y; });
  const int first_row = std::max(0, low->y);
  const int last_row = std::min(clip.height - 1, high->y - 1);
  std::vector<long long> crossings;
  for (int y = first_row; y <= last_row; ++y) {
    crossings.clear();
    for (std::size_t k = 0; k < corners.size(); ++k) {
      Point p = corners[k], q = corners[(k + 1) % corners.size()];
      if (p.y == q.y) continue;
      if (p.y > q.y) std::swap(p, q);
      if (y < p.y || y >= q.y) continue;
      // the first pixel centre at or right of the crossing; ceilings keep
      // the order of the crossings, so they can be paired after sorting
      const Wide num = static_cast<Wide>(p.x) * (q.y - p.y) + static_cast<Wide>(y - p.y) * (q.x - p.x);
      crossings.push_back(CeilDiv(num, q.y - p.y));
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) {
      const long long from = std::max(0LL, crossings[k]);
      const long long to = std::min<long long>(clip.width - 1, crossings[k + 1] - 1);
      if (from <= to) spans.push_back({y, static_cast<int>(from), static_cast<int>(to)});
    }
  }
  return spans;
}

std::vector<Point> EllipseBoundary(int x1, int y1, int x2, int y2, const Clip& clip) {
  const auto clamp = [](int v) { return std::clamp<long long>(v, -kEllipseLimit, kEllipseLimit); };
  long long left = clamp(std::min(x1, x2)), right = clamp(std::max(x1, x2));
  long long top = clamp(std::min(y1, y2)), bottom = clamp(std::max(y1, y2));
  std::vector<Point> out;
  if (right == left || bottom == top) return out;
  const Ellipse ellipse{left + right - 1, top + bottom - 1, right - left, bottom - top};
  const long long first_row = std::max(top, 0LL);
  const long long last_row = std::min<long long>(bottom - 1, clip.height - 1);
  std::vector<Interval> pieces;
  for (long long y = first_row; y <= last_row; ++y) {
    long long l = 0, r = 0, ul = 0, ur = 0, dl = 0, dr = 0;
    if (!ellipse.RowSpan(y, l, r)) continue;
    const bool up = ellipse.RowSpan(y - 1, ul, ur);
    const bool down = ellipse.RowSpan(y + 1, dl, dr);
    pieces.clear();
    pieces.push_back({l, l});
    pieces.push_back({r, r});
    AddDifference(l, r, up, ul, ur, pieces);
    AddDifference(l, r, down, dl, dr, pieces);
    AppendRow(y, pieces, clip, out);
  }
  return out;
}

std::vector<Point> ArcSweep(const std::vector<Point>& boundary, int x1, int y1, int x2, int y2, Point start,
                            Point end) {
  // doubled coordinates around the centre, y pointing up as on paper, so
  // that counter-clockwise on the screen is counter-clockwise here
  const Wide cx = static_cast<Wide>(std::min(x1, x2)) + std::max(x1, x2) - 1;
  const Wide cy = static_cast<Wide>(std::min(y1, y2)) + std::max(y1, y2) - 1;
  const auto direction = [&](Point p, Vector instead) {
    const Vector v{2 * static_cast<Wide>(p.x) - cx, cy - 2 * static_cast<Wide>(p.y)};
    // a point on the centre has no direction: it counts as `instead`
    return v.x == 0 && v.y == 0 ? instead : v;
  };
  const Vector from = direction(start, Vector{1, 0});
  const Vector to = direction(end, Vector{1, 0});
  const AngleOrder order{from};
  const bool whole = Cross(from, to) == 0 && Dot(from, to) > 0;
  std::vector<std::pair<Vector, Point>> swept;
  for (const Point& p : boundary) {
    const Vector v = direction(p, from);
    if (whole || !order(to, v)) swept.emplace_back(v, p);
  }
  std::stable_sort(swept.begin(), swept.end(), [&](const auto& p, const auto& q) { return order(p.first, q.first); });
  std::vector<Point> out;
  out.reserve(swept.size());
  for (const auto& item : swept) out.push_back(item.second);
  return out;
}

}  // namespace forms::raster
