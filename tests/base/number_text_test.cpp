#include "base/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "base/errors.h"
#include "base/number_parse.h"
#include "tests/base/extended_printer.h"

namespace base {
namespace {

std::string Blanks(std::size_t n) { return std::string(n, ' '); }

struct TextCase {
  const char* where;  // the caller or the property the row stands for
  long double x;
  int width;
  int decimals;
  std::string text;
};

const long double kThird = 1.0L / 3.0L;
const long double kTwo119 = std::ldexp(1.0L, 119);
const long double kTwo120 = std::ldexp(1.0L, 120);
// the extended real just below the literal 1E36 (which lies below 10^36)
const long double kBelow1E36 = std::nextafter(1E36L, 0.0L);

const TextCase kTextCases[] = {
    // workbench log and files, format 26 / 18
    {"workbench 1E25 is longer than its width", 1E25L, 26, 18, "10000000000000000000000000.000000000000000000"},
    {"workbench 1", 1, 26, 18, Blanks(6) + "1.000000000000000000"},
    // Zuzevi log, format 20 / 15
    {"Zuzevi 1", 1, 20, 15, Blanks(3) + "1.000000000000000"},
    {"Zuzevi -2.5", -2.5L, 20, 15, Blanks(2) + "-2.500000000000000"},
    {"Zuzevi exponent form, 12 digits", 1, 20, -1, " 1.00000000000E+0000"},
    {"Zuzevi width 60", 1, 60, 15, Blanks(43) + "1.000000000000000"},
    {"width setting 200 in the log (-56)", 1, -56, 15, "1.000000000000000"},
    {"width setting 200 in a file", 1, 200, 15, Blanks(183) + "1.000000000000000"},
    {"width 9, 4 decimals", 0.1L, 9, 4, "   0.1000"},
    // designer, format 25 / -1
    {"designer 1", 1, 25, -1, " 1.0000000000000000E+0000"},
    {"designer test x", 0.5L, 25, -1, " 5.0000000000000000E-0001"},
    {"designer test mc", 0.75L, 25, -1, " 7.5000000000000000E-0001"},
    {"designer selectivity", 2, 25, -1, " 2.0000000000000000E+0000"},
    {"designer axis frequency", 0.2L, 13, -1, " 2.0000E-0001"},
    {"designer axis range", 10, 7, 2, "  10.00"},
    {"designer axis range fills the width", -180, 7, 2, "-180.00"},
    {"designer readout gain", -3, 20, 18, "-3.000000000000000000"},
    // root plot status line and labels
    {"root plot real part", -0.5L, 7, 4, "-0.5000"},
    {"root plot imaginary part", 0.8660254037844386L, 7, 4, " 0.8660"},
    {"root plot Q", 12.5L, 7, 4, "12.5000"},
    {"root plot Q wider than 7", -12.5L, 7, 4, "-12.5000"},
    {"root plot ymax label", 2, 5, 1, "  2.0"},
    {"root plot ymin label, tie to even", -1.25L, 5, 1, " -1.2"},
    {"root plot xmin label", -2, 8, 3, "  -2.000"},
    // response plot status line
    {"response plot w", 1, 11, 6, "   1.000000"},
    {"response plot y", -3, 11, 6, "  -3.000000"},
    // rounding, ties to even on the exact binary value, carries
    {"carry into a new digit", 9.9996L, 10, 3, "    10.000"},
    {"9.5 to 10", 9.5L, 8, 0, "      10"},
    {"2.5 to 2", 2.5L, 3, 0, "  2"},
    {"0.5 to 0", 0.5L, 3, 0, "  0"},
    {"0.125 to 0.12", 0.125L, 5, 2, " 0.12"},
    {"0.375 to 0.38", 0.375L, 5, 2, " 0.38"},
    {"no point with 0 decimals", 2.75L, 5, 0, "    3"},
    {"exponent carry", 999999.7L, 14, -1, " 1.00000E+0006"},
    {"exponent carry, 2 digits", 9.96e5L, 10, -1, " 1.0E+0006"},
    {"exponent carry, negative", -9.96e5L, 10, -1, "-1.0E+0006"},
    // exact expansion of the binary value
    {"0.1 is not exactly 0.1", 0.1L, 0, 25, "0.1000000000000000000013553"},
    {"1/3 with 21 decimals", kThird, 0, 21, "0.333333333333333333342"},
    {"2^64", std::ldexp(1.0L, 64), 0, 0, "18446744073709551616"},
    // the 1E36 limit of fixed notation
    {"2^119 has 36 digits", kTwo119, 40, 0, Blanks(4) + "664613997892457936451903530140172288"},
    {"just below 1E36", kBelow1E36, 0, 0, "999999999999999999906656891640479744"},
    {"1E36 itself", 1E36L, 26, 2, " 1.00000000000000000E+0036"},
    {"2^120, digits from the width", kTwo120, 26, 0, " 1.32922799578491587E+0036"},
    {"-2^120, narrow", -kTwo120, 12, 5, "-1.329E+0036"},
    // digit count limits of the exponent form
    {"18 digits at most", kThird, 40, -1, Blanks(14) + " 3.33333333333333333E-0001"},
    {"18 digits exactly", kThird, 26, -1, " 3.33333333333333333E-0001"},
    {"2 digits at least", kThird, 5, -1, " 3.3E-0001"},
    {"2 digits, width 10", kThird, 10, -1, " 3.3E-0001"},
    {"negative width in exponent form", 1, -10, -1, " 1.0E+0000"},
    {"lowest widths and decimals", 1, -128, -128, " 1.0E+0000"},
    // widths that leave no room
    {"width 0", 1.5L, 0, 2, "1.50"},
    {"width 1", -3, 1, 0, "-3"},
    {"negative width", 1.5L, -20, 1, "1.5"},
    // zero and its sign
    {"zero, fixed", 0, 8, 2, "    0.00"},
    {"negative zero, fixed", -0.0L, 8, 2, "    0.00"},
    {"negative zero, no width", -0.0L, 0, 0, "0"},
    {"zero, exponent form", 0, 12, -1, " 0.000E+0000"},
    {"negative zero, exponent form", -0.0L, 12, -1, " 0.000E+0000"},
    {"negative value rounding to zero", -0.001L, 8, 2, "   -0.00"},
    {"-0.5 to -0", -0.5L, 4, 0, "  -0"},
    // the ends of the extended range
    {"largest extended", LDBL_MAX, 26, -1, " 1.18973149535723177E+4932"},
    {"smallest denormal", LDBL_TRUE_MIN, 26, -1, " 3.64519953188247460E-4951"},
    {"smallest denormal, 2 digits", LDBL_TRUE_MIN, 0, -1, " 3.6E-4951"},
    {"tiny value, fixed", 1e-10L, 10, 3, "     0.000"},
    {"large fixed", 123456789012345678.0L, 0, 1, "123456789012345678.0"},
    // not a number and infinities
    {"NaN", NAN, 10, 2, "       Nan"},
    {"negative NaN", -NAN, 0, -1, "Nan"},
    {"+inf", INFINITY, 6, -1, "  +Inf"},
    {"-inf", -INFINITY, -5, 3, "-Inf"},
    {"+inf, fixed", INFINITY, 2, 4, "+Inf"},
};

TEST(FloatToText, EveryRowOfTheTable) {
  for (const TextCase& c : kTextCases) {
    EXPECT_EQ(FloatToText(c.x, c.width, c.decimals), c.text)
        << c.where << ": FloatToText(" << static_cast<double>(c.x) << ", " << c.width << ", " << c.decimals << ")";
  }
}

TEST(FloatToText, LogsKeepTheFirstFortyCharacters) {
  // the cut is the caller's; what it leaves must read as the log shows it
  const std::string big = FloatToText(1E25L, 26, 18);
  EXPECT_EQ(big.substr(0, 40), "1" + std::string(25, '0') + "." + std::string(13, '0'));
  EXPECT_EQ(FloatToText(1, 60, 15).substr(0, 40), Blanks(40));
}

TEST(FloatToText, ExponentFormHasWidthMinusEightDigits) {
  for (int width = 10; width <= 26; ++width) {
    const std::string text = FloatToText(kThird, width, -1);
    SCOPED_TRACE(text);
    EXPECT_EQ(static_cast<int>(text.size()), width);
    const auto mantissa_end = text.begin() + static_cast<std::ptrdiff_t>(text.find('E'));
    EXPECT_EQ(std::count_if(text.begin(), mantissa_end, [](char c) { return c >= '0' && c <= '9'; }), width - 8);
  }
}

// Below ten places the form keeps two digits and no blanks, down to the
// smallest width an int holds (where width - 8 would wrap around).
TEST(FloatToText, ExponentFormOfTinyOrNegativeWidthsKeepsTwoDigits) {
  for (const int width : {9, 0, -1, -128, std::numeric_limits<int>::min() + 7, std::numeric_limits<int>::min()}) {
    SCOPED_TRACE(width);
    EXPECT_EQ(FloatToText(kThird, width, -1), " 3.3E-0001");
  }
}

TEST(FloatToText, AbsurdWidthOrDecimalsEndTheAction) {
  EXPECT_EQ(FloatToText(1, 0, 65536).size(), 65538u);
  EXPECT_THROW(FloatToText(1, 2000000000, 2), RangeCheckError);
  EXPECT_THROW(FloatToText(1, 10, 2147483647), RangeCheckError);
}

TEST(FloatToTextNoWidth, IsTheExponentFormOfWidth23) {
  EXPECT_EQ(FloatToTextNoWidth(1), " 1.00000000000000E+0000");
  EXPECT_EQ(FloatToTextNoWidth(-3), "-3.00000000000000E+0000");
  // a line of the response curve file: 47 characters
  EXPECT_EQ(FloatToTextNoWidth(1) + " " + FloatToTextNoWidth(-3), " 1.00000000000000E+0000 -3.00000000000000E+0000");
}

TEST(IntToText, DecimalWithoutBlanks) {
  EXPECT_EQ(IntToText(-7), "-7");
  EXPECT_EQ(IntToText(0), "0");
  EXPECT_EQ(IntToText(2147483647), "2147483647");
  EXPECT_EQ(IntToText(-2147483648LL), "-2147483648");
}

struct GeneralCase {
  long double x;
  const char* text;
};

const GeneralCase kGeneralCases[] = {
    {kThird, "0.333333333333333"},
    {0.00001L, "1E-5"},
    {0.0001L, "0.0001"},
    {0.001L, "0.001"},
    {1e15L, "1E15"},
    {1e15L - 1, "999999999999999"},
    {40, "40"},
    {100, "100"},
    {1.1L, "1.1"},
    {0.5L, "0.5"},
    {2.5e20L, "2.5E20"},
    {1e-12L, "1E-12"},
    {-2.5e-7L, "-2.5E-7"},
    {-1.5L, "-1.5"},
    {123.456L, "123.456"},
    {12345678901234.5L, "12345678901234.5"},
    {123456789012345678.0L, "1.23456789012346E17"},
    {1e16L, "1E16"},
    {1e100L, "1E100"},
    {1e-4000L, "1E-4000"},
    {-1e4000L, "-1E4000"},
    // rounding to 15 digits carries into the next decimal exponent
    {999999999999999.5L, "1E15"},
    {0.000099999999999999999L, "0.0001"},
    {0, "0"},
    {-0.0L, "0"},
    {NAN, "NAN"},
    {INFINITY, "INF"},
    {-INFINITY, "-INF"},
};

TEST(GeneralForm, EveryRowOfTheTable) {
  for (const GeneralCase& c : kGeneralCases)
    EXPECT_EQ(GeneralForm(c.x), c.text) << "GeneralForm(" << static_cast<double>(c.x) << ")";
}

TEST(GeneralForm, ComputedValueShowsFifteenDigits) {
  const Extended db_per_octave = Extended(10) * Ln(2) / Ln(10);
  EXPECT_EQ(GeneralForm(db_per_octave), "3.01029995663981");
}

// A Qt program switches to the user's locale, which may write "1,5".
class UserLocale : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"pt_BR.UTF-8", "pt_BR.utf8", "de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"}) {
      if (std::setlocale(LC_ALL, name) && std::localeconv()->decimal_point[0] == ',') return;
    }
    std::setlocale(LC_ALL, "C");
    GTEST_SKIP() << "no locale with a decimal comma is installed (scripts/test.sh generates pt_BR.UTF-8)";
  }
  void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(UserLocale, NumberTextsKeepThePoint) {
  EXPECT_EQ(FloatToText(1.5L, 6, 2), "  1.50");
  EXPECT_EQ(FloatToText(1.5L, 12, -1), " 1.500E+0000");
  EXPECT_EQ(GeneralForm(1.5L), "1.5");
  EXPECT_EQ(ParseReal("1.5"), Extended(1.5L));
  EXPECT_FALSE(ParseReal("1,5"));
  // the user's locale is back in place afterwards
  EXPECT_EQ(std::localeconv()->decimal_point[0], ',');
}

}  // namespace
}  // namespace base
