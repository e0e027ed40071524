// Text files as the programs read and write them.
//
// Reading: numbers are tokens separated by blanks and line ends (any byte up
// to the blank); blanks and line ends are skipped before every number; at the
// end of the file a number reads as 0.  A token that is not a number of the
// expected kind ends the action with a ConversionError naming the token.
// Lines may end in CR LF, LF or CR.
// Writing: every line ends in CR LF.
// A file that cannot be opened or created ends the action with an InOutError
// naming the file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "base/extended.h"

namespace base {

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
  bool AtEnd() const { return pos_ >= data_.size(); }
  const std::string& path() const { return path_; }

 private:
  TextReader(std::string path, std::string data) : path_(std::move(path)), data_(std::move(data)) {}
  std::string_view NextToken();

  std::string path_;
  std::string data_;
  std::size_t pos_ = 0;
};

class TextWriter {
 public:
  // Creates (or replaces) the file or throws InOutError.
  explicit TextWriter(const std::string& path);
  ~TextWriter();
  TextWriter(const TextWriter&) = delete;
  TextWriter& operator=(const TextWriter&) = delete;

  void Write(std::string_view text);
  void WriteLine(std::string_view text = {});  // text, then CR LF
  void WriteInteger(long long n);              // without width
  void WriteReal(Extended x, int width, int decimals);
  void WriteReal(Extended x);                  // without width: exponent form, 23
  // Flush and close; a failed write throws InOutError.
  void Close();
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::FILE* file_ = nullptr;
};

}  // namespace base
