#include "poly/horner.h"

#include <type_traits>

#include "poly/exact.h"

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
template <>
Complex Lift<Complex>(Extended a) {
  return {a, 0};
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

Extended SumOfTerms(std::span<const Extended> a, Extended r) {
  Extended sum = 0;
  for (std::size_t k = a.size(); k-- > 0;) sum = sum * r + base::Abs(a[k]);
  return sum;
}

Extended SumOfTerms(std::span<const Complex> a, Extended r) {
  Extended sum = 0;
  for (std::size_t k = a.size(); k-- > 0;) sum = sum * r + SumOfParts(a[k]);
  return sum;
}

template <typename T>
T Real(Extended a) {
  if constexpr (std::is_same_v<T, long double>)
    return a.raw();
  else
    return a;
}

template <typename T>
T Compensated(std::span<const Extended> a, T x) {
  T sum = Real<T>(a.back());
  T correction = 0;
  for (std::size_t k = a.size() - 1; k-- > 0;) {
    const ExactOf<T> product = TwoProduct(sum, x);
    const ExactOf<T> next = TwoSum(product.value, Real<T>(a[k]));
    sum = next.value;
    correction = correction * x + (product.error + next.error);
  }
  return sum + correction;
}

// Bare first, as below: every transformation's result passes through to
// the value, so a finite value means that no operation faulted.
Extended EvaluateCompensated(std::span<const Extended> a, Extended x) {
  if (a.empty()) return 0;
  const long double bare = Compensated(a, x.raw());
  if (__builtin_isfinite(bare)) return bare;
  return Compensated(a, x);
}

// The complex product p·x split into its four real products, each exact
// with its error, and the sums likewise; on T, Extended or bare long double
// (see below).
template <typename T>
struct ComplexOf {
  T re;
  T im;
};

template <typename T>
ComplexOf<T> Compensated(std::span<const Extended> a, ComplexOf<T> x) {
  ComplexOf<T> sum{Real<T>(a.back()), T(0)};
  ComplexOf<T> correction{T(0), T(0)};
  for (std::size_t k = a.size() - 1; k-- > 0;) {
    const ExactOf<T> rr = TwoProduct(sum.re, x.re), ii = TwoProduct(sum.im, x.im);
    const ExactOf<T> ri = TwoProduct(sum.re, x.im), ir = TwoProduct(sum.im, x.re);
    const ExactOf<T> difference = TwoSum(rr.value, -ii.value);
    const ExactOf<T> re = TwoSum(difference.value, Real<T>(a[k]));
    const ExactOf<T> im = TwoSum(ri.value, ir.value);
    sum = {re.value, im.value};
    const T error_re = rr.error - ii.error + difference.error + re.error;
    const T error_im = ri.error + ir.error + im.error;
    correction = {correction.re * x.re - correction.im * x.im + error_re,
                  correction.re * x.im + correction.im * x.re + error_im};
  }
  return {sum.re + correction.re, sum.im + correction.im};
}

Complex EvaluateCompensated(std::span<const Extended> a, Complex x) {
  if (a.empty()) return {0, 0};
  const ComplexOf<long double> bare = Compensated(a, ComplexOf<long double>{x.re.raw(), x.im.raw()});
  if (__builtin_isfinite(bare.re) && __builtin_isfinite(bare.im)) return {bare.re, bare.im};
  const ComplexOf<Extended> checked = Compensated(a, ComplexOf<Extended>{x.re, x.im});
  return {checked.re, checked.im};
}

Complex Evaluate(std::span<const Extended> a, Complex x) { return ValueOnly(a, x); }

ValueAndDerivative<Extended> EvaluateWithDerivative(std::span<const Extended> a, Extended x) { return Both(a, x); }

ValueAndDerivative<Complex> EvaluateWithDerivative(std::span<const Extended> a, Complex x) { return Both(a, x); }

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
