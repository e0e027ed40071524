#include "base/number_parse.h"

#include <cfloat>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/c_locale.h"

namespace base {

namespace {

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigitValue(char c) {
  if (IsDecimalDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool IsHexDigit(char c) { return HexDigitValue(c) >= 0; }

// A left-to-right reader over the text being matched.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ >= text_.size(); }
  void SkipBlanks() {
    while (!AtEnd() && IsBlank(text_[pos_])) ++pos_;
  }
  bool Accept(char c) {
    if (AtEnd() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }
  bool Accept(std::string_view prefix) {
    if (text_.substr(pos_).substr(0, prefix.size()) != prefix) return false;
    pos_ += prefix.size();
    return true;
  }
  // An optional "+" or "-"; true for "-".
  bool Sign() {
    if (Accept('-')) return true;
    Accept('+');
    return false;
  }
  std::string_view Run(bool (*belongs)(char)) {
    const std::size_t start = pos_;
    while (!AtEnd() && belongs(text_[pos_])) ++pos_;
    return text_.substr(start, pos_ - start);
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

struct RealParts {
  bool negative = false;
  std::string_view whole, fraction;
  bool exponent_negative = false;
  std::string_view exponent;
};

std::optional<RealParts> MatchReal(std::string_view text) {
  Cursor cursor(text);
  cursor.SkipBlanks();
  RealParts parts;
  parts.negative = cursor.Sign();
  if (cursor.AtEnd()) return std::nullopt;  // nothing, blanks only or a lone sign
  parts.whole = cursor.Run(IsDecimalDigit);
  if (cursor.Accept('.')) parts.fraction = cursor.Run(IsDecimalDigit);
  if (cursor.Accept('E') || cursor.Accept('e')) {
    parts.exponent_negative = cursor.Sign();
    parts.exponent = cursor.Run(IsDecimalDigit);
    if (parts.exponent.empty()) return std::nullopt;
  }
  if (!cursor.AtEnd()) return std::nullopt;
  return parts;
}

// strtold rounds correctly; it gets only text already matched, rebuilt so
// that none of its own extensions (hex floats, "inf", "nan") can apply.
std::optional<long double> ConvertReal(const RealParts& parts) {
  const bool no_digits = parts.whole.empty() && parts.fraction.empty();
  if (no_digits) return parts.negative ? -0.0L : 0.0L;
  std::string text = parts.negative ? "-" : "";
  text += parts.whole.empty() ? std::string_view("0") : parts.whole;
  text += ".";
  text += parts.fraction;
  if (!parts.exponent.empty()) {
    text += parts.exponent_negative ? "e-" : "e+";
    text += parts.exponent;
  }
  const long double value = strtold_l(text.c_str(), nullptr, CLocale());
  if (__builtin_isinf(value)) return std::nullopt;  // beyond the extended range
  return value;                                     // an underflow (ERANGE with a denormal or 0) is accepted
}

// A decimal number 0.digits x 10^exponent: digits without leading or
// trailing zeros, empty for zero.
struct Decimal {
  std::string digits;
  std::int64_t exponent = 0;
};

// Beyond any decimal exponent that matters here, yet far from overflowing
// the sums below: exponent runs of any length saturate at it.
constexpr std::int64_t kExponentCap = 1'000'000'000;  // 1E9

std::int64_t ExponentValue(const RealParts& parts) {
  std::int64_t value = 0;
  for (const char c : parts.exponent) {
    value = value * 10 + (c - '0');
    if (value > kExponentCap) {
      value = kExponentCap;
      break;
    }
  }
  return parts.exponent_negative ? -value : value;
}

// digits x 10^scale as a Decimal.
Decimal Normalised(std::string digits, std::int64_t scale) {
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return {};
  digits.erase(0, first);
  const auto length = static_cast<std::int64_t>(digits.size());
  digits.erase(digits.find_last_not_of('0') + 1);
  return {digits, length + scale};
}

bool Less(const Decimal& a, const Decimal& b) {
  if (a.digits.empty() || b.digits.empty()) return !b.digits.empty();
  if (a.exponent != b.exponent) return a.exponent < b.exponent;
  return a.digits < b.digits;  // without trailing zeros a prefix is smaller
}

// The largest finite extended, exactly: glibc prints every digit of it.
const Decimal& LargestFinite() {
  static const Decimal largest = [] {
    CLocaleScope c_locale;
    const int length = std::snprintf(nullptr, 0, "%.0Lf", LDBL_MAX);
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, "%.0Lf", LDBL_MAX);
    return Normalised(text, 0);
  }();
  return largest;
}

// The token's digits (not all 0) less half a unit of the last of them, one
// place longer: D - 1/2 is (D - 1) followed by a 5 in the next place.
std::string HalfUnitLess(std::string digits) {
  std::size_t i = digits.size();
  while (i > 0 && digits[i - 1] == '0') digits[--i] = '9';
  if (i > 0) --digits[i - 1];
  digits.push_back('5');
  return digits;
}

// Whether a token beyond the range may be the largest finite value rounded to
// the digits written: at most half a unit of its last digit above it.  Every
// written digit counts, trailing zeros too: they claim a smaller unit.
bool RoundedLargestFinite(const RealParts& parts) {
  const std::string digits = std::string(parts.whole) + std::string(parts.fraction);
  const std::int64_t scale = ExponentValue(parts) - static_cast<std::int64_t>(parts.fraction.size());
  return !Less(LargestFinite(), Normalised(HalfUnitLess(digits), scale - 1));
}

constexpr std::uint64_t kMaxMagnitudePositive = 2147483647u;  // 2^31 - 1
constexpr std::uint64_t kMaxMagnitudeNegative = 2147483648u;  // 2^31
constexpr std::size_t kMaxHexDigits = 8;                      // 32 bits

// The magnitude of a hexadecimal run, which holds at most 32 bits.
std::optional<std::uint64_t> HexMagnitude(std::string_view digits) {
  if (digits.empty() || digits.size() > kMaxHexDigits) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : digits) value = value * 16 + static_cast<std::uint64_t>(HexDigitValue(c));
  return value;
}

// The magnitude of a decimal run; anything beyond 2^31 is refused anyway, so
// the accumulation stops growing there instead of wrapping.
std::optional<std::uint64_t> DecimalMagnitude(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : digits) {
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > kMaxMagnitudeNegative) return value;
  }
  return value;
}

bool AcceptHexPrefix(Cursor& cursor) {
  return cursor.Accept('$') || cursor.Accept('x') || cursor.Accept('X') || cursor.Accept("0x") || cursor.Accept("0X");
}

}  // namespace

std::optional<Extended> ParseReal(std::string_view text) {
  const std::optional<RealParts> parts = MatchReal(text);
  if (!parts) return std::nullopt;
  const std::optional<long double> value = ConvertReal(*parts);
  if (!value) return std::nullopt;
  return Extended(*value);
}

std::optional<Extended> ParseFileReal(std::string_view text) {
  const std::optional<RealParts> parts = MatchReal(text);
  if (!parts) return std::nullopt;
  if (const std::optional<long double> value = ConvertReal(*parts)) return Extended(*value);
  if (!RoundedLargestFinite(*parts)) return std::nullopt;
  return Extended(parts->negative ? -LDBL_MAX : LDBL_MAX);
}

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  Cursor cursor(text);
  cursor.SkipBlanks();
  const bool negative = cursor.Sign();
  const std::optional<std::uint64_t> magnitude =
      AcceptHexPrefix(cursor) ? HexMagnitude(cursor.Run(IsHexDigit)) : DecimalMagnitude(cursor.Run(IsDecimalDigit));
  if (!magnitude || !cursor.AtEnd()) return std::nullopt;
  if (*magnitude > (negative ? kMaxMagnitudeNegative : kMaxMagnitudePositive)) return std::nullopt;
  const auto signed_magnitude = static_cast<std::int64_t>(*magnitude);
  return static_cast<std::int32_t>(negative ? -signed_magnitude : signed_magnitude);
}

}  // namespace base
