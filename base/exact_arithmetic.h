// Error-free transformations of the extended arithmetic: the sum or the
// product of two extended reals as an unevaluated pair hi + lo equal to it
// exactly, for the kernels that must carry more than 64 bits through a step.
// They rest on rounding to nearest with the 64-bit significand and on
// operations that are never fused or reassociated, and they hold while no
// intermediate overflows or falls below the normal range: the kernels call
// them on reduced arguments of moderate size only.
#pragma once

#include <array>
#include <cstddef>

namespace base::exact {

// Adding and removing 1.5 * 2^63 rounds a value below 2^62 in magnitude to an
// integer (the spacing at 2^63), ties to even.
inline constexpr long double kRoundingShift = 0x1.8p63L;

// An unevaluated sum hi + lo, |lo| at most half an ulp of hi when normalised.
struct Pair {
  long double hi, lo;
};

// a + b for |a| >= |b| (or a = 0): hi = a + b rounded, lo its rounding error.
inline Pair FastTwoSum(long double a, long double b) {
  const long double s = a + b;
  return {s, b - (s - a)};
}

// a + b for any order of magnitude.
inline Pair TwoSum(long double a, long double b) {
  const long double s = a + b;
  const long double b_part = s - a;
  return {s, (a - (s - b_part)) + (b - b_part)};
}

// a = hi + lo with hi of 32 significant bits and lo of at most 31 (Veltkamp's
// splitting by 2^32 + 1): products of halves have at most 64 bits, exact.
inline Pair Split(long double a) {
  constexpr long double kSplitter = 4294967297.0L;  // 2^32 + 1
  const long double t = kSplitter * a;
  const long double hi = t - (t - a);
  return {hi, a - hi};
}

// a * b = hi + lo exactly (Dekker's product).
inline Pair TwoProduct(long double a, long double b) {
  const long double p = a * b;
  const Pair x = Split(a), y = Split(b);
  return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

// Horner's scheme over the coefficients of a fixed table, lowest order first.
template <std::size_t N>
inline long double Horner(const std::array<long double, N>& c, long double x) {
  long double sum = c[N - 1];
  for (std::size_t k = N - 1; k-- > 0;) sum = sum * x + c[k];
  return sum;
}

}  // namespace base::exact
