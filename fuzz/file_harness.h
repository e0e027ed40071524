// What the file harnesses share: the reader's options picked by the input's
// first byte (the capacity of one of the programs, or a small one so that
// the surplus lines are read and dropped, and the way the constant is
// taken), the rest read as a file, a model of the reading rules to hold
// the reader's result against, and a file written and read back.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/errors.h"
#include "base/extended.h"
#include "base/text_file.h"
#include "formats/file_lines.h"
#include "fuzz/number_model.h"
#include "fuzz/scratch_file.h"

namespace fuzz {

struct ReaderOptions {
  std::int32_t capacity;
  formats::ConstantRule rule;
};

inline ReaderOptions PickReaderOptions(std::uint8_t byte) {
  // tramow's tables, the workbench's registers, the designer's roots
  constexpr std::array<std::int32_t, 4> kCapacities = {40, 200, 1000, -1};
  constexpr std::array<formats::ConstantRule, 3> kRules = {
      formats::ConstantRule::kOptional, formats::ConstantRule::kAlways, formats::ConstantRule::kNever};
  const std::int32_t capacity = (byte & 0x20) != 0 ? kCapacities[byte & 3] : (byte & 7);
  return {capacity, kRules[(byte >> 6) % kRules.size()]};
}

// All 18 digits; they do not hold all 64 bits, so a real written and read
// back is the one nearest its text, which is written the same again.
inline const formats::RealFormat kFullFormat{26, -1};

inline bool SameWritten(base::Extended a, base::Extended b) { return kFullFormat.Text(a) == kFullFormat.Text(b); }

// What a reader gave: the file, or the token it refused.
template <typename File>
struct Outcome {
  std::optional<File> file;
  std::string refused;
};

// The input after its first byte as the file `name`, read with the options;
// the reader's one way of refusing a file is a conversion error.
template <typename File, typename Read>
Outcome<File> ReadInput(const char* name, const std::uint8_t* data, std::size_t size, const ReaderOptions& options,
                        Read read) {
  const std::string path = WriteScratch(name, AsText(data + 1, size - 1));
  try {
    base::TextReader in(path);
    return {read(in, options.capacity, options.rule), {}};
  } catch (const base::ConversionError& error) {
    return {std::nullopt, error.token()};
  }
}

// The reading rules held apart from the reader: the file cut into its
// tokens, each on its line (a line ends at CR LF, LF or CR), and each
// number as the text it must read as, so that the value is checked by the
// number model.
class FileModel {
 public:
  explicit FileModel(std::string_view content) {
    std::size_t line = 0;
    for (std::size_t i = 0; i < content.size();) {
      if (!IsSpace(content[i])) {
        const std::size_t start = i;
        while (i < content.size() && !IsSpace(content[i])) ++i;
        tokens_.push_back({content.substr(start, i - start), line});
        continue;
      }
      if (content[i] == '\n' || (content[i] == '\r' && (i + 1 == content.size() || content[i + 1] != '\n'))) ++line;
      ++i;
    }
  }

  // The text a real must read as: its token, or "0" at the end of the file;
  // nothing when the token is not a real (refused() then names it).
  std::optional<std::string> Real() {
    const std::optional<std::string_view> token = Next();
    if (!token) return "0";
    if (!FileTakesReal(*token)) return Refuse(*token);
    return std::string(*token);
  }
  // The value of an integer, 0 at the end of the file; nothing when the
  // token is not one.
  std::optional<std::int32_t> Integer() {
    const std::optional<std::string_view> token = Next();
    if (!token) return 0;
    const std::optional<std::int32_t> value = IntegerOf(*token);
    if (!value) Refuse(*token);
    return value;
  }
  // Past the rest of the line of the last number read.
  void EndLine() {
    while (next_ < tokens_.size() && tokens_[next_].line == last_line_) ++next_;
  }
  bool NoTokenLeft() const { return next_ == tokens_.size(); }
  const std::string& refused() const { return refused_; }

  // The constant that closes a file: the text it must read as, and whether
  // the file holds its line; nothing when its token is refused.
  struct Constant {
    std::string text;
    bool line;
  };
  std::optional<Constant> ClosingConstant(formats::ConstantRule rule) {
    if (rule == formats::ConstantRule::kNever || (rule == formats::ConstantRule::kOptional && NoTokenLeft()))
      return Constant{"1", false};
    const bool line = !NoTokenLeft();
    const std::optional<std::string> text = Real();
    if (!text) return std::nullopt;
    EndLine();
    return Constant{*text, line};
  }

 private:
  struct Token {
    std::string_view text;
    std::size_t line;
  };

  std::optional<std::string_view> Next() {
    if (NoTokenLeft()) return std::nullopt;
    last_line_ = tokens_[next_].line;
    return tokens_[next_++].text;
  }
  std::nullopt_t Refuse(std::string_view token) {
    refused_ = std::string(token);
    return std::nullopt;
  }

  std::vector<Token> tokens_;
  std::size_t next_ = 0;
  std::size_t last_line_ = 0;
  std::string refused_;
};

// x is what the text must read as in a file.
inline bool ReadsAs(base::Extended x, const std::string& text) { return IsReadingOf(text, x.raw(), true); }

// The file through the program's own writer with all digits, and back
// through the reader with the same options.
template <typename File, typename Write, typename Read>
File WrittenAndReadBack(const char* name, const File& file, const ReaderOptions& options, Write write, Read read) {
  const std::string path = ScratchPath(name);
  {
    base::TextWriter out(path);
    write(out, file, kFullFormat);
    out.Close();
  }
  base::TextReader in(path);
  return read(in, options.capacity, options.rule);
}

}  // namespace fuzz
