// All roots of a real polynomial by Newton-Raphson iteration in complex
// arithmetic, with deflation, and multiple roots found through the
// derivative.
//
// Deflation spoils the roots found late: the rounding of each division by a
// root stays in the coefficients, and where large roots go before small ones
// the small ones come out with few or no correct digits.  So each root found
// as a simple root is refined on the polynomial as given before it is
// stored; the search itself goes on from the root as it found it, so that
// its steps, its hooks and its rescues are those of the search alone.
//
// The search never gives up by itself: after every 50 steps without
// convergence it hands its state to the rescue hook, which may change the
// tolerances and the current point (a program asks its user; a test or a
// benchmark answers itself), and goes on.  A caller that polishes the roots
// afterwards on better data may have the search rescue itself first: a
// point where the polynomial is only rounding is taken as the root (on an
// ill-conditioned polynomial the steps there stay above the tolerance for
// ever, and no answer to the hook would make the root any better), and a
// point that wanders starts again on the circle where the roots lie.
#pragma once

#include <functional>
#include <span>

#include "base/extended.h"
#include "poly/complex.h"

namespace poly {

struct RootSearchSettings {
  base::Extended tolr;      // a step whose size is below it ends the iteration
  base::Extended tolm;      // with told: a value this small ...
  base::Extended told;      // ... where the derivative is this small is a multiple root
  Complex start;            // where the first search starts
  bool same_start = false;  // every search starts there, not beside the last root
  bool refine = true;       // refine simple roots before they are stored
  // After 50 steps without convergence the search takes a point where p is
  // only rounding as the root, or starts again on the circle, up to 20
  // fresh starts for one root, before the hook is asked.
  bool self_rescue = false;
};

// The state handed to the rescue hook; the hook may change the last four.
struct RootRescue {
  int multiplicity = 1;       // of the root being searched (derivative levels + 1)
  base::Extended error;       // size of the last step
  base::Extended magnitude;   // size of p at the point
  base::Extended derivative;  // size of p' at the point
  base::Extended tolr, tolm, told;
  Complex point;  // where the iteration goes on from
};

struct RootSearchHooks {
  // A root went to this index (1-based); a root of multiplicity m goes to m
  // indices, from the highest down.
  std::function<void(int index)> stored;
  // The point looks like a multiple root: the search goes on with the
  // derivative.
  std::function<void()> derivative_level;
  // 50 steps without convergence.  Without a hook the iteration goes on as
  // it is.
  std::function<void(RootRescue&)> rescue;
};

// The roots of a(0) + a(1) s + .. + a(n) s^n, n = a.size() - 1, into
// re(k) + j·im(k), k = 1 .. n, held as re[k-1], im[k-1]: the first root found
// goes to index n, the root of the last linear factor to index 1.  Roots at
// the origin (a(0) exactly 0) are taken first.  Nothing happens for n < 1.
// Roots are stored as they are found, so that a fault in the iteration leaves
// those found before it.  re and im need n entries each.
//
// Refinement: Newton steps on a(0) .. a(n) with the roots at the origin
// divided out (no deflation by the others), each step as if the roots stored
// before were divided out too, so that a root found far off does not run
// into one of them.  The point of smallest |p| is stored when that is
// smaller than |p| at the root as found.  A root at which |p| is already
// within the rounding of its evaluation is stored as found, and so is a root
// found through the derivative (a multiple root, where Newton's steps would
// split it) and a root whose refinement overflows.
void SearchRoots(std::span<const base::Extended> a, const RootSearchSettings& settings, std::span<base::Extended> re,
                 std::span<base::Extended> im, const RootSearchHooks& hooks = {});

}  // namespace poly
