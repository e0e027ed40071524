#include "formats/polynomial_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/errors.h"
#include "tests/base/extended_printer.h"
#include "tests/base/scratch_folder.h"

namespace formats {
namespace {

class PolynomialFileTest : public testing::Test {
 protected:
  std::string Write(const PolynomialFile& file, const RealFormat& format) const {
    const std::string path = files.PathOf("out.n");
    base::TextWriter out(path);
    WritePolynomialFile(out, file, format);
    out.Close();
    return files.ReadBytes(path);
  }

  PolynomialFile Read(const std::string& bytes, std::int32_t max_degree = 200,
                      ConstantRule rule = ConstantRule::kOptional) const {
    base::TextReader in(files.WriteBytes("in.n", bytes));
    return ReadPolynomialFile(in, max_degree, rule);
  }

  test_support::ScratchFolder files{"formats_tests"};
};

using Reals = std::vector<base::Extended>;

PolynomialFile Polynomial(std::int32_t degree, Reals a, base::Extended constant) {
  PolynomialFile file;
  file.degree = degree;
  file.a = std::move(a);
  file.constant = constant;
  return file;
}

TEST_F(PolynomialFileTest, WritesLayoutByteForByte) {
  struct Case {
    const char* name;
    PolynomialFile file;
    RealFormat format;
    std::string bytes;
  };
  const Case cases[] = {
      {"workbench defaults",
       Polynomial(2, {2, -0.5L, 1}, 3),
       {26, 18},
       "2\r\n"
       "      2.000000000000000000\r\n"
       "     -0.500000000000000000\r\n"
       "      1.000000000000000000\r\n"
       "      3.000000000000000000\r\n"},
      {"vanished", Polynomial(-1, {}, 2), {26, 18}, "-1\r\n      2.000000000000000000\r\n"},
      {"no decimals, width too small", Polynomial(0, {-12.5L}, 1000), {2, 0}, "0\r\n-12\r\n1000\r\n"},
      {"exponent form", Polynomial(0, {1234.5L}, 1), {12, -1}, "0\r\n 1.234E+0003\r\n 1.000E+0000\r\n"},
      // 64 digits and more: the text is never cut
      {"wide",
       Polynomial(0, {1}, 1),
       {0, 45},
       "0\r\n1." + std::string(45, '0') + "\r\n1." + std::string(45, '0') + "\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(Write(c.file, c.format), c.bytes) << c.name;
}

TEST_F(PolynomialFileTest, ReadsLayouts) {
  struct Case {
    const char* name;
    std::string bytes;
    std::int32_t degree;
    Reals a;
    base::Extended constant;
    bool constant_line;
  };
  const Case cases[] = {
      {"crlf", "2\r\n1\r\n-2.5\r\n1E1\r\n0.5\r\n", 2, {1, -2.5L, 10}, 0.5L, true},
      {"lf only", "2\n1\n-2.5\n1E1\n0.5\n", 2, {1, -2.5L, 10}, 0.5L, true},
      {"no constant line", "1\r\n3\r\n4\r\n", 1, {3, 4}, 1, false},
      {"no final line end", "1\r\n3\r\n4", 1, {3, 4}, 1, false},
      {"blank lines after last coefficient", "1\r\n3\r\n4\r\n\r\n \r\n\r\n", 1, {3, 4}, 1, false},
      {"vanished with constant", "-1\r\n2\r\n", -1, {}, 2, true},
      {"vanished without constant", "-1\r\n", -1, {}, 1, false},
      {"extra numbers ignored", "1 7\r\n3 99\r\n4 98 97\r\n5 96\r\n", 1, {3, 4}, 5, true},
      {"coefficients missing at the end", "3\r\n1\r\n", 3, {1, 0, 0, 0}, 1, false},
      {"leading blanks and signs", "  1\r\n  +3\r\n\t-.5e+1\r\n", 1, {3, -5}, 1, false},
  };
  for (const Case& c : cases) {
    const PolynomialFile file = Read(c.bytes);
    EXPECT_EQ(file.degree, c.degree) << c.name;
    EXPECT_EQ(file.a, c.a) << c.name;
    EXPECT_EQ(file.constant, c.constant) << c.name;
    EXPECT_EQ(file.constant_line, c.constant_line) << c.name;
    EXPECT_FALSE(file.Truncated()) << c.name;
  }
}

TEST_F(PolynomialFileTest, KeepsCoefficientsUpToCapacityAndStillFindsConstant) {
  const PolynomialFile file = Read("3\r\n1\r\n2\r\n3\r\n4\r\n6\r\n", 1);
  EXPECT_EQ(file.degree, 3);
  EXPECT_TRUE(file.Truncated());
  EXPECT_EQ(file.a, (Reals{1, 2}));
  EXPECT_EQ(file.constant, 6);

  const PolynomialFile largest = Read("2147483647\r\n1\r\n", 40);
  EXPECT_EQ(largest.a.size(), 41u);
  EXPECT_TRUE(largest.Truncated());

  const PolynomialFile below = Read("-5\r\n2\r\n", 40);
  EXPECT_EQ(below.degree, -5);
  EXPECT_TRUE(below.a.empty());
  EXPECT_EQ(below.constant, 2);
}

TEST_F(PolynomialFileTest, ConstantRulesApplyToPolynomialsToo) {
  EXPECT_EQ(Read("0\r\n1\r\n", 200, ConstantRule::kAlways).constant, 0);
  EXPECT_EQ(Read("0\r\n1\r\n5\r\n", 200, ConstantRule::kNever).constant, 1);
}

TEST_F(PolynomialFileTest, BadTokenEndsReadingNamingIt) {
  struct Case {
    const char* bytes;
    const char* token;
  };
  for (const Case& c : {Case{"x\r\n", "x"}, Case{"1.0\r\n1\r\n", "1.0"}, Case{"1\r\n1.5\r\nabc\r\n", "abc"},
                        Case{"0\r\n1\r\n2,5\r\n", "2,5"}}) {
    try {
      Read(c.bytes);
      ADD_FAILURE() << "no error for " << c.token;
    } catch (const base::ConversionError& error) {
      EXPECT_EQ(error.token(), c.token);
      EXPECT_NE(std::string(error.what()).find(c.token), std::string::npos) << error.what();
    }
  }
}

// What the workbench writes comes back bit for bit when the format carries
// enough digits for a 64-bit significand, and to the printed digits otherwise.
TEST_F(PolynomialFileTest, RoundTripKeepsEveryBitWithEnoughDigits) {
  Reals a;
  base::Extended x = 1;
  for (int i = 0; i < 40; ++i) {
    x = x * base::Extended(1.2345678901234567891L) + base::Extended(1) / base::Extended(3 + i);
    while (x >= 10) x = x / 7;
    a.push_back(x);
  }
  const PolynomialFile file = Polynomial(39, a, base::Extended(10) / base::Extended(3));

  const std::string exact_bytes = Write(file, RealFormat{32, 21});
  const PolynomialFile exact = Read(exact_bytes);
  EXPECT_EQ(exact.a, file.a);
  EXPECT_EQ(exact.constant, file.constant);

  const RealFormat defaults{26, 18};
  const std::string printed_bytes = Write(file, defaults);
  const PolynomialFile printed = Read(printed_bytes);
  ASSERT_EQ(printed.a.size(), file.a.size());
  int differing = 0;
  for (std::size_t i = 0; i < file.a.size(); ++i) {
    EXPECT_EQ(defaults.Text(printed.a[i]), defaults.Text(file.a[i])) << i;
    if (printed.a[i] != file.a[i]) ++differing;
  }
  EXPECT_GT(differing, 0) << "18 decimals should not carry every bit";
  EXPECT_EQ(Write(printed, defaults), printed_bytes);
}

}  // namespace
}  // namespace formats
