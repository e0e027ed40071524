#include "base/extended.h"

#include <cfloat>
#include <cstring>

#include "base/x87.h"

namespace base {

void Extended::CheckBinary(long double r, long double a, long double b) {
  if (__builtin_isnan(r)) {
    if (!__builtin_isnan(a) && !__builtin_isnan(b)) RaiseFloatFault(FloatFault::Invalid, a, b);
  } else if (__builtin_isfinite(a) && __builtin_isfinite(b)) {
    RaiseFloatFault(FloatFault::Overflow, a, b);
  }
}

void Extended::CheckQuotient(long double r, long double a, long double b) {
  if (__builtin_isnan(r)) {
    if (!__builtin_isnan(a) && !__builtin_isnan(b)) RaiseFloatFault(FloatFault::Invalid, a, b);
  } else if (__builtin_isfinite(a) && __builtin_isfinite(b)) {
    // a finite non-zero dividend: 0/0 gave NaN above
    RaiseFloatFault(b == 0.0L ? FloatFault::ZeroDivide : FloatFault::Overflow, a, b);
  }
}

void Extended::CheckUnary(long double r, long double a, bool pole_at_zero) {
  if (__builtin_isnan(r)) {
    if (!__builtin_isnan(a)) RaiseFloatFault(FloatFault::Invalid, a);
  } else if (__builtin_isfinite(a)) {
    RaiseFloatFault(pole_at_zero && a == 0.0L ? FloatFault::ZeroDivide : FloatFault::Overflow, a);
  }
}

Extended NaN() {
  // exponent all ones, integer bit and every fraction bit set, sign clear
  const unsigned char bytes[10] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F};
  long double x = 0.0L;
  std::memcpy(&x, bytes, sizeof bytes);
  return Extended(x);
}

Extended Infinity() { return Extended(__builtin_infl()); }

bool IsNaN(Extended x) { return __builtin_isnan(x.raw()); }
bool IsInfinite(Extended x) { return __builtin_isinf(x.raw()); }
bool IsFinite(Extended x) { return __builtin_isfinite(x.raw()); }
bool SignBit(Extended x) { return __builtin_signbit(x.raw()); }

Extended Abs(Extended x) { return Extended(__builtin_fabsl(x.raw())); }
Extended Sqr(Extended x) { return x * x; }
Extended Sqrt(Extended x) { return Extended::CheckedUnary(sqrtl(x.raw()), x.raw()); }

namespace {

constexpr long double kTwo63 = 9223372036854775808.0L;  // 2^63

std::int64_t ToInt64(long double integral, long double original) {
  // -2^63 is the lowest 64-bit integer; 2^63 itself is already out of range
  if (!(integral >= -kTwo63 && integral < kTwo63)) RaiseFloatFault(FloatFault::Invalid, original);
  return static_cast<std::int64_t>(integral);
}

}  // namespace

std::int64_t Round(Extended x) { return ToInt64(nearbyintl(x.raw()), x.raw()); }
std::int64_t Trunc(Extended x) { return ToInt64(truncl(x.raw()), x.raw()); }
Extended RoundToIntegral(Extended x) { return Extended(nearbyintl(x.raw())); }
Extended TruncToIntegral(Extended x) { return Extended(x87::RoundTowardZero(x.raw())); }

Extended FloorToIntegral(Extended x) {
  const Extended whole = TruncToIntegral(x);
  if (x < 0 && whole != x) return whole - 1;
  return whole;
}

double ToDouble(Extended x) {
  const long double v = x.raw();
  if (__builtin_isfinite(v) && __builtin_fabsl(v) > static_cast<long double>(DBL_MAX)) {
    // values that round down to DBL_MAX are still representable
    const double d = static_cast<double>(v);
    if (__builtin_isinf(d)) RaiseFloatFault(FloatFault::Overflow, v);
    return d;
  }
  return static_cast<double>(v);
}

}  // namespace base
