// What the programs ask of the file readers, picked by the input's first
// byte: the capacity of one of the programs (or a small one, so that the
// surplus lines are read and dropped) and the way the constant is taken.
#pragma once

#include <array>
#include <cstdint>

#include "base/extended.h"
#include "formats/file_lines.h"

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

}  // namespace fuzz
