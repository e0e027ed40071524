#include "poly/algebra.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "poly/root_search.h"
#include "tests/base/extended_printer.h"
#include "tests/poly/test_polynomial.h"

namespace poly {
namespace {

using base::Extended;
using test_support::Root;
using test_support::TestPolynomial;
using Reals = std::vector<Extended>;

// Storage of a given capacity, every entry a stale 99.
Reals Storage(std::size_t capacity) { return Reals(capacity, Extended(99)); }

Reals First(const Reals& storage, int degree) { return Reals(storage.begin(), storage.begin() + (degree + 1)); }

TEST(CleanTest, ZeroesBelowThresholdStrictlyAndDropsVanishedTop) {
  struct Case {
    const char* what;
    TestPolynomial p;
    long double threshold;
    Reals cleaned;  // empty: vanished
  };
  const std::vector<Case> cases = {
      {"tiny middle", {1, 1E-20L, 1}, 1E-15L, {1, 0, 1}},
      {"equal to the threshold stays", {2, 1E-15L, 1}, 1E-15L, {2, 1E-15L, 1}},
      {"negative magnitudes count", {-1E-16L, 0, -1}, 1E-15L, {0, 0, -1}},
      {"tiny top dropped", {1, 2, 1E-20L}, 1E-15L, {1, 2}},
      {"all zero", {0, 0, 0}, 0, {}},
      {"vanished", {}, 1, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Reals a = c.p.coefficients();
    const int degree = Clean(a, c.threshold);
    EXPECT_EQ(degree, static_cast<int>(c.cleaned.size()) - 1);
    EXPECT_EQ(First(a, degree), c.cleaned);
  }
}

TEST(MakeMonicTest, DividesByTheLeadingCoefficientWhichBecomesExactlyOne) {
  Reals a = {2, 4};
  MakeMonic(a);
  EXPECT_EQ(a, (Reals{0.5L, 1}));
  a = {1, 0, -3};
  MakeMonic(a);
  EXPECT_EQ(a, (Reals{Extended(1) / Extended(-3), 0, 1}));
  EXPECT_EQ(LargestMagnitude(Reals{-7, 2, 0}), Extended(7));
  EXPECT_EQ(LargestMagnitude(Reals{}), Extended(0));
}

TEST(AddScaledTest, WidensOverStaleCoefficientsAndDoesNotClean) {
  Reals x = Storage(4);
  x[0] = 0;
  x[1] = 1;  // s, degree 1; 99 above it
  const Reals y = {1, 0, 1};
  EXPECT_EQ(AddScaled(x, 1, 3, y, 2), 2);
  EXPECT_EQ(First(x, 2), (Reals{2, 3, 2}));
  EXPECT_EQ(x[3], Extended(99)) << "above the result nothing is touched";

  // the leading terms cancel and stay as a zero coefficient
  Reals z = {1, 1, 1};
  EXPECT_EQ(AddScaled(z, 2, 1, Reals{1, 1, -1}, 1), 2);
  EXPECT_EQ(z, (Reals{2, 2, 0}));
}

TEST(AddScaledTest, RefusesASumBeyondTheStorage) {
  Reals x = {1, 1};
  EXPECT_EQ(AddScaled(x, 1, 1, Reals{1, 2, 3}, 1), std::nullopt);
  EXPECT_EQ(x, (Reals{1, 1}));
}

TEST(MultiplyTest, MultipliesOutWithoutCleaning) {
  Reals out = Storage(3);
  EXPECT_EQ(Multiply(Reals{1, 1E-10L}, Reals{-1, 1E-10L}, out), 2);
  // the 1E-20 s^2 would not survive a cleaning with spread 1E15
  EXPECT_EQ(out, (Reals{-1, 0, 1E-10L * 1E-10L}));

  const TestPolynomial p = TestPolynomial{1}.Real(-2).Pair(-1, 1);
  const TestPolynomial q = TestPolynomial{1}.Real(3);
  out = Storage(5);
  EXPECT_EQ(Multiply(p.coefficients(), q.coefficients(), out), 4);
  EXPECT_EQ(First(out, 4), TestPolynomial{1}.Real(-2).Pair(-1, 1).Real(3).coefficients());
}

TEST(MultiplyTest, VanishedFactorGivesVanishedProductWithoutTouchingStorage) {
  for (const auto& [x, y] : {std::pair<Reals, Reals>{{}, {1, 2}}, {{1, 2}, {}}, {{}, {}}}) {
    Reals out = Storage(1);
    EXPECT_EQ(Multiply(x, y, out), -1);
    EXPECT_EQ(out, Storage(1));
  }
}

TEST(MultiplyTest, ProductMustFitTheStorage) {
  struct Case {
    int x_degree, y_degree;
    std::size_t capacity;
    bool fits;
  };
  for (const Case& c : {Case{100, 100, 201, true}, Case{0, 200, 201, true}, Case{101, 100, 201, false},
                        Case{20, 20, 41, true}, Case{20, 21, 41, false}}) {
    SCOPED_TRACE(std::to_string(c.x_degree) + " * " + std::to_string(c.y_degree) + " in " + std::to_string(c.capacity));
    Reals out = Storage(c.capacity);
    const FittedDegree degree =
        Multiply(TestPolynomial::Ones(c.x_degree).coefficients(), TestPolynomial::Ones(c.y_degree).coefficients(), out);
    if (c.fits) {
      EXPECT_EQ(degree, c.x_degree + c.y_degree);
    } else {
      EXPECT_EQ(degree, std::nullopt);
      EXPECT_EQ(out, Storage(c.capacity));
    }
  }
}

TEST(MultiplyByS, ShiftsUpToTheLastPlaceOfTheStorage) {
  Reals a = Storage(3);
  a[0] = 1;
  a[1] = 2;
  EXPECT_EQ(MultiplyByS(a, 1), 2);
  EXPECT_EQ(a, (Reals{0, 1, 2}));
  EXPECT_EQ(MultiplyByS(a, 2), std::nullopt);
  EXPECT_EQ(a, (Reals{0, 1, 2}));
}

TEST(ParaconjugateSquareTest, IsAPolynomialInSSquared) {
  struct Case {
    const char* what;
    TestPolynomial p;
    Reals in_x;  // p(s) p(-s) in x = s^2
  };
  const std::vector<Case> cases = {
      {"s + 1", {1, 1}, {1, -1}},
      // (s^2 + 2 + 2s)(s^2 + 2 - 2s) = s^4 + 4
      {"s^2 + 2s + 2", {2, 2, 1}, {4, 0, 1}},
      // (s^3 + 2s^2 + 2s + 1)(-s^3 + 2s^2 - 2s + 1) = 1 - x^3
      {"Butterworth 3", {1, 2, 2, 1}, {1, 0, 0, -1}},
      {"constant", {3}, {9}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Reals out = Storage(6);
    const FittedDegree degree = ParaconjugateSquare(c.p.coefficients(), out);
    ASSERT_EQ(degree, c.p.degree());
    EXPECT_EQ(First(out, *degree), c.in_x);
  }
  Reals small = Storage(2);
  EXPECT_EQ(ParaconjugateSquare(Reals{1, 2, 1}, small), std::nullopt);
}

TEST(WToSTest, SubstitutesAndKeepsTheLeadingCoefficientPositive) {
  struct Case {
    const char* what;
    Reals in_w, in_s;
  };
  const std::vector<Case> cases = {
      {"w^2 + 1", {1, 0, 1}, {-1, 0, 1}},  // 1 - s^2 turned over
      {"w^3 + w", {0, 1, 0, 1}, {0, -1, 0, 1}},
      {"w^5", {0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 1}},  // s^5 / j: the -j dropped
      {"vanished", {}, {}},
  };
  for (Case c : cases) {
    WToS(c.in_w);
    EXPECT_EQ(c.in_w, c.in_s) << c.what;
  }
}

// ------------------------------------------------------- product from roots

struct Product {
  Reals re, im;
  FittedDegree degree;
};

Product FromRoots(const std::vector<Root>& roots, std::size_t capacity) {
  Reals re, im;
  for (const Root& r : roots) {
    re.push_back(r.re);
    im.push_back(r.im);
  }
  Product p{Storage(capacity), Storage(capacity), std::nullopt};
  p.degree = ProductFromRoots(re, im, p.re, p.im);
  return p;
}

TEST(ProductFromRootsTest, ConjugatePairGivesRealPolynomialAndRootAloneAResidue) {
  Product p = FromRoots({{-1, 1}, {-1, -1}}, 3);
  ASSERT_EQ(p.degree, 2);
  EXPECT_EQ(p.re, (Reals{2, 2, 1}));
  EXPECT_EQ(p.im, (Reals{0, 0, 0}));
  // s + 1 - j
  p = FromRoots({{-1, 1}}, 3);
  ASSERT_EQ(p.degree, 1);
  EXPECT_EQ(First(p.re, 1), (Reals{1, 1}));
  EXPECT_EQ(First(p.im, 1), (Reals{-1, 0}));
  // (s + 2)(s - j)(s + j)(s) = s^4 + 2s^3 + s^2 + 2s
  p = FromRoots({{-2, 0}, {0, 1}, {0, -1}, {0, 0}}, 5);
  ASSERT_EQ(p.degree, 4);
  EXPECT_EQ(p.re, (Reals{0, 2, 1, 2, 1}));
  p = FromRoots({}, 1);
  EXPECT_EQ(p.degree, 0);
  EXPECT_EQ(p.re, (Reals{1}));
  EXPECT_EQ(p.im, (Reals{0}));
}

// A thousand roots: the storage of degree 1000 holds the product, one place
// less does not.  The roots 1, -1, 1, .. give (s^2 - 1)^500.
TEST(ProductFromRootsTest, ThousandRootsNeedAThousandAndOnePlaces) {
  std::vector<Root> roots;
  for (int k = 0; k < 1000; ++k) roots.push_back({k % 2 == 0 ? 1 : -1, 0});
  EXPECT_EQ(FromRoots(roots, 1000).degree, std::nullopt);
  const Product p = FromRoots(roots, 1001);
  ASSERT_EQ(p.degree, 1000);
  EXPECT_EQ(p.re[1000], Extended(1));
  EXPECT_EQ(p.re[998], Extended(-500));
  EXPECT_EQ(p.re[2], Extended(-500));
  EXPECT_EQ(p.re[0], Extended(1));
  for (const Extended c : p.im) EXPECT_EQ(c, Extended(0));
}

// Roots to a polynomial and back: the search finds the roots that the
// product was made of.
TEST(ProductFromRootsTest, RootsComeBackThroughTheRootSearch) {
  std::mt19937 generator(20190426);
  std::uniform_real_distribution<double> uniform(-2, 2);
  for (int trial = 0; trial < 20; ++trial) {
    SCOPED_TRACE(trial);
    std::vector<Root> roots;
    for (int k = 0; k < 6; ++k) {
      const double re = uniform(generator), im = std::abs(uniform(generator)) + 0.1;
      roots.push_back({re, im});
      roots.push_back({re, -im});
    }
    roots.push_back({uniform(generator), 0});
    const Product p = FromRoots(roots, 14);
    ASSERT_EQ(p.degree, 13);
    Reals re(13), im(13);
    int rescues = 0;
    RootSearchHooks hooks;
    hooks.rescue = [&rescues](RootRescue& state) {
      ++rescues;
      state.tolr = 1E30L;
    };
    SearchRoots(p.re, RootSearchSettings{1E-12L, 1E-8L, 1E-10L, {-1.1L, 1.1L}}, re, im, hooks);
    EXPECT_EQ(rescues, 0);
    for (const Root& want : roots) {
      Extended nearest = 1E30L;
      for (std::size_t k = 0; k < re.size(); ++k)
        nearest = std::min(nearest, base::Abs(re[k] - want.re) + base::Abs(im[k] - want.im));
      EXPECT_LT(static_cast<double>(nearest.raw()), 1e-12);
    }
  }
}

// The 24 roots of s^24 - 1 in the order of their angles: the partial
// products of neighbouring roots grow to coefficients of some 10^6 before
// they cancel to the 0 of s^24 - 1.  The plain product keeps that rounding;
// the compensated one misses only by what the rounding of the roots
// themselves moves the coefficients, each factor (s^24 - 1)/(s - r) having
// coefficients of modulus 1.
TEST(ProductFromRootsTest, CompensatedProductOfRootsOfUnityCancelsToTheirRounding) {
  constexpr int n = 24;
  Reals re, im;
  for (int k = 0; k < n; ++k) {
    const Extended angle = 2 * base::Pi() * Extended(k) / n;
    re.push_back(base::Cos(angle));
    im.push_back(base::Sin(angle));
  }
  const auto largest_miss = [](const Reals& x, const Reals& y) {
    Extended miss = 0;
    for (int k = 0; k <= n; ++k) {
      const Extended want = k == 0 ? -1 : (k == n ? 1 : 0);
      miss = std::max({miss, base::Abs(x[k] - want), base::Abs(y[k])});
    }
    return static_cast<double>(miss.raw());
  };
  Reals x = Storage(n + 1), y = Storage(n + 1);
  ASSERT_EQ(ProductFromRootsCompensated(re, im, x, y), n);
  EXPECT_LT(largest_miss(x, y), n * 0x1p-64);
  ASSERT_EQ(ProductFromRoots(re, im, x, y), n);
  EXPECT_GT(largest_miss(x, y), 1e-15);
  Reals small = Storage(n);
  EXPECT_FALSE(ProductFromRootsCompensated(re, im, small, y).has_value());
}

}  // namespace
}  // namespace poly
