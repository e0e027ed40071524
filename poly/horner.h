// Evaluation of a polynomial a(0) + a(1) x + ... + a(n) x^n by Horner's
// scheme, from the leading coefficient down.  The coefficients are a span of
// a(0)..a(n); an empty span is the vanished polynomial, whose value is 0.
#pragma once

#include <span>

#include "base/extended.h"
#include "poly/complex.h"

namespace poly {

template <typename T>
struct ValueAndDerivative {
  T value;
  T derivative;
};

// The sum starts at 0 and takes a(n) as its first coefficient: 0·x + a(n).
base::Extended Evaluate(std::span<const base::Extended> a, base::Extended x);
Complex Evaluate(std::span<const base::Extended> a, Complex x);

// p and p' together in one pass: p := a(n), d := a(n), then for k = n-1 down
// to 0, p := p·x + a(k) and, for k > 0, d := d·x + p.
ValueAndDerivative<base::Extended> EvaluateWithDerivative(std::span<const base::Extended> a, base::Extended x);
ValueAndDerivative<Complex> EvaluateWithDerivative(std::span<const base::Extended> a, Complex x);
ValueAndDerivative<Complex> EvaluateWithDerivative(std::span<const Complex> a, Complex x);

// sum |a(k)| r^k (|Re a(k)| + |Im a(k)| for complex coefficients): the size
// of the terms of the sum at a point of modulus r, which its rounding error
// is measured against.
base::Extended SumOfTerms(std::span<const base::Extended> a, base::Extended r);
base::Extended SumOfTerms(std::span<const Complex> a, base::Extended r);

// Horner's scheme carrying the rounding error of every product and sum
// along: the value as if computed with twice the significand, then rounded
// (the error is about 2^-64 |p(x)| plus (2n 2^-64)^2 sum |a(k)| |x|^k for
// degree n).  For values
// that cancel far below the size of their terms.
base::Extended EvaluateCompensated(std::span<const base::Extended> a, base::Extended x);
Complex EvaluateCompensated(std::span<const base::Extended> a, Complex x);

}  // namespace poly
