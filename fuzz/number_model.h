// What a number text must read as, decided without the parser it checks: a
// model of the syntax and exact arithmetic of its own.  A real is checked,
// not computed: the value read must lie within half a unit of its last bit
// of the exact value of the text (a tie to the even significand), which
// takes only products and comparisons of natural numbers.
#pragma once

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// A real text as the model of its syntax sees it: digits x 10^scale, the
// digits as written (leading and trailing zeros kept).
struct Written {
  bool negative = false;
  std::string digits;
  std::int64_t scale = 0;
};

// Far beyond the exponent of any text that lies near the range, and far
// from overflowing the sums of exponents.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;  // 1E15

inline bool IsSpace(char c) { return static_cast<unsigned char>(c) <= 0x20; }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Leading blanks, a sign, digits with a point, an exponent of at least one
// digit, nothing after; at least one character after the sign.
inline std::optional<Written> SplitReal(std::string_view text) {
  std::size_t i = 0;
  const auto digits_from = [&]() {
    const std::size_t start = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    return text.substr(start, i - start);
  };
  const auto sign = [&]() {
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) return text[i++] == '-';
    return false;
  };
  while (i < text.size() && IsSpace(text[i])) ++i;
  Written written;
  written.negative = sign();
  if (i == text.size()) return std::nullopt;
  written.digits = std::string(digits_from());
  if (i < text.size() && text[i] == '.') {
    ++i;
    const std::string_view fraction = digits_from();
    written.digits += fraction;
    written.scale = -static_cast<std::int64_t>(fraction.size());
  }
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    const bool negative = sign();
    const std::string_view exponent = digits_from();
    if (exponent.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (const char c : exponent) value = std::min(value * 10 + (c - '0'), kExponentCap);
    written.scale += negative ? -value : value;
  }
  if (i != text.size()) return std::nullopt;
  return written;
}

// A natural number in 32-bit limbs, least significant first, without a
// limb of 0 on top (the products keep it so: no factor is 0).
class Natural {
 public:
  explicit Natural(unsigned __int128 n) {
    for (; n > 0; n >>= 32) limbs_.push_back(static_cast<std::uint32_t>(n));
  }
  explicit Natural(std::string_view digits) {
    for (const char c : digits) MultiplyAdd(10, static_cast<std::uint32_t>(c - '0'));
  }

