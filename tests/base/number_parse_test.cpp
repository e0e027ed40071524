#include "base/number_parse.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <random>
#include <string>

#include "base/number_text.h"
#include "tests/base/extended_printer.h"

namespace base {
namespace {

struct RealCase {
  const char* text;
  std::optional<long double> value;  // nothing: refused
};

const std::optional<long double> kRefused;
const long double kOnePlusUlp = 1.0L + std::ldexp(1.0L, -63);

const RealCase kRealCases[] = {
    {"1e3", 1000.0L},
    {" 2", 2.0L},
    {"   -2.5", -2.5L},
    {"\t7", 7.0L},
    {"2 ", kRefused},
    {"1,5", kRefused},
    {".", 0.0L},
    {"+.", 0.0L},
    {"-.", -0.0L},
    {"e5", 0.0L},
    {"-E+7", -0.0L},
    {"5.", 5.0L},
    {"-.5", -0.5L},
    {"+1.5E-3", 1.5E-3L},
    {"1.5e+3", 1500.0L},
    {"0001.2500", 1.25L},
    {"", kRefused},
    {"   ", kRefused},
    {"-", kRefused},
    {"+", kRefused},
    {" - 1", kRefused},
    {"--1", kRefused},
    {"1e", kRefused},
    {"1e+", kRefused},
    {"1 e5", kRefused},
    {"1e5.5", kRefused},
    {"1..2", kRefused},
    {"1.2.3", kRefused},
    {"0x10", kRefused},
    {"$10", kRefused},
    {"inf", kRefused},
    {"nan", kRefused},
    {"1d5", kRefused},
    // correctly rounded, like the compiler's own literals
    {"0.1", 0.1L},
    {"1.1", 1.1L},
    {"3.14159265358979323846264338327950288", 3.14159265358979323846264338327950288L},
    {"0.000000000000000000000000000001234567890123456789012345678901",
     0.000000000000000000000000000001234567890123456789012345678901L},
    // 1 + 2^-64 lies halfway between 1 and the next extended: ties to even
    {"1.0000000000000000000542101086242752217003726400434970855712890625", 1.0L},
    {"1.00000000000000000005421010862427522170037264004349708557128906250001", kOnePlusUlp},
    // the ends of the range
    {"1.18973149535723176502e4932", LDBL_MAX},
    {"1.18973149535723177E+4932", kRefused},  // LDBL_MAX written with 18 digits
    {"1e5000", kRefused},
    {"-1e5000", kRefused},
    {"1e-4940", 1e-4940L},  // a denormal
    {"1e-5000", 0.0L},
    {"-1e-5000", -0.0L},
    {"1e-99999999999999999999", 0.0L},
    {"0e99999999999999999999", 0.0L},
};

TEST(ParseReal, EveryRowOfTheTable) {
  for (const RealCase& c : kRealCases) {
    SCOPED_TRACE(testing::Message() << "ParseReal(\"" << c.text << "\")");
    const std::optional<Extended> parsed = ParseReal(c.text);
    ASSERT_EQ(parsed.has_value(), c.value.has_value());
    if (!parsed) continue;
    EXPECT_EQ(parsed->raw(), *c.value);
    EXPECT_EQ(std::signbit(parsed->raw()), std::signbit(*c.value));
  }
}

// A file token above the largest finite value (1.18973149535723176502E+4932)
// reads as it when it lies at most half a unit of its last written digit
// above it, as that value rounded to those digits does; farther out it is
// refused, on either side.
const RealCase kFileRealCases[] = {
    {"1.18973149535723177E+4932", LDBL_MAX},
    {"-1.18973149535723177E+4932", -LDBL_MAX},
    {"11897.3149535723177E4928", LDBL_MAX},
    {"0.0000118973149535723177e4937", LDBL_MAX},
    {"1.18973149535723178E+4932", kRefused},  // one unit of the 18th digit more
    {"1.1897315E4932", LDBL_MAX},
    {"1.1897316E4932", kRefused},
    {"1.19E4932", LDBL_MAX},
    {"1.2E4932", LDBL_MAX},  // 1.15E4932 to 1.25E4932 holds the largest value
    {"-1.2E4932", -LDBL_MAX},
    {"12E4931", LDBL_MAX},
    {"2E4932", kRefused},  // 1.5E4932 to 2.5E4932 does not
    {"-2E4932", kRefused},
    {"3E4932", kRefused},
    // trailing zeros are written digits: they make the unit small
    {"1.20E4932", kRefused},
    {"1.18973149535723177000E+4932", kRefused},
    // with many digits half a unit is below the gap to the next extended:
    // correct rounding decides as for any token
    {"1.189731495357231765022E4932", LDBL_MAX},
    {"1.1897314953572317651E4932", kRefused},
    {"1E4933", kRefused},
    {"1.2E4933", kRefused},
    {"1e5000", kRefused},
    {"1e99999999999999999999", kRefused},
    {"-1e5000", kRefused},
};

void ExpectFileReal(const RealCase& c) {
  SCOPED_TRACE(testing::Message() << "ParseFileReal(\"" << c.text << "\")");
  const std::optional<Extended> parsed = ParseFileReal(c.text);
  ASSERT_EQ(parsed.has_value(), c.value.has_value());
  if (!parsed) return;
  EXPECT_EQ(parsed->raw(), *c.value);
}

TEST(ParseFileReal, RoundedLargestValueReadsAsIt) {
  for (const RealCase& c : kFileRealCases) ExpectFileReal(c);
  // every other token reads as ParseReal reads it
  for (const RealCase& c : kRealCases)
    if (std::strcmp(c.text, "1.18973149535723177E+4932") != 0) ExpectFileReal(c);
}

TEST(ParseFileReal, LargestValuesWrittenInAnyWidthReadBack) {
  for (const long double x : {LDBL_MAX, -LDBL_MAX, std::nextafter(LDBL_MAX, 0.0L)}) {
    for (int width = 10; width <= 26; ++width) {
      const std::string text = FloatToText(x, width, -1);
      const std::optional<Extended> back = ParseFileReal(text);
      ASSERT_TRUE(back) << text;
      EXPECT_EQ(FloatToText(*back, width, -1), text);
    }
  }
}

struct IntegerCase {
  const char* text;
  std::optional<std::int32_t> value;
};

const std::optional<std::int32_t> kNoInteger;

const IntegerCase kIntegerCases[] = {
    {"0", 0},
    {"-0", 0},
    {"2147483647", 2147483647},
    {"2147483648", kNoInteger},
    {"-2147483648", -2147483647 - 1},
    {"-2147483649", kNoInteger},
    {"99999999999999999999999", kNoInteger},
    {"00000000000000000007", 7},
    {"  12", 12},
    {"+5", 5},
    {"12 ", kNoInteger},
    {"1 2", kNoInteger},
    {"- 5", kNoInteger},
    {"", kNoInteger},
    {"   ", kNoInteger},
    {"-", kNoInteger},
    {"+", kNoInteger},
    {"1.0", kNoInteger},
    {"1e3", kNoInteger},
    {"$10", 16},
    {"0x1F", 31},
    {"0X1f", 31},
    {"x1F", 31},
    {"X1f", 31},
    {"-$10", -16},
    {" $ff", 255},
    {"$", kNoInteger},
    {"0x", kNoInteger},
    {"$g", kNoInteger},
    {"$-1", kNoInteger},
    {"0$1", kNoInteger},
    {"$7FFFFFFF", 2147483647},
    {"-$80000000", -2147483647 - 1},
    {"$80000000", kNoInteger},
    {"$FFFFFFFF", kNoInteger},
    {"$00000001", 1},
    {"$000000001", kNoInteger},  // nine digits
};

TEST(ParseInteger, EveryRowOfTheTable) {
  for (const IntegerCase& c : kIntegerCases) {
    SCOPED_TRACE(testing::Message() << "ParseInteger(\"" << c.text << "\")");
    EXPECT_EQ(ParseInteger(c.text), c.value);
  }
}

// Random extended reals: random significands with the integer bit set and
// random exponents over the whole range, denormals included.
class RandomReals {
 public:
  long double Next(int min_exponent, int max_exponent) {
    std::uniform_int_distribution<int> exponent(min_exponent, max_exponent);
    const std::uint64_t significand = bits_() | (1ull << 63);
    const long double x = std::ldexp(static_cast<long double>(significand), exponent(bits_) - 63);
    return bits_() & 1 ? -x : x;
  }

