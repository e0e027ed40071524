// A fixed table indexed from 1 whose every access is checked: an index
// outside 1..kSize ends the action with "Range check error" and the index,
// instead of reading or writing past the table.
#pragma once

#include <array>
#include <cstdint>

#include "base/errors.h"

namespace elliptic {

template <typename T, std::int32_t kSize>
class CheckedArray {
 public:
  static constexpr std::int32_t size() { return kSize; }

  T& operator[](std::int32_t index) {
    base::CheckIndex(index, 1, kSize);
    return items_[static_cast<std::size_t>(index - 1)];
  }
  const T& operator[](std::int32_t index) const {
    base::CheckIndex(index, 1, kSize);
    return items_[static_cast<std::size_t>(index - 1)];
  }

 private:
  std::array<T, kSize> items_{};
};

}  // namespace elliptic
