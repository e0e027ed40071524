// Error-free transformations: a sum or a product of two extended reals as
// the rounded result and its exact error (in round to nearest, without
// overflow), from which sums and products with about twice the significand
// are built.
#pragma once

#include "base/extended.h"

namespace poly {

// On extended reals, or on bare long doubles for a pass that checks only
// its result.
template <typename T>
struct ExactOf {
  T value;
  T error;
};
using Exact = ExactOf<base::Extended>;

// Knuth's sum: any two operands.
template <typename T>
inline ExactOf<T> TwoSum(T a, T b) {
  const T s = a + b;
  const T z = s - a;
  return {s, (a - (s - z)) + (b - z)};
}

// 2^32 + 1: splits a 64-bit significand into two halves of 32 bits.
constexpr long double kSplitter = 4294967297.0L;

template <typename T>
inline ExactOf<T> Split(T a) {
  const T c = T(kSplitter) * a;
  const T high = c - (c - a);
  return {high, a - high};
}

// Dekker's product: the halves' products are exact.
template <typename T>
inline ExactOf<T> TwoProduct(T a, T b) {
  const T p = a * b;
  const ExactOf<T> sa = Split(a);
  const ExactOf<T> sb = Split(b);
  return {p, sa.error * sb.error - (((p - sa.value * sb.value) - sa.error * sb.value) - sa.value * sb.error)};
}

// A value held as hi + lo, |lo| within half a unit in the last place of hi.
struct DoubleExtended {
  base::Extended hi = 0;
  base::Extended lo = 0;
};

inline DoubleExtended Renormalized(base::Extended hi, base::Extended lo) {
  const Exact s = TwoSum(hi, lo);
  return {s.value, s.error};
}

inline DoubleExtended operator+(DoubleExtended a, DoubleExtended b) {
  const Exact s = TwoSum(a.hi, b.hi);
  return Renormalized(s.value, s.error + (a.lo + b.lo));
}

inline DoubleExtended operator-(DoubleExtended a) { return {-a.hi, -a.lo}; }

// By an extended real, whose own error is not carried.
inline DoubleExtended operator*(base::Extended k, DoubleExtended a) {
  const Exact p = TwoProduct(k, a.hi);
  return Renormalized(p.value, p.error + k * a.lo);
}

}  // namespace poly
