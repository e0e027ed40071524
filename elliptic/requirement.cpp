#include "elliptic/requirement.h"

#include <limits>

#include "base/errors.h"
#include "specfun/ext_math.h"

namespace elliptic {
namespace {

// 0.1 = 0xCCCCCCCCCCCCCCCDp-67: dB to the exponent of a power of ten is a
// multiplication by this constant, not a division by 10.
constexpr long double kTenth = 0.1L;
// 0.499999 = 0xFFFFDE7210BE9425p-65 (nearest extended): what is added to n
// before rounding to the nearest integer, so that n is rounded up unless it
// lies less than 1e-6 above an integer.
constexpr long double kAlmostHalf = 0.499999L;

}  // namespace

Extended Power(Extended b, Extended e) { return specfun::Exponential(e * specfun::NaturalLog(b)); }

EpsilonAlfa ComputeEpsilonAlfa(Extended amax, Extended amin) {
  EpsilonAlfa result;
  result.epsilon = specfun::SquareRoot(Power(10, Extended(kTenth) * amax) - 1);
  result.alfa2 = specfun::SquareRoot(Power(10, Extended(kTenth) * amin) - 1) / result.epsilon;
  result.alfa = specfun::SquareRoot(result.alfa2);
  return result;
}

Extended InverseNorm(Extended x) {
  if (x <= Extended(1)) return 1 / specfun::SquareRoot(1 + base::Sqr(x));
  const Extended t = 1 / x;
  return t / specfun::SquareRoot(1 + base::Sqr(t));
}

bool Underflowed(Extended c) { return base::Abs(c).raw() < std::numeric_limits<long double>::min(); }

std::int32_t RoundOrder(Extended n, bool round_nearest) {
  const std::int64_t order = base::Round(round_nearest ? n : n + Extended(kAlmostHalf));
  return base::CheckedInt32(order);
}

}  // namespace elliptic
