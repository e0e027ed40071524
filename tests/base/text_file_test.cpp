#include "base/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/errors.h"
#include "tests/base/scratch_folder.h"

namespace base {
namespace {

namespace fs = std::filesystem;

class TextFileTest : public testing::Test {
 protected:
  test_support::ScratchFolder files{"base_tests"};
};

// A roots file of two roots and a constant, the way a reader walks it.
struct RootsFile {
  std::int32_t count = 0;
  long double re[2] = {}, im[2] = {};
  long double constant = 0;
};

RootsFile ReadRoots(TextReader& reader) {
  RootsFile file;
  file.count = reader.ReadInteger();
  reader.SkipLine();
  for (int i = 0; i < 2; ++i) {
    file.re[i] = reader.ReadReal().raw();
    file.im[i] = reader.ReadReal().raw();
    reader.SkipLine();
  }
  file.constant = reader.OnlyBlanksLeft() ? 1.0L : reader.ReadReal().raw();
  return file;
}

TEST_F(TextFileTest, LineEndsOfEveryKindReadTheSame) {
  const struct {
    const char* name;
    const char* bytes;
  } layouts[] = {
      {"crlf", "2\r\n  -1.5   2.5\r\n-1.5 -2.5\r\n3\r\n"},
      {"lf", "2\n  -1.5   2.5\n-1.5 -2.5\n3\n"},
      {"cr", "2\r  -1.5   2.5\r-1.5 -2.5\r3\r"},
      {"tabs and no last line end", "2\t\r\n\t-1.5\t2.5\r\n-1.5 -2.5\r\n3"},
  };
  for (const auto& f : layouts) {
    SCOPED_TRACE(f.name);
    TextReader reader(files.WriteBytes("roots.r", f.bytes));
    const RootsFile roots = ReadRoots(reader);
    EXPECT_EQ(roots.count, 2);
    EXPECT_EQ(roots.re[0], -1.5L);
    EXPECT_EQ(roots.im[0], 2.5L);
    EXPECT_EQ(roots.re[1], -1.5L);
    EXPECT_EQ(roots.im[1], -2.5L);
    EXPECT_EQ(roots.constant, 3.0L);
    EXPECT_TRUE(reader.OnlyBlanksLeft());
  }
}

TEST_F(TextFileTest, RestOfALineIsSkipped) {
  // the third number of the first root line is ignored
  TextReader reader(files.WriteBytes("roots.r", "2 roots follow\r\n1 2 3\r\n4 5\r\n"));
  const RootsFile roots = ReadRoots(reader);
  EXPECT_EQ(roots.count, 2);
  EXPECT_EQ(roots.re[0], 1.0L);
  EXPECT_EQ(roots.im[0], 2.0L);
  EXPECT_EQ(roots.re[1], 4.0L);
  EXPECT_EQ(roots.im[1], 5.0L);
  EXPECT_EQ(roots.constant, 1.0L);  // only the line end was left
}

TEST_F(TextFileTest, MissingNumberTakesTheNextLineAndZeroAtTheEnd) {
  // a root line with one number shifts everything after it by one
  TextReader reader(files.WriteBytes("roots.r", "2\r\n1\r\n2 3\r\n"));
  EXPECT_EQ(reader.ReadInteger(), 2);
  reader.SkipLine();
  EXPECT_EQ(reader.ReadReal().raw(), 1.0L);
  EXPECT_EQ(reader.ReadReal().raw(), 2.0L);  // from the next line
  reader.SkipLine();                         // drops the 3
  EXPECT_TRUE(reader.OnlyBlanksLeft());
  EXPECT_EQ(reader.ReadReal().raw(), 0.0L);
  EXPECT_EQ(reader.ReadInteger(), 0);
  reader.SkipLine();
  EXPECT_TRUE(reader.AtEnd());
}

TEST_F(TextFileTest, BlankLinesBeforeANumberAreSkipped) {
  TextReader reader(files.WriteBytes("poly.n", "\r\n\r\n   \r\n\n  7\r\n"));
  EXPECT_FALSE(reader.OnlyBlanksLeft());
  EXPECT_EQ(reader.ReadInteger(), 7);
}

TEST_F(TextFileTest, OnlyBlanksLeft) {
  const struct {
    const char* bytes;
    bool only_blanks_after_first_line;
  } cases[] = {
      {"1\r\n", true},
      {"1\r\n\r\n  \r\n\t\r\n", true},
      {"1", true},
      {"1\r\n\r\n 2", false},
      {"1\r\n.\r\n", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.bytes)));
    TextReader reader(files.WriteBytes("poly.n", c.bytes));
    reader.ReadInteger();
    reader.SkipLine();
    EXPECT_EQ(reader.OnlyBlanksLeft(), c.only_blanks_after_first_line);
  }
  TextReader empty(files.WriteBytes("empty.n", ""));
  EXPECT_TRUE(empty.OnlyBlanksLeft());
  EXPECT_EQ(empty.ReadInteger(), 0);
}

