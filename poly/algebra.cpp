#include "poly/algebra.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "poly/exact.h"

namespace poly {
namespace {

using base::Extended;

int DegreeOf(std::span<const Extended> a) { return static_cast<int>(a.size()) - 1; }

// Storage for degree n holds n + 1 coefficients.
bool Fits(std::span<const Extended> storage, int degree) {
  return degree < 0 || static_cast<std::size_t>(degree) < storage.size();
}

void Zero(std::span<Extended> storage, int from, int to) {
  for (int k = from; k <= to; ++k) storage[static_cast<std::size_t>(k)] = 0;
}

// (x + jy)·(s - r) over positions 0 .. top, in place.
void MultiplyByRootFactor(std::span<Extended> x, std::span<Extended> y, std::size_t top, Extended re, Extended im) {
  for (std::size_t k = top; k >= 1; --k) {
    const Extended xk = x[k];
    const Extended yk = y[k];
    x[k] = x[k - 1] - re * xk + im * yk;
    y[k] = y[k - 1] - re * yk - im * xk;
  }
  const Extended x0 = x[0];
  const Extended y0 = y[0];
  x[0] = -re * x0 + im * y0;
  y[0] = -re * y0 - im * x0;
}

}  // namespace

Extended LargestMagnitude(std::span<const Extended> a) {
  Extended m = 0;
  for (const Extended c : a) m = std::max(m, base::Abs(c));
  return m;
}

int Clean(std::span<Extended> a, Extended threshold) {
  for (Extended& c : a)
    if (base::Abs(c) < threshold) c = 0;
  int n = DegreeOf(a);
  while (n >= 0 && a[static_cast<std::size_t>(n)] == 0) --n;
  return n;
}

void MakeMonic(std::span<Extended> a) {
  const Extended lead = a.back();
  for (Extended& c : a) c = c / lead;
}

FittedDegree AddScaled(std::span<Extended> x_storage, int x_degree, Extended sx, std::span<const Extended> y,
                       Extended sy) {
  const int y_degree = DegreeOf(y);
  const int n = std::max(x_degree, y_degree);
  if (!Fits(x_storage, n)) return std::nullopt;
  Zero(x_storage, x_degree + 1, y_degree);
  for (int i = 0; i <= n; ++i) {
    const std::size_t k = static_cast<std::size_t>(i);
    const Extended yi = i <= y_degree ? y[k] : Extended(0);
    x_storage[k] = sx * x_storage[k] + sy * yi;
  }
  return n;
}

FittedDegree Multiply(std::span<const Extended> x, std::span<const Extended> y, std::span<Extended> out) {
  if (x.empty() || y.empty()) return -1;
  const int n = DegreeOf(x) + DegreeOf(y);
  if (!Fits(out, n)) return std::nullopt;
  Zero(out, 0, n);
  for (std::size_t i = 0; i < x.size(); ++i)
    for (std::size_t j = 0; j < y.size(); ++j) out[i + j] += x[i] * y[j];
  return n;
}

FittedDegree MultiplyByS(std::span<Extended> storage, int degree) {
  if (!Fits(storage, degree + 1)) return std::nullopt;
  for (int i = degree; i >= 0; --i) storage[static_cast<std::size_t>(i + 1)] = storage[static_cast<std::size_t>(i)];
  storage[0] = 0;
  return degree + 1;
}

FittedDegree ParaconjugateSquare(std::span<const Extended> p, std::span<Extended> out) {
  const int n = DegreeOf(p);
  if (!Fits(out, n)) return std::nullopt;
  Zero(out, 0, n);
  for (std::size_t i = 0; i < p.size(); ++i)
    for (std::size_t j = 0; j < p.size(); ++j) {
      if ((i + j) % 2 != 0) continue;
      const Extended term = p[i] * p[j];
      out[(i + j) / 2] += i % 2 == 0 ? term : -term;
    }
  return n;
}

FittedDegree ProductFromRoots(std::span<const Extended> re, std::span<const Extended> im, std::span<Extended> out_re,
                              std::span<Extended> out_im) {
  const int n = static_cast<int>(re.size());
  if (!Fits(out_re, n) || !Fits(out_im, n)) return std::nullopt;
  Zero(out_re, 0, n);
  Zero(out_im, 0, n);
  out_re[0] = 1;
  for (std::size_t i = 0; i < re.size(); ++i) MultiplyByRootFactor(out_re, out_im, i + 1, re[i], im[i]);
  return n;
}

FittedDegree ProductFromRootsCompensated(std::span<const Extended> re, std::span<const Extended> im,
                                         std::span<Extended> out_re, std::span<Extended> out_im) {
  const int n = static_cast<int>(re.size());
  if (!Fits(out_re, n) || !Fits(out_im, n)) return std::nullopt;
  std::vector<DoubleExtended> x(re.size() + 1), y(re.size() + 1);
  x[0] = {1, 0};
  for (std::size_t i = 0; i < re.size(); ++i) {
    // (x + jy)·(s - r): the same steps as in plain arithmetic
    for (std::size_t k = i + 1; k >= 1; --k) {
      const DoubleExtended xk = x[k], yk = y[k];
      x[k] = x[k - 1] + (-re[i]) * xk + im[i] * yk;
      y[k] = y[k - 1] + (-re[i]) * yk + (-im[i]) * xk;
    }
    const DoubleExtended x0 = x[0], y0 = y[0];
    x[0] = (-re[i]) * x0 + im[i] * y0;
    y[0] = (-re[i]) * y0 + (-im[i]) * x0;
  }
  for (std::size_t k = 0; k < x.size(); ++k) {
    out_re[k] = x[k].hi + x[k].lo;
    out_im[k] = y[k].hi + y[k].lo;
  }
  return n;
}

void WToS(std::span<Extended> a) {
  // w^i = s^i times 1, -j, -1, j for i mod 4 = 0, 1, 2, 3
  for (std::size_t i = 0; i < a.size(); ++i)
    if (i % 4 == 1 || i % 4 == 2) a[i] = -a[i];
  if (!a.empty() && a.back() < 0)
    for (Extended& c : a) c = -c;
}

}  // namespace poly
