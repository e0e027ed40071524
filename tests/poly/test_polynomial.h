// The polynomials of the tests: written out as coefficients, or multiplied
// out from known roots factor by factor in real arithmetic, (s - r) for a
// real root and s² - 2 Re(r) s + |r|² for a conjugate pair, so that a test
// knows the roots of what it gives to a kernel or a program.
#pragma once

#include <initializer_list>
#include <vector>

#include "base/extended.h"

namespace test_support {

struct Root {
  base::Extended re;
  base::Extended im;
};

class TestPolynomial {
 public:
  // The vanished polynomial: no coefficient at all.
  TestPolynomial() = default;
  // a(0), a(1), .. in ascending powers; its roots are unknown.
  TestPolynomial(std::initializer_list<long double> ascending) : a_(ascending.begin(), ascending.end()) {}

  // n + 1 coefficients, each 1.
  static TestPolynomial Ones(int degree) {
    TestPolynomial p;
    p.a_.assign(static_cast<std::size_t>(degree + 1), base::Extended(1));
    return p;
  }

  // Multiply by the factor of a real root or of a conjugate pair.
  TestPolynomial& Real(base::Extended r, int multiplicity = 1) {
    for (int i = 0; i < multiplicity; ++i) {
      Multiply({-r, 1});
      roots_.push_back({r, 0});
    }
    return *this;
  }
  TestPolynomial& Pair(base::Extended re, base::Extended im, int multiplicity = 1) {
    for (int i = 0; i < multiplicity; ++i) {
      Multiply({re * re + im * im, -2 * re, 1});
      roots_.push_back({re, im});
      roots_.push_back({re, -im});
    }
    return *this;
  }

  const std::vector<base::Extended>& coefficients() const { return a_; }
  int degree() const { return static_cast<int>(a_.size()) - 1; }
  // The roots multiplied in, each member of a pair on its own.
  const std::vector<Root>& roots() const { return roots_; }

 private:
  // The vanished polynomial stays vanished.
  void Multiply(const std::vector<base::Extended>& factor) {
    if (a_.empty()) return;
    std::vector<base::Extended> product(a_.size() + factor.size() - 1, base::Extended(0));
    for (std::size_t i = 0; i < a_.size(); ++i)
      for (std::size_t j = 0; j < factor.size(); ++j) product[i + j] += a_[i] * factor[j];
    a_ = product;
  }

  std::vector<base::Extended> a_;
  std::vector<Root> roots_;
};

}  // namespace test_support
