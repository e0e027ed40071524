#include "poly/horner.h"

namespace poly {
namespace {

using base::Extended;

// The real coefficient joins the real part only: the imaginary part is not
// touched by an added zero.
Complex MulAdd(Complex p, Complex x, Extended a) { return {p.re * x.re - p.im * x.im + a, p.re * x.im + p.im * x.re}; }
Complex MulAdd(Complex p, Complex x, Complex a) { return p * x + a; }
Extended MulAdd(Extended p, Extended x, Extended a) { return p * x + a; }

// A complex value on bare long doubles, for the unchecked pass below.
struct BareComplex {
  long double re = 0;
  long double im = 0;
};

// Operation for operation those of MulAdd on Complex, so that a finite
// result is the checked one to the last bit.
BareComplex MulAdd(BareComplex p, BareComplex x, Complex a) {
  return {p.re * x.re - p.im * x.im + a.re.raw(), p.re * x.im + p.im * x.re + a.im.raw()};
}
BareComplex MulAdd(BareComplex p, BareComplex x, BareComplex a) {
  return {p.re * x.re - p.im * x.im + a.re, p.re * x.im + p.im * x.re + a.im};
}

bool IsFinite(BareComplex z) { return __builtin_isfinite(z.re) && __builtin_isfinite(z.im); }

template <typename Value>
Value Lift(Extended a) {
  return Value{a};
}
template <typename Value>
Value Lift(Complex a) {
  return a;
}
template <>
BareComplex Lift<BareComplex>(Complex a) {
  return {a.re.raw(), a.im.raw()};
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

// The root search spends most of its time here, and the check of every
// operation costs as much as the operation.  The pass runs first on bare long
// doubles: sums and products never turn an infinity or a NaN back into a
// finite number, so a finite result means that no operation faulted; any
// other result is computed again, checked, to raise the fault where it
// arises (or to pass a NaN or an infinity that came in).
ValueAndDerivative<Complex> EvaluateWithDerivative(std::span<const Complex> a, Complex x) {
  const ValueAndDerivative<BareComplex> bare = Both(a, BareComplex{x.re.raw(), x.im.raw()});
  if (!IsFinite(bare.value) || !IsFinite(bare.derivative)) return Both(a, x);
  return {{bare.value.re, bare.value.im}, {bare.derivative.re, bare.derivative.im}};
}

}  // namespace poly
