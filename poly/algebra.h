// Kernels over polynomial coefficients held by the caller.
//
// A polynomial is a(0)..a(n) in ascending powers: a span of n + 1 entries,
// empty for the vanished polynomial (degree -1).  A kernel that writes a
// result takes the caller's storage, whose size is its capacity, and gives
// the result's degree, or nothing when the result would not fit: the storage
// is then left as it was, and the program says so in its own words.  Inputs
// and outputs must not overlap unless a kernel says they may.
//
// Multiplying constants, defined flags and the like are the caller's.
#pragma once

#include <optional>
#include <span>

#include "base/extended.h"

namespace poly {

// The degree of a result, or nothing when it would not fit the storage.
using FittedDegree = std::optional<int>;

// The largest |a(i)|; 0 for the vanished polynomial.
base::Extended LargestMagnitude(std::span<const base::Extended> a);

// Zero every coefficient whose magnitude is strictly below the threshold,
// then drop vanished leading coefficients; gives the new degree (-1 when
// nothing is left).  In place.
int Clean(std::span<base::Extended> a, base::Extended threshold);

// Divide a(0), a(1), .. a(n) by a(n), in that order, so that a(n) becomes
// exactly 1 last.  a(n) must not be 0.  In place.
void MakeMonic(std::span<base::Extended> a);

// x := sx·x + sy·y in x's storage over both degrees (x's positions above its
// degree are zeroed first); gives max(nx, ny).  Not cleaned.
FittedDegree AddScaled(std::span<base::Extended> x_storage, int x_degree, base::Extended sx,
                       std::span<const base::Extended> y, base::Extended sy);

// out := x·y, not cleaned.  A vanished factor gives the vanished product.
FittedDegree Multiply(std::span<const base::Extended> x, std::span<const base::Extended> y,
                      std::span<base::Extended> out);

// s·a, in place: every coefficient one place up, a(0) := 0.
FittedDegree MultiplyByS(std::span<base::Extended> storage, int degree);

// p(s)·p(-s) written as a polynomial of the same degree in x = s²: the terms
// with i + j odd cancel and are skipped.
FittedDegree ParaconjugateSquare(std::span<const base::Extended> p, std::span<base::Extended> out);

// The monic product of (s - r_k) over the roots re(k) + j·im(k), k in order,
// as complex coefficients out_re + j·out_im (re and im of equal length): a
// real polynomial when every complex root comes with its conjugate, the
// imaginary part then holding rounding only.
FittedDegree ProductFromRoots(std::span<const base::Extended> re, std::span<const base::Extended> im,
                              std::span<base::Extended> out_re, std::span<base::Extended> out_im);

// The same product with every coefficient carried with about twice the
// significand and rounded once at the end: the coefficients of the roots as
// they stand, whatever their order (in plain arithmetic the rounding of each
// factor's step stays in the coefficients, and with many roots near one
// circle it may cost more digits than the roots themselves carry).
FittedDegree ProductFromRootsCompensated(std::span<const base::Extended> re, std::span<const base::Extended> im,
                                         std::span<base::Extended> out_re, std::span<base::Extended> out_im);

// A pure even or pure odd polynomial in w rewritten in s (w = s/j, the factor
// -j of an odd one dropped) with its leading coefficient positive.  In place.
void WToS(std::span<base::Extended> a);

}  // namespace poly
