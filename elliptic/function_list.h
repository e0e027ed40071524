// What the plot window draws: up to 20 transfer functions, each read from a
// file of poles and a file of zeros, with the values of its three curves at
// the points of the last plot; and the view that a "Plotar" keeps as home.
//
// The tables are fixed: 1000 roots a file, 1000 segments a curve, 20
// functions.  A reader keeps what fits and says so in the log.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "base/extended.h"
#include "elliptic/checked_array.h"
#include "elliptic/designer_log.h"

namespace elliptic {

constexpr std::int32_t kMaxRoots = 1000;
constexpr std::int32_t kMaxSegments = 1000;
constexpr std::int32_t kMaxFunctions = 20;

// One roots file in memory: c * prod (s - r) over its roots.
struct TRootFileRecord {
  CheckedArray<Extended, kMaxRoots> re, im;
  // As the file says, after the clamp to 1000; 0 or below means no roots.
  std::int32_t count = 0;
  Extended constant;

  std::int32_t Roots() const { return std::max<std::int32_t>(count, 0); }
  std::span<const Extended> RealParts() const { return re.Head(Roots()); }
  std::span<const Extended> ImaginaryParts() const { return im.Head(Roots()); }
};

// One transfer function T(s) = c * prod (s - z) / prod (s - p), c the zeros'
// constant over the poles', with its curves at the segment points 0 ..
// segments of the last plot.
struct TPlotFunction {
  TRootFileRecord poles;
  TRootFileRecord zeros;
  CheckedArray<Extended, kMaxSegments + 1, 0> gain;   // dB
  CheckedArray<Extended, kMaxSegments + 1, 0> phase;  // degrees
  CheckedArray<Extended, kMaxSegments + 1, 0> delay;  // seconds
  // Pixel rows of the last point drawn of each curve.
  std::int32_t gain_row = 0, phase_row = 0, delay_row = 0;
};

class FunctionList {
 public:
  FunctionList() : functions_(std::make_unique<CheckedArray<TPlotFunction, kMaxFunctions>>()) {}

  // Function n, 1 .. 20.
  TPlotFunction& operator[](std::int32_t n) { return (*functions_)[n]; }
  const TPlotFunction& operator[](std::int32_t n) const { return (*functions_)[n]; }

  std::int32_t count = 0;
  // The function whose gain curve carries the plot's cursor.
  std::int32_t selected_function = 1;

 private:
  // some 2 MB: on the heap, whoever holds the list
  std::unique_ptr<CheckedArray<TPlotFunction, kMaxFunctions>> functions_;
};

// The frequency and gain ranges that "Plotar" saw, restored by the plot's
// home key; kept in double precision.
struct HomeView {
  double twmin = 0.2;
  double twmax = 5;
  double tgmin = -80;
  double tgmax = 10;
};

// Fills the record from the roots file `name`.  A count above 1000 is logged
// and clamped; the roots beyond the 1000th are read and dropped, so that the
// constant is still the number that closes the file.  The constant is read
// without looking for the end of the file first: a file without it gets 0.
// A file that cannot be opened or holds a token that is not a number ends
// the action.
void ReadRootsFile(const std::string& name, TRootFileRecord& record, DesignerLog& log);

}  // namespace elliptic
