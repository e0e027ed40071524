// Lets GoogleTest show an Extended in a failure message as the 21 digits
// that tell it apart from its neighbours, instead of its bytes.
#pragma once

#include <cstdio>
#include <ostream>

#include "base/extended.h"

namespace base {

inline void PrintTo(const Extended& x, std::ostream* out) {
  char text[64];
  std::snprintf(text, sizeof text, "%.20Le", x.raw());
  *out << text;
}

}  // namespace base
