#include "formats/roots_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/errors.h"
#include "tests/base/extended_printer.h"
#include "tests/base/scratch_folder.h"

namespace formats {
namespace {

class RootsFileTest : public testing::Test {
 protected:
  RootsFile Read(const std::string& bytes, ConstantRule rule, std::int32_t max_count = 200) const {
    base::TextReader in(files.WriteBytes("in.r", bytes));
    return ReadRootsFile(in, max_count, rule);
  }

  test_support::ScratchFolder files{"formats_tests"};
};

using Reals = std::vector<base::Extended>;

TEST_F(RootsFileTest, WritesWorkbenchLayoutByteForByte) {
  RootsFile file;
  file.count = 3;
  file.re = {-1, -1, -2};
  file.im = {1, -1, 0};
  file.constant = 2.5L;
  {
    base::TextWriter out(files.PathOf("out.r"));
    WriteRootsFile(out, file, RealFormat{26, 18});
    out.Close();
  }
  EXPECT_EQ(files.ReadBytes(files.PathOf("out.r")),
            "3\r\n"
            "     -1.000000000000000000       1.000000000000000000\r\n"
            "     -1.000000000000000000      -1.000000000000000000\r\n"
            "     -2.000000000000000000       0.000000000000000000\r\n"
            "      2.500000000000000000\r\n");
}

TEST_F(RootsFileTest, WritesCountZeroAndNegativeCountWithoutRootLines) {
  RootsFile empty;
  empty.count = 0;
  empty.constant = 4;
  RootsFile negative;
  negative.count = -3;
  negative.constant = 1;
  {
    base::TextWriter out(files.PathOf("empty.r"));
    WriteRootsFile(out, empty, RealFormat{6, 2});
    out.Close();
    base::TextWriter out2(files.PathOf("negative.r"));
    WriteRootsFile(out2, negative, RealFormat{0, 0});
    out2.Close();
  }
  EXPECT_EQ(files.ReadBytes(files.PathOf("empty.r")), "0\r\n  4.00\r\n");
  EXPECT_EQ(files.ReadBytes(files.PathOf("negative.r")), "-3\r\n1\r\n");
}

// The designer writes some parts as the integer 0 and the constant as the
// integer 1, in its own exponent format; the line pieces must allow it.
TEST_F(RootsFileTest, LinePiecesWriteIntegerPartsAmongFormattedOnes) {
  const RealFormat format{25, -1};
  {
    base::TextWriter out(files.PathOf("elipf.r"));
    WriteIntegerLine(out, 3);
    WriteRootLine(out, "0", format.Text(2));
    WriteRootLine(out, "0", format.Text(-2));
    WriteRootLine(out, "0", "0");
    out.WriteLine("1");
    out.Close();
  }
  EXPECT_EQ(files.ReadBytes(files.PathOf("elipf.r")),
            "3\r\n"
            "0  2.0000000000000000E+0000\r\n"
            "0 -2.0000000000000000E+0000\r\n"
            "0 0\r\n"
            "1\r\n");
  base::TextReader in(files.PathOf("elipf.r"));
  const RootsFile back = ReadRootsFile(in, 1000, ConstantRule::kAlways);
  EXPECT_EQ(back.re, (Reals{0, 0, 0}));
  EXPECT_EQ(back.im, (Reals{2, -2, 0}));
  EXPECT_EQ(back.constant, 1);
}

struct ReadCase {
  const char* name;
  std::string bytes;
  ConstantRule rule;
  std::int32_t count;
  Reals re, im;
  base::Extended constant;
  bool constant_line;
};

TEST_F(RootsFileTest, ReadsLayoutsUnderEachConstantRule) {
  using enum ConstantRule;
  const std::string pair = "2\r\n-1 1\r\n-1 -1\r\n";
  const ReadCase cases[] = {
      {"crlf", pair + "3\r\n", kOptional, 2, {-1, -1}, {1, -1}, 3, true},
      {"lf only", "2\n-1 1\n-1 -1\n3\n", kOptional, 2, {-1, -1}, {1, -1}, 3, true},
      {"cr only", "2\r-1 1\r-1 -1\r3\r", kOptional, 2, {-1, -1}, {1, -1}, 3, true},
      {"no constant, optional", pair, kOptional, 2, {-1, -1}, {1, -1}, 1, false},
      {"no constant, always", pair, kAlways, 2, {-1, -1}, {1, -1}, 0, false},
      {"no constant, never", pair, kNever, 2, {-1, -1}, {1, -1}, 1, false},
      {"blank lines after roots", pair + "\r\n  \r\n\r\n", kOptional, 2, {-1, -1}, {1, -1}, 1, false},
      {"constant never read", pair + "7\r\n", kNever, 2, {-1, -1}, {1, -1}, 1, false},
      {"constant after blank lines", pair + "\r\n\r\n 7 8\r\n", kOptional, 2, {-1, -1}, {1, -1}, 7, true},
      {"count zero", "0\r\n5\r\n", kOptional, 0, {}, {}, 5, true},
      {"count zero, always", "0\r\n5\r\n", kAlways, 0, {}, {}, 5, true},
      {"negative count reads no root", "-2\r\n5\r\n", kAlways, -2, {}, {}, 5, true},
      {"rest of count line skipped", "1 9 9\r\n1 2\r\n3\r\n", kOptional, 1, {1}, {2}, 3, true},
      {"third number ignored", "1\r\n1 2 3\r\n4\r\n", kOptional, 1, {1}, {2}, 4, true},
      // the imaginary part comes from the next line, and everything shifts
      {"one number shifts", "2\r\n1\r\n2 3\r\n4 5\r\n6\r\n", kOptional, 2, {1, 4}, {2, 5}, 6, true},
      {"roots missing at the end", "3\r\n1 1\r\n", kAlways, 3, {1, 0, 0}, {1, 0, 0}, 0, false},
  };
  for (const ReadCase& c : cases) {
    const RootsFile file = Read(c.bytes, c.rule);
    EXPECT_EQ(file.count, c.count) << c.name;
    EXPECT_EQ(file.re, c.re) << c.name;
    EXPECT_EQ(file.im, c.im) << c.name;
    EXPECT_EQ(file.constant, c.constant) << c.name;
    EXPECT_EQ(file.constant_line, c.constant_line) << c.name;
    EXPECT_FALSE(file.Truncated()) << c.name;
  }
}

TEST_F(RootsFileTest, NeverRuleLeavesUnreadableConstantAlone) {
  const RootsFile file = Read("1\r\n0 1\r\nnot-a-number\r\n", ConstantRule::kNever);
  EXPECT_EQ(file.re, (Reals{0}));
  EXPECT_EQ(file.constant, 1);
}

TEST_F(RootsFileTest, KeepsFirstRootsBeyondCapacityAndStillFindsConstant) {
  const RootsFile file = Read("4\r\n1 0\r\n2 0\r\n3 0\r\n4 0\r\n9\r\n", ConstantRule::kAlways, 2);
  EXPECT_EQ(file.count, 4);
  EXPECT_TRUE(file.Truncated());
  EXPECT_EQ(file.re, (Reals{1, 2}));
  EXPECT_EQ(file.im, (Reals{0, 0}));
  EXPECT_EQ(file.constant, 9);
}

TEST_F(RootsFileTest, HugeCountOfShortFileStopsAtItsEnd) {
  const RootsFile file = Read("2147483647\r\n1 2\r\n", ConstantRule::kAlways, 1000);
  EXPECT_EQ(file.count, 2147483647);
  EXPECT_EQ(file.re.size(), 1000u);
  EXPECT_EQ(file.re[0], 1);
  EXPECT_EQ(file.re[999], 0);
  EXPECT_EQ(file.constant, 0);
}

TEST_F(RootsFileTest, BadTokenEndsReadingNamingIt) {
  struct Case {
    const char* bytes;
    const char* token;
  };
  for (const Case& c : {Case{"2.5\r\n1 2\r\n1\r\n", "2.5"}, Case{"1\r\n1 2j\r\n1\r\n", "2j"},
                        Case{"1\r\n1,5 2\r\n1\r\n", "1,5"}, Case{"0\r\nfim\r\n", "fim"}}) {
    try {
      Read(c.bytes, ConstantRule::kOptional);
      ADD_FAILURE() << "no error for " << c.token;
    } catch (const base::ConversionError& error) {
      EXPECT_EQ(error.token(), c.token);
      EXPECT_NE(std::string(error.what()).find(c.token), std::string::npos) << error.what();
    }
  }
}

}  // namespace
}  // namespace formats
