// The spectral factor's roots polished on the polynomials they come from,
// judged by the factors whose roots are known in closed form, and the check
// of a factor on the imaginary axis.
#include "poly/spectral_factor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "poly/algebra.h"
#include "poly/complex.h"
#include "tests/base/extended_printer.h"

namespace poly {
namespace {

using base::Extended;
using Reals = std::vector<Extended>;

double D(Extended x) { return static_cast<double>(x.raw()); }

// The Butterworth function of order n: A = s^n, B = 1, whose factor W has
// its roots on the left half of the unit circle, at the angles
// pi (2k + n - 1) / 2n, k = 1 .. n.
struct Butterworth {
  explicit Butterworth(int n) : a(static_cast<std::size_t>(n + 1), Extended(0)) {
    a.back() = 1;
    for (int k = 1; k <= n; ++k) {
      const Extended angle = base::Pi() * Extended(2 * k + n - 1) / Extended(2 * n);
      re.push_back(base::Cos(angle));
      im.push_back(base::Sin(angle));
    }
  }
  ParaconjugateSum Sum() const { return {a, 1, b, 1}; }

  Reals a;
  Reals b = {1};
  Reals re, im;
};

// The largest distance of a found root from the nearest of the wanted ones
// (each wanted one taken once), relative to the wanted one's size.
double WorstRootError(const Reals& want_re, const Reals& want_im, const Reals& re, const Reals& im) {
  std::vector<bool> taken(re.size(), false);
  double worst = 0;
  for (std::size_t w = 0; w < want_re.size(); ++w) {
    const Complex want{want_re[w], want_im[w]};
    std::size_t nearest = re.size();
    for (std::size_t k = 0; k < re.size(); ++k)
      if (!taken[k] && (nearest == re.size() ||
                        Modulus(Complex{re[k], im[k]} - want) < Modulus(Complex{re[nearest], im[nearest]} - want)))
        nearest = k;
    if (nearest == re.size()) return 1E300;
    taken[nearest] = true;
    worst = std::max(worst, D(Modulus(Complex{re[nearest], im[nearest]} - want) / Modulus(want)));
  }
  return worst;
}

// Starts that the polishing must take to the roots, however far off: the
// roots moved by a millionth, all at one point (a multiple root of the
// search that is none), all at the origin (which is no root), and in the
// right half plane (the roots' negatives, also roots of G).
TEST(PolishFactorRootsTest, EveryStartEndsOnTheLeftHalfOfTheRoots) {
  struct Start {
    const char* what;
    Complex (*from)(Complex root, std::size_t k);
  };
  const Start starts[] = {
      {"a millionth off",
       [](Complex r, std::size_t k) {
         return r + Complex{Extended(1E-6L) * Extended(static_cast<long double>(k % 3)), Extended(1E-6L)};
       }},
      {"at one point",
       [](Complex, std::size_t) {
         return Complex{-0.5L, 0.5L};
       }},
      {"at the origin",
       [](Complex, std::size_t) {
         return Complex{0, 0};
       }},
      {"on the right", [](Complex r, std::size_t) { return -r; }},
  };
  for (const int n : {3, 8, 21}) {
    const Butterworth w(n);
    for (const Start& start : starts) {
      Reals re, im;
      for (std::size_t k = 0; k < w.re.size(); ++k) {
        const Complex z = start.from({w.re[k], w.im[k]}, k);
        re.push_back(z.re);
        im.push_back(z.im);
      }
      PolishFactorRoots(w.Sum(), Half::kLeft, re, im);
      EXPECT_LT(WorstRootError(w.re, w.im, re, im), 1e-18) << "order " << n << ", " << start.what;
      for (std::size_t k = 0; k < re.size(); ++k) EXPECT_LT(re[k], 0) << "order " << n << ", " << start.what;
    }
  }
}

// Roots where G is already within its rounding keep every bit, and a real
// root stays real: the factors that the search gets right keep their digits.
// A = s^2 + 2, B = 3s: G = s^4 - 5s^2 + 4, whose left roots -1 and -2 are
// exact; the first-order Butterworth function from a real start off its
// root -1.
TEST(PolishFactorRootsTest, RootsInTheRoundingOfGStayAndRealRootsStayReal) {
  const Reals a = {2, 0, 1}, b = {0, 3};
  Reals re = {-1, -2}, im = {0, 0};
  PolishFactorRoots({a, 1, b, 1}, Half::kLeft, re, im);
  EXPECT_EQ(re, (Reals{-1, -2}));
  EXPECT_EQ(im, (Reals{0, 0}));
  Reals off_re = {Extended(-1.0001L)}, off_im = {Extended(0)};
  const Butterworth first(1);
  PolishFactorRoots(first.Sum(), Half::kLeft, off_re, off_im);
  EXPECT_EQ(off_im[0], Extended(0));
  EXPECT_EQ(off_re[0], Extended(-1));
}

// F from E E* - P P* with F = s^2 + 1/4: a double root of G at each of
// +-j/2, which the rounding of E splits.  E = s^2 + a s + 5/16 with
// a = sqrt(1/8) and P = 3/16, so that E E* - P P* = (s^2 + 1/4)^2 but for
// the rounding of a.  Roots near the axis go to it, where G(jw) comes
// nearest to touching zero, and two copies of one root (the conjugate that
// the user is to flip) stay together.
TEST(PolishFactorRootsTest, ZerosOfAFactorOnTheAxisEndOnTheAxis) {
  const Reals e = {Extended(5) / 16, base::Sqrt(Extended(1) / 8), 1};
  const Reals p = {Extended(3) / 16};
  const ParaconjugateSum g{e, 1, p, -1};
  struct Case {
    const char* what;
    Reals re, im, want_im;
  };
  const Case cases[] = {
      {"a pair split off the axis", {1E-7L, -1E-7L}, {0.5001L, -0.4999L}, {0.5L, -0.5L}},
      {"two copies", {0, 0}, {-0.5001L, -0.5001L}, {-0.5L, -0.5L}},
  };
  for (const Case& c : cases) {
    Reals re = c.re, im = c.im;
    PolishFactorRoots(g, Half::kAny, re, im);
    for (std::size_t k = 0; k < re.size(); ++k) {
      EXPECT_EQ(re[k], Extended(0)) << c.what << ", " << k;
      EXPECT_LE(D(base::Abs(im[k] - c.want_im[k])), 1e-18) << c.what << ", " << k;
    }
    if (c.im[0] == c.im[1]) {
      EXPECT_EQ(im[0], im[1]) << c.what;
    }
  }
}

// The check on the axis: a factor whose coefficients are those of its roots
// leaves only rounding; one coefficient off by a relative 1E-12 leaves a
// residual below the floor, by 1E-6 one beyond it, unless the roots' radii
// say that rounding may have moved them that far.  Roots of A (the
// computed F, when E is given) explain only A's share of the equation: A's
// roots of s^8 moved by 1E-5 move |A|² by nothing near the pass band's
// middle, where |A|² is w^16 of |W|².
TEST(ResidualOnAxisTest, SetsTheResidualAgainstTheFloorAndWhatRoundingExplains) {
  const Butterworth w(8);
  Reals coefficients(9, Extended(99)), residue(9, Extended(99));
  ProductFromRootsCompensated(w.re, w.im, coefficients, residue);
  Reals frequencies;
  for (int k = 0; k <= 300; ++k) frequencies.push_back(Extended(k) / 100);
  const Reals radii = RootRadii(w.Sum(), w.re, w.im);
  for (const Extended r : radii) EXPECT_LT(D(r), 1e-17);
  struct Case {
    const char* what;
    long double change;  // of a(3), relative
    long double radius;  // of every root; 0: their own radii
    RootsOf roots_of;
    bool beyond;
  };
  const Case cases[] = {
      {"exact", 0, 0, RootsOf::kW, false},
      {"below the floor", 1E-12L, 0, RootsOf::kW, false},
      {"beyond", 1E-6L, 0, RootsOf::kW, true},
      {"explained by the radii", 1E-6L, 1E-5L, RootsOf::kW, false},
      {"not explained by A's radii", 1E-6L, 1E-5L, RootsOf::kA, true},
  };
  const Reals origin(8, Extended(0));
  for (const Case& c : cases) {
    Reals e = coefficients;
    e[3] = e[3] * (1 + Extended(c.change));
    const Reals these_radii = c.radius == 0 ? radii : Reals(radii.size(), Extended(c.radius));
    const bool of_w = c.roots_of == RootsOf::kW;
    const AxisResidual residual =
        ResidualOnAxis({e, 1, w.Sum(), of_w ? w.re : origin, of_w ? w.im : origin, these_radii, c.roots_of},
                       frequencies, Extended(1E-9L));
    EXPECT_EQ(residual.beyond_rounding, c.beyond) << c.what;
    // a(3) w^3 is some 25 times |W(jw)| near the edge
    const double change = static_cast<double>(c.change);
    EXPECT_LE(D(residual.worst), change == 0 ? 1e-18 : 100 * change) << c.what;
    EXPECT_GE(D(residual.worst), change) << c.what;
  }
}

}  // namespace
}  // namespace poly
