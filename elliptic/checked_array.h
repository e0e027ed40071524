// A fixed table indexed from kFirst (1 unless told) whose every access is
// checked: an index outside kFirst .. kFirst + kSize - 1 ends the action with
// "Range check error" and the index, instead of reading or writing past the
// table.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "base/errors.h"

namespace elliptic {

template <typename T, std::int32_t kSize, std::int32_t kFirst = 1>
class CheckedArray {
 public:
  static constexpr std::int32_t size() { return kSize; }
  static constexpr std::int32_t first() { return kFirst; }
  static constexpr std::int32_t last() { return kFirst + kSize - 1; }

  T& operator[](std::int32_t index) {
    base::CheckIndex(index, kFirst, last());
    return items_[static_cast<std::size_t>(index - kFirst)];
  }
  const T& operator[](std::int32_t index) const {
    base::CheckIndex(index, kFirst, last());
    return items_[static_cast<std::size_t>(index - kFirst)];
  }
  // The first n items, for kernels that walk a table in order; n is checked
  // like an index count.
  std::span<const T> Head(std::int32_t n) const {
    base::CheckIndex(n, 0, kSize);
    return {items_.data(), static_cast<std::size_t>(n)};
  }

 private:
  std::array<T, kSize> items_{};
};

}  // namespace elliptic
