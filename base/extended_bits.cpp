#include "base/extended_bits.h"

#include <cstring>
#include <limits>

#include "base/x87.h"

namespace base {
namespace {

struct Fields {
  std::uint64_t significand;
  std::uint16_t sign_exponent;  // sign in bit 15, biased exponent in bits 0-14
};

// exponent field of the NaNs and infinities
constexpr std::uint16_t kExponentAllOnes = 0x7FFF;
constexpr std::uint16_t kSignBit = 0x8000;
// biased exponent of the numbers in [0.5, 1)
constexpr std::uint16_t kBiasedHalf = 0x3FFE;
// exponent bias: a biased exponent e stands for 2^(e - 16383)
constexpr std::int32_t kBias = 16383;
// subnormals are scaled by 2^64 into the normal range before they are split
constexpr std::int32_t kSubnormalScale = 64;
constexpr long double kTwo64 = 0x8000000000000000p+1L;  // 2^64 = 18446744073709551616
// what ExponentOf reports for NaN and infinities, and for zero
constexpr std::int32_t kNotFiniteExponent = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kZeroExponent = -std::numeric_limits<std::int32_t>::max();

Fields FieldsOf(Extended x) {
  const long double v = x.raw();
  Fields f;
  std::memcpy(&f.significand, &v, sizeof f.significand);
  std::memcpy(&f.sign_exponent, reinterpret_cast<const char*>(&v) + sizeof f.significand, sizeof f.sign_exponent);
  return f;
}

Extended FromFields(Fields f) {
  long double v = 0.0L;
  std::memcpy(&v, &f.significand, sizeof f.significand);
  std::memcpy(reinterpret_cast<char*>(&v) + sizeof f.significand, &f.sign_exponent, sizeof f.sign_exponent);
  return Extended(v);
}

std::uint16_t ExponentField(Fields f) { return f.sign_exponent & ~kSignBit; }

}  // namespace

bool IsNaNOrInfinite(Extended x) { return ExponentField(FieldsOf(x)) == kExponentAllOnes; }

Extended CopySign(Extended x, Extended y) {
  Fields f = FieldsOf(x);
  f.sign_exponent = (f.sign_exponent & ~kSignBit) | (FieldsOf(y).sign_exponent & kSignBit);
  return FromFields(f);
}

SplitResult SplitExponent(Extended x) {
  Fields f = FieldsOf(x);
  const std::uint16_t exponent = ExponentField(f);
  if (exponent == kExponentAllOnes || f.significand == 0) return {x, 0};
  if (exponent == 0) {  // subnormal: bring it into the normal range first
    SplitResult scaled = SplitExponent(x * kTwo64);
    scaled.power -= kSubnormalScale;
    return scaled;
  }
  f.sign_exponent = (f.sign_exponent & kSignBit) | kBiasedHalf;
  return {FromFields(f), static_cast<std::int32_t>(exponent) - kBiasedHalf};
}

std::int32_t ExponentOf(Extended x) {
  const Fields f = FieldsOf(x);
  const std::uint16_t exponent = ExponentField(f);
  if (exponent == kExponentAllOnes) return kNotFiniteExponent;
  if (f.significand == 0) return kZeroExponent;
  if (exponent == 0) return SplitExponent(x).power - 1;
  return static_cast<std::int32_t>(exponent) - kBias;
}

Extended ScaleByPowerOf2(Extended x, std::int32_t n) { return Extended::CheckedUnary(x87::Scale(x.raw(), n), x.raw()); }

}  // namespace base
