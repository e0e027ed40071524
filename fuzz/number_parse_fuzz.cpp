// The number parser and the number writer together: what the parser takes,
// the writer writes and the parser reads again to the same text; the
// file syntax takes everything the typed syntax takes, and more only at the
// top of the range.  Which texts either syntax takes and what each reads as
// (the nearest extended, exactly; an integer's value) is decided by a model
// of the syntax and exact arithmetic of its own.  Ten bytes of the input are
// also taken as an extended real of their own, so that the writer sees
// every value, not only those that short texts reach.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "base/number_parse.h"
#include "base/number_text.h"
#include "fuzz/number_model.h"
#include "fuzz/scratch_file.h"

namespace {

using base::Extended;

// The exponent form with all 18 significant digits.
constexpr int kFullWidth = 26;
// Half a unit of the 18th digit, relative to a value of 1.0...: 5E-18,
constexpr long double kHalfLastDigit = 5.1e-18L;  // and the reading's own rounding

std::optional<long double> Raw(const std::optional<Extended>& x) {
  if (!x) return std::nullopt;
  return x->raw();
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
  FUZZ_CHECK(fuzz::IsReadingOf(text, Raw(typed), false));
  FUZZ_CHECK(fuzz::IsReadingOf(text, Raw(filed), true));
  if (typed) CheckWrittenReadsBack(*typed);

  const std::optional<std::int32_t> n = base::ParseInteger(text);
  FUZZ_CHECK(n == fuzz::IntegerOf(text));
  if (n) {
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
