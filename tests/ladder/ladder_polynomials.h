// The input impedance of a known ladder as a ratio of polynomials, so that a
// test can hand a synthesis the immittance of the ladder it should find.
// Each arm is a rational function of s: the impedance of a series arm, the
// admittance of a shunt arm; the input impedance is kept as a/b from the far
// end on, as the evaluator does with numbers.
#pragma once

#include <algorithm>
#include <vector>

#include "tests/ladder/network_evaluator.h"

namespace ladder_test {

// Ascending coefficients.
using Poly = std::vector<long double>;

inline Poly Times(const Poly& x, const Poly& y) {
  Poly out(x.size() + y.size() - 1, 0.0L);
  for (std::size_t i = 0; i < x.size(); ++i)
    for (std::size_t j = 0; j < y.size(); ++j) out[i + j] += x[i] * y[j];
  return out;
}

inline Poly Plus(const Poly& x, const Poly& y) {
  Poly out(std::max(x.size(), y.size()), 0.0L);
  for (std::size_t i = 0; i < x.size(); ++i) out[i] += x[i];
  for (std::size_t i = 0; i < y.size(); ++i) out[i] += y[i];
  while (out.size() > 1 && out.back() == 0) out.pop_back();
  return out;
}

struct RationalArm {
  bool series = true;
  Poly numerator;  // of Z for a series arm, of Y for a shunt arm
  Poly denominator;
};

inline RationalArm SeriesL(long double l) { return {true, {0, l}, {1}}; }
inline RationalArm SeriesR(long double r) { return {true, {r}, {1}}; }
inline RationalArm ShuntC(long double c) { return {false, {0, c}, {1}}; }
inline RationalArm ShuntR(long double r) { return {false, {1}, {r}}; }
// L ∥ C in the series arm: Z = sL / (1 + s²LC).
inline RationalArm SeriesParallelTank(long double l, long double c) { return {true, {0, l}, {1, 0, l * c}}; }
// L - C across the line: Y = sC / (1 + s²LC).
inline RationalArm ShuntSeriesTank(long double l, long double c) { return {false, {0, c}, {1, 0, l * c}}; }

struct ImpedancePolynomials {
  Poly numerator;
  Poly denominator;
};

inline ImpedancePolynomials InputImpedance(const std::vector<RationalArm>& arms, FarEnd end) {
  Poly a{end == FarEnd::kOpen ? 1.0L : 0.0L};
  Poly b{end == FarEnd::kOpen ? 0.0L : 1.0L};
  for (auto arm = arms.rbegin(); arm != arms.rend(); ++arm) {
    if (arm->series) {
      a = Plus(Times(a, arm->denominator), Times(arm->numerator, b));
      b = Times(b, arm->denominator);
    } else {
      b = Plus(Times(b, arm->denominator), Times(arm->numerator, a));
      a = Times(a, arm->denominator);
    }
  }
  while (a.size() > 1 && a.back() == 0) a.pop_back();
  while (b.size() > 1 && b.back() == 0) b.pop_back();
  return {a, b};
}

}  // namespace ladder_test
