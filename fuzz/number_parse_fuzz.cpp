// The number parser and the number writer together: what the parser takes,
// the writer writes and the parser reads again to the same text; the
// file syntax takes everything the typed syntax takes, and more only at the
// top of the range.  Which texts either syntax takes is decided here by a
// model of the syntax and exact decimal arithmetic of its own.  Ten bytes of
// the input are also taken as an extended real of their own, so that the
// writer sees every value, not only those that short texts reach.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/number_parse.h"
#include "base/number_text.h"
#include "fuzz/scratch_file.h"

namespace {

using base::Extended;

// The exponent form with all 18 significant digits.
constexpr int kFullWidth = 26;
// Half a unit of the 18th digit, relative to a value of 1.0...: 5E-18,
constexpr long double kHalfLastDigit = 5.1e-18L;  // and the reading's own rounding

bool SameBits(Extended a, Extended b) {
  return a == b && std::signbit(a.raw()) == std::signbit(b.raw());
}

// The value of an x87 register image: sign and exponent in the top 16 bits,
// the significand with its explicit leading bit below.  The leading bit is
// set as a valid (normal or denormal) encoding has it.
std::optional<Extended> FromImage(const std::uint8_t* bytes) {
  std::uint64_t significand = 0;
  std::memcpy(&significand, bytes, sizeof significand);
  const unsigned exponent = (bytes[8] | (bytes[9] << 8)) & 0x7FFF;
  constexpr std::uint64_t kLeadingBit = std::uint64_t{1} << 63;
  if (exponent == 0x7FFF) return std::nullopt;  // infinities and NaNs
  significand = exponent == 0 ? significand & ~kLeadingBit : significand | kLeadingBit;
  long double x = 0;
  unsigned char image[sizeof(long double)] = {};
  std::memcpy(image, &significand, sizeof significand);
  image[8] = bytes[8];
  image[9] = bytes[9];
  std::memcpy(&x, image, sizeof x);
  return Extended(x);
}

// The decimal digits of m x 2^k, schoolbook in base 10^9.
std::string DecimalOf(unsigned __int128 m, int k) {
  constexpr std::uint32_t kLimb = 1'000'000'000;
  constexpr int kStep = 29;  // a limb times 2^29 plus a carry fits 64 bits
  std::vector<std::uint32_t> limbs;  // least significant first
  for (; m > 0; m /= kLimb) limbs.push_back(static_cast<std::uint32_t>(m % kLimb));
  for (; k > 0; k -= kStep) {
    const int step = std::min(k, kStep);
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : limbs) {
      const std::uint64_t product = (std::uint64_t{limb} << step) + carry;
      limb = static_cast<std::uint32_t>(product % kLimb);
      carry = product / kLimb;
    }
    for (; carry > 0; carry /= kLimb) limbs.push_back(static_cast<std::uint32_t>(carry % kLimb));
  }
  std::string text = std::to_string(limbs.back());
  for (auto limb = limbs.rbegin() + 1; limb != limbs.rend(); ++limb) {
    const std::string part = std::to_string(*limb);
    text += std::string(9 - part.size(), '0') + part;
  }
  return text;
}

// The largest finite extended is (2^64 - 1) x 2^16320; a text reads as a
// finite extended when its value lies below that plus half of its last bit,
// (2^64 - 1/2) x 2^16320 (the tie rounds to the even significand, beyond the
// range).  Both doubled, so that they are integers like the doubled texts
// they are compared with.
constexpr unsigned __int128 kTwoTo65 = static_cast<unsigned __int128>(1) << 65;
const std::string& TwiceLargest() {
  static const std::string value = DecimalOf(kTwoTo65 - 2, 16320);
  return value;
}
const std::string& TwiceRoundingLimit() {
  static const std::string value = DecimalOf(kTwoTo65 - 1, 16320);
  return value;
}

// A real text as the model of its syntax sees it: digits x 10^scale, the
// digits as written (leading and trailing zeros kept).
struct Written {
  bool negative = false;
  std::string digits;
  std::int64_t scale = 0;
};

// Far beyond the exponent of any text that lies near the top of the range.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;  // 1E15

std::optional<Written> SplitReal(std::string_view text) {
  std::size_t i = 0;
  const auto digits_from = [&]() {
    const std::size_t start = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    return text.substr(start, i - start);
  };
  const auto sign = [&]() {
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) return text[i++] == '-';
    return false;
  };
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= 0x20) ++i;
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

