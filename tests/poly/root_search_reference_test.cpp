// The root search against roots known to 60 digits, on polynomials where
// deflation alone loses digits: roots spread over twelve decades, where the
// large ones are found first, and a random polynomial of degree 150.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "poly/root_search.h"

namespace poly {
namespace {

using base::Extended;

struct ReferenceRoot {
  long double re, im;
};

struct ReferenceCase {
  const char* name;
  std::span<const long double> coefficients;
  std::span<const ReferenceRoot> roots;
  // The relative error that the rounding of one evaluation at a root causes.
  long double condition;
};

#include "tests/poly/reference/root_search_reference.inc"

// 2^-64, the unit roundoff of the 64-bit significand.
constexpr long double kUnitRoundoff = 0x1p-64L;

Complex Reference(ReferenceRoot r) { return {r.re, r.im}; }

// |p(r)| / sum |a(k)| |r|^k: how far p(r) lies above the rounding of its
// evaluation, in units of the largest term.
Extended RelativeResidual(std::span<const Extended> a, Complex r) {
  Complex p{0, 0};
  Extended terms = 0;
  const Extended size = Modulus(r);
  for (std::size_t k = a.size(); k-- > 0;) {
    p = p * r + Complex{a[k], 0};
    terms = terms * size + base::Abs(a[k]);
  }
  return Modulus(p) / terms;
}

struct Found {
  std::vector<Complex> roots;  // index k at k - 1
  int rescues = 0;
};

// Dialogs after which the user accepts whatever comes (so that a search gone
// astray ends, with the roots far off); these cases need 3 and 7.
constexpr int kPatience = 20;

// The workbench's defaults; at a rescue the user lets the iteration go on.
Found Search(const ReferenceCase& c, bool refine) {
  const std::vector<Extended> a(c.coefficients.begin(), c.coefficients.end());
  const std::size_t n = a.size() - 1;
  RootSearchSettings settings{1E-12L, 1E-8L, 1E-10L, {-1.1L, 1.1L}, false};
  settings.refine = refine;
  Found found;
  RootSearchHooks hooks;
  hooks.rescue = [&found](RootRescue& state) {
    if (++found.rescues > kPatience) state.tolr = 1E30L;
  };
  std::vector<Extended> re(n), im(n);
  SearchRoots(a, settings, re, im, hooks);
  for (std::size_t k = 0; k < n; ++k) found.roots.push_back({re[k], im[k]});
  return found;
}

// Each reference root against the nearest found root not matched before.
struct Match {
  std::size_t reference;
  Complex found;
  Extended relative_error;
};

std::vector<Match> MatchRoots(const ReferenceCase& c, std::vector<Complex> found) {
  std::vector<Match> matches;
  for (std::size_t i = 0; i < c.roots.size(); ++i) {
    const Complex want = Reference(c.roots[i]);
    const auto nearest = std::min_element(found.begin(), found.end(),
                                          [&](Complex a, Complex b) { return Modulus(a - want) < Modulus(b - want); });
    matches.push_back({i, *nearest, Modulus(*nearest - want) / Modulus(want)});
    found.erase(nearest);
  }
  return matches;
}

Extended DistanceToNearest(const ReferenceCase& c, Complex z) {
  Extended nearest = Modulus(z - Reference(c.roots[0]));
  for (const ReferenceRoot& r : c.roots) nearest = std::min(nearest, Modulus(z - Reference(r)));
  return nearest;
}

std::string Describe(const ReferenceCase& c, const Match& m) {
  char text[160];
  std::snprintf(text, sizeof text, "reference root %zu (%.6Le, %.6Le), found (%.6Le, %.6Le)", m.reference,
                c.roots[m.reference].re, c.roots[m.reference].im, m.found.re.raw(), m.found.im.raw());
  return text;
}

// Every root within a few roundings of one evaluation of p at it, both in
// its distance from the reference and in its residual.  Deflation alone
// leaves roots some 3600 (spread) and 93000 (random) conditions off, with
// residuals of 1.8E4 and 4.5E5 unit roundoffs.
TEST(RootSearchReferenceTest, EveryRootIsAsCloseAsTheEvaluationAllows) {
  // Relative error in units of the case's condition.
  constexpr double kErrorBound = 16;
  // Residual relative to sum |a(k)| |r|^k, in unit roundoffs.
  constexpr double kResidualBound = 16;
  for (const ReferenceCase& c : kReferenceCases) {
    SCOPED_TRACE(c.name);
    const std::vector<Extended> a(c.coefficients.begin(), c.coefficients.end());
    const Found found = Search(c, true);
    EXPECT_LE(found.rescues, kPatience);
    const std::vector<Match> matches = MatchRoots(c, found.roots);
    const auto worst = std::max_element(matches.begin(), matches.end(), [](const Match& x, const Match& y) {
      return x.relative_error < y.relative_error;
    });
    EXPECT_LE(static_cast<double>(worst->relative_error.raw()), kErrorBound * static_cast<double>(c.condition))
        << Describe(c, *worst);
    const auto worst_residual = std::max_element(matches.begin(), matches.end(), [&](const Match& x, const Match& y) {
      return RelativeResidual(a, x.found) < RelativeResidual(a, y.found);
    });
    EXPECT_LE(static_cast<double>(RelativeResidual(a, worst_residual->found).raw()), kResidualBound * kUnitRoundoff)
        << Describe(c, *worst_residual);
  }
}

// The refinement changes a stored root only to bring it closer; the search
// itself, and the dialogs it needs, stay those of the search alone.
TEST(RootSearchReferenceTest, RefinementOnlyMovesRootsCloser) {
  for (const ReferenceCase& c : kReferenceCases) {
    SCOPED_TRACE(c.name);
    const Found refined = Search(c, true);
    const Found as_found = Search(c, false);
    EXPECT_EQ(refined.rescues, as_found.rescues);
    int moved = 0;
    for (std::size_t k = 0; k < refined.roots.size(); ++k) {
      const Complex before = as_found.roots[k], after = refined.roots[k];
      if (before.re == after.re && before.im == after.im) continue;
      ++moved;
      const Extended now = DistanceToNearest(c, after), then = DistanceToNearest(c, before);
      EXPECT_TRUE(now < then) << "root " << k + 1 << " moved from " << static_cast<double>(then.raw()) << " to "
                              << static_cast<double>(now.raw()) << " off its nearest reference root";
    }
    EXPECT_GT(moved, 0);
  }
}

}  // namespace
}  // namespace poly