 private:
  std::mt19937_64 bits_{20240601};
};

constexpr int kRoundTrips = 20000;

TEST(ParseReal, FixedTextWithTwentyOneDigitsReadsBackExactly) {
  RandomReals random;
  for (int i = 0; i < kRoundTrips; ++i) {
    const long double x = random.Next(0, 3);  // 1 <= |x| < 16
    const std::string text = FloatToText(x, 32, 21);
    const std::optional<Extended> back = ParseReal(text);
    ASSERT_TRUE(back) << text;
    ASSERT_EQ(back->raw(), x) << text;
  }
}

TEST(ParseReal, FixedTextOverManyDecadesReadsBackExactly) {
  RandomReals random;
  for (int i = 0; i < kRoundTrips; ++i) {
    // from 2^-63 to 2^66, 40 decimals leave at least 21 significant digits
    const long double x = random.Next(-63, 66);
    const std::string text = FloatToText(x, 0, 40);
    const std::optional<Extended> back = ParseReal(text);
    ASSERT_TRUE(back) << text;
    ASSERT_EQ(back->raw(), x) << text;
  }
}

TEST(ParseReal, TwentyOneDigitsReadBackExactlyOverTheWholeRange) {
  RandomReals random;
  for (int i = 0; i < kRoundTrips; ++i) {
    // exponents down to the smallest denormals and up to the largest value
    const long double x = random.Next(-16445, 16383);
    char text[64];
    std::snprintf(text, sizeof text, "%.20Le", x);
    const std::optional<Extended> back = ParseReal(text);
    ASSERT_TRUE(back) << text;
    ASSERT_EQ(back->raw(), x) << text;
  }
}

TEST(ParseReal, EighteenDigitTextsSurviveAReadAndAWrite) {
  // 18 digits do not pin down an extended real, but they are few enough that
  // reading the text and writing it again gives the same text
  RandomReals random;
  int inexact = 0;
  for (int i = 0; i < kRoundTrips; ++i) {
    const long double x = random.Next(-16382, 16382);  // normal values
    const std::string text = FloatToText(x, 26, -1);
    const std::optional<Extended> back = ParseReal(text);
    ASSERT_TRUE(back) << text;
    ASSERT_EQ(FloatToText(*back, 26, -1), text);
    if (back->raw() != x) ++inexact;
  }
  EXPECT_GT(inexact, 0);
}

}  // namespace
}  // namespace base
