#include "base/number_text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>

#include "base/c_locale.h"

namespace base {

namespace {

// Fixed notation stops at the extended real nearest 1E36.  It lies a little
// below 10^36, so a fixed text has at most 36 integer digits, and 1E36 itself
// is written in exponent form.
constexpr long double kFixedLimit = 1E36L;

// Significant digits of the exponent form: the width minus the eight places
// of sign, point, "E", exponent sign and four exponent digits, kept within
// what an extended real can tell apart.
constexpr int kExponentOverhead = 8;
constexpr int kMinSignificant = 2;
constexpr int kMaxSignificant = 18;

// The field's general form keeps 15 significant digits and switches to
// exponent notation outside the decimal exponents -3 .. 15 of 0.d1d2.. x 10^E.
constexpr int kGeneralDigits = 15;
constexpr int kGeneralMinExponent = -3;
constexpr int kGeneralMaxExponent = 15;

// Decimal exponents of extended reals run from -4951 to 4932.
constexpr int kExponentDigits = 4;

// A width or a count of decimals beyond this is a typing slip, not a layout:
// it would ask for megabytes of blanks or zeros for one number.
constexpr int kMaxWidthOrDecimals = 1 << 16;

// One long double through snprintf with a precision, under the "C" locale.
// glibc prints the exact binary value correctly rounded (ties to even).
std::string Printf(const char* format, int precision, long double x) {
  CLocaleScope c_locale;
  const int length = std::snprintf(nullptr, 0, format, precision, x);
  if (length < 0) RaiseRangeCheck(precision);  // the C library could not form it
  std::string text(static_cast<std::size_t>(length), '\0');
  std::snprintf(text.data(), text.size() + 1, format, precision, x);
  return text;
}

// A non-negative value in C exponent notation, split into its digits
// (without the point) and the decimal exponent of the first digit.
struct Scientific {
  std::string digits;
  int exponent = 0;
};

Scientific ToScientific(long double magnitude, int significant) {
  const std::string text = Printf("%.*Le", significant - 1, magnitude);
  const std::size_t e = text.find('e');
  Scientific result;
  result.digits = text.substr(0, 1) + (e > 1 ? text.substr(2, e - 2) : std::string());
  const char* first = text.data() + e + 1;
  if (*first == '+') ++first;  // from_chars takes a "-" but no "+"
  std::from_chars(first, text.data() + text.size(), result.exponent);
  return result;
}

std::string RightJustify(std::string text, int width) {
  if (width > 0 && static_cast<std::size_t>(width) > text.size())
    text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

std::string FourDigitExponent(int exponent) {
  std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
  if (digits.size() < kExponentDigits) digits.insert(0, kExponentDigits - digits.size(), '0');
  return (exponent < 0 ? "-" : "+") + digits;
}

// Negative zero has no "-": it is not a negative value.  A negative value
// too small for the digits shown keeps its "-" ("-0.00").
bool ShowsMinus(long double x) { return x < 0.0L; }

std::string ExponentForm(long double x, int width) {
  // In 64 bits: a width near the smallest int would wrap around in 32.
  const auto significant = static_cast<int>(
      std::clamp<std::int64_t>(static_cast<std::int64_t>(width) - kExponentOverhead, kMinSignificant, kMaxSignificant));
  const Scientific sci = ToScientific(__builtin_fabsl(x), significant);
  std::string text(1, ShowsMinus(x) ? '-' : ' ');
  text += sci.digits.substr(0, 1) + "." + sci.digits.substr(1);
  text += "E" + FourDigitExponent(sci.exponent);
  return text;
}

std::string FixedForm(long double x, int decimals) {
  const std::string digits = Printf("%.*Lf", decimals, __builtin_fabsl(x));
  return ShowsMinus(x) ? "-" + digits : digits;
}

std::string SpecialText(long double x) {
  if (__builtin_isnan(x)) return "Nan";
  return x > 0.0L ? "+Inf" : "-Inf";
}

// The general form of a finite non-zero magnitude.
std::string GeneralDigits(long double magnitude) {
  Scientific sci = ToScientific(magnitude, kGeneralDigits);
  const std::size_t last = sci.digits.find_last_not_of('0');
  sci.digits.erase(last + 1);      // the first digit of a non-zero value is not 0
  const int e = sci.exponent + 1;  // value = 0.d1d2.. x 10^e
  const std::string& d = sci.digits;
  if (e < kGeneralMinExponent || e > kGeneralMaxExponent) {
    const std::string rest = d.size() > 1 ? "." + d.substr(1) : std::string();
    return d.substr(0, 1) + rest + "E" + std::to_string(e - 1);
  }
  if (e <= 0) return "0." + std::string(static_cast<std::size_t>(-e), '0') + d;
  const std::size_t whole = static_cast<std::size_t>(e);
  if (d.size() <= whole) return d + std::string(whole - d.size(), '0');
  return d.substr(0, whole) + "." + d.substr(whole);
}

}  // namespace

std::string FloatToText(Extended x, int width, int decimals) {
  if (width > kMaxWidthOrDecimals) RaiseRangeCheck(width);
  if (decimals > kMaxWidthOrDecimals) RaiseRangeCheck(decimals);
  const long double v = x.raw();
  if (!__builtin_isfinite(v)) return RightJustify(SpecialText(v), width);
  if (decimals < 0 || __builtin_fabsl(v) >= kFixedLimit) return RightJustify(ExponentForm(v, width), width);
  return RightJustify(FixedForm(v, decimals), width);
}

std::string FloatToTextNoWidth(Extended x) {
  constexpr int kNoWidth = 23;  // 15 significant digits
  return FloatToText(x, kNoWidth, -1);
}

std::string IntToText(long long n) { return std::to_string(n); }

std::string GeneralForm(Extended x) {
  const long double v = x.raw();
  if (__builtin_isnan(v)) return "NAN";
  if (__builtin_isinf(v)) return v > 0.0L ? "INF" : "-INF";
  if (v == 0.0L) return "0";
  const std::string digits = GeneralDigits(__builtin_fabsl(v));
  return v < 0.0L ? "-" + digits : digits;
}

}  // namespace base
