// A complex number of two extended reals, with the few operations that the
// polynomial kernels need.  The product is written out, (ur·vr − ui·vi) +
// j·(ur·vi + ui·vr), so that every program gets the same bits.
#pragma once

#include "base/extended.h"

namespace poly {

struct Complex {
  base::Extended re;
  base::Extended im;
};

inline Complex operator+(Complex u, Complex v) { return {u.re + v.re, u.im + v.im}; }
inline Complex operator-(Complex u, Complex v) { return {u.re - v.re, u.im - v.im}; }
inline Complex operator-(Complex u) { return {-u.re, -u.im}; }
inline Complex operator*(Complex u, Complex v) { return {u.re * v.re - u.im * v.im, u.re * v.im + u.im * v.re}; }
inline Complex Conjugate(Complex z) { return {z.re, -z.im}; }
inline bool IsZero(Complex z) { return z.re == 0 && z.im == 0; }
// |Re z| + |Im z|: the size that the root search measures steps with.
inline base::Extended SumOfParts(Complex z) { return base::Abs(z.re) + base::Abs(z.im); }

inline base::Extended Modulus(Complex z) { return base::Sqrt(z.re * z.re + z.im * z.im); }

// p/d; the scaled form avoids squaring d unless a component is zero.
inline Complex Quotient(Complex p, Complex d) {
  if (d.re == 0 || d.im == 0) {
    const base::Extended norm = d.re * d.re + d.im * d.im;
    return {(p.re * d.re + p.im * d.im) / norm, (p.im * d.re - p.re * d.im) / norm};
  }
  const base::Extended q = d.re / d.im + d.im / d.re;
  return {(p.re / d.im + p.im / d.re) / q, (p.im / d.im - p.re / d.re) / q};
}

}  // namespace poly
