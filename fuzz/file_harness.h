// What the file harnesses share: the reader's options picked by the input's
// first byte (the capacity of one of the programs, or a small one so that
// the surplus lines are read and dropped, and the way the constant is
// taken), the rest read as a file, and a file written and read back.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "base/errors.h"
#include "base/extended.h"
#include "base/text_file.h"
#include "formats/file_lines.h"
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

// The input after its first byte as the file `name`, read with the options;
// nothing when the reader refuses a token, its one way of refusing a file.
template <typename File, typename Read>
std::optional<File> ReadInput(const char* name, const std::uint8_t* data, std::size_t size,
                              const ReaderOptions& options, Read read) {
  const std::string path = WriteScratch(name, AsText(data + 1, size - 1));
  try {
    base::TextReader in(path);
    return read(in, options.capacity, options.rule);
  } catch (const base::ConversionError&) {
    return std::nullopt;
  }
}

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
