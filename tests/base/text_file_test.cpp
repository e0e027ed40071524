#include "base/text_file.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

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
      {"1\r\n", true}, {"1\r\n\r\n  \r\n\t\r\n", true}, {"1", true}, {"1\r\n\r\n 2", false}, {"1\r\n.\r\n", false},
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
  EXPECT_EQ(files.ReadBytes(path),
            "1\r\n"
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

// The names in the folder, to see that a save left nothing behind.
std::vector<std::string> NamesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST_F(TextFileTest, WriterErrorsNameTheFile) {
  const struct {
    std::string path;
    const char* what;
  } cases[] = {
      {files.PathOf("no such folder/out.r"), "Cannot create file"},
      {files.path().string(), "Cannot create file"},  // a folder
      {"/dev/null", "Cannot create file"},            // only regular files are replaced
  };
  for (const auto& c : cases) {
    try {
      TextWriter writer(c.path);
      FAIL() << "no error for " << c.path;
    } catch (const InOutError& error) {
      EXPECT_EQ(std::string(error.what()), std::string(c.what) + " \"" + c.path + "\"");
    }
  }
}

// A save that does not get to its end, by an error of the caller or of the
// disk, leaves the old file as it was and no partial file beside it.
TEST_F(TextFileTest, FailedSaveLeavesTheOldFileAndNothingElse) {
  const std::string old_text = "2\r\n1\r\n2\r\n3\r\n";
  const std::string path = files.WriteBytes("p.n", old_text);
  {
    TextWriter writer(path);
    writer.WriteLine("2");
    // the caller's error ends the save before Close
  }
  EXPECT_EQ(files.ReadBytes(path), old_text);
  EXPECT_EQ(NamesIn(files.path()), std::vector<std::string>{"p.n"});

  // A disk that takes no more than 100 bytes: the process's file size limit.
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  try {
    TextWriter writer(path);
    writer.WriteLine(std::string(5000, '7'));
    writer.Close();
    ADD_FAILURE() << "no error";
  } catch (const InOutError& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot write file \"" + path + "\"");
  }
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous_handler);
  EXPECT_EQ(files.ReadBytes(path), old_text);
  EXPECT_EQ(NamesIn(files.path()), std::vector<std::string>{"p.n"});
}

TEST_F(TextFileTest, SaveKeepsPermissionsAndLinks) {
  const std::string path = files.WriteBytes("p.n", "old\r\n");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const std::string link = files.PathOf("link.n");
  fs::create_symlink(path, link);
  TextWriter writer(link);
  writer.WriteLine("0");
  writer.Close();
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(files.ReadBytes(path), "0\r\n");
  EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(NamesIn(files.path()), (std::vector<std::string>{"link.n", "p.n"}));
}

// Whatever is not a regular file is refused before it is opened, as a
// missing file is: a device would be read for ever, a FIFO without a writer
// would wait for ever.
TEST_F(TextFileTest, OnlyRegularFilesAreRead) {
  const std::string fifo = files.PathOf("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string device_link = files.PathOf("zero.r");
  fs::create_symlink("/dev/zero", device_link);
  for (const std::string& path :
       {fifo, device_link, std::string("/dev/zero"), std::string("/dev/urandom"), files.path().string()}) {
    SCOPED_TRACE(path);
    EXPECT_FALSE(FileExists(path));
    EXPECT_FALSE(TextReader::TryOpen(path));
    EXPECT_THROW(TextReader reader(path), InOutError);
  }
  const std::string file_link = files.PathOf("link.r");
  fs::create_symlink(files.WriteBytes("real.r", "4\r\n"), file_link);
  EXPECT_TRUE(FileExists(file_link));
  EXPECT_EQ(TextReader(file_link).ReadInteger(), 4);
}

// The peak memory of the process in bytes.
long PeakMemory() {
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss * 1024L;
}

// 64 MiB of blanks (a sparse file of zero bytes) between two numbers are
// skipped without holding them; so is what the end-of-file test looks at.
TEST_F(TextFileTest, HugeFileIsReadThroughBoundedMemory) {
  constexpr off_t kGap = off_t{64} << 20;
  const std::string path = files.WriteBytes("huge.n", "3\r\n");
  fs::resize_file(path, kGap);
  std::ofstream(path, std::ios::binary | std::ios::app) << "5\r\n";
  const long before = PeakMemory();
  TextReader reader(path);
  EXPECT_EQ(reader.ReadInteger(), 3);
  reader.SkipLine();
  EXPECT_FALSE(reader.OnlyBlanksLeft());
  EXPECT_EQ(reader.ReadReal().raw(), 5.0L);
  EXPECT_TRUE(reader.OnlyBlanksLeft());
  EXPECT_LT(PeakMemory() - before, 16L << 20);
}

// A token longer than any number is refused once the limit is reached; the
// refusal shows its start only.
TEST_F(TextFileTest, EndlessTokenIsRefusedWithItsStart) {
  const std::string path = files.WriteBytes("long.r", std::string(TextReader::kMaxToken + 10, '7'));
  TextReader reader(path);
  try {
    reader.ReadInteger();
    FAIL() << "no error";
  } catch (const ConversionError& error) {
    EXPECT_EQ(std::string(error.what()),
              "'" + std::string(64, '7') + "...' is not a valid integer in file \"" + path + "\"");
  }
  EXPECT_TRUE(reader.AtEnd());
}

// A look ahead over more than one block of blanks leaves the reader where it
// was: the line skip that follows takes the rest of the same line.
TEST_F(TextFileTest, LookingForTheEndLeavesThePlace) {
  TextReader reader(files.WriteBytes("blanks.n", "1\r\n" + std::string(200000, ' ') + "\r\n2 \r\n"));
  EXPECT_EQ(reader.ReadInteger(), 1);
  reader.SkipLine();
  EXPECT_FALSE(reader.OnlyBlanksLeft());
  reader.SkipLine();
  EXPECT_EQ(reader.ReadInteger(), 2);
  EXPECT_TRUE(reader.OnlyBlanksLeft());
}

}  // namespace
}  // namespace base
