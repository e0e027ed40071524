// Fixed-length sums over coefficient tables, lowest order first.
#include <algorithm>

#include "specfun/ext_math.h"

namespace specfun {
namespace {

// min(degree + 1, count), without the overflow of degree + 1
std::int32_t TermCount(std::int32_t degree, std::int32_t count) {
  return static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{degree} + 1, count));
}

}  // namespace

Extended PolynomialValue(const Extended* table, std::int32_t degree, std::int32_t count, Extended x) {
  const std::int32_t n = TermCount(degree, count);
  if (n < 1) return 0;
  Extended sum = table[n - 1];
  for (std::int32_t k = n - 2; k >= 0; --k) sum = sum * x + table[k];
  return sum;
}

// Clenshaw's recurrence b_k = c_k + 2x b_(k+1) - b_(k+2); with c0 halved the
// sum is (b_0 - b_2)/2.
Extended ChebyshevSum(const Extended* table, std::int32_t degree, std::int32_t count, Extended x) {
  const std::int32_t n = TermCount(degree, count);
  const Extended two_x = x + x;
  Extended b0 = 0, b1 = 0, b2 = 0;
  for (std::int32_t k = n - 1; k >= 0; --k) {
    b2 = b1;
    b1 = b0;
    b0 = table[k] + two_x * b1 - b2;
  }
  return (b0 - b2) / 2;
}

}  // namespace specfun