  void MultiplyAdd(std::uint32_t factor, std::uint32_t addend = 0) {
    std::uint64_t carry = addend;
    for (std::uint32_t& limb : limbs_) {
      const std::uint64_t product = std::uint64_t{limb} * factor + carry;
      limb = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
    if (carry > 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
  }
  void MultiplyByPowerOf5(std::int64_t n) {
    constexpr std::uint32_t kFiveTo13 = 1'220'703'125;  // the largest power of 5 in a limb
    for (; n >= 13; n -= 13) MultiplyAdd(kFiveTo13);
    for (; n > 0; --n) MultiplyAdd(5);
  }
  void ShiftLeft(std::int64_t bits) {
    if (limbs_.empty() || bits == 0) return;
    const int within = static_cast<int>(bits % 32);
    if (within > 0) MultiplyAdd(std::uint32_t{1} << within);
    limbs_.insert(limbs_.begin(), static_cast<std::size_t>(bits / 32), 0);
  }

  friend int Compare(const Natural& a, const Natural& b) {
    if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
    for (std::size_t i = a.limbs_.size(); i > 0; --i)
      if (a.limbs_[i - 1] != b.limbs_[i - 1]) return a.limbs_[i - 1] < b.limbs_[i - 1] ? -1 : 1;
    return 0;
  }

 private:
  std::vector<std::uint32_t> limbs_;
};

// The magnitude of a text, digits x 10^scale without leading or trailing
// zeros (no digits for 0).
struct Decimal {
  std::string digits;
  std::int64_t scale = 0;
};

inline Decimal Normalised(std::string digits, std::int64_t scale) {
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return {};
  digits.erase(0, first);
  const std::size_t last = digits.find_last_not_of('0') + 1;
  scale += static_cast<std::int64_t>(digits.size() - last);
  digits.erase(last);
  return {digits, scale};
}

// The sign of d - p x 2^j, for p > 0.  Only magnitudes within a few decades
// of each other are compared exactly, so that the numbers stay near the
// size of the range's exponents.
inline int CompareWithBinary(const Decimal& d, unsigned __int128 p, std::int64_t j) {
  if (d.digits.empty()) return -1;
  // d lies in [10^(top - 1), 10^top)
  const std::int64_t top = static_cast<std::int64_t>(d.digits.size()) + d.scale;
  const long double decades = std::log10(static_cast<long double>(p)) + static_cast<long double>(j) * std::log10(2.0L);
  if (static_cast<long double>(top - 1) > decades + 2) return 1;
  if (static_cast<long double>(top) < decades - 2) return -1;
  Natural left(d.digits);
  Natural right(p);
  if (d.scale >= 0)
    left.MultiplyByPowerOf5(d.scale);
  else
    right.MultiplyByPowerOf5(-d.scale);
  // both sides now carry 2^scale and 2^j: the smaller power goes
  if (d.scale >= j)
    left.ShiftLeft(d.scale - j);
  else
    right.ShiftLeft(j - d.scale);
  return Compare(left, right);
}

// 2 x digits - 1, for digits not all 0.
inline std::string DoubledLessOne(const std::string& digits) {
  std::string result(digits.size() + 1, '0');
  int carry = 0;
  for (std::size_t i = digits.size(); i > 0; --i) {
    const int d = 2 * (digits[i - 1] - '0') + carry;
    result[i] = static_cast<char>('0' + d % 10);
    carry = d / 10;
  }
  result[0] = static_cast<char>('0' + carry);
  std::size_t i = result.size();
  while (result[i - 1] == '0') result[--i] = '9';
  --result[i - 1];
  return result;
}

constexpr unsigned __int128 kTwoTo64 = static_cast<unsigned __int128>(1) << 64;
// The largest finite extended is (2^64 - 1) x 2^16320.
constexpr std::int64_t kLargestExponent = LDBL_MAX_EXP - LDBL_MANT_DIG;
// The last bit of the denormals and of the smallest normals: 2^-16445.
constexpr std::int64_t kSmallestUlpExponent = LDBL_MIN_EXP - LDBL_MANT_DIG;

// What the typed syntax takes: a text whose value rounds to a finite
// extended, below the largest value plus half of its last bit,
// (2^65 - 1) x 2^16319 (the tie rounds to the even significand, beyond the
// range).
inline bool TypedTakes(const Written& w) {
  return CompareWithBinary(Normalised(w.digits, w.scale), 2 * kTwoTo64 - 1, kLargestExponent - 1) < 0;
}
// What the file syntax takes besides: a text at most half a unit of its last
// written digit above the largest value, (2 x digits - 1) x 10^scale not
// above (2^64 - 1) x 2^16321.  (A text of value 0 is taken by the first.)
inline bool FiledTakes(const Written& w) {
  return TypedTakes(w) ||
         CompareWithBinary(Normalised(DoubledLessOne(w.digits), w.scale), kTwoTo64 - 1, kLargestExponent + 1) <= 0;
}

// x >= 0, finite, is the extended nearest to d.
inline bool IsNearest(const Decimal& d, long double x) {
  // x = m x 2^k with the last bit of its significand at 2^k
  std::uint64_t m = 0;
  std::int64_t k = kSmallestUlpExponent;
  if (x > 0) {
    int e = 0;
    const long double fraction = std::frexp(x, &e);
    m = static_cast<std::uint64_t>(std::ldexp(fraction, LDBL_MANT_DIG));
    k = e - LDBL_MANT_DIG;
    if (k < kSmallestUlpExponent) {
      m >>= kSmallestUlpExponent - k;
      k = kSmallestUlpExponent;
    }
  }
  const bool even = m % 2 == 0;
  const unsigned __int128 wide = m;
  const int above = CompareWithBinary(d, 2 * wide + 1, k - 1);
  if (above > 0 || (above == 0 && !even)) return false;
  if (m == 0) return true;
  // below a power of two the reals lie twice as close, except where the
  // denormals keep the spacing of the smallest normals
  const bool power_of_two = m == std::uint64_t{1} << (LDBL_MANT_DIG - 1) && k > kSmallestUlpExponent;
  const int below =
      power_of_two ? CompareWithBinary(d, 4 * wide - 1, k - 2) : CompareWithBinary(d, 2 * wide - 1, k - 1);
  return below > 0 || (below == 0 && even);
}

// The value is what the text reads as: nothing when the syntax refuses it
// or it lies beyond the range (farther than the file syntax's margin when
// `file`), else the nearest extended with the text's sign, or the largest
// value for what only the file syntax takes.
inline bool IsReadingOf(std::string_view text, std::optional<long double> value, bool file) {
  const std::optional<Written> written = SplitReal(text);
  if (!written) return !value;
  if (TypedTakes(*written))
    return value && std::isfinite(*value) && std::signbit(*value) == written->negative &&
           IsNearest(Normalised(written->digits, written->scale), std::fabs(*value));
  if (file && FiledTakes(*written)) return value && *value == (written->negative ? -LDBL_MAX : LDBL_MAX);
  return !value;
}

// Whether a file takes the token as a real at all.
inline bool FileTakesReal(std::string_view token) {
  const std::optional<Written> written = SplitReal(token);
  return written && FiledTakes(*written);
}

// Integer syntax: leading blanks, a sign, decimal digits or a hexadecimal
// number ("$", "x", "X", "0x" or "0X" and one to eight hexadecimal digits),
// nothing after; the magnitude within a 32-bit signed integer.
inline std::optional<std::int32_t> IntegerOf(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::string_view rest = text.substr(i);
  unsigned base = 10;
  for (const std::string_view prefix : {"$", "x", "X", "0x", "0X"}) {
    if (rest.substr(0, prefix.size()) != prefix) continue;
    rest.remove_prefix(prefix.size());
    base = 16;
    break;
  }
  if (rest.empty() || (base == 16 && rest.size() > 8)) return std::nullopt;
  const auto digit_value = [](char c) -> unsigned {
    if (IsDigit(c)) return static_cast<unsigned>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
    return 16;
  };
  std::int64_t magnitude = 0;
  for (const char c : rest) {
    const unsigned digit = digit_value(c);
    if (digit >= base) return std::nullopt;
    // beyond 32 bits the value is refused anyway
    magnitude = std::min<std::int64_t>(magnitude * base + digit, std::int64_t{1} << 32);
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace fuzz
