// Text files as the programs read and write them.
//
// Reading: numbers are tokens separated by blanks and line ends (any byte up
// to the blank); blanks and line ends are skipped before every number; at the
// end of the file a number reads as 0.  A token that is not a number of the
// expected kind ends the action with a ConversionError naming the token.
// Lines may end in CR LF, LF or CR.  Only regular files are read: anything
// else (a folder, a device such as /dev/zero, a FIFO that would wait for a
// writer for ever) is refused before it is opened, as a missing file is.
// The file is read as a stream through one block of memory, so a file of
// any size is read by these rules without being held.
// Writing: every line ends in CR LF.  A file is written whole or not at all:
// the text goes to a new file beside the target, which replaces the target
// only once it is complete (Close); a writer that is not closed, or fails,
// leaves the old file as it was and no partial file.
// A file that cannot be opened or created ends the action with an InOutError
// naming the file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/extended.h"

namespace base {

// A regular file (or a link to one) of this name exists.
bool FileExists(const std::string& path);

class TextReader {
 public:
  // Opens the file or throws InOutError.
  explicit TextReader(const std::string& path);
  // Opens the file, or gives nothing when it cannot be opened.
  static std::optional<TextReader> TryOpen(const std::string& path);

  std::int32_t ReadInteger();
  Extended ReadReal();
  // Skip the rest of the current line and its line end.
  void SkipLine();
  // Only blanks and line ends are left (or nothing at all).
  bool OnlyBlanksLeft() const;
  bool AtEnd() const;
  const std::string& path() const { return path_; }

  // The longest token kept: far beyond any number the programs write (a
  // width or count of decimals of at most 65536), and small enough that a
  // file of one endless token is refused without filling the memory.
  static constexpr std::size_t kMaxToken = std::size_t{1} << 20;  // 1 MiB

 private:
  struct Closer {
    void operator()(std::FILE* file) const;
  };
  using File = std::unique_ptr<std::FILE, Closer>;

  TextReader(std::string path, File file);
  // The byte at the read position, or EOF at the end of the file.
  int Peek() const;
  // Read the next block into the buffer; false at the end of the file.
  bool Refill() const;
  // The next token; one beyond kMaxToken is refused as not a number.
  std::string_view NextToken(bool expected_integer);

  std::string path_;
  File file_;
  // The block being read and the read position in it; refilled from the
  // stream by the const queries too, which change nothing a read gives.
  mutable std::vector<char> buffer_;
  mutable std::size_t pos_ = 0;
  mutable std::size_t end_ = 0;
  std::string token_;
};

class TextWriter {
 public:
  // Creates the file beside the target that will replace it, or throws
  // InOutError (also when the target is not a regular file or cannot be
  // written).
  explicit TextWriter(const std::string& path);
  // Without Close, the new file is removed and the target stays as it was.
  ~TextWriter();
  TextWriter(const TextWriter&) = delete;
  TextWriter& operator=(const TextWriter&) = delete;

  void Write(std::string_view text);
  void WriteLine(std::string_view text = {});  // text, then CR LF
  void WriteInteger(long long n);              // without width
  void WriteReal(Extended x, int width, int decimals);
  void WriteReal(Extended x);  // without width: exponent form, 23
  // Store the new file and put it in place of the target; a failure throws
  // InOutError and leaves the target as it was.
  void Close();
  const std::string& path() const { return path_; }

 private:
  void Discard();

  std::string path_;
  std::string target_;     // the file that is replaced: path_, links followed
  std::string temporary_;  // the new file beside it
  std::FILE* file_ = nullptr;
};

}  // namespace base