// 2 x digits, or 2 x digits - 1.
std::string Doubled(const std::string& digits, bool less_one) {
  std::string result(digits.size() + 1, '0');
  int carry = 0;
  for (std::size_t i = digits.size(); i > 0; --i) {
    const int d = 2 * (digits[i - 1] - '0') + carry;
    result[i] = static_cast<char>('0' + d % 10);
    carry = d / 10;
  }
  result[0] = static_cast<char>('0' + carry);
  if (less_one) {
    std::size_t i = result.size();
    while (result[i - 1] == '0') result[--i] = '9';
    --result[i - 1];
  }
  return result;
}

// The sign of digits x 10^scale - integer, exactly (integer without leading
// zeros).
int Compare(std::string digits, std::int64_t scale, const std::string& integer) {
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
  if (digits.empty()) return -1;
  const std::int64_t length = static_cast<std::int64_t>(digits.size()) + scale;
  const auto integer_length = static_cast<std::int64_t>(integer.size());
  if (length != integer_length) return length < integer_length ? -1 : 1;
  // the same count of digits before the point: compare them all, padded
  const std::size_t width = std::max(digits.size(), integer.size());
  digits.resize(width, '0');
  return digits.compare(integer + std::string(width - integer.size(), '0'));
}

// What the typed syntax takes: a real text whose value rounds to a finite
// extended.  What the file syntax takes besides: a text at most half a unit
// of its last digit above the largest value, that is 2 x digits - 1 units
// not above twice the largest.  (A text of value 0 is taken by the first.)
bool TypedTakes(const Written& w) { return Compare(Doubled(w.digits, false), w.scale, TwiceRoundingLimit()) < 0; }
bool FiledTakes(const Written& w) {
  return TypedTakes(w) || Compare(Doubled(w.digits, true), w.scale, TwiceLargest()) <= 0;
}

// 18 digits do not hold all 64 bits, so a written real reads back as the
// real nearest its text: within half a unit of the last digit, and written
// again, the very same text.
void CheckWrittenReadsBack(Extended x) {
  const std::string text = base::FloatToText(x, kFullWidth, -1);
  const std::optional<Extended> back = base::ParseFileReal(text);
  FUZZ_CHECK(back && base::FloatToText(*back, kFullWidth, -1) == text);
  const long double error = std::fabs(back->raw() - x.raw());
  FUZZ_CHECK(std::fabs(x.raw()) < std::numeric_limits<long double>::min() ||
             error <= std::fabs(x.raw()) * kHalfLastDigit);
  // the entry field's form keeps 15 digits: it must read as a number at all
  FUZZ_CHECK(base::ParseReal(base::GeneralForm(x)).has_value());
  FUZZ_CHECK(base::ParseFileReal(base::FloatToTextNoWidth(x)).has_value());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::AsText(data, size);

  const std::optional<Extended> typed = base::ParseReal(text);
  const std::optional<Extended> filed = base::ParseFileReal(text);
  const std::optional<Written> written = SplitReal(text);
  FUZZ_CHECK(typed.has_value() == (written && TypedTakes(*written)));
  FUZZ_CHECK(filed.has_value() == (written && FiledTakes(*written)));
  if (typed) {
    FUZZ_CHECK(std::isfinite(typed->raw()));
    FUZZ_CHECK(filed && SameBits(*typed, *filed));
    CheckWrittenReadsBack(*typed);
  } else if (filed) {
    // what the file syntax alone takes reads as the largest value
    const long double largest = std::numeric_limits<long double>::max();
    FUZZ_CHECK(filed->raw() == (written->negative ? -largest : largest));
  }

  if (const std::optional<std::int32_t> n = base::ParseInteger(text)) {
    FUZZ_CHECK(base::ParseInteger(base::IntToText(*n)) == n);
    // every decimal integer is a real of the same value
    const bool hexadecimal = text.find_first_of("$xX") != std::string_view::npos;
    FUZZ_CHECK(hexadecimal || (typed && *typed == Extended(*n)));
  }

  if (size >= 10) {
    if (const std::optional<Extended> x = FromImage(data)) CheckWrittenReadsBack(*x);
  }
  return 0;
}
