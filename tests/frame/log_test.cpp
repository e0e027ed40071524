#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "frame/log.h"

namespace {

struct RealTextCase {
  std::int32_t width;
  std::int32_t decimals;
  base::Extended x;
  std::string text;
};

void PrintTo(const RealTextCase& c, std::ostream* os) {
  *os << "RealToText(" << c.width << ", " << c.decimals << ", " << c.x.raw() << ")";
}

class RealToTextTest : public ::testing::TestWithParam<RealTextCase> {};

TEST_P(RealToTextTest, ReducesFormatToEightBitsAndKeepsFortyCharacters) {
  const RealTextCase& c = GetParam();
  EXPECT_EQ(frame::RealToText(c.width, c.decimals, c.x), c.text);
}

INSTANTIATE_TEST_SUITE_P(Formats, RealToTextTest,
                         ::testing::Values(RealTextCase{26, 18, 1.0L, "      1.000000000000000000"},
                                           // 26 digits, the point and only 13 of the 18 decimals
                                           RealTextCase{26, 18, 1E25L, "10000000000000000000000000.0000000000000"},
                                           // 200 acts as -56: no padding at all
                                           RealTextCase{200, 3, 1.5L, "1.500"},
                                           // 256 + 26 and -256 + 26 act as 26
                                           RealTextCase{282, 18, 1.0L, "      1.000000000000000000"},
                                           RealTextCase{-230, 18, 1.0L, "      1.000000000000000000"},
                                           // decimals 255 act as -1: exponent form with 26 - 8 digits
                                           RealTextCase{26, 255, 1.0L, " 1.00000000000000000E+0000"},
                                           // -200 acts as 56: the blanks of the padding fill all 40 characters
                                           RealTextCase{-200, 2, -1.25L, std::string(40, ' ')}));

}  // namespace
