// The roots of a spectral factor W(s), W(s)W(-s) = G(s) with
// G(s) = ka·A(s)A(-s) + kb·B(s)B(-s), polished on A's and B's own
// coefficients; and the check of a factor on the imaginary axis.
//
// Written as a polynomial in x = s², G's coefficients are sums of products
// that cancel, and its roots are far more sensitive to their rounding than
// the roots of G are to the rounding of A and B: roots found in x are only a
// start.  Newton's steps on G evaluated from A and B take them as far as A
// and B allow.
#pragma once

#include <span>
#include <vector>

#include "base/extended.h"

namespace poly {

// G(s) = ka·A(s)A(-s) + kb·B(s)B(-s): the constants of A and B squared, with
// the sign of the sum (kb < 0 for E(s)E(-s) - P(s)P(-s)).
struct ParaconjugateSum {
  std::span<const base::Extended> a;
  base::Extended ka;
  std::span<const base::Extended> b;
  base::Extended kb;
};

// Which half of G's roots W takes: those in the closed left half plane (E,
// Hurwitz), or any (F, whose signs the user chooses afterwards), each root
// of W standing for itself and its negative, both roots of G.
enum class Half { kAny, kLeft };

// Polishes the roots re(k) + j·im(k) of W in place, with G evaluated from A
// and B by compensated Horner.  All roots take Newton's steps on G together,
// each as if G's other roots (the other roots as they stand and all the
// negatives) were divided out, so that no two of them run into the same
// root; each keeps its point of smallest |G|, and a root where |G| is
// already within the rounding of its evaluation stays as it is.  A root the
// search found real stays real unless no real root is left for it; roots
// that start at one point (a multiple root of the search) are first spread
// around it; where the roots given do not all converge, the steps start
// again from the left half of a circle, and those roots, if they converge,
// come in the order of the real parts of their squares.  A root where G
// overflows stays as it was.
//   kLeft: a root ending on the right is replaced by its negative; a root 0
//          starts off the origin unless G vanishes there.
//   kAny:  a root near the imaginary axis goes to the axis, to the point
//          where G(jw) comes nearest to touching zero, when it dips to zero
//          there but for rounding (a zero of W on the axis is a double root
//          of G, which the rounding of A and B splits); a root 0 stays.
// Pairs of roots that moved and lie at each other's mirror image but for
// their errors end as exact conjugates.
void PolishFactorRoots(const ParaconjugateSum& g, Half half, std::span<base::Extended> re,
                       std::span<base::Extended> im);

// How far one rounding of A's and B's coefficients may move each root of G:
// what it moves G by at the root over |G'| there, or, where that is less,
// the square root of twice that over |G''| (a double root); at most the
// root's own size and at least its last places.
std::vector<base::Extended> RootRadii(const ParaconjugateSum& g, std::span<const base::Extended> re,
                                      std::span<const base::Extended> im);

// Whose roots an AxisFactor carries: W's, or A's when A is the polynomial
// just computed and W was given.
enum class RootsOf { kW, kA };

// A factor W with its constant kw (squared), the right-hand side its squared
// modulus should equal on the imaginary axis, kw|W(jw)|² = ka|A(jw)|² +
// kb|B(jw)|², and the roots of the computed one of W and A.
struct AxisFactor {
  std::span<const base::Extended> w;
  base::Extended kw;
  ParaconjugateSum rest;
  std::span<const base::Extended> re, im;  // the roots
  std::span<const base::Extended> radii;   // and how far rounding may move them
  RootsOf roots_of = RootsOf::kW;
};

// The equation at each frequency: |kw|W|² - ka|A|² - kb|B|²| relative to
// kw|W|², every squared modulus evaluated with compensated Horner, so that
// the figure is the one of the coefficients as they stand.  It is set
// against what rounding explains there: one rounding of each coefficient of
// W, A and B, and each root off by its radius, which moves the squared
// modulus of its polynomial by 2 radius / |jw - root| relative (for A's
// roots, ka|A|² / kw|W|² of that relative to kw|W|²).  A frequency where W
// vanishes is left out.
struct AxisResidual {
  base::Extended worst = 0;  // the largest relative residual
  base::Extended at = 0;     // its frequency
  // Some frequency's residual exceeds both the floor and what rounding
  // explains there.
  bool beyond_rounding = false;
};

AxisResidual ResidualOnAxis(const AxisFactor& factor, std::span<const base::Extended> frequencies,
                            base::Extended floor);

}  // namespace poly
