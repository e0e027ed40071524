#include "base/text_file.h"

#include <filesystem>

#include "base/errors.h"
#include "base/number_parse.h"
#include "base/number_text.h"

namespace base {

namespace {

// The whole file as bytes, or nothing when it cannot be opened or read
// (a directory opens but does not read).
std::optional<std::string> LoadFile(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return std::nullopt;
  std::string data;
  char buffer[1 << 16];
  std::size_t count = 0;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) data.append(buffer, count);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return data;
}

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

bool FileExists(const std::string& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  return !error && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

TextReader::TextReader(const std::string& path) : path_(path) {
  std::optional<std::string> data = LoadFile(path);
  if (!data) throw InOutError("Cannot open file", path);
  data_ = std::move(*data);
}

std::optional<TextReader> TextReader::TryOpen(const std::string& path) {
  std::optional<std::string> data = LoadFile(path);
  if (!data) return std::nullopt;
  return TextReader(path, std::move(*data));
}

std::string_view TextReader::NextToken() {
  while (!AtEnd() && IsBlank(data_[pos_])) ++pos_;
  const std::size_t start = pos_;
  while (!AtEnd() && !IsBlank(data_[pos_])) ++pos_;
  return std::string_view(data_).substr(start, pos_ - start);
}

std::int32_t TextReader::ReadInteger() {
  const std::string_view token = NextToken();
  if (token.empty()) return 0;  // end of file
  const std::optional<std::int32_t> value = ParseInteger(token);
  if (!value) throw ConversionError(std::string(token), true, path_);
  return *value;
}

Extended TextReader::ReadReal() {
  const std::string_view token = NextToken();
  if (token.empty()) return 0;  // end of file
  const std::optional<Extended> value = ParseReal(token);
  if (!value) throw ConversionError(std::string(token), false, path_);
  return *value;
}

void TextReader::SkipLine() {
  while (!AtEnd() && !IsLineEnd(data_[pos_])) ++pos_;
  if (AtEnd()) return;
  // CR LF, a lone LF or a lone CR
  if (data_[pos_++] == '\r' && !AtEnd() && data_[pos_] == '\n') ++pos_;
}

bool TextReader::OnlyBlanksLeft() const {
  for (std::size_t i = pos_; i < data_.size(); ++i)
    if (!IsBlank(data_[i])) return false;
  return true;
}

TextWriter::TextWriter(const std::string& path) : path_(path), file_(std::fopen(path.c_str(), "wb")) {
  if (!file_) throw InOutError("Cannot create file", path);
}

TextWriter::~TextWriter() {
  // A writer that was not closed is mostly being unwound by an error; closing
  // quietly keeps that error instead of hiding it behind a write error.
  if (file_) std::fclose(file_);
}

void TextWriter::Write(std::string_view text) {
  if (!file_) throw InOutError("Cannot write file", path_);
  if (text.empty()) return;  // an empty view may have no data at all
  if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) throw InOutError("Cannot write file", path_);
}

void TextWriter::WriteLine(std::string_view text) {
  Write(text);
  Write("\r\n");
}

void TextWriter::WriteInteger(long long n) { Write(IntToText(n)); }

void TextWriter::WriteReal(Extended x, int width, int decimals) { Write(FloatToText(x, width, decimals)); }

void TextWriter::WriteReal(Extended x) { Write(FloatToTextNoWidth(x)); }

void TextWriter::Close() {
  if (!file_) return;
  std::FILE* file = file_;
  file_ = nullptr;
  const bool flushed = std::fflush(file) == 0;
  const bool closed = std::fclose(file) == 0;
  if (!flushed || !closed) throw InOutError("Cannot write file", path_);
}

}  // namespace base
