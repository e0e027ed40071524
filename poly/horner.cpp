#include "poly/horner.h"

namespace poly {
namespace {

using base::Extended;

// The real coefficient joins the real part only: the imaginary part is not
// touched by an added zero.
Complex MulAdd(Complex p, Complex x, Extended a) { return {p.re * x.re - p.im * x.im + a, p.re * x.im + p.im * x.re}; }
Complex MulAdd(Complex p, Complex x, Complex a) { return p * x + a; }
Extended MulAdd(Extended p, Extended x, Extended a) { return p * x + a; }

template <typename Value>
Value Lift(Extended a) {
  return Value{a};
}
template <typename Value>
Value Lift(Complex a) {
  return a;
}

template <typename Value, typename Coefficient>
ValueAndDerivative<Value> Both(std::span<const Coefficient> a, Value x) {
  if (a.empty()) return {Value{}, Value{}};
  if (a.size() == 1) return {Lift<Value>(a[0]), Value{}};
  const std::size_t n = a.size() - 1;
  Value p = Lift<Value>(a[n]);
  Value d = p;
  for (std::size_t k = n; k-- > 0;) {
    p = MulAdd(p, x, a[k]);
    if (k > 0) d = MulAdd(d, x, p);
  }
  return {p, d};
}

template <typename Value>
Value ValueOnly(std::span<const Extended> a, Value x) {
  Value p{};
  for (std::size_t k = a.size(); k-- > 0;) p = MulAdd(p, x, a[k]);
  return p;
}

}  // namespace

Extended Evaluate(std::span<const Extended> a, Extended x) { return ValueOnly(a, x); }

Complex Evaluate(std::span<const Extended> a, Complex x) { return ValueOnly(a, x); }

ValueAndDerivative<Extended> EvaluateWithDerivative(std::span<const Extended> a, Extended x) { return Both(a, x); }

ValueAndDerivative<Complex> EvaluateWithDerivative(std::span<const Complex> a, Complex x) { return Both(a, x); }

}  // namespace poly