// A line skip takes the whole line end with it, CR LF as one end: a second
// skip passes over the next line, not over the LF left behind.
TEST_F(TextFileTest, SkippingLinesTakesCrLfAsOneLineEnd) {
  const struct {
    const char* name;
    const char* bytes;
  } layouts[] = {
      {"crlf", "1 first\r\nsecond line\r\n2\r\n"},
      {"lf", "1 first\nsecond line\n2\n"},
      {"cr", "1 first\rsecond line\r2\r"},
      {"crlf after an empty line", "1\r\n\r\n2\r\n"},
  };
  for (const auto& f : layouts) {
    SCOPED_TRACE(f.name);
    TextReader reader(files.WriteBytes("lines", f.bytes));
    EXPECT_EQ(reader.ReadInteger(), 1);
    reader.SkipLine();
    reader.SkipLine();
    EXPECT_EQ(reader.ReadInteger(), 2);
    reader.SkipLine();
    EXPECT_TRUE(reader.AtEnd());
  }
}

TEST_F(TextFileTest, TokenEndsAtTheNextBlank) {
  TextReader reader(files.WriteBytes("values", "1.5e3,2 -7\r\n"));
  EXPECT_THROW(reader.ReadReal(), ConversionError);  // "1.5e3,2" is one token
  EXPECT_EQ(reader.ReadInteger(), -7);
}

TEST_F(TextFileTest, BadTokenNamesTheTokenAndTheFile) {
  const std::string path = files.WriteBytes("bad.r", "3\r\nabc 1\r\n1.0\r\n");
  TextReader reader(path);
  EXPECT_EQ(reader.ReadInteger(), 3);
  reader.SkipLine();
  try {
    reader.ReadReal();
    FAIL() << "no error";
  } catch (const ConversionError& error) {
    EXPECT_EQ(error.token(), "abc");
    EXPECT_EQ(std::string(error.what()), "'abc' is not a valid real number in file \"" + path + "\"");
  }
  reader.SkipLine();
  try {
    reader.ReadInteger();
    FAIL() << "no error";
  } catch (const ConversionError& error) {
    EXPECT_EQ(std::string(error.what()), "'1.0' is not a valid integer in file \"" + path + "\"");
  }
}

TEST_F(TextFileTest, MissingFileIsNamed) {
  const std::string path = files.PathOf("nothing.r");
  EXPECT_FALSE(FileExists(path));
  EXPECT_FALSE(FileExists(files.path().string()));  // a folder is not a file
  EXPECT_FALSE(TextReader::TryOpen(path));
  EXPECT_FALSE(TextReader::TryOpen(files.path().string()));
  try {
    TextReader reader(path);
    FAIL() << "no error";
  } catch (const InOutError& error) {
    EXPECT_EQ(error.file(), path);
    EXPECT_EQ(std::string(error.what()), "Cannot open file \"" + path + "\"");
  }
  files.WriteBytes("nothing.r", "0\r\n1\r\n");
  EXPECT_TRUE(FileExists(path));
  EXPECT_TRUE(TextReader::TryOpen(path));
}

TEST_F(TextFileTest, WriterEndsLinesWithCrLfAndWritesNumbersAsText) {
  const std::string path = files.PathOf("out.r");
  TextWriter writer(path);
  writer.WriteInteger(1);
  writer.WriteLine();
  writer.WriteReal(-0.5L, 26, 18);
  writer.Write(" ");
  writer.WriteReal(0, 26, 18);
  writer.WriteLine();
  writer.WriteReal(1);
  writer.Write(" ");
  writer.WriteReal(-3);
  writer.WriteLine();
  writer.WriteLine("0 " + std::string("x"));
  writer.Close();
  EXPECT_EQ(files.ReadBytes(path), "1\r\n"
                             "     -0.500000000000000000       0.000000000000000000\r\n"
                             " 1.00000000000000E+0000 -3.00000000000000E+0000\r\n"
                             "0 x\r\n");
}

TEST_F(TextFileTest, WrittenFileReadsBack) {
  const std::string path = files.PathOf("back.n");
  {
    TextWriter writer(path);
    writer.WriteInteger(-1);
    writer.WriteLine();
    writer.WriteReal(0.1L, 25, -1);
    writer.WriteLine();
    writer.Close();
  }
  TextReader reader(path);
  EXPECT_EQ(reader.ReadInteger(), -1);
  reader.SkipLine();
  EXPECT_EQ(reader.ReadReal().raw(), 0.1L);  // its 17 digits are the decimal 0.1
  EXPECT_EQ(reader.ReadReal().raw(), 0.0L);
}

TEST_F(TextFileTest, WriterReplacesAnExistingFile) {
  const std::string path = files.WriteBytes("old.r", "a much longer old content\r\n");
  TextWriter writer(path);
  writer.WriteLine("0");
  writer.Close();
  EXPECT_EQ(files.ReadBytes(path), "0\r\n");
}

TEST_F(TextFileTest, WriterErrorsNameTheFile) {
  const std::string path = files.PathOf("no such folder/out.r");
  try {
    TextWriter writer(path);
    FAIL() << "no error";
  } catch (const InOutError& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot create file \"" + path + "\"");
  }
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full to fail a write";
  TextWriter full("/dev/full");
  try {
    full.WriteLine("a line that cannot be stored");
    full.Close();
    FAIL() << "no error";
  } catch (const InOutError& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot write file \"/dev/full\"");
  }
}

}  // namespace
}  // namespace base
