// The natural logarithm.  x = 2^k y with 1 <= y < 2, and y = (1 + u)/r with r
// from a table of reciprocals of 1 + j/128, j the point nearest to y:
//   ln x = k ln 2 - ln r + ln(1 + u),  |u| <= 2^-8,
// where k ln 2 - ln r is exact in its leading part, u is exact as a pair and
// ln(1 + u) = u - u^2/2 + u^3 P(u) is short.  The result is one rounding of a
// sum whose parts are known to about 2^-72 of it: a little over half an ulp.
#include <array>

#include "base/exact_arithmetic.h"
#include "base/extended.h"
#include "base/extended_bits.h"

namespace base {
namespace {

struct LogRow {
  double r;                   // 1/(1 + j/128) cut to 24 significant bits
  double minus_log_high;      // -ln r rounded to a multiple of 2^-49
  long double minus_log_low;  // the rest of -ln r
};

constexpr int kSteps = 128;  // table points 1 + j/128, j = 0..128
constexpr std::array<LogRow, kSteps + 1> kLogTable = {{
#include "base/tables/logarithm_table.inc"
}};
// ln 2 = kLn2[0] + kLn2[1], the first a multiple of 2^-49 with 49 significant
// bits: k times it is exact for every exponent k (|k| < 2^15), and so is the
// sum with a high part of -ln r, a multiple of 2^-49 below 2^14 (63 bits).
constexpr std::array<long double, 2> kLn2 = {
#include "base/tables/logarithm_ln2.inc"
};
// P(u) with ln(1 + u) = u - u^2/2 + u^3 P(u) on |u| <= 2^-8
constexpr std::array<long double, 6> kLogPolynomial = {
#include "base/tables/logarithm_polynomial.inc"
};
// Adding and removing 2^32 rounds y in [1, 2) to a multiple of 2^-31 (the
// spacing of the extended reals at 2^32): 32 significant bits.
constexpr long double kTwo32 = 4294967296.0L;

// ln x for a finite x > 0, subnormals included.
long double LogOfPositive(long double x) {
  const SplitResult split = SplitExponent(x);      // x = m 2^p, 0.5 <= m < 1
  const long double y = 2 * split.mantissa.raw();  // 1 <= y < 2
  const long double k = split.power - 1;
  // (y - 1) * 128 is exact; through a double, whose conversion to an integer
  // needs no switch of the x87 rounding mode
  const long double nearest = ((y - 1) * kSteps + exact::kRoundingShift) - exact::kRoundingShift;
  const LogRow& row = kLogTable[static_cast<int>(static_cast<double>(nearest))];
  // u = y r - 1 exactly: with y = y1 + y2, y1 of 32 bits and |y2| <= 2^-32,
  // y1 r (56 bits) and y2 r (55 bits) are exact, and so is y1 r - 1, a
  // multiple of 2^-55 within 2^-7 of 0
  const long double y1 = (y + kTwo32) - kTwo32;
  const long double y2 = y - y1;
  const exact::Pair u = exact::TwoSum(y1 * row.r - 1, y2 * row.r);
  const exact::Pair lead = exact::TwoSum(k * kLn2[0] + row.minus_log_high, u.hi);
  const long double series = u.hi * u.hi * (u.hi * exact::Horner(kLogPolynomial, u.hi) - 0.5L);
  return lead.hi + (lead.lo + (u.lo + (k * kLn2[1] + row.minus_log_low) + series));
}

}  // namespace

// ln 0 is the zero divide, the logarithm of a negative number (-inf
// included) the invalid operation; +inf and NaN pass.
Extended Ln(Extended x) {
  const long double v = x.raw();
  if (v > 0 && v < __builtin_infl()) return Extended(LogOfPositive(v));
  if (v == 0) return Extended::CheckedUnary(-__builtin_infl(), v, true);
  if (v < 0) return Extended::CheckedUnary(__builtin_nanl(""), v);
  return x;
}

}  // namespace base
